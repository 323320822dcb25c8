// Where the group box's caption goes: the control panel's own case (257
// pixels wide, caption at the top left) and every layout, offset and edge.
#include <gtest/gtest.h>

#include "controls/TsGroupBox.h"
#include "controls/TsGroupBoxCaption.h"
#include "framework/graphics/TBitmap.h"

TEST(GroupBoxCaption, ControlPanelCaptionStartsSixPixelsInAndIsEightWiderThanItsText) {
  TsGroupBox box(nullptr);
  box.SetBounds(368, 328, 257, 113);
  box.SetCaption("Панель Управления");
  TBitmap measure(1, 1);
  measure.Canvas().Font.Assign(box.Font());
  const int textWidth = measure.Canvas().TextWidth("Панель Управления");
  ASSERT_GT(textWidth, 50);
  const TRect r = box.CaptionRect();
  EXPECT_EQ(r.Left, 6);
  EXPECT_EQ(r.Width(), textWidth + 8);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Height(), std::max(4, measure.Canvas().TextHeight("W")) + 2);
}

TEST(GroupBoxCaption, EveryLayoutStaysInsideTheBox) {
  TsGroupBoxCaption c;
  c.BoxWidth = 200;
  c.TextWidth = 60;
  c.LetterHeight = 13;
  EXPECT_EQ(c.Height(), 15);
  c.Layout = clTopCenter;
  EXPECT_EQ(c.Rect(), Rect(65, 0, 133, 15));
  c.Layout = clTopRight;
  EXPECT_EQ(c.Rect(), Rect(126, 0, 194, 15));
  c.RightToLeft = true;
  EXPECT_EQ(c.Rect().Left, 6) << "right to left, the right layout reads from the left";
  c.RightToLeft = false;
  // A caption wider than the box starts at 0 and ends at the box's edge.
  c.TextWidth = 300;
  EXPECT_EQ(c.Rect(), Rect(0, 0, 200, 15));
  c.LetterHeight = 2;
  EXPECT_EQ(c.Height(), 6) << "never lower than 4 plus 2";
}

TEST(GroupBoxCaption, OffsetCountsOnlyWhileSkinned) {
  TsGroupBoxCaption c;
  c.BoxWidth = 200;
  c.TextWidth = 40;
  c.LetterHeight = 13;
  c.YOffset = 5;
  EXPECT_EQ(c.Rect(), Rect(6, 0, 54, 15));
  c.Skinned = true;
  EXPECT_EQ(c.Rect(), Rect(6, 0, 54, 20));
  c.YOffset = -3;
  EXPECT_EQ(c.Rect(), Rect(6, -3, 54, 12));
  // No text: the rectangle grows by the bevel on both sides.
  c.TextWidth = -7;
  EXPECT_EQ(c.Rect().Width(), 1 + 2);
}
