// The skinned bitmap button: the glyph position table, the glyph cell each
// state shows, a standard kind's caption and glyph centred as a group, and
// the custom font colour of "ВЫПОЛНИТЬ".
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "controls/buttons/TsGlyphPainter.h"
#include "framework/graphics/TImageList.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

TsGlyphLayoutInput Input(TButtonLayout layout, TAlignment alignment) {
  TsGlyphLayoutInput in;
  in.Button = {100, 30};
  in.Glyph = {18, 18};
  in.Text = {30, 13};
  in.Layout = layout;
  in.Alignment = alignment;
  in.Margin = 2;  // m = 5
  in.Spacing = 4;
  return in;
}

struct SkinnedBitBtn : ::testing::Test, SkinnedButtonFixture {
  TsBitBtn* button = nullptr;

  SkinnedBitBtn() {
    button = new TsBitBtn(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 105, 25);
    button->SkinData().SetSkinSection("BUTTON");
  }
  void ShowForm() {
    form->Show();
    driver.runUntilIdle();
    FocusElsewhere();
  }
};

}  // namespace

TEST(BitBtnGlyphPosition, FollowsTheLayoutAndAlignmentTable) {
  // ox = (100 - 18 - 4 - 30) / 2 - 5 = 19, oy = (30 - 18 - 4 - 13) / 2 - 5 = -7.
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphLeft, taLeftJustify)), Rect(5, 6, 23, 24));
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphLeft, taRightJustify)).Left, 5 + 2 * 19);
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphLeft, taCenter)).Left, 5 + 19);
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphRight, taLeftJustify)).Left, 100 - 5 - 38 - 4 - 18);
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphRight, taRightJustify)).Left, 100 - 18 - 5);
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphRight, taCenter)).Left, (30 + 100 + 4 - 18) / 2);
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphTop, taCenter)), Rect(42, -2, 60, 16));
  EXPECT_EQ(BitBtnGlyphRect(Input(blGlyphBottom, taLeftJustify)).Top, 30 - 5 + 7 - 18);
  TsGlyphLayoutInput pressed = Input(blGlyphLeft, taCenter);
  pressed.Pressed = true;
  EXPECT_EQ(BitBtnGlyphRect(pressed), BitBtnGlyphRect(Input(blGlyphLeft, taCenter)).Offset(1, 1));
  // A negative margin counts as 0 and spacing only between glyph and caption.
  TsGlyphLayoutInput bare = Input(blGlyphLeft, taLeftJustify);
  bare.Margin = -1;
  bare.Text = {};
  EXPECT_EQ(BitBtnGlyphRect(bare).Left, 0);
}

TEST(BitBtnCaptionPosition, StartsAfterTheGlyphAndSpacingCentredVertically) {
  const TsGlyphLayoutInput in = Input(blGlyphLeft, taCenter);
  const TRect glyph = BitBtnGlyphRect(in);
  const TRect caption = BitBtnCaptionRect(in);
  EXPECT_EQ(caption.Left, glyph.Right + 4);
  EXPECT_EQ(caption.Top, (30 + 1 - 13) / 2);
  EXPECT_EQ(caption.Width(), 30);
  // Beside a glyph on the right, and centred across the button above or
  // below a glyph.
  EXPECT_EQ(BitBtnCaptionRect(Input(blGlyphRight, taCenter)).Right, BitBtnGlyphRect(Input(blGlyphRight, taCenter)).Left - 4);
  const TRect above = BitBtnCaptionRect(Input(blGlyphBottom, taCenter));
  EXPECT_EQ(above, Rect((100 - 30) / 2, BitBtnGlyphRect(Input(blGlyphBottom, taCenter)).Top - 4 - 13, (100 - 30) / 2 + 30,
                        BitBtnGlyphRect(Input(blGlyphBottom, taCenter)).Top - 4));
  const TRect below = BitBtnCaptionRect(Input(blGlyphTop, taCenter));
  EXPECT_EQ(below, Rect((100 - 30) / 2, BitBtnGlyphRect(Input(blGlyphTop, taCenter)).Bottom + 4, (100 - 30) / 2 + 30,
                        BitBtnGlyphRect(Input(blGlyphTop, taCenter)).Bottom + 4 + 13));
  // A glyph one pixel tall (a rule) is still a glyph: the caption keeps
  // the spacing from it.
  TsGlyphLayoutInput rule = Input(blGlyphLeft, taCenter);
  rule.Glyph = {18, 1};
  EXPECT_EQ(BitBtnCaptionRect(rule).Left, BitBtnGlyphRect(rule).Right + 4);
}

