// The skinned command picker of the jugs window as a pupil uses it: the
// list opened on the skin's arrow, one command chosen with the mouse and
// another with the keyboard, both landing in the command list; Cyrillic
// typed into the focused field is the inner edit's, and the idle picker
// shows the chosen command in the skin's picture again.
#include <gtest/gtest.h>

#include "controls/TsComboBox.h"
#include "framework/graphics/TBitmap.h"
#include "platform/controls/ControlMessages.h"
#include "puzzles/TForm1.h"
#include "tests/app/TrainerSession.h"

namespace {

class SkinnedPickerTest : public ::testing::Test {
 protected:
  TCustomForm* jugs() { return session.Program().JugsWindow(); }
  TsComboBox* picker() { return dynamic_cast<TsComboBox*>(session.Control(jugs(), "sComboBox1")); }
  // The picker's picture on the screen outside its inner edit.
  Bitmap PickerShot() { return session.Driver().windowShot(picker()->Handle()); }
  int DifferingFromCache(const Bitmap& shot) {
    TBitmap* cache = picker()->SkinData().CacheBmp();
    if (!cache) return -1;
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) n += shot.pixel(x, y) != cache->Pixels().pixel(x, y);
    return n;
  }
  TPoint ArrowMiddle() {
    const TRect b = picker()->Geometry().ButtonRect();
    return Point((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  }

  TrainerSession session;
};

TEST_F(SkinnedPickerTest, ChoosingWithTheMouseAndTheKeyboardFillsTheCommandList) {
  TsComboBox* box = picker();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(box->SkinData().Skinned());
  const HWND combo = box->Handle();
  const TRect arrow = box->Geometry().ButtonRect();
  const Bitmap idle = PickerShot();
  EXPECT_EQ(box->Color(), box->SkinData().Section()->Color) << "the section's colour";

  // The mouse: the skin's arrow opens the list, a click takes an entry.
  session.Driver().clickClient(combo, {ArrowMiddle().X, ArrowMiddle().Y});
  ASSERT_TRUE(box->DroppedDown());
  const Bitmap open = PickerShot();
  int buttonChanged = 0;
  for (int y = arrow.Top; y < arrow.Bottom; ++y)
    for (int x = arrow.Left; x < arrow.Right; ++x) buttonChanged += open.pixel(x, y) != idle.pixel(x, y);
  EXPECT_GT(buttonChanged, 0) << "the button shows its pressed state";
  const HWND list = box->ListWindow();
  RECT item{};
  SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const POINT second = session.Driver().clientToScreen(list, {10, item.Top + item.Height() / 2});
  session.Driver().moveTo(second);
  session.Driver().click(second);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(session.Lines(jugs()), std::vector<std::string>{"Наполнить БАНКУ 2"});

  // The keyboard: F4 opens, Down moves on, Enter takes the entry.
  session.Driver().pressKey(VK_F4);
  ASSERT_TRUE(box->DroppedDown());
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_DOWN);
  session.Driver().pressKey(VK_RETURN);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(session.Lines(jugs()),
            (std::vector<std::string>{"Наполнить БАНКУ 2", "Перелить всё из БАНКИ1 В БАНКУ 2"}));
  EXPECT_FALSE(session.StepTimerOn(jugs())) << "Enter went to the list, not to ВЫПОЛНИТЬ";

  // Cyrillic typed into the focused field is the inner edit's to show.
  EXPECT_TRUE(box->InnerEditPaints());
  session.Driver().pressKey(VK_END);
  session.Driver().typeText("ж");
  EXPECT_EQ(box->CurrentText(), "Перелить всё из БАНКИ1 В БАНКУ 2ж");
  EXPECT_EQ(session.Lines(jugs()).back(), "Перелить всё из БАНКИ1 В БАНКУ 2ж");

  // Focus on the command list: the picker is the skin's picture again,
  // showing the text it holds.
  auto* lines = dynamic_cast<TWinControl*>(session.Control(jugs(), "sListBox1"));
  ASSERT_NE(lines, nullptr);
  session.Driver().clickClient(lines->Handle(), {20, 6});
  EXPECT_FALSE(box->SkinData().Focused());
  EXPECT_FALSE(box->InnerEditPaints());
  EXPECT_EQ(DifferingFromCache(PickerShot()), 0);
}

}  // namespace
