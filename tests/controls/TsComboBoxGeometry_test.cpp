// Where the skinned picker's parts go, for each style and both reading
// directions: the button inside the box's frame at the far end, the text
// beside it never under it, and the simple style's one-line section.
#include "controls/TsComboBoxGeometry.h"

#include <gtest/gtest.h>

namespace {

TsComboBoxGeometry Box(TComboBoxStyle style, bool rightToLeft) {
  TsComboBoxGeometry g;
  g.Width = 241;
  g.Height = 21;
  g.Style = style;
  g.RightToLeft = rightToLeft;
  return g;
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

TEST(TsComboBoxGeometry, TheButtonSitsInsideTheFrameAtTheEndTheTextRunsTo) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    SCOPED_TRACE(style);
    const TRect button = Box(style, false).ButtonRect();
    EXPECT_EQ(button, Rect(241 - 3 - 17, 2, 241 - 3, 21 - 2)) << "two pixels of frame above and below, three on the right";
    const TRect mirrored = Box(style, true).ButtonRect();
    EXPECT_EQ(mirrored, Rect(2, 2, 2 + 17, 21 - 2)) << "read right to left: the button at the left";

    for (bool rightToLeft : {false, true}) {
      const TsComboBoxGeometry g = Box(style, rightToLeft);
      const TRect text = g.TextRect();
      EXPECT_FALSE(text.IsEmpty());
      EXPECT_FALSE(Overlap(text, g.ButtonRect())) << "the text never runs under the button";
      EXPECT_GE(text.Top, 2);
      EXPECT_LE(text.Bottom, 21 - 2);
      EXPECT_LT(text.Right, 241);
    }
  }
}

TEST(TsComboBoxGeometry, TheSimpleStyleHasNoButtonAndAOneLineSection) {
  TsComboBoxGeometry simple = Box(csSimple, false);
  simple.Height = 120;
  EXPECT_TRUE(simple.ButtonRect().IsEmpty());
  EXPECT_EQ(simple.SectionRect(), Rect(0, 0, 241, simple.ItemHeight + 8));
  EXPECT_EQ(simple.TextRect().Right, 241 - 2) << "the text takes the whole width";
  EXPECT_EQ(Box(csDropDownList, false).SectionRect(), Rect(0, 0, 241, 21));
}
