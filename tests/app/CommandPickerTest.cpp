// The command pickers of the jugs and river windows as a pupil meets them:
// the drop-down button at the picker's right edge (no scroll bar of its
// own), the skin's picture over the whole idle box, and the open list chosen from
// by keyboard without the window's default button hearing Enter.
#include <gtest/gtest.h>

#include "controls/TsComboBox.h"
#include "framework/controls/TComboBox.h"
#include "framework/graphics/TBitmap.h"
#include "platform/controls/ControlMessages.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "tests/app/TrainerSession.h"

namespace {

enum class Window { Jugs, River };

class CommandPickerTest : public ::testing::TestWithParam<Window> {
 protected:
  CommandPickerTest() {
    if (GetParam() == Window::River) {
      // As the jugs window hands over after its third stage.
      session.Program().RiverWindow()->Show();
      session.Program().JugsWindow()->Hide();
      session.Driver().runUntilIdle();
    }
  }
  TCustomForm* window() {
    return GetParam() == Window::Jugs ? static_cast<TCustomForm*>(session.Program().JugsWindow())
                                      : session.Program().RiverWindow();
  }
  TComboBox* picker() { return dynamic_cast<TComboBox*>(session.Control(window(), "sComboBox1")); }
  std::string entry(int index) { return picker()->Items()[index]; }
  bool dropped() { return picker()->DroppedDown(); }
  void openWithTheButton() {
    COMBOBOXINFO info;
    SendMessage(picker()->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    session.Driver().clickClient(picker()->Handle(), {(info.rcButton.Left + info.rcButton.Right) / 2, 10});
    ASSERT_TRUE(dropped());
  }

  TrainerSession session;
};

TEST_P(CommandPickerTest, TheDropDownButtonSitsAtTheRightEdgeBehindAFlatBorder) {
  TComboBox* box = picker();
  ASSERT_NE(box, nullptr);
  const HWND combo = box->Handle();
  EXPECT_EQ(GetWindowLongPtr(combo, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL | WS_BORDER), 0)
      << "no scroll bar or frame of its own";
  RECT client{};
  GetClientRect(combo, &client);
  EXPECT_EQ(client.Width(), box->Width());
  EXPECT_EQ(client.Height(), box->Height());
  COMBOBOXINFO info;
  SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.rcButton.Right, box->Width() - 1) << "inside a one-pixel border";
  EXPECT_EQ(info.rcButton.Width(), GetSystemMetrics(SM_CXVSCROLL));

  // The layout stores the flat look (Ctl3D False), but the skin paints the
  // box: no plain dark line, the skin's picture all over the closed box.
  EXPECT_FALSE(box->Ctl3D());
  auto* skinned = dynamic_cast<TsComboBox*>(box);
  ASSERT_NE(skinned, nullptr);
  ASSERT_TRUE(skinned->SkinData().Skinned());
  const Bitmap shot = session.Driver().windowShot(combo);
  EXPECT_NE(shot.pixel(0, box->Height() / 2), ColorToRGB(clWindowFrame));
  TBitmap* cache = skinned->SkinData().CacheBmp();
  ASSERT_NE(cache, nullptr);
  int differing = 0;
  for (int y = 0; y < box->Height(); ++y)
    for (int x = 0; x < box->Width(); ++x) differing += shot.pixel(x, y) != cache->Pixels().pixel(x, y);
  EXPECT_EQ(differing, 0) << "the idle picker is the skin's picture, prompt and all";

  // Where the hand reaches for the drop-down button: 8 pixels inside the edge.
  session.Driver().clickClient(combo, {box->Width() - 8, box->Height() / 2});
  EXPECT_TRUE(dropped());
  session.Driver().clickClient(combo, {box->Width() - 8, box->Height() / 2});
  EXPECT_FALSE(dropped());
  EXPECT_TRUE(session.Lines(window()).empty()) << "opening and closing chooses nothing";
}

TEST_P(CommandPickerTest, EnterInTheOpenListChoosesTheHighlightedEntryAndStartsNoReplay) {
  // The first Down highlights the first entry of a fresh picker.
  openWithTheButton();
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_RETURN);
  EXPECT_FALSE(dropped());
  EXPECT_EQ(session.Lines(window()), std::vector<std::string>{entry(0)});
  EXPECT_FALSE(session.StepTimerOn(window())) << "Enter did not reach ВЫПОЛНИТЬ";

  // Opened again the list starts at the picker's choice: Down, Down, Enter
  // takes the third entry.
  openWithTheButton();
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_RETURN);
  EXPECT_FALSE(dropped());
  EXPECT_EQ(session.Lines(window()), (std::vector<std::string>{entry(0), entry(2)}));
  EXPECT_EQ(picker()->CurrentText(), entry(2));
  EXPECT_FALSE(session.StepTimerOn(window()));
  EXPECT_TRUE(session.PanelEnabled(window()));
  session.Run(5000);
  EXPECT_TRUE(session.Messages().empty()) << "no replay ran";
  EXPECT_EQ(session.SelectedLine(window()), -1);
}

TEST_P(CommandPickerTest, EscapeClosesTheListWithoutAChoiceAndEnterThenExecutes) {
  openWithTheButton();
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_ESCAPE);
  EXPECT_FALSE(dropped());
  EXPECT_TRUE(session.Lines(window()).empty());
  EXPECT_TRUE(session.Messages().empty());

  // With the list closed Enter is the default button's again.
  session.Driver().pressKey(VK_RETURN);
  session.Run(100);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Дык нечего выполнять :)"});
}

INSTANTIATE_TEST_SUITE_P(BothPickers, CommandPickerTest, ::testing::Values(Window::Jugs, Window::River),
                         [](const ::testing::TestParamInfo<Window>& info) {
                           return info.param == Window::Jugs ? "Jugs" : "River";
                         });

}  // namespace
