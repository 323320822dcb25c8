// The blurred text shadow of the heading labels, piece by piece: the
// margins a shadowed label grows by, the coverage buffer and its in-place
// blur, the two compositions, and the whole shadow painted on a surface.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/LabelText.h"
#include "paint/ShadowComposition.h"
#include "paint/TacLabelShadow.h"
#include "platform/graphics/TextDrawing.h"

namespace {

constexpr TColor kTextRed = RGB(255, 0, 0);
constexpr unsigned kFormat = DT_NOPREFIX | DT_EXPANDTABS;

HFONT HeadingFont() {
  LogFont font;
  font.lfHeight = -19;
  return CreateFontIndirect(font);
}

// The smallest rectangle holding every pixel for which `hit` answers true.
template <typename Hit>
TRect BoundingBox(const Bitmap& bmp, Hit hit) {
  TRect box{bmp.width(), bmp.height(), 0, 0};
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x)
      if (hit(bmp.pixel(x, y))) box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                                       std::max(box.Bottom, y + 1)};
  return box;
}

// Where the text alone lands when written at `rect` (white on black): every
// pixel it touches, or only those it covers fully.
TRect TextBox(std::string_view text, TRect rect, bool solidOnly = false) {
  Bitmap bmp(80, 40);
  DeviceContext dc(bmp);
  SelectObject(&dc, HeadingFont());
  SetBkMode(&dc, TRANSPARENT);
  SetTextColor(&dc, clWhite);
  DrawText(&dc, text, rect, kFormat);
  return BoundingBox(bmp, [solidOnly](TColor c) { return solidOnly ? c == clWhite : c != 0; });
}

Bitmap Picture32(int w, int h, TColor color) {
  Bitmap bmp(w, h, PixelFormat::Bgrx32);
  bmp.fill(color);
  return bmp;
}

}  // namespace

TEST(TacShadowMargins, NearAndFarFollowDistanceAndBlur) {
  // The headings' own settings: four passes, one pixel away.
  const TacShadowMargins heading = TacShadowMargins::For(1, 4);
  EXPECT_EQ(heading, (TacShadowMargins{-3, 5}));
  EXPECT_EQ(heading.Growth(), 8);
  // The text sits 3 pixels in from the left and top and 5 from the far sides.
  EXPECT_EQ(heading.TextRect(Rect(0, 0, 108, 30)), Rect(3, 3, 103, 25));

  EXPECT_EQ(TacShadowMargins::For(2, 4), (TacShadowMargins{-2, 6}));
  // A shadow further away than it is blurred never reaches above the text.
  EXPECT_EQ(TacShadowMargins::For(6, 2), (TacShadowMargins{0, 8}));
  EXPECT_EQ(TacShadowMargins::For(0, 0).Growth(), 0);
  EXPECT_EQ(TacShadowMargins{}.TextRect(Rect(0, 0, 10, 10)), Rect(0, 0, 10, 10));
}

TEST(TacCoverageBuffer, OneBlurPassOverOnePixelLeansTowardTheTopLeft) {
  Bitmap picture = Picture32(5, 5, clBlack);
  picture.setPixel(2, 2, clWhite);
  TacCoverageBuffer coverage;
  coverage.Prepare(5, 5);
  coverage.MarkText(picture);
  EXPECT_EQ(coverage.Cell(2, 2), 255);
  coverage.BlurPass();
  EXPECT_EQ(coverage.Cell(2, 1), 63);  // above
  EXPECT_EQ(coverage.Cell(1, 2), 63);  // left
  EXPECT_EQ(coverage.Cell(2, 2), 31);  // the text pixel itself
  EXPECT_EQ(coverage.Cell(3, 2), 11);  // right
  EXPECT_EQ(coverage.Cell(2, 3), 11);  // below
  EXPECT_EQ(coverage.Cell(1, 1), 0);   // read before anything reached it
  EXPECT_EQ(coverage.Cell(3, 1), 15);  // its left neighbour was already 63

  // The next pass starts from full coverage on the text again.
  coverage.MarkText(picture);
  EXPECT_EQ(coverage.Cell(2, 2), 255);
  EXPECT_EQ(coverage.Cell(2, 1), 63);
}

