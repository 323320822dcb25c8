// Recolouring a skin reaches every coloured pixel of its pictures, the last
// column of each row included.
#include <gtest/gtest.h>

#include <memory>

#include "skin/TacSkinRecolor.h"

TEST(RecolourEveryPixel, TheFirstAndLastColumnsChangeToo) {
  TsSkinContent skin;
  skin.MasterBitmap = std::make_shared<Bitmap>(5, 2, PixelFormat::Bgr24);
  skin.MasterBitmap->fill(RGB(255, 0, 0));
  TsMaskData own;
  own.Bmp = std::make_shared<Bitmap>(3, 3, PixelFormat::Bgr24);
  own.Bmp->fill(RGB(255, 0, 0));
  skin.Masks.push_back(own);
  TacSkinRecolor::Recolor(skin, 120, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(skin.MasterBitmap->pixel(x, y), RGB(0, 255, 0)) << x << "," << y;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(skin.Masks[0].Bmp->pixel(x, y), RGB(0, 255, 0)) << x << "," << y;
}
