// The primitives at 2x and 3x: on pictures of hard-edged pixel art (the
// skin's kind), a primitive run at a scale gives exactly its 1x result with
// every logical pixel an N x N block, wherever the rectangles lie, clipped or
// not, and whether the source is stored at the target's scale or at 1.
// Gradients are the exception: they are drawn at the screen's resolution.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "PaintTestSupport.h"
#include "paint/BorderMaskPainter.h"
#include "paint/GradientPainter.h"
#include "paint/MaskImagePainter.h"
#include "paint/primitives/BitmapFilters.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/FillPrimitives.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/MaskCopy.h"
#include "platform/graphics/Region.h"

namespace {

// A picture whose every pixel differs from its neighbours, with key-colour
// pixels sprinkled in, at the scale asked.
Bitmap Art(int scale, int w, int h, int seed) {
  Bitmap bmp = Bitmap::AtScale(scale, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int v = x * 37 + y * 91 + seed * 53;
      bmp.setPixel(x, y, (v % 7) == 0 ? clFuchsia : RGB(v % 251, (v * 3) % 253, (v * 7) % 255));
    }
  return bmp;
}

// The 1x result enlarged must be the result at each higher scale; `paint`
// gets the scale of the target and the scale its sources are stored at.
void ExpectExactAtEveryScale(const std::function<Bitmap(int target, int source)>& paint) {
  const Bitmap once = paint(1, 1);
  for (int scale : {2, 3})
    for (int source : {scale, 1}) {
      const Bitmap scaled = paint(scale, source);
      ASSERT_EQ(scaled.scale(), scale);
      ASSERT_EQ(scaled.width(), once.width());
      EXPECT_TRUE(scaled == once.rescaled(scale)) << "at " << scale << " with sources at " << source;
    }
}

TsMaskData MaskedFrame() {
  TsMaskData mask;
  mask.R = Rect(0, 0, 12, 12);  // three 4 x 6 frames over their mask half
  mask.ImageCount = 3;
  mask.MaskType = 1;
  mask.WL = mask.WT = mask.WR = mask.WB = 1;
  return mask;
}

}  // namespace

TEST(DeviceScalePrimitives, FillsAndCopiesAreTheOneTimesPictureInBlocks) {
  ExpectExactAtEveryScale([](int n, int s) {
    Bitmap dst = Art(n, 20, 14, 1);
    FillBitmapRect(dst, Rect(-3, 2, 7, 9), clNavy);
    FillBorderStrips(dst, Rect(9, 1, 19, 13), 1, 2, 3, 1, clTeal);
    CopyBitmapRect(dst, Point(12, -2), Art(s, 9, 8, 2), Rect(1, 1, 9, 8));
    CopyBitmapRect(dst, Point(4, 4), dst, Rect(0, 0, 6, 6));  // within one picture
    return dst;
  });
}

TEST(DeviceScalePrimitives, BlendsAreTheOneTimesPictureInBlocks) {
  ExpectExactAtEveryScale([](int n, int s) {
    Bitmap dst = Art(n, 21, 15, 3);
    BlendColorRect(dst, Rect(2, 2, 30, 6), 37, RGB(10, 200, 90));
    SumBitmapRect(dst, Art(s, 10, 10, 4), 100, Point(15, 8), Rect(0, 0, 10, 10));
    BlendTransRect(dst, Point(-2, 9), clFuchsia, 0.3, Rect(0, 0, 8, 8), Art(s, 9, 9, 5));
    AlphaBlendOnto(dst, Point(6, 1), Art(s, 5, 4, 6));
    return dst;
  });
  ExpectExactAtEveryScale([](int n, int s) {
    Bitmap frame;
    WeightedCopyInto(frame, Art(n, 13, 6, 7), Art(s, 13, 6, 8), 77);
    Bitmap target = Bitmap::AtScale(n, 13, 6);
    MixPicturesByMask(frame, Art(s, 13, 6, 9), Art(s, 13, 6, 10), target);
    FillColorByMask(target, Art(s, 13, 6, 11), clMaroon);
    GrayScaleTrans(target, RGB(0, 0, 0));
    ToneBitmap(target, clOlive, clFuchsia, 0.4);
    return target;
  });
}

