// Writes each of the program's four windows, as the headless screen shows it
// right after start-up, to a PNG file in the given folder, at the device
// scale given (1 unless said otherwise):
//   build/app/trainer-screenshots [out/windows [scale]]
// gives TForm1.png (jugs), TForm2.png (river), TForm3.png (tube), TForm4.png (name)
// and hint.png (the hint over the jugs window's remove button, faded in),
// message.png (a skinned message box), sysmenu.png (the jugs window's
// system menu opened from its icon) and replay-start.png, replay-middle.png,
// replay-end.png (the tube window replaying its 56-line solution, at its
// first line, at line 29 and at its last line).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "app/TForm4.h"
#include "app/TrainerProgram.h"
#include "framework/TControl.h"
#include "framework/controls/TListBox.h"
#include "framework/controls/MessageForm.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/DeviceScale.h"
#include "platform/DeviceScaleChoice.h"
#include "platform/headless/HeadlessDriver.h"
#include "puzzles/JugsPuzzle.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"

namespace {

// The screen's pixels in a rectangle of it, at the screen's own resolution.
Bitmap Crop(const Bitmap& screen, const RECT& area) {
  Bitmap picture = Bitmap::AtScale(screen.scale(), area.Width(), area.Height());
  CopyBitmapRect(picture, Point(0, 0), screen, area);
  return picture;
}

bool Save(HeadlessDriver& driver, TCustomForm* window, const std::filesystem::path& file) {
  window->Show();
  driver.runUntilIdle();
  const bool saved = driver.savePng(driver.windowShot(window->Handle()), file.string());
  if (saved)
    std::printf("%s\n", file.string().c_str());
  else
    std::fprintf(stderr, "could not write %s\n", file.string().c_str());
  window->Hide();
  driver.runUntilIdle();
  return saved;
}

// The mouse rests on "Убрать" until its hint has faded in; the picture is
// the screen around the hint, with the button it points at.
bool SaveHint(HeadlessDriver& driver, TCustomForm* window, const std::filesystem::path& file) {
  window->Show();
  driver.runUntilIdle();
  TControl* button = window->FindComponent<TControl>("sSpeedButton1");
  if (!button) return false;
  const TPoint middle = button->ClientToScreen({button->Width() / 2, button->Height() / 2});
  driver.moveTo({middle.X, middle.Y});
  driver.runFor(500 + 8 * 31 + 10);
  const RECT area = Bounds(middle.X - 260, middle.Y - 110, 560, 200);
  const Bitmap picture = Crop(driver.screenshot(), area);
  const bool saved = driver.savePng(picture, file.string());
  if (saved) std::printf("%s\n", file.string().c_str());
  window->Hide();
  driver.runUntilIdle();
  return saved;
}

// A message box as the jugs window shows it on success, with its frame.
bool SaveMessage(HeadlessDriver& driver, const std::filesystem::path& file) {
  auto* box = new TMessageForm(Application, std::string(JugsPuzzle::kSuccessJug1));
  box->Show();
  driver.runUntilIdle();
  const bool saved = driver.savePng(driver.windowShot(box->Handle()), file.string());
  if (saved) std::printf("%s\n", file.string().c_str());
  box->Free();
  driver.runUntilIdle();
  return saved;
}

HeadlessDriver* menuDriver = nullptr;
HWND menuOwner = nullptr;
std::filesystem::path menuFile;
bool menuSaved = false;

// While the system menu is open: the screen around the window's top-left
// corner, then the menu is closed with Escape.
void ShootOpenMenu(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  RECT window{};
  GetWindowRect(menuOwner, &window);
  const RECT area = Bounds(window.Left, window.Top, 320, 200);
  const Bitmap picture = Crop(menuDriver->screenshot(), area);
  menuSaved = menuDriver->savePng(picture, menuFile.string());
  if (menuSaved) std::printf("%s\n", menuFile.string().c_str());
  menuDriver->keyDown(VK_ESCAPE);
  menuDriver->keyUp(VK_ESCAPE);
}

bool SaveSystemMenu(HeadlessDriver& driver, TCustomForm* window, const std::filesystem::path& file) {
  window->Show();
  driver.runUntilIdle();
  menuDriver = &driver;
  menuOwner = window->Handle();
  menuFile = file;
  SetTimer(window->Handle(), 0x5359, 10, &ShootOpenMenu);
  const POINT icon = driver.windowToScreen(window->Handle(), {10, 11});
  driver.press(icon);
  driver.release(icon);
  window->Hide();
  driver.runUntilIdle();
  return menuSaved;
}

// Clicks the middle of the window's button `name`.
bool ClickButton(HeadlessDriver& driver, TCustomForm* window, const char* name, int times = 1) {
  auto* button = window->FindComponent<TWinControl>(name);
  if (!button) return false;
  for (int i = 0; i < times; ++i) driver.clickClient(button->Handle(), {button->Width() / 2, button->Height() / 2});
  return true;
}

bool SaveReplayShot(HeadlessDriver& driver, TCustomForm* window, const std::filesystem::path& file) {
  const bool saved = driver.savePng(driver.windowShot(window->Handle()), file.string());
  if (saved)
    std::printf("%s\n", file.string().c_str());
  else
    std::fprintf(stderr, "could not write %s\n", file.string().c_str());
  return saved;
}

// The tube's solution (56 lines, more than the command list shows) entered
// with the buttons and replayed; the replay steps once a second.
bool SaveTubeReplay(HeadlessDriver& driver, TCustomForm* tube, const std::filesystem::path& folder) {
  tube->Show();
  driver.runUntilIdle();
  auto* list = tube->FindComponent<TListBox>("sListBox1");
  bool ok = list && ClickButton(driver, tube, "sButton3");
  for (int round = 5; ok && round <= 7; ++round) {
    ok = ClickButton(driver, tube, "sButton2") && ClickButton(driver, tube, "sButton4", round) &&
         ClickButton(driver, tube, "sButton5") && ClickButton(driver, tube, "sButton3", round);
  }
  ok = ok && ClickButton(driver, tube, "sButton2") && ClickButton(driver, tube, "sButton4", 12);
  if (!ok || list->Items().Count() != 56) {
    std::fprintf(stderr, "trainer-screenshots: the tube's solution could not be entered\n");
    return false;
  }
  ClickButton(driver, tube, "sBitBtn1");
  driver.runFor(60);
  ok = list->ItemIndex() == 0 && SaveReplayShot(driver, tube, folder / "replay-start.png");
  for (int line = 1; ok && line <= 55; ++line) {
    driver.runFor(1000);
    if (list->ItemIndex() != line) {
      std::fprintf(stderr, "trainer-screenshots: the replay is not at line %d\n", line);
      return false;
    }
    if (line == 28) ok = SaveReplayShot(driver, tube, folder / "replay-middle.png");
    if (line == 55) ok = SaveReplayShot(driver, tube, folder / "replay-end.png");
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : "out/windows";
  const std::optional<int> scale = argc > 2 ? DeviceScaleChoice::ParseScale(argv[2]) : 1;
  if (!scale) {
    std::fprintf(stderr, "the scale is 1, 2 or 3\n");
    return 2;
  }
  DeviceScale::Scoped atScale(*scale);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  HeadlessDriver driver;
  try {
    TrainerProgram program;
    program.ShowMainWindow();
    driver.runUntilIdle();
    bool ok = Save(driver, program.JugsWindow(), folder / "TForm1.png");
    ok = Save(driver, program.RiverWindow(), folder / "TForm2.png") && ok;
    ok = Save(driver, program.TubeWindow(), folder / "TForm3.png") && ok;
    ok = Save(driver, program.NameWindow(), folder / "TForm4.png") && ok;
    ok = SaveHint(driver, program.JugsWindow(), folder / "hint.png") && ok;
    ok = SaveMessage(driver, folder / "message.png") && ok;
    ok = SaveSystemMenu(driver, program.JugsWindow(), folder / "sysmenu.png") && ok;
    // Last: the replay leaves the tube window busy.
    ok = SaveTubeReplay(driver, program.TubeWindow(), folder) && ok;
    return ok ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "trainer-screenshots: %s\n", error.what());
    return 1;
  }
}
