// Masks with a bitmap of their own are cut into state frames by their frame
// count, like masks of the master bitmap: a one-frame corner image is drawn
// whole and stands flush with the item's right edge.
#include <gtest/gtest.h>

#include <memory>

#include "PaintTestSupport.h"
#include "paint/CacheInfo.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/TsSkinContent.h"

namespace {

constexpr TColor kStripes[3] = {clRed, clLime, clBlue};

// width x 4 picture over a black (opaque) mask half of 2 rows: two-pixel
// stripes of red, lime and blue repeating across the picture half.
TsMaskData OwnImage(int width, int imageCount, const char* property = "IMGTOPLEFT") {
  TsMaskData mask;
  mask.Bmp = std::make_shared<Bitmap>(Filled(width, 4, clBlack));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < width; ++x) mask.Bmp->setPixel(x, y, kStripes[(x / 2) % 3]);
  }
  mask.R = Rect(0, 0, width, 4);
  mask.ImageCount = static_cast<std::int16_t>(imageCount);
  mask.MaskType = 1;
  mask.ImgType = itisaGlyph;
  mask.SectionName = "PANEL";
  mask.PropertyName = property;
  return mask;
}

TEST(OwnBitmapFrames, ImagesAreCutByTheirFrameCount) {
  for (bool bottomUp : kBothOrders) {
    // One frame: all six columns are drawn.
    Bitmap whole = Filled(8, 3, clWhite, bottomUp);
    DrawMaskImage(whole, Point(0, 0), 0, EmptyCI(), OwnImage(6, 1), 1, nullptr);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(whole.pixel(x, 1), kStripes[x / 2]) << x;
    EXPECT_EQ(whole.pixel(6, 0), clWhite);
    EXPECT_EQ(whole.pixel(0, 2), clWhite);  // two picture rows over two mask rows

    // Two frames of 4 columns: state 1 starts at column 4; states above clamp to it.
    for (int state : {1, 5}) {
      Bitmap second = Filled(8, 3, clWhite, bottomUp);
      DrawMaskImage(second, Point(0, 0), state, EmptyCI(), OwnImage(8, 2), 1, nullptr);
      EXPECT_EQ(second.pixel(0, 0), kStripes[2]) << state;
      EXPECT_EQ(second.pixel(2, 0), kStripes[0]) << state;
      EXPECT_EQ(second.pixel(4, 0), clWhite) << state;
    }

    // Without a frame count an own bitmap is three frames over a mask half.
    Bitmap uncounted = Filled(8, 3, clWhite, bottomUp);
    DrawMaskImage(uncounted, Point(0, 0), 0, EmptyCI(), OwnImage(6, 0), 1, nullptr);
    EXPECT_EQ(uncounted.pixel(1, 0), kStripes[0]);
    EXPECT_EQ(uncounted.pixel(2, 0), clWhite);
  }
}

TEST(OwnBitmapFrames, CornerImagesStandInTheirCornersWhole) {
  TsSkinContent skin;
  TsGeneralData panel;
  panel.SectionName = "PANEL";
  panel.Color = clGray;
  skin.Sections.push_back(panel);
  skin.Masks.push_back(OwnImage(6, 1, "IMGTOPRIGHT"));
  skin.Masks.push_back(OwnImage(6, 1, "IMGBTMLEFT"));
  Bitmap parent = Filled(20, 20, clNavy);
  Bitmap dst = Filled(12, 12, clWhite);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, &dst, Point(0, 0), Rect(0, 0, 12, 12), 0, true);
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(dst.pixel(6 + x, 0), kStripes[x / 2]) << "top right, column " << x;
    EXPECT_EQ(dst.pixel(x, 10), kStripes[x / 2]) << "bottom left, column " << x;
  }
  EXPECT_EQ(dst.pixel(5, 0), clGray);
  EXPECT_EQ(dst.pixel(6, 9), clGray);
}

}  // namespace
