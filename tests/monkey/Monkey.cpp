#include "tests/monkey/Monkey.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "app/ResultFile.h"
#include "app/TForm4.h"
#include "app/TrainerProgram.h"
#include "framework/TTimer.h"
#include "framework/controls/MessageForm.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TEdit.h"
#include "platform/controls/ControlMessages.h"
#include "platform/headless/HeadlessDriver.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"

namespace fs = std::filesystem;

namespace {

HWND MinimisedWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        if (!IsIconic(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> VisibleTopLevelWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

TMessageForm* VisibleMessageBox() {
  for (HWND hwnd : VisibleTopLevelWindows()) {
    if (auto* form = dynamic_cast<TMessageForm*>(TWinControl::FindControl(hwnd))) return form;
  }
  return nullptr;
}

bool Shown(TCustomForm* window) { return window->HandleAllocated() && IsWindowVisible(window->Handle()); }

POINT Middle(const TControl* control) { return {control->Width() / 2, control->Height() / 2}; }

// Letters a pupil may type, Cyrillic and Latin, as whole UTF-8 characters.
const std::vector<std::string>& TypedCharacters() {
  static const std::vector<std::string> characters = [] {
    std::vector<std::string> out;
    const std::string cyrillic = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЁЖЯ";
    for (std::size_t i = 0; i < cyrillic.size(); i += 2) out.push_back(cyrillic.substr(i, 2));
    for (char c : std::string("abcxyzXYZ0123456789 -_.,!?()")) out.push_back(std::string(1, c));
    return out;
  }();
  return characters;
}

constexpr int kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP,     VK_DOWN, VK_SPACE,
                         VK_BACK, VK_DELETE, VK_HOME,   VK_END,  VK_F4,    VK_PRIOR, VK_NEXT};

}  // namespace

Monkey::Monkey(std::uint64_t seed) : seed_(seed), random_(seed) {}

Monkey::~Monkey() { EndLife(); }

void Monkey::StartLife() {
  EndLife();
  dir_ = std::make_unique<ScopedWorkDir>();
  start_ = static_cast<ResultFileStart>(Pick(4));
  oldBytes_.clear();
  if (start_ == ResultFileStart::EarlierRuns || start_ == ResultFileStart::ReadOnly) {
    oldBytes_ = ResultFile::Line("Маша") + ResultFile::Line("Петя");
    dir_->write("res.txt", oldBytes_);
    if (start_ == ResultFileStart::ReadOnly) chmod((dir_->path() / "res.txt").c_str(), 0444);
  } else if (start_ == ResultFileStart::Folder) {
    fs::create_directory(dir_->path() / "res.txt");
  }
  for (bool& r : reached_) r = false;
  lineCounted_ = false;

  driver_ = std::make_unique<HeadlessDriver>();
  program_ = std::make_unique<TrainerProgram>();
  program_->ShowMainWindow();
  driver_->runUntilIdle();
  // Message boxes are modal and run their own loop inside a click or a
  // tick: this timer ticks inside that loop and sends the box its events.
  poker_ = std::make_unique<TTimer>(nullptr);
  poker_->SetInterval(10);
  poker_->OnTimer = [this](TObject*) { PokeMessageBox(); };
  poker_->SetEnabled(true);
  ++counts_.Lives;
  lifeStart_ = counts_.Events;
}

void Monkey::EndLife() {
  if (!program_) return;
  for (int i = 0; i < 4; ++i) counts_.WindowsReached[i] += reached_[i] ? 1 : 0;
  poker_.reset();
  program_.reset();
  driver_.reset();
  dir_.reset();
}

bool Monkey::ProgramEnded() const { return program_->Application().Terminated() || driver_->quitSeen(); }

bool Monkey::Run(std::uint64_t events) {
  target_ = counts_.Events + events;
  if (!program_) StartLife();
  while (counts_.Events < target_ && failures_.empty()) {
    // A life can have nowhere left to go (the name window with a folder
    // named res.txt keeps refusing): a long run moves on after a while.
    if (ProgramEnded() || counts_.Events - lifeStart_ >= kEventsPerLife) StartLife();
    OneEvent();
    ++counts_.Events;
    Check("event");
  }
  // Leave nothing open for the next call.
  target_ = counts_.Events;
  return failures_.empty();
}

void Monkey::OneEvent() {
  // A window minimised by its title button or system menu comes back as
  // from the taskbar (the headless screen has none) once nothing else is
  // shown, or the life would have nowhere to go.
  if (const HWND iconic = MinimisedWindow(); iconic && VisibleTopLevelWindows().empty()) {
    lastEvent_ = "restore";
    ShowWindow(iconic, SW_RESTORE);
    driver_->runUntilIdle();
    return;
  }
  const int r = Pick(100);
  lastEvent_ = r < 26 ? "click" : r < 31 ? "double click" : r < 36 ? "mouse move" : r < 56 ? "key" : r < 64 ? "text"
             : r < 72 ? "picker" : r < 97 ? "time" : "solution";
  if (r < 26) return ClickSomewhere(false);
  if (r < 31) return ClickSomewhere(true);
  if (r < 36) {
    const std::vector<HWND> windows = VisibleTopLevelWindows();
    if (windows.empty()) return;
    RECT rect{};
    GetWindowRect(windows[static_cast<std::size_t>(Pick(static_cast<int>(windows.size())))], &rect);
    return driver_->moveTo({rect.Left + Pick(std::max(1, rect.Right - rect.Left)),
                            rect.Top + Pick(std::max(1, rect.Bottom - rect.Top))});
  }
  if (r < 56) return PressSomeKey();
  if (r < 64) return TypeSomeText();
  if (r < 72) return UsePicker();
  if (r < 97) return driver_->runFor(Pick(4) == 0 ? 1 + Pick(5000) : 1 + Pick(200));
  return PlaySolution();
}

void Monkey::PokeMessageBox() {
  // A box may open another one from inside its own loop (OK ends a step
  // whose next step reports again): the inner box is poked from the inner
  // loop, so nesting is allowed, within a bound.
  // An open pop-up menu (a window's system menu) is modal as well: it is
  // closed with Escape or clicked somewhere, as a pupil would.
  if (const HWND menu = GetCapture(); menu && GetClassNameString(menu) == "#32768") {
    if (poking_ >= 8) return;
    ++poking_;
    lastEvent_ = "menu event";
    RECT rect{};
    GetWindowRect(menu, &rect);
    if (counts_.Events >= target_ + kMenuEventsPastTheEnd) {
      // Escape has been typed again and again and the menu stays: report it,
      // and let go of the menu so that the run can end.
      if (failures_.empty()) Fail("an open menu does not close on Escape");
      ReleaseCapture();
    } else if (counts_.Events >= target_ || Pick(2) == 0) {
      driver_->keyDown(VK_ESCAPE);
      driver_->keyUp(VK_ESCAPE);
    } else {
      driver_->click({rect.Left + Pick(std::max(1, rect.Right - rect.Left)), rect.Top + Pick(std::max(1, rect.Bottom - rect.Top))});
    }
    ++counts_.Events;
    --poking_;
    return;
  }
  TMessageForm* box = VisibleMessageBox();
  if (poking_ >= 8 || !box) return;
  ++poking_;
  TButton* ok = box->OkButton();
  // Past the last event every box is answered, so that the modal loop ends.
  const int r = counts_.Events >= target_ ? 0 : Pick(10);
  lastEvent_ = "message box event";
  if (r < 5) {
    driver_->clickClient(ok->Handle(), Middle(ok));
  } else if (r < 9) {
    driver_->pressKey(r == 5 ? VK_RETURN : r == 6 ? VK_ESCAPE : r == 7 ? VK_SPACE : VK_TAB);
  } else {
    RECT rect{};
    GetWindowRect(box->Handle(), &rect);
    driver_->click({rect.Left + Pick(std::max(1, rect.Right - rect.Left)), rect.Top + Pick(std::max(1, rect.Bottom - rect.Top))});
  }
  ++counts_.Events;
  ++counts_.MessageBoxes;
  Check("message box event");
  --poking_;
}

void Monkey::ClickSomewhere(bool twice) {
  const std::vector<HWND> windows = VisibleTopLevelWindows();
  POINT at{Pick(1280), Pick(1024)};
  if (!windows.empty() && Pick(10) != 0) {
    RECT rect{};
    GetWindowRect(windows[static_cast<std::size_t>(Pick(static_cast<int>(windows.size())))], &rect);
    at = {rect.Left + Pick(std::max(1, rect.Right - rect.Left)), rect.Top + Pick(std::max(1, rect.Bottom - rect.Top))};
  }
  if (twice) {
    driver_->doubleClick(at);
  } else {
    driver_->click(at, Pick(8) == 0 ? MouseButton::Right : MouseButton::Left);
  }
}

void Monkey::PressSomeKey() {
  if (Pick(8) == 0) {
    // Select to the start and delete, as a pupil clears a field; it also
    // keeps the typed texts from growing without end over a long run.
    driver_->pressKey(VK_END);
    driver_->keyDown(VK_SHIFT);
    driver_->pressKey(VK_HOME);
    driver_->keyUp(VK_SHIFT);
    driver_->pressKey(VK_DELETE);
    return;
  }
  const int key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
  if (key == VK_TAB && Pick(3) == 0) {
    driver_->keyDown(VK_SHIFT);
    driver_->pressKey(VK_TAB);
    driver_->keyUp(VK_SHIFT);
    return;
  }
  driver_->pressKey(key);
}

void Monkey::TypeSomeText() {
  const std::vector<std::string>& characters = TypedCharacters();
  std::string text;
  for (int n = 1 + Pick(8); n > 0; --n) text += characters[static_cast<std::size_t>(Pick(static_cast<int>(characters.size())))];
  driver_->typeText(text);
}

void Monkey::UsePicker() {
  TCustomForm* windows[] = {program_->JugsWindow(), program_->RiverWindow(), program_->TubeWindow()};
  for (TCustomForm* window : windows) {
    if (!Shown(window)) continue;
    auto* picker = window->FindComponent<TComboBox>("sComboBox1");
    if (!picker || !picker->HandleAllocated() || !IsWindowVisible(picker->Handle())) return;
    COMBOBOXINFO info;
    SendMessage(picker->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    driver_->clickClient(picker->Handle(), {(info.rcButton.Left + info.rcButton.Right) / 2, picker->Height() / 2});
    if (!SendMessage(picker->Handle(), CB_GETDROPPEDSTATE, 0, 0)) return;
    ++counts_.PickerOpened;
    switch (Pick(4)) {
      case 0: {  // an entry clicked
        RECT item{};
        const int count = std::max(1, picker->Items().Count());
        SendMessage(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(Pick(count)), reinterpret_cast<LPARAM>(&item));
        const POINT entry = driver_->clientToScreen(info.hwndList, {10, item.Top + item.Height() / 2});
        driver_->moveTo(entry);
        driver_->click(entry);
        break;
      }
      case 1:  // chosen by keyboard
        for (int n = Pick(5); n > 0; --n) driver_->pressKey(VK_DOWN);
        driver_->pressKey(VK_RETURN);
        break;
      case 2:
        driver_->pressKey(VK_ESCAPE);
        break;
      default:  // left open for the next events
        break;
    }
    return;
  }
}

void Monkey::ClickControl(TCustomForm* window, const char* name) {
  auto* control = window->FindComponent<TControl>(name);
  if (!control) return Fail(std::string("no control ") + name);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) return driver_->clickClient(windowed->Handle(), Middle(control));
  const POINT middle = Middle(control);
  driver_->clickClient(control->Parent()->Handle(), {control->Left() + middle.X, control->Top() + middle.Y});
}

void Monkey::Choose(TCustomForm* window, int entry) {
  auto* picker = window->FindComponent<TComboBox>("sComboBox1");
  if (!picker) return Fail("no command picker");
  COMBOBOXINFO info;
  SendMessage(picker->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  driver_->clickClient(picker->Handle(), {(info.rcButton.Left + info.rcButton.Right) / 2, picker->Height() / 2});
  if (!SendMessage(picker->Handle(), CB_GETDROPPEDSTATE, 0, 0)) return;
  RECT item{};
  SendMessage(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item));
  const POINT at = driver_->clientToScreen(info.hwndList, {10, item.Top + item.Height() / 2});
  driver_->moveTo(at);
  driver_->click(at);
}

void Monkey::PlaySolution() {
  // A replay still running is let finish first (its boxes are poked as usual).
  driver_->runFor(60000);
  if (ProgramEnded()) return;
  auto play = [&](TCustomForm* window, const std::vector<int>& entries, unsigned ms) {
    ClickControl(window, "sButton1");  // clear what the monkey wrote
    for (int entry : entries) Choose(window, entry);
    ClickControl(window, "sBitBtn1");
    driver_->runFor(ms);
  };
  if (Shown(program_->JugsWindow())) {
    static const std::vector<int> stages[3] = {{1, 5}, {0, 4, 0, 4}, {1, 5, 2, 5, 1, 5, 2, 5}};
    const int stage = std::clamp<int>(program_->JugsWindow()->Puzzle().stage(), 1, 3);
    const std::vector<int>& entries = stages[stage - 1];
    return play(program_->JugsWindow(), entries, 50 + 2000 * static_cast<unsigned>(entries.size()) + 100);
  }
  if (Shown(program_->RiverWindow())) return play(program_->RiverWindow(), {0, 3, 1, 0, 2, 3, 0}, 50 + 2000 * 7 + 100);
  if (Shown(program_->TubeWindow())) {
    TForm3* tube = program_->TubeWindow();
    ClickControl(tube, "sButton1");
    auto press = [&](const char* button, int times) {
      for (int i = 0; i < times; ++i) ClickControl(tube, button);
    };
    press("sButton3", 1);
    for (int round = 5; round <= 7; ++round) {
      press("sButton2", 1);
      press("sButton4", round);
      press("sButton5", 1);
      press("sButton3", round);
    }
    press("sButton2", 1);
    press("sButton4", 12);
    ClickControl(tube, "sBitBtn1");
    return driver_->runFor(50 + 1000 * 55 + 200);
  }
  if (Shown(program_->NameWindow())) {
    ClickControl(program_->NameWindow(), "sEdit1");
    TypeSomeText();
    if (Pick(2) == 0) return driver_->pressKey(VK_RETURN);
    ClickControl(program_->NameWindow(), "sBitBtn1");
  }
}

void Monkey::Fail(const std::string& what) {
  std::ostringstream text;
  text << "seed " << seed_ << ", event " << counts_.Events << " (" << lastEvent_ << "): " << what;
  failures_.push_back(text.str());
}

void Monkey::Check(const char* after) {
  if (!failures_.empty()) return;
  TCustomForm* windows[] = {program_->JugsWindow(), program_->RiverWindow(), program_->TubeWindow(),
                            program_->NameWindow()};
  int tasksShown = 0;
  for (int i = 0; i < 4; ++i) {
    if (!Shown(windows[i])) continue;
    reached_[i] = true;
    if (i < 3) ++tasksShown;
  }
  if (tasksShown > 1) Fail(std::string("after a ") + after + ": " + std::to_string(tasksShown) + " task windows visible");

  const fs::path file = dir_->path() / "res.txt";
  std::error_code error;
  if (start_ == ResultFileStart::Folder) {
    if (!fs::is_directory(file, error)) Fail("the folder res.txt was replaced");
    return;
  }
  if (!fs::exists(file, error)) {
    if (start_ != ResultFileStart::Missing) Fail("res.txt disappeared");
    return;
  }
  const std::string bytes = dir_->read("res.txt");
  if (bytes == oldBytes_ && start_ != ResultFileStart::Missing) return;
  // Anything else must be the old bytes and the line of the typed name.
  auto* edit = program_->NameWindow()->sEdit1;
  const std::string expected = oldBytes_ + ResultFile::Line(edit ? edit->CurrentText() : std::string());
  if (bytes != expected) {
    Fail(std::string("after a ") + after + ": res.txt holds " + std::to_string(bytes.size()) + " bytes, expected " +
         std::to_string(expected.size()));
    return;
  }
  if (!ProgramEnded()) Fail("the line was written but the program goes on");
  if (bytes.size() > oldBytes_.size() && !lineCounted_) {
    ++counts_.LinesWritten;
    lineCounted_ = true;
  }
}
