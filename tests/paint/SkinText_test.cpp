#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/SkinTextPainter.h"
#include "paint/primitives/ColorMath.h"
#include "platform/graphics/TextDrawing.h"

namespace {

TsSkinContent CaptionSkin() {
  TsSkinContent skin;
  TsGeneralData button;
  button.SectionName = "BUTTON";
  button.Color = RGB(200, 200, 200);
  button.FontColor = {static_cast<std::int32_t>(RGB(0, 0, 128)), static_cast<std::int32_t>(RGB(255, 255, 255)), -1, -1, -1};
  button.HotFontColor = {static_cast<std::int32_t>(RGB(128, 0, 0)), -1, -1, -1, static_cast<std::int32_t>(RGB(0, 255, 0))};
  skin.Sections.push_back(button);
  return skin;
}

// The same text drawn directly: the pass moved by (dx, dy) in one colour,
// then the text in place in another.
Bitmap Reference(TPoint shift, TColor contour, TColor text, bool withContour) {
  Bitmap bmp = Filled(60, 24, clSilver);
  DeviceContext dc(bmp);
  SetBkMode(&dc, TRANSPARENT);
  if (withContour) {
    TRect moved = Rect(5, 4, 55, 20).Offset(shift.X, shift.Y);
    SetTextColor(&dc, contour);
    DrawText(&dc, "Wq", moved, DT_SINGLELINE | DT_NOCLIP);
  }
  TRect place = Rect(5, 4, 55, 20);
  SetTextColor(&dc, text);
  DrawText(&dc, "Wq", place, DT_SINGLELINE | DT_NOCLIP);
  return bmp;
}

}  // namespace

TEST(WriteTextByIndex, ContourPassesThenTheTextColour) {
  const TsSkinContent skin = CaptionSkin();
  Bitmap normal = Filled(60, 24, clSilver);
  DeviceContext dc(normal);
  SetTextColor(&dc, clLime);
  WriteTextByIndex(&dc, "Wq", true, &skin, false, 0, DT_SINGLELINE, Rect(5, 4, 55, 20));
  EXPECT_EQ(normal, Reference({-1, 0}, RGB(255, 255, 255), RGB(0, 0, 128), true));
  EXPECT_NE(normal, Filled(60, 24, clSilver));  // the text and its contour really were drawn
  EXPECT_NE(normal, Reference({0, 0}, 0, RGB(0, 0, 128), false));
  EXPECT_EQ(GetTextColor(&dc), clLime);  // the context is left as it was
  EXPECT_EQ(GetBkMode(&dc), OPAQUE);

  Bitmap hot = Filled(60, 24, clSilver);
  DeviceContext hotDc(hot);
  WriteTextByIndex(&hotDc, "Wq", true, &skin, true, 0, DT_SINGLELINE, Rect(5, 4, 55, 20));
  EXPECT_EQ(hot, Reference({0, 1}, RGB(0, 255, 0), RGB(128, 0, 0), true));
}

TEST(WriteTextByIndex, DisabledTextMixesTheFontColourWithTheSectionColour) {
  const TsSkinContent skin = CaptionSkin();
  Bitmap bmp = Filled(60, 24, clSilver);
  DeviceContext dc(bmp);
  WriteTextByIndex(&dc, "Wq", false, &skin, false, 0, DT_SINGLELINE, Rect(5, 4, 55, 20));
  const TColor mixed = MixColors(RGB(0, 0, 128), RGB(200, 200, 200), 0.4);
  EXPECT_EQ(mixed, RGB(120, 120, 171));  // 0.4 * 128 + 0.6 * 200 = 171.2
  EXPECT_EQ(bmp, Reference({0, 0}, 0, mixed, false));

  Bitmap untouched = Filled(60, 24, clSilver);
  DeviceContext other(untouched);
  WriteTextByIndex(&other, "Wq", true, &skin, false, 1, DT_SINGLELINE, Rect(5, 4, 55, 20));
  WriteTextByIndex(&other, "Wq", true, nullptr, false, 0, DT_SINGLELINE, Rect(5, 4, 55, 20));
  EXPECT_EQ(untouched, Filled(60, 24, clSilver));
}