TEST(TacCoverageBuffer, TheBorderStaysZeroAndOnlyBlueMarksText) {
  // Text along every edge: the blur reads the border but never writes it.
  Bitmap picture = Picture32(4, 3, clWhite);
  TacCoverageBuffer coverage;
  coverage.Prepare(4, 3);
  for (int pass = 0; pass < 3; ++pass) {
    coverage.MarkText(picture);
    coverage.BlurPass();
  }
  for (int x = -1; x <= 4; ++x) {
    EXPECT_EQ(coverage.Cell(x, -1), 0);
    EXPECT_EQ(coverage.Cell(x, 3), 0);
  }
  for (int y = -1; y <= 3; ++y) {
    EXPECT_EQ(coverage.Cell(-1, y), 0);
    EXPECT_EQ(coverage.Cell(4, y), 0);
  }

  // Anti-aliased text is any pixel with some blue; red or green alone is not.
  Bitmap faint = Picture32(3, 1, clBlack);
  faint.setPixel(0, 0, RGB(0, 0, 1));
  faint.setPixel(1, 0, RGB(255, 255, 0));
  coverage.Prepare(3, 1);
  coverage.MarkText(faint);
  EXPECT_EQ(coverage.Cell(0, 0), 255);
  EXPECT_EQ(coverage.Cell(1, 0), 0);
  EXPECT_EQ(coverage.Cell(2, 0), 0);
}

TEST(TacCoverageBuffer, TheAllocationOnlyGrowsAndTheUsedPartIsCleared) {
  TacCoverageBuffer coverage;
  EXPECT_EQ(coverage.Capacity(), 0u);
  coverage.Prepare(10, 10);
  EXPECT_EQ(coverage.Capacity(), 2u * 12 * 12);  // twice the (W + 2) x (H + 2) needed
  coverage.SetCell(4, 4, 200);

  coverage.Prepare(3, 3);  // smaller: the same allocation, cleared
  EXPECT_EQ(coverage.Capacity(), 2u * 12 * 12);
  for (int y = -1; y <= 3; ++y)
    for (int x = -1; x <= 3; ++x) EXPECT_EQ(coverage.Cell(x, y), 0);

  coverage.Prepare(16, 16);  // 18 x 18 cells do not fit: twice that
  EXPECT_EQ(coverage.Capacity(), 2u * 18 * 18);
  coverage.Prepare(20, 5);  // 22 x 7 = 154 cells fit
  EXPECT_EQ(coverage.Capacity(), 2u * 18 * 18);
  EXPECT_EQ(coverage.Width(), 20);
  EXPECT_EQ(coverage.Height(), 5);

  coverage.Prepare(-4, 2);  // negative extents count as 0
  EXPECT_EQ(coverage.Width(), 0);
}

TEST(ShadowComposition, TransparentLabelsMixTheShadowIntoWhatLiesUnder) {
  Bitmap picture = Picture32(3, 1, RGB(200, 100, 50));
  TacCoverageBuffer coverage;
  coverage.Prepare(3, 1);
  coverage.SetCell(1, 0, 128);
  coverage.SetCell(2, 0, 255);
  ComposeShadowOverPicture(picture, coverage, clMaroon);  // red 128
  // (old x (255 - k) + shadow x k) div 256 per channel.
  EXPECT_EQ(picture.pixel(0, 0), RGB(199, 99, 49));  // no coverage still loses one step
  EXPECT_EQ(picture.pixel(1, 0), RGB((200 * 127 + 128 * 128) >> 8, (100 * 127) >> 8, (50 * 127) >> 8));
  EXPECT_EQ(picture.pixel(1, 0), RGB(163, 49, 24));
  EXPECT_EQ(picture.pixel(2, 0), RGB(127, 0, 0));
}