TEST(GlyphCells, EachStateShowsItsCell) {
  TsGlyphLook two;
  two.Cells = 2;
  for (int state : {0, 1, 2}) {
    two.State = state;
    EXPECT_EQ(GlyphCellIndex(two), 0) << "state " << state << " of a 2-cell glyph";
  }
  two.Enabled = false;
  EXPECT_EQ(GlyphCellIndex(two), 1) << "disabled";

  TsGlyphLook five;
  five.Cells = 5;
  five.State = 1;
  EXPECT_EQ(GlyphCellIndex(five), 4);
  five.State = 2;
  EXPECT_EQ(GlyphCellIndex(five), 2);
  five.Down = true;
  EXPECT_EQ(GlyphCellIndex(five), 3);
  TsGlyphLook three;
  three.Cells = 3;
  three.State = 2;
  three.Down = true;
  EXPECT_EQ(GlyphCellIndex(three), 2) << "cell 3 needs more than 3 cells";
}

TEST(GlyphDrawing, TheBottomLeftColourIsTransparentAndBlendKeepsTheBackground) {
  Bitmap glyph(4, 2, PixelFormat::Bgr24);
  glyph.setPixel(0, 0, 0x000000FF);
  glyph.setPixel(1, 0, 0x000000FF);
  glyph.setPixel(0, 1, 0x00008000);  // the key
  glyph.setPixel(1, 1, 0x00008000);
  glyph.setPixel(2, 0, 0x00FF0000);  // cell 1
  Bitmap cache(4, 4, PixelFormat::Bgr24);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) cache.setPixel(x, y, 0x00FFFFFF);
  TsGlyphLook look;
  look.Cells = 2;
  DrawGlyph(cache, glyph, Point(1, 1), look);
  EXPECT_EQ(cache.pixel(1, 1), 0x000000FFu);
  EXPECT_EQ(cache.pixel(1, 2), 0x00FFFFFFu) << "key pixels leave the background";
  look.Enabled = false;
  DrawGlyph(cache, glyph, Point(0, 0), look);
  EXPECT_EQ(cache.pixel(0, 0), 0x00FF0000u) << "a disabled 2-cell glyph shows cell 1";

  Bitmap single(2, 2, PixelFormat::Bgr24);
  single.setPixel(0, 0, 0x00000000);
  single.setPixel(0, 1, 0x00008000);
  single.setPixel(1, 1, 0x00008000);
  single.setPixel(1, 0, 0x00008000);
  TsGlyphLook blended;
  blended.Blend = 50;
  DrawGlyph(cache, single, Point(2, 2), blended);
  EXPECT_EQ(cache.pixel(2, 2), 0x00808080u) << "half black, half white";
  blended.State = 1;
  DrawGlyph(cache, single, Point(2, 2), blended);
  EXPECT_EQ(cache.pixel(2, 2), 0x00000000u) << "hot: no blend";
  blended.State = 0;
  blended.Blend = 1;
  cache.setPixel(2, 2, 0x00FFFFFF);
  DrawGlyph(cache, single, Point(2, 2), blended);
  EXPECT_NE(cache.pixel(2, 2), 0x00000000u) << "at one per cent the background still shows a little";
  EXPECT_LT(GetRValue(cache.pixel(2, 2)), 8);
  // A glyph one row tall: its first pixel is the transparent colour, the
  // others are drawn.
  Bitmap row(3, 1, PixelFormat::Bgr24);
  row.setPixel(0, 0, 0x00008000);
  row.setPixel(1, 0, 0x000000FF);
  row.setPixel(2, 0, 0x000000FF);
  cache.setPixel(0, 3, 0x00FFFFFF);
  cache.setPixel(1, 3, 0x00FFFFFF);
  DrawGlyph(cache, row, Point(0, 3), TsGlyphLook{});
  EXPECT_EQ(cache.pixel(0, 3), 0x00FFFFFFu);
  EXPECT_EQ(cache.pixel(1, 3), 0x000000FFu);
}

