// The program when another program takes the keyboard, as when the pupil
// clicks into it: the command picker's open list, the system menu and a hint
// close, as on every desktop, and the window works as before once the
// desktop gives the keyboard back.
#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/controls/TComboBox.h"
#include "framework/THintWindow.h"
#include "platform/controls/ControlMessages.h"
#include "puzzles/TForm1.h"
#include "tests/app/TrainerSession.h"

namespace {

bool MenuOnScreen() {
  bool shown = false;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM found) -> BOOL {
        if (GetClassNameString(hwnd) == "#32768" && IsWindowVisible(hwnd)) *reinterpret_cast<bool*>(found) = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

// What the timers inside the system menu's own loop saw and did.
struct MenuLoop {
  HeadlessDriver* driver = nullptr;
  bool open = false;
  bool escapeNeeded = false;
} menuLoop;

class Deactivation : public ::testing::Test {
 protected:
  TForm1* jugs() { return session.Program().JugsWindow(); }
  HWND picker() { return dynamic_cast<TComboBox*>(session.Control(jugs(), "sComboBox1"))->Handle(); }
  void OpenPicker() {
    COMBOBOXINFO info;
    SendMessage(picker(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT box{};
    GetClientRect(picker(), &box);
    session.Driver().clickClient(picker(), {(info.rcButton.Left + info.rcButton.Right) / 2, box.Bottom / 2});
  }
  bool PickerOpen() { return SendMessage(picker(), CB_GETDROPPEDSTATE, 0, 0) != 0; }
  bool HintShown() {
    THintWindow* hint = Application->Hints()->HintWindow();
    return hint && hint->HandleAllocated() && IsWindowVisible(hint->Handle());
  }

  TrainerSession session;
};

TEST_F(Deactivation, ThePickersOpenListClosesWithoutChoosingAndTheWindowWorksAfterwards) {
  OpenPicker();
  ASSERT_TRUE(PickerOpen());
  session.Driver().focusAnotherProgram();
  EXPECT_FALSE(PickerOpen()) << "the list stayed open over the other program";
  EXPECT_TRUE(session.Lines(jugs()).empty()) << "closing the list chose a command";
  EXPECT_EQ(GetActiveWindow(), nullptr);

  session.Driver().giveKeyboardTo(jugs()->Handle());
  EXPECT_EQ(GetActiveWindow(), jugs()->Handle());
  session.Choose(jugs(), 1);
  EXPECT_EQ(session.Lines(jugs()), std::vector<std::string>{"Наполнить БАНКУ 2"});
}

TEST_F(Deactivation, AClickOnThePickerOfTheInactiveWindowOpensItAtOnce) {
  session.Driver().focusAnotherProgram();
  OpenPicker();
  EXPECT_EQ(GetActiveWindow(), jugs()->Handle());
  EXPECT_TRUE(PickerOpen()) << "the first click only activated the window";
}

TEST_F(Deactivation, AHintOnScreenOrAboutToShowGoes) {
  TControl* remove = session.Control(jugs(), "sSpeedButton1");
  const TPoint middle = remove->ClientToScreen({remove->Width() / 2, remove->Height() / 2});
  session.Driver().moveTo({middle.X, middle.Y});
  session.Run(500);
  ASSERT_TRUE(HintShown());
  session.Driver().focusAnotherProgram();
  EXPECT_FALSE(HintShown());
  session.Run(1000);
  EXPECT_FALSE(HintShown()) << "the hint came back while another program had the keyboard";
}

TEST_F(Deactivation, TheOpenSystemMenuCloses) {
  // The menu runs a loop of its own: timers inside it look, deactivate,
  // and close it with Escape only if the deactivation did not.
  menuLoop = MenuLoop{&session.Driver()};
  SetTimer(jugs()->Handle(), 0x5301, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    menuLoop.open = MenuOnScreen();
    menuLoop.driver->focusAnotherProgram();
  });
  SetTimer(jugs()->Handle(), 0x5302, 200, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    if (!MenuOnScreen()) return;
    menuLoop.escapeNeeded = true;
    menuLoop.driver->pressKey(VK_ESCAPE);
  });
  const POINT icon = session.Driver().windowToScreen(jugs()->Handle(), {10, 11});
  session.Driver().press(icon);
  session.Driver().release(icon);
  session.Run(300);
  EXPECT_TRUE(menuLoop.open) << "the system menu did not open";
  EXPECT_FALSE(menuLoop.escapeNeeded) << "the menu stayed open over the other program";
  EXPECT_FALSE(MenuOnScreen());
  EXPECT_TRUE(IsWindowVisible(jugs()->Handle())) << "closing the menu chose a command from it";
}

}  // namespace