TEST(ShadowComposition, OpaqueLabelsMixTheShadowIntoTheirColour) {
  Bitmap picture = Picture32(3, 1, RGB(1, 2, 3));  // replaced whatever it holds
  TacCoverageBuffer coverage;
  coverage.Prepare(3, 1);
  coverage.SetCell(1, 0, 100);
  coverage.SetCell(2, 0, 255);
  ComposeShadowOverColor(picture, coverage, RGB(0, 0, 255), clWhite);
  // (shadow x k + (255 - k) x background) div 256 per channel.
  EXPECT_EQ(picture.pixel(0, 0), RGB(254, 254, 254));
  EXPECT_EQ(picture.pixel(1, 0), RGB(154, 154, (255 * 100 + 155 * 255) >> 8));
  EXPECT_EQ(picture.pixel(2, 0), RGB(0, 0, 254));

  // A 24-bit picture is not a shadow picture: left alone.
  Bitmap wrong = Filled(3, 1, clWhite);
  ComposeShadowOverColor(wrong, coverage, clBlack, clBlack);
  EXPECT_EQ(wrong, Filled(3, 1, clWhite));
}

TEST(TacLabelShadow, TheShadowLiesDistanceRightAndDownWithTheTextOnTop) {
  Bitmap surface = Filled(80, 40, clWhite);
  DeviceContext dc(surface);
  SelectObject(&dc, HeadingFont());
  const TRect rect = Rect(0, 0, 80, 40);
  const TacShadowMargins margins = TacShadowMargins::For(3, 1);  // N = 0, F = 4
  TacLabelShadow shadow;
  shadow.Paint(&dc, "Wq", rect, kFormat, margins, {clNavy, 1, 3}, std::nullopt, kTextRed);

  EXPECT_EQ(shadow.Picture().width(), 80);
  EXPECT_EQ(shadow.Picture().height(), 40);
  EXPECT_EQ(shadow.Picture().format(), PixelFormat::Bgrx32);
  // The covered cells start one pixel above and left of the displaced text:
  // the in-place pass spreads there once.
  const TRect text = TextBox("Wq", margins.TextRect(rect));
  ASSERT_FALSE(text.IsEmpty());
  TRect covered{80, 40, 0, 0};
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x)
      if (shadow.Coverage().Cell(x, y) != 0) covered = {std::min(covered.Left, x), std::min(covered.Top, y),
                                                        std::max(covered.Right, x + 1), std::max(covered.Bottom, y + 1)};
  EXPECT_EQ(covered.Left, text.Left + 3 - 1);
  EXPECT_EQ(covered.Top, text.Top + 3 - 1);

  // The text is written at its undisplaced place, in its own colour.
  EXPECT_EQ(BoundingBox(surface, [](TColor c) { return c == kTextRed; }),
            BoundingBox(
                [&] {
                  Bitmap alone = Filled(80, 40, clWhite);
                  DeviceContext adc(alone);
                  SelectObject(&adc, HeadingFont());
                  SetBkMode(&adc, TRANSPARENT);
                  SetTextColor(&adc, kTextRed);
                  TRect place = margins.TextRect(rect);
                  DrawText(&adc, "Wq", place, kFormat);
                  return alone;
                }(),
                [](TColor c) { return c == kTextRed; }));
  // Far from the text only the composition's one step shows.
  EXPECT_EQ(surface.pixel(79, 0), RGB(254, 254, 254));
  // The surface's text state is left as it was.
  EXPECT_EQ(GetBkMode(&dc), OPAQUE);
  EXPECT_EQ(GetTextColor(&dc), clBlack);
}

TEST(TacLabelShadow, RepaintsOverTheSamePictureGiveTheSamePixels) {
  const TRect rect = Rect(0, 0, 60, 30);
  TacLabelShadow shadow;
  auto paintOnce = [&](std::optional<TColor> background, TColor under) {
    Bitmap surface = Filled(60, 30, under);
    DeviceContext dc(surface);
    SelectObject(&dc, HeadingFont());
    shadow.Paint(&dc, "Зд", rect, kFormat, TacShadowMargins::For(1, 4), {clGreen, 4, 1}, background, clBlack);
    return surface;
  };
  const Bitmap first = paintOnce(std::nullopt, clYellow);
  const std::size_t capacity = shadow.Coverage().Capacity();
  EXPECT_NE(first, Filled(60, 30, clYellow));
  EXPECT_EQ(paintOnce(std::nullopt, clYellow), first);
  EXPECT_EQ(shadow.Coverage().Capacity(), capacity);  // nothing new allocated

  // An opaque label does not look at what was there before.
  const Bitmap opaque = paintOnce(clSilver, clYellow);
  EXPECT_EQ(paintOnce(clSilver, clBlue), opaque);
  EXPECT_NE(opaque, first);
}

