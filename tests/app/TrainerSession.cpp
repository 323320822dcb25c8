#include "tests/app/TrainerSession.h"

#include <gtest/gtest.h>

#include "app/TForm4.h"
#include "controls/buttons/TsButton.h"
#include "framework/TTimer.h"
#include "framework/controls/MessageForm.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TListBox.h"
#include "platform/controls/ControlMessages.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"

namespace {

HWND FindVisibleMessageBox() {
  struct Search {
    HWND Found = nullptr;
  } search;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        if (GetClassNameString(hwnd) == "TMessageForm" && IsWindowVisible(hwnd)) {
          reinterpret_cast<Search*>(lp)->Found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

POINT Middle(const TControl* control) { return {control->Width() / 2, control->Height() / 2}; }

}  // namespace

TrainerSession::TrainerSession() {
  program_ = std::make_unique<TrainerProgram>();
  program_->ShowMainWindow();
  driver_.runUntilIdle();
  // Message boxes are modal: they run their own loop inside a tick or a
  // click. This timer ticks inside that loop and answers them.
  answerer_ = std::make_unique<TTimer>(nullptr);
  answerer_->SetInterval(10);
  answerer_->OnTimer = [this](TObject*) { AnswerMessageBox(); };
  answerer_->SetEnabled(true);
}

TrainerSession::~TrainerSession() {
  answerer_.reset();
  program_.reset();
}

bool TrainerSession::AnyReplayTimerRunning() const {
  return program_->JugsWindow()->Timer1->Enabled() || program_->RiverWindow()->Timer1->Enabled() ||
         program_->TubeWindow()->Timer1->Enabled() || program_->TubeWindow()->Timer2->Enabled();
}

void TrainerSession::AnswerMessageBox() {
  HWND box = FindVisibleMessageBox();
  if (!box || answering_) return;
  auto* form = dynamic_cast<TMessageForm*>(TWinControl::FindControl(box));
  if (!form) return;
  SeenMessage seen;
  seen.Text = form->Message()->Caption();
  seen.Title = GetWindowTextString(box);
  seen.ReplayTimerRunning = AnyReplayTimerRunning();
  GetWindowRect(box, &seen.Frame);
  seen.Picture = driver_.windowShot(box);
  TButton* ok = form->OkButton();
  RECT box_{}, okRect{};
  GetWindowRect(box, &box_);
  GetWindowRect(ok->Handle(), &okRect);
  seen.Ok = okRect.Offset(-box_.Left, -box_.Top);
  seen.OkType = static_cast<DWORD>(GetWindowLongPtr(ok->Handle(), GWL_STYLE)) & BS_TYPEMASK;
  if (auto* skinned = dynamic_cast<TsButton*>(ok); skinned && skinned->SkinData().Skinned()) {
    if (TBitmap* cache = skinned->SkinData().CacheBmp()) seen.OkCache = cache->Pixels();
    seen.OkSection = skinned->SkinData().SkinSection();
  }
  answering_ = true;
  driver_.clickClient(ok->Handle(), Middle(ok));
  answering_ = false;
  messages_.push_back(std::move(seen));
}

TControl* TrainerSession::Control(TCustomForm* window, std::string_view name) const {
  auto* control = window->FindComponent<TControl>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

void TrainerSession::Click(TCustomForm* window, std::string_view name) {
  TControl* control = Control(window, name);
  if (!control) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    driver_.clickClient(windowed->Handle(), Middle(control));
    return;
  }
  // A windowless control is clicked through its parent's window.
  const POINT middle = Middle(control);
  driver_.clickClient(control->Parent()->Handle(), {control->Left() + middle.X, control->Top() + middle.Y});
}

void TrainerSession::Choose(TCustomForm* window, int index) {
  auto* picker = dynamic_cast<TComboBox*>(Control(window, "sComboBox1"));
  ASSERT_NE(picker, nullptr);
  const HWND combo = picker->Handle();
  COMBOBOXINFO info;
  SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  driver_.clickClient(combo, {(info.rcButton.Left + info.rcButton.Right) / 2, picker->Height() / 2});
  ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0)) << "the picker's list did not open";
  RECT item{};
  SendMessage(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const POINT entry = driver_.clientToScreen(info.hwndList, {10, item.Top + item.Height() / 2});
  driver_.moveTo(entry);
  driver_.click(entry);
}

std::vector<std::string> TrainerSession::Lines(TCustomForm* window) const {
  auto* list = dynamic_cast<TListBox*>(Control(window, "sListBox1"));
  return list ? list->Items().ToVector() : std::vector<std::string>{};
}

int TrainerSession::SelectedLine(TCustomForm* window) const {
  auto* list = dynamic_cast<TListBox*>(Control(window, "sListBox1"));
  return list ? list->ItemIndex() : -2;
}

bool TrainerSession::PanelEnabled(TCustomForm* window) const {
  TControl* panel = Control(window, "sGroupBox1");
  return panel && panel->Enabled();
}

bool TrainerSession::StepTimerOn(TCustomForm* window) const {
  auto* timer = window->FindComponent<TTimer>("Timer1");
  return timer && timer->Enabled();
}

std::vector<TCustomForm*> TrainerSession::VisibleWindows() const {
  std::vector<TCustomForm*> visible;
  for (TCustomForm* window : std::initializer_list<TCustomForm*>{program_->JugsWindow(), program_->RiverWindow(),
                                                                 program_->TubeWindow(), program_->NameWindow()})
    if (window->HandleAllocated() && IsWindowVisible(window->Handle())) visible.push_back(window);
  return visible;
}

std::vector<std::string> TrainerSession::TakeMessages() {
  std::vector<std::string> texts;
  for (const SeenMessage& m : messages_) texts.push_back(m.Text);
  messages_.clear();
  return texts;
}