TEST(DeviceScalePrimitives, KeyAndMaskCopiesShowTheParentAndTheFillInBlocks) {
  ExpectExactAtEveryScale([](int n, int s) {
    Bitmap parent = Art(n, 30, 30, 12);
    Bitmap dst = Art(n, 18, 16, 13);
    const Bitmap picture = Art(s, 12, 12, 14);
    CopyTransBitmaps(dst, picture, Point(2, 3), true, MakeCacheInfo(&parent, 5, 4), clFuchsia, Rect(0, 0, 9, 9));
    CopyTransRect(dst, picture, Point(10, -3), clFuchsia, Rect(1, 0, 11, 11));
    TCacheInfo fill;
    fill.FillColor = clPurple;
    CopyByMask(Rect(1, 9, 5, 15), Rect(4, 0, 8, 6), dst, MaskedFrame(), true, fill, picture);
    CopyByMask(Rect(12, 9, 16, 15), Rect(0, 0, 4, 6), dst, MaskedFrame(), true, MakeCacheInfo(&parent, 3, 7), picture);
    TsMaskData glyph = MaskedFrame();
    CopyGlyphByMask(Rect(6, 10, 9, 15), Rect(8, 0, 11, 5), dst, glyph, 0, picture);
    return dst;
  });
}

TEST(DeviceScalePrimitives, BorderPicturesAndTheirRegionAreTheOneTimesOnes) {
  // A 6 x 6 frame with key pixels along its top row cuts the same logical
  // region at every scale and paints the same blocks.
  Region once(Rect(0, 0, 1, 1));
  ExpectExactAtEveryScale([&once](int n, int s) {
    const Bitmap master = Art(s, 6, 6, 15);
    TsMaskData frame;
    frame.R = Rect(0, 0, 6, 6);
    frame.ImageCount = 1;
    frame.WL = frame.WT = frame.WR = frame.WB = 2;
    Bitmap dst = Art(n, 15, 11, 16);
    Region region(Rect(0, 0, 15, 11));
    PaintBorderMaskWithRegion(dst, &region, 0, frame, &master);
    if (n == 1) once = region;
    EXPECT_EQ(region.rects(), once.rects()) << "at " << n;
    Bitmap plain = Art(n, 15, 11, 17);
    PaintBorderMask(plain, Rect(1, 1, 14, 10), true, false, 0, frame, EmptyCI(), &master);
    DrawMaskImage(plain, Point(3, 2), 0, EmptyCI(), frame, 1, &master);
    CopyBitmapRect(dst, Point(0, 0), plain, Rect(0, 5, 15, 11));
    return dst;
  });
}

TEST(DeviceScalePrimitives, GradientsTakeAStepForEveryRowOfTheScreen) {
  // A vertical gradient over 10 logical rows is 20 device rows at 2x: it
  // starts and ends at the same colours and has twice the steps.
  TsGradArray grad{Segment(RGB(0, 0, 0), RGB(0, 0, 190), 100, gkVertical)};
  Bitmap once = Bitmap::AtScale(1, 4, 10);
  PaintGrad(once, Rect(0, 0, 4, 10), grad);
  Bitmap twice = Bitmap::AtScale(2, 4, 10);
  PaintGrad(twice, Rect(0, 0, 4, 10), grad);
  EXPECT_EQ(twice.devicePixel(7, 0), once.pixel(3, 0));
  EXPECT_EQ(twice.devicePixel(7, 19), once.pixel(3, 9));
  int steps = 0;
  for (int y = 1; y < 20; ++y) steps += twice.devicePixel(0, y) != twice.devicePixel(0, y - 1);
  EXPECT_EQ(steps, 19) << "every device row its own shade";
  for (int y = 0; y < 20; ++y) EXPECT_EQ(twice.devicePixel(0, y), twice.devicePixel(7, y)) << y;
}