TEST(TacLabelShadow, NoTextLeavesOnlyTheCompositionStep) {
  TacLabelShadow shadow;
  Bitmap surface = Filled(8, 6, RGB(10, 20, 30));
  DeviceContext dc(surface);
  shadow.Paint(&dc, "", Rect(0, 0, 8, 6), kFormat, {}, {clBlack, 4, 1}, std::nullopt, clBlack);
  EXPECT_EQ(surface, Filled(8, 6, RGB(9, 19, 29)));
  // A rectangle of negative extent makes an empty picture and paints nothing.
  Bitmap untouched = Filled(8, 6, clWhite);
  DeviceContext udc(untouched);
  shadow.Paint(&udc, "x", Rect(5, 5, 2, 2), kFormat, {}, {clBlack, 4, 1}, std::nullopt, clBlack);
  EXPECT_TRUE(shadow.Picture().empty());
  EXPECT_EQ(untouched, Filled(8, 6, clWhite));
}

TEST(LabelText, DisabledLooks) {
  // 0.4 of the font colour and 0.6 of the background: black over white.
  EXPECT_EQ(DisabledLabelTextColor(clBlack, clWhite), RGB(153, 153, 153));
  EXPECT_EQ(DisabledLabelTextColor(RGB(255, 0, 10), RGB(0, 255, 0)), RGB(102, 153, 4));

  // Engraved: highlight one pixel right and down, the shadow colour in place.
  const TColor back = RGB(60, 60, 60);
  Bitmap bmp = Filled(40, 30, back);
  DeviceContext dc(bmp);
  SelectObject(&dc, HeadingFont());
  const TRect rect = Rect(2, 2, 40, 30);
  DrawEngravedText(&dc, "H", rect, kFormat);
  const TColor lit = ColorToRGB(clBtnHighlight);
  const TColor shade = ColorToRGB(clBtnShadow);
  // Fully covered pixels show the last colour exactly; partly covered ones
  // still count as touched.
  const TRect text = TextBox("H", rect);
  const TRect solid = TextBox("H", rect, /*solidOnly=*/true);
  ASSERT_FALSE(solid.IsEmpty());
  EXPECT_EQ(BoundingBox(bmp, [&](TColor c) { return c == shade; }), solid);
  EXPECT_EQ(BoundingBox(bmp, [&](TColor c) { return c == lit; }).Right, solid.Right + 1);
  EXPECT_EQ(BoundingBox(bmp, [&](TColor c) { return c == lit; }).Bottom, solid.Bottom + 1);
  EXPECT_EQ(BoundingBox(bmp, [&](TColor c) { return c != back; }),
            Rect(text.Left, text.Top, text.Right + 1, text.Bottom + 1));
  EXPECT_EQ(GetBkMode(&dc), OPAQUE);
}

TEST(ShadowComposition, APictureWiderOrTallerThanTheCoverageKeepsThePixelsBeyondIt) {
  TacCoverageBuffer coverage;
  coverage.Prepare(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) coverage.SetCell(x, y, 255);
  Bitmap overColor = Picture32(4, 3, clRed);
  ComposeShadowOverColor(overColor, coverage, clBlack, clWhite);
  Bitmap overPicture = Picture32(4, 3, clRed);
  ComposeShadowOverPicture(overPicture, coverage, clBlack);
  for (const Bitmap* picture : {&overColor, &overPicture}) {
    EXPECT_NE(picture->pixel(1, 1), clRed) << "inside the coverage the shadow is laid";
    EXPECT_EQ(picture->pixel(2, 0), clRed);
    EXPECT_EQ(picture->pixel(2, 1), clRed);
    EXPECT_EQ(picture->pixel(0, 2), clRed);
  }
}