TEST_F(SkinnedBitBtn, AnOkKindWithAnEmptyCaptionShowsOkBesideItsGlyphAsACentredGroup) {
  button->SetKind(bkOK);
  button->SetCaption("");
  ShowForm();
  EXPECT_EQ(button->ShownCaption(), "OK");
  EXPECT_EQ(TBitBtn::GlyphName(bkOK), "BBOK");
  const TRect glyph = button->GlyphRect(0);
  const TRect caption = button->CaptionRect(0);
  EXPECT_EQ(glyph.Width(), 18);
  EXPECT_EQ(caption.Left, glyph.Right + button->Spacing()) << "the caption right of the glyph";
  EXPECT_NEAR(glyph.Left, button->Width() - caption.Right, 1) << "the group centred";
  const Bitmap picture = Shot(button->Handle());
  int green = 0, dark = 0;
  for (int y = glyph.Top; y < glyph.Bottom; ++y)
    for (int x = glyph.Left; x < glyph.Right; ++x) green += picture.pixel(x, y) == clGreen;
  for (int y = caption.Top; y < caption.Bottom; ++y)
    for (int x = caption.Left; x < caption.Right; ++x) dark += picture.pixel(x, y) != kButtonNormal;
  EXPECT_GT(green, 10) << "the tick of BBOK";
  EXPECT_GT(dark, 10) << "the caption OK";
  EXPECT_EQ(picture.pixel(2, 12), kButtonNormal) << "the section around them";
}

TEST_F(SkinnedBitBtn, ACustomFontKeepsItsOwnColourOnTheSkin) {
  button->SetCaption("ВЫПОЛНИТЬ");
  button->SetWidth(145);
  button->Font().SetColor(clGreen);
  button->SkinData().SetCustomFont(true);
  ShowForm();
  const Bitmap picture = Shot(button->Handle());
  // Antialiased strokes: count the pixels where green clearly leads.
  int green = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const TColor c = picture.pixel(x, y);
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      green += g > r + 40 && g > b + 40;
    }
  EXPECT_GT(green, 20);
}

TEST_F(SkinnedBitBtn, HoverFadesLikeThePushButton) {
  button->SetCaption("ВЫПОЛНИТЬ");
  ShowForm();
  driver.moveTo(ScreenPoint(button->Handle(), 80, 12));
  ASSERT_TRUE(button->Fade());
  driver.runFor(210);
  EXPECT_FALSE(button->Fade());
  EXPECT_EQ(Shot(button->Handle()).pixel(3, 12), kButtonHot);
}

TEST_F(SkinnedBitBtn, ASettingChangeRebuildsThePicture) {
  button->SetCaption("ВЫПОЛНИТЬ");
  ShowForm();
  const Bitmap withCaption = Shot(button->Handle());
  button->SetShowCaption(false);
  driver.runUntilIdle();
  const Bitmap bare = Shot(button->Handle());
  EXPECT_FALSE(SamePixels(bare, withCaption));
  for (int y = 0; y < bare.height(); ++y)
    for (int x = 0; x < bare.width(); ++x) ASSERT_EQ(bare.pixel(x, y), kButtonNormal) << x << "," << y;
}

