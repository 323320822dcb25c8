// The keyboard focus can be seen in all four windows: Tab reaches every
// control that takes the keyboard, and each looks different while it has
// it: the buttons with the skin's dotted focus frame, the command list with
// its focus rectangle (empty as it is at first), the picker's field and the
// name field with their caret, the tube's delay field with its caret.
// Pictures of the window with the focus on the control and on another one
// are compared inside the control.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/TForm4.h"
#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButton.h"
#include "framework/TCustomForm.h"
#include "platform/controls/EditControl.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

class FocusVisibleTest : public ::testing::Test {
 protected:
  void ShowAlone(TCustomForm* window) {
    window->Show();
    for (TCustomForm* other : {static_cast<TCustomForm*>(session.Program().JugsWindow()),
                               static_cast<TCustomForm*>(session.Program().RiverWindow()),
                               static_cast<TCustomForm*>(session.Program().TubeWindow()),
                               static_cast<TCustomForm*>(session.Program().NameWindow())})
      if (other != window) other->Hide();
    session.Driver().runUntilIdle();
  }
  TWinControl* Control(TCustomForm* window, const std::string& name) {
    return dynamic_cast<TWinControl*>(session.Control(window, name));
  }
  // The window's control that holds the focus (the picker for its field).
  TWinControl* Focused(TCustomForm* window) {
    for (HWND hwnd = GetFocus(); hwnd && hwnd != window->Handle(); hwnd = GetParent(hwnd))
      if (TWinControl* control = TWinControl::FindControl(hwnd); control && control->Owner() == window) return control;
    return nullptr;
  }
  // The window with the focus on `control`, once the buttons' fades are
  // over, twice half a caret blink apart, so that a caret shows in one.
  std::vector<Bitmap> Pictures(TCustomForm* window, TWinControl* control) {
    control->SetFocus();
    session.Run(1000);
    std::vector<Bitmap> pictures{session.Driver().windowShot(window->Handle())};
    session.Run(EditControl::kCaretBlinkMs);
    pictures.push_back(session.Driver().windowShot(window->Handle()));
    return pictures;
  }
  // The control's rectangle in the window's picture.
  RECT Place(TCustomForm* window, TWinControl* control) {
    RECT frame{}, own{};
    GetWindowRect(window->Handle(), &frame);
    GetWindowRect(control->Handle(), &own);
    return own.Offset(-frame.Left, -frame.Top);
  }
  static int Differing(const Bitmap& a, const Bitmap& b, const RECT& r) {
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
  }
  // The dotted focus frame: on some row, five black pixels three apart that
  // are not black without the focus.
  static bool DottedRow(const Bitmap& focused, const Bitmap& unfocused, const RECT& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x + 12 < r.Right; ++x) {
        bool dotted = true;
        for (int k = 0; k < 5 && dotted; ++k)
          dotted = focused.pixel(x + 3 * k, y) == 0 && unfocused.pixel(x + 3 * k, y) != 0;
        if (dotted) return true;
      }
    return false;
  }

  // Every named control is reached by Tab and shows its focus.
  void ExpectVisibleFocus(TCustomForm* window, const std::vector<std::string>& names) {
    ShowAlone(window);
    std::vector<TWinControl*> controls;
    for (const std::string& name : names) controls.push_back(Control(window, name));
    for (TWinControl* control : controls) ASSERT_NE(control, nullptr);

    std::set<TWinControl*> reached;
    for (std::size_t i = 0; i < 2 * controls.size(); ++i) {
      session.Driver().pressKey(VK_TAB);
      if (TWinControl* now = Focused(window)) reached.insert(now);
    }
    EXPECT_EQ(reached, std::set<TWinControl*>(controls.begin(), controls.end())) << "Tab does not reach them all";

    for (std::size_t i = 0; i < controls.size(); ++i) {
      SCOPED_TRACE(names[i]);
      TWinControl* control = controls[i];
      TWinControl* elsewhere = controls[(i + 1) % controls.size()];
      const std::vector<Bitmap> with = Pictures(window, control);
      const std::vector<Bitmap> without = Pictures(window, elsewhere);
      const RECT place = Place(window, control);
      EXPECT_GT(Differing(with[0], without[0], place) + Differing(with[1], without[1], place), 0)
          << "the control looks the same with the focus and without it";
      if (dynamic_cast<TsButton*>(control) || dynamic_cast<TsBitBtn*>(control)) {
        EXPECT_TRUE(DottedRow(with[0], without[0], place)) << "no dotted focus frame";
      }
    }
  }

  TrainerSession session;
};

TEST_F(FocusVisibleTest, TheJugsWindow) {
  ExpectVisibleFocus(session.Program().JugsWindow(), {"sListBox1", "sComboBox1", "sBitBtn1", "sButton1"});
}

TEST_F(FocusVisibleTest, TheRiverWindow) {
  ExpectVisibleFocus(session.Program().RiverWindow(), {"sListBox1", "sComboBox1", "sBitBtn1", "sButton1"});
}

TEST_F(FocusVisibleTest, TheTubeWindow) {
  ExpectVisibleFocus(session.Program().TubeWindow(), {"sListBox1", "SpinEdit1", "sButton2", "sButton3", "sButton4",
                                                       "sButton5", "sBitBtn1", "sButton1"});
}

TEST_F(FocusVisibleTest, TheNameWindow) {
  ExpectVisibleFocus(session.Program().NameWindow(), {"sEdit1", "sBitBtn1"});
}

}  // namespace
