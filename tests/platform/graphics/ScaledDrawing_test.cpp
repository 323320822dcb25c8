// Drawing on bitmaps of device scale 2: the same logical calls give the
// picture of scale 1 at twice the size, with lines and frames twice as
// thick, while text and curves are made at the finer resolution instead of
// being enlarged pixels.
#include <gtest/gtest.h>

#include <string>

#include "platform/Bitmap.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/Shapes.h"
#include "platform/graphics/TextDrawing.h"

namespace {

// The picture `small` (scale 1) with every pixel made an n x n block, as
// device pixels of a bitmap at scale n.
Bitmap Enlarged(const Bitmap& small, int n) {
  Bitmap big = Bitmap::AtScale(n, small.width(), small.height(), small.format());
  for (int y = 0; y < big.deviceHeight(); ++y)
    for (int x = 0; x < big.deviceWidth(); ++x) big.setDevicePixel(x, y, small.pixel(x / n, y / n));
  return big;
}

// How many n x n blocks of device pixels hold more than one colour.
int MixedBlocks(const Bitmap& big, int n) {
  int mixed = 0;
  for (int y = 0; y + n <= big.deviceHeight(); y += n)
    for (int x = 0; x + n <= big.deviceWidth(); x += n) {
      const TColor first = big.devicePixel(x, y);
      bool same = true;
      for (int dy = 0; dy < n; ++dy)
        for (int dx = 0; dx < n; ++dx) same = same && big.devicePixel(x + dx, y + dy) == first;
      mixed += same ? 0 : 1;
    }
  return mixed;
}

// The device pixels different from white, as a rectangle.
TRect DeviceInk(const Bitmap& bmp) {
  TRect box{bmp.deviceWidth(), bmp.deviceHeight(), 0, 0};
  for (int y = 0; y < bmp.deviceHeight(); ++y)
    for (int x = 0; x < bmp.deviceWidth(); ++x)
      if (bmp.devicePixel(x, y) != RGB(255, 255, 255)) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

// The same drawing on a white bitmap of 60 x 40 logical pixels at scale 1
// and at scale n.
template <typename Draw>
std::pair<Bitmap, Bitmap> DrawnAtBothScales(int n, Draw draw) {
  Bitmap small = Bitmap::AtScale(1, 60, 40), big = Bitmap::AtScale(n, 60, 40);
  for (Bitmap* bmp : {&small, &big}) {
    bmp->fill(clWhite);
    DeviceContext dc(*bmp);
    draw(&dc);
  }
  return {std::move(small), std::move(big)};
}

}  // namespace

TEST(ScaledBitmap, StoresBlocksOfDevicePixelsBehindLogicalAccess) {
  Bitmap bmp = Bitmap::AtScale(2, 5, 3);
  EXPECT_EQ(bmp.width(), 5);
  EXPECT_EQ(bmp.deviceWidth(), 10);
  EXPECT_EQ(bmp.deviceHeight(), 6);
  EXPECT_EQ(bmp.stride(), 32);  // 30 bytes padded to 32
  bmp.setPixel(4, 2, clRed);
  for (int dy = 0; dy < 2; ++dy)
    for (int dx = 0; dx < 2; ++dx) EXPECT_EQ(bmp.devicePixel(8 + dx, 4 + dy), clRed);
  EXPECT_EQ(bmp.devicePixel(7, 4), RGB(0, 0, 0));
  EXPECT_EQ(bmp.pixel(4, 2), clRed);
  bmp.fill(clBlue);
  EXPECT_EQ(bmp.devicePixel(9, 5), clBlue);
  // The shape's copy keeps the scale; a scale-1 bitmap of the same logical
  // size is another picture.
  EXPECT_EQ(bmp.copyShape().scale(), 2);
  Bitmap flat = Bitmap::AtScale(1, 5, 3);
  flat.fill(clBlue);
  EXPECT_FALSE(flat == bmp);
  // Made with the program's scale unless told otherwise.
  {
    DeviceScale::Scoped two(2);
    EXPECT_EQ(Bitmap(4, 4).scale(), 2);
  }
  EXPECT_EQ(Bitmap(4, 4).scale(), 1);
}

TEST(ScaledBitmap, RescaledRepeatsEachPixelAsABlockAndSamplesOnTheWayDown) {
  Bitmap art = Bitmap::AtScale(1, 3, 2, PixelFormat::Bgr24, true);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) art.setPixel(x, y, RGB(40 * x, 90 * y, 7));
  const Bitmap three = art.rescaled(3);
  EXPECT_EQ(three.scale(), 3);
  EXPECT_EQ(three.width(), 3);
  EXPECT_TRUE(three.bottomUp());
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(three.devicePixel(x, y), art.pixel(x / 3, y / 3)) << x << "," << y;
  // Back down, each logical pixel keeps its top-left device pixel.
  Bitmap fine = Bitmap::AtScale(2, 2, 1);
  fine.setDevicePixel(0, 0, clRed);
  fine.setDevicePixel(1, 0, clBlue);
  fine.setDevicePixel(2, 1, clLime);
  const Bitmap coarse = fine.rescaled(1);
  EXPECT_EQ(coarse.pixel(0, 0), clRed);
  EXPECT_EQ(coarse.pixel(1, 0), RGB(0, 0, 0));
  EXPECT_TRUE(art.rescaled(1) == art);
}