namespace {

// A solid red glyph; its bottom-left pixel (the transparent colour) blue.
Bitmap RedGlyph(int w, int h) {
  Bitmap glyph(w, h);
  glyph.fill(clRed);
  glyph.setPixel(0, h - 1, clBlue);
  return glyph;
}

// A top-down 32-bit BMP file of one colour whose alpha is 255 in the top
// third, 128 in the middle third and 0 in the bottom third.
std::vector<std::uint8_t> ThreeAlphaBmp(int size, TColor color) {
  std::vector<std::uint8_t> out;
  auto u16 = [&out](unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  const std::uint32_t pixels = static_cast<std::uint32_t>(size * size * 4);
  out.push_back('B');
  out.push_back('M');
  u32(54 + pixels);
  u32(0);
  u32(54);
  u32(40);
  u32(static_cast<std::uint32_t>(size));
  u32(static_cast<std::uint32_t>(-size));  // top-down
  u16(1);
  u16(32);
  for (int i = 0; i < 6; ++i) u32(i == 1 ? pixels : 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      out.push_back(static_cast<std::uint8_t>(color >> 16));
      out.push_back(static_cast<std::uint8_t>(color >> 8));
      out.push_back(static_cast<std::uint8_t>(color));
      out.push_back(y < size / 3 ? 255 : y < 2 * size / 3 ? 128 : 0);
    }
  return out;
}

int CountInRect(const Bitmap& picture, const TRect& r, TColor color) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += picture.pixel(x, y) == color;
  return n;
}

}  // namespace

TEST_F(SkinnedBitBtn, ThePressedPictureMovesGlyphAndCaptionOnePixel) {
  button->SetCaption("ВЫПОЛНИТЬ");
  button->Glyph().SetPixels(RedGlyph(12, 12));
  ShowForm();
  const TRect normal = button->GlyphRect(0);
  EXPECT_EQ(button->GlyphRect(2), normal.Offset(1, 1));
  EXPECT_EQ(button->CaptionRect(2), button->CaptionRect(0).Offset(1, 1));
  EXPECT_EQ(CountInRect(Shot(button->Handle()), normal, clRed), 12 * 12 - 1);
  button->SetDown(true);
  driver.runUntilIdle();
  const Bitmap pressed = Shot(button->Handle());
  EXPECT_EQ(CountInRect(pressed, normal.Offset(1, 1), clRed), 12 * 12 - 1);
  EXPECT_NE(pressed.pixel(normal.Left, normal.Top), clRed) << "the glyph's old top row is uncovered";
}

TEST_F(SkinnedBitBtn, DrawOverBorderDecidesWhetherTheCaptionOrTheGlyphLiesOnTop) {
  // A negative spacing lays the caption over the glyph.
  button->SetCaption("ВЫПОЛНИТЬ");
  button->Glyph().SetPixels(RedGlyph(40, 12));
  button->SetSpacing(-40);
  ShowForm();
  const TRect glyph = button->GlyphRect(0);
  ASSERT_LT(button->CaptionRect(0).Left, glyph.Right);
  const int under = CountInRect(Shot(button->Handle()), glyph, clRed);
  EXPECT_LT(under, 40 * 12 - 1) << "the caption's strokes cover part of the glyph";
  button->SetDrawOverBorder(false);
  driver.runUntilIdle();
  EXPECT_EQ(CountInRect(Shot(button->Handle()), glyph, clRed), 40 * 12 - 1) << "the glyph is drawn last";
}

TEST_F(SkinnedBitBtn, ThePaintNotificationSeesTheFinishedCacheAndItsDrawingIsShown) {
  button->SetCaption("ВЫПОЛНИТЬ");
  int calls = 0;
  button->OnPaint = [&](TObject* sender, TBitmap& cache) {
    ++calls;
    EXPECT_EQ(sender, button);
    EXPECT_EQ(cache.Width(), button->Width());
    const TColor section = cache.Pixels().pixel(2, 2);
    EXPECT_TRUE(section == kButtonNormal || section == kButtonHot) << "the section is already there";
    cache.Pixels().setPixel(4, 4, clLime);
  };
  ShowForm();
  EXPECT_GE(calls, 1);
  EXPECT_EQ(Shot(button->Handle()).pixel(4, 4), clLime);
}

TEST(ImageList, CutsStripsIntoCellsOfItsSize) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(3);
  Bitmap strip(9, 3);  // two whole cells; the last column is left over
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 3; ++y) strip.setPixel(x, y, RGB(x * 10, y, 0));
  EXPECT_EQ(list.Add(strip), 0);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Image(1)->pixel(0, 2), RGB(40, 2, 0));
  EXPECT_EQ(list.Image(2), nullptr);
  EXPECT_EQ(list.Image(-1), nullptr);
  EXPECT_EQ(list.Add(Bitmap(3, 3)), -1) << "narrower than a cell";
  list.SetWidth(5);
  EXPECT_EQ(list.Count(), 0) << "a new size drops the pictures";
}

TEST_F(SkinnedBitBtn, AnImageListGlyphIsDrawnGreyWhenGrayedUntilTheButtonIsHot) {
  TImageList* list = SolidImageList({clGreen, clRed}, 12);
  button->SetCaption("ВЫПОЛНИТЬ");
  button->SetImages(list);
  button->SetImageIndex(1);
  ShowForm();
  const TRect glyph = button->GlyphRect(0);
  ASSERT_EQ(glyph.Width(), 12);
  EXPECT_EQ(CountInRect(Shot(button->Handle()), glyph, clRed), 12 * 12 - 1);
  button->SetGrayed(true);
  driver.runUntilIdle();
  const TColor grey = Shot(button->Handle()).pixel(glyph.Left + 3, glyph.Top + 3);
  EXPECT_EQ(grey, RGB(85, 85, 85)) << "(0 + 0 + 255) div 3";
  driver.moveTo(ScreenPoint(button->Handle(), 3, 3));
  driver.runFor(300);
  EXPECT_EQ(Shot(button->Handle()).pixel(glyph.Left + 3, glyph.Top + 3), clRed) << "hot: in colour";
  // A list that goes is forgotten.
  delete list;
  EXPECT_EQ(button->Images(), nullptr);
  EXPECT_EQ(button->GlyphSize().cx, 0);
}

TEST_F(SkinnedBitBtn, AfterLoadingAValidListGlyphEmptiesTheGlyphBitmap) {
  auto* list = new TImageList(form);
  list->Add(Bitmap(16, 16));
  button->Glyph().SetPixels(Bitmap(10, 10));
  button->SetImages(list);
  button->SetImageIndex(0);
  button->Loaded();
  EXPECT_TRUE(button->Glyph().Empty());
  EXPECT_EQ(button->GlyphSize().cx, 16);
}

// A single-cell 32-bit glyph without Blend is laid over the button by its
// own alpha (no transparent colour).
TEST_F(SkinnedBitBtn, AThirtyTwoBitGlyphIsDrawnWithItsAlpha) {
  ASSERT_TRUE(button->Glyph().LoadFromBytes(ThreeAlphaBmp(12, clRed)));
  EXPECT_EQ(button->Glyph().Pixels().format(), PixelFormat::Bgrx32) << "the file's alpha is kept";
  ShowForm();
  ASSERT_EQ(button->StateIndex(), 0);
  const TRect g = button->GlyphRect(0);
  ASSERT_EQ(g.Width(), 12);
  const Bitmap shot = Shot(button->Handle());
  EXPECT_EQ(shot.pixel(g.Left + 5, g.Top + 1), clRed) << "opaque";
  TColor half = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int s = (clRed >> shift) & 0xFF, d = (kButtonNormal >> shift) & 0xFF;
    half |= static_cast<TColor>(((s * 128 + d * 127 + 127) / 255) << shift);
  }
  EXPECT_EQ(shot.pixel(g.Left + 5, g.Top + 6), half) << "half way";
  EXPECT_EQ(shot.pixel(g.Left + 5, g.Top + 10), kButtonNormal) << "transparent";
}