TEST(ScaledDrawing, FillsFramesEdgesAndRegionsAreTheDoubledPicture) {
  const auto [small, big] = DrawnAtBothScales(2, [](HDC dc) {
    SetViewportOrgEx(dc, 3, 2);
    FillRect(dc, TRect{1, 1, 20, 9}, clRed);
    FrameRect(dc, TRect{22, 1, 40, 12}, CreateSolidBrush(clBlue));
    TRect edge{2, 14, 30, 30};
    DrawEdge(dc, edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    SetPixel(dc, 50, 5, clGreen);
    Region clip(TRect{30, 14, 45, 30});
    SelectClipRgn(dc, &clip);
    FillRect(dc, TRect{25, 10, 58, 38}, RGB(9, 99, 199));
    SelectClipRgn(dc, nullptr);
    Rectangle(dc, 46, 20, 56, 34);
    DrawFocusRect(dc, TRect{2, 32, 22, 37});
    // Lines along the axes end where the end point's logical pixel begins.
    SelectObject(dc, CreatePen(PS_SOLID, 1, clMaroon));
    MoveToEx(dc, 33, 2, nullptr);
    LineTo(dc, 52, 2);
    LineTo(dc, 52, 12);
    SelectObject(dc, CreatePen(PS_SOLID, 3, clOlive));
    MoveToEx(dc, 4, 38, nullptr);
    LineTo(dc, 40, 38);
  });
  EXPECT_TRUE(big == Enlarged(small, 2));
}

TEST(ScaledDrawing, PicturesAtScaleOneAreEnlargedByNearestNeighbour) {
  Bitmap art = Bitmap::AtScale(1, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) art.setPixel(x, y, RGB(x * 60, y * 60, 0));
  DeviceContext artDc(art);
  const auto [small, big] = DrawnAtBothScales(2, [&artDc](HDC dc) {
    BitBlt(dc, 5, 5, 4, 4, &artDc, 0, 0, SRCCOPY);
    BitBlt(dc, 20, 5, 3, 2, &artDc, 1, 1, SRCCOPY);
  });
  EXPECT_TRUE(big == Enlarged(small, 2));
}

TEST(ScaledDrawing, CurvesAreScannedAtDeviceResolution) {
  const auto [small, big] = DrawnAtBothScales(2, [](HDC dc) {
    SelectObject(dc, CreateSolidBrush(clBlack));
    SelectObject(dc, CreatePen(PS_NULL, 1, clBlack));
    Ellipse(dc, 3, 3, 40, 30);
  });
  // The same place and size, but edges finer than whole logical pixels.
  const TRect ink = DeviceInk(big);
  EXPECT_EQ(ink, (TRect{6, 6, 80, 60}));
  EXPECT_GT(MixedBlocks(big, 2), 0);
}

TEST(ScaledDrawing, TextIsRasterisedAtTheDeviceSizeInTheSameLogicalRoom) {
  const std::string heading = "Задание 1:";
  TRect smallRoom, bigRoom;
  const auto [small, big] = DrawnAtBothScales(2, [&](HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, clBlack);
    TRect room{2, 2, 0, 0};
    DrawText(dc, heading, room, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    (dc->scale() == 1 ? smallRoom : bigRoom) = room;
    DrawText(dc, heading, room, DT_SINGLELINE | DT_NOPREFIX);
  });
  // Layout is logical: the same rectangle at both scales.
  EXPECT_EQ(smallRoom, bigRoom);
  // The ink lies where the doubled ink lies, give or take a device pixel
  // or two of hinting.
  const TRect smallInk = DeviceInk(small), bigInk = DeviceInk(big);
  EXPECT_NEAR(bigInk.Left, smallInk.Left * 2, 2);
  EXPECT_NEAR(bigInk.Top, smallInk.Top * 2, 2);
  EXPECT_NEAR(bigInk.Right, smallInk.Right * 2, 3);
  EXPECT_NEAR(bigInk.Bottom, smallInk.Bottom * 2, 3);
  // Not enlarged pixels: many 2 x 2 blocks hold different pixels.
  EXPECT_FALSE(big == Enlarged(small, 2));
  EXPECT_GT(MixedBlocks(big, 2), 20);
}
