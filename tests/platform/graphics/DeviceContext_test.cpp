#include "platform/graphics/DeviceContext.h"

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/ScopedSaveDC.h"

TEST(DeviceContext, OriginsMoveDrawingAndClipIsInDeviceCoordinates) {
  Bitmap bmp(10, 10);
  DeviceContext dc(bmp);
  SetViewportOrgEx(&dc, 3, 2);
  FillRect(&dc, Rect(0, 0, 2, 1), clRed);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(3, 2, 5, 3));

  // The window origin subtracts; the surface origin (set by the owner) adds.
  bmp.fill(clBlack);
  SetWindowOrgEx(&dc, 1, 1);
  dc.setSurfaceOrigin(Point(2, 0));
  FillRect(&dc, Rect(1, 1, 2, 2), clRed);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(5, 2, 6, 3));

  // A clip region is in device coordinates: the viewport does not move it.
  bmp.fill(clBlack);
  SetWindowOrgEx(&dc, 0, 0);
  dc.setSurfaceOrigin(Point(0, 0));
  const Region clip = CreateRectRgn(0, 0, 4, 10);
  EXPECT_EQ(SelectClipRgn(&dc, &clip), SIMPLEREGION);
  FillRect(&dc, Rect(-3, 0, 7, 1), clRed);  // device 0..10
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(0, 2, 4, 3));
  TRect box;
  EXPECT_EQ(GetClipBox(&dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(-3, -2, 1, 8));  // logical
  EXPECT_TRUE(PtVisible(&dc, -3, -2));
  EXPECT_FALSE(PtVisible(&dc, 1, 0));
}

TEST(DeviceContext, IntersectAndExcludeTakeLogicalRectangles) {
  Bitmap bmp(8, 8);
  DeviceContext dc(bmp);
  OffsetViewportOrgEx(&dc, 1, 1);
  IntersectClipRect(&dc, 0, 0, 6, 6);  // device 1..7
  ExcludeClipRect(&dc, 2, 2, 4, 4);    // device 3..5
  FillRect(&dc, Rect(-5, -5, 20, 20), clWhite);
  EXPECT_EQ(CountPixels(bmp, clWhite), 36 - 4);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(1, 1, 7, 7));
  EXPECT_EQ(bmp.pixel(3, 3), clBlack);
  Region current;
  ASSERT_EQ(GetClipRgn(&dc, &current), 1);
  EXPECT_EQ(current.kind(), COMPLEXREGION);
  SelectClipRgn(&dc, nullptr);
  EXPECT_EQ(GetClipRgn(&dc, &current), 0);
}

TEST(DeviceContext, SystemClipLimitsEverythingAndSurvivesClipChanges) {
  Bitmap bmp(6, 6);
  DeviceContext dc(bmp);
  dc.setSurfaceOrigin(Point(1, 1));
  dc.setSystemClip(CreateRectRgn(0, 0, 2, 2));  // target 1..3
  SelectClipRgn(&dc, nullptr);
  FillRect(&dc, Rect(0, 0, 6, 6), clWhite);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(1, 1, 3, 3));
  const Region wide = CreateRectRgn(-10, -10, 10, 10);
  SelectClipRgn(&dc, &wide);
  bmp.fill(clBlack);
  FillRect(&dc, Rect(-1, -1, 6, 6), clWhite);
  EXPECT_EQ(CountPixels(bmp, clWhite), 4);
}

TEST(DeviceContext, SaveAndRestoreBringBackStateByLevel) {
  Bitmap bmp(4, 4);
  DeviceContext dc(bmp);
  SetTextColor(&dc, clRed);
  const int first = SaveDC(&dc);
  EXPECT_EQ(first, 1);
  SetTextColor(&dc, clBlue);
  SetViewportOrgEx(&dc, 2, 2);
  IntersectClipRect(&dc, 0, 0, 1, 1);
  SelectObject(&dc, CreatePen(PS_SOLID, 3, clLime));
  EXPECT_EQ(SaveDC(&dc), 2);
  SetBkMode(&dc, TRANSPARENT);
  EXPECT_TRUE(RestoreDC(&dc, -1));
  EXPECT_EQ(GetBkMode(&dc), OPAQUE);
  EXPECT_EQ(GetTextColor(&dc), clBlue);
  EXPECT_TRUE(RestoreDC(&dc, first));
  EXPECT_EQ(GetTextColor(&dc), clRed);
  EXPECT_EQ(dc.state().pen, Pen{});
  TPoint origin;
  GetViewportOrgEx(&dc, &origin);
  EXPECT_EQ(origin, Point(0, 0));
  FillRect(&dc, Rect(0, 0, 4, 4), clWhite);  // clip gone as well
  EXPECT_EQ(CountPixels(bmp, clWhite), 16);
  EXPECT_FALSE(RestoreDC(&dc, 1));  // nothing saved any more
  EXPECT_FALSE(RestoreDC(&dc, -1));

  {
    ScopedSaveDC saver(&dc);
    IntersectClipRect(&dc, 0, 0, 1, 1);
    SetTextColor(&dc, clAqua);
  }
  EXPECT_EQ(GetTextColor(&dc), clRed);
  EXPECT_EQ(dc.saveLevel(), 0);
  EXPECT_EQ(GetClipRgn(&dc, nullptr), -1);
}

TEST(DeviceContext, NullContextsAreRefusedQuietly) {
  EXPECT_EQ(SaveDC(nullptr), 0);
  EXPECT_FALSE(FillRect(nullptr, Rect(0, 0, 1, 1), clRed));
  EXPECT_EQ(SelectClipRgn(nullptr, nullptr), RGN_ERROR);
  EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetTextColor(nullptr, clRed), CLR_INVALID);
}

TEST(Fills, FramesPixelsAndSystemBrushes) {
  Bitmap bmp(5, 4);
  DeviceContext dc(bmp);
  FrameRect(&dc, Rect(0, 0, 5, 4), CreateSolidBrush(clWhite));
  EXPECT_EQ(Picture(bmp, clWhite),
            "#####\n"
            "#...#\n"
            "#...#\n"
            "#####\n");
  FillRect(&dc, Rect(1, 1, 4, 3), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(bmp.pixel(2, 2), GetSysColor(COLOR_BTNFACE));
  FillRect(&dc, Rect(0, 0, 5, 4), GetStockBrush(NULL_BRUSH));  // hollow: nothing
  EXPECT_EQ(bmp.pixel(2, 2), GetSysColor(COLOR_BTNFACE));

  EXPECT_EQ(SetPixel(&dc, 4, 3, clBlue), clBlue);
  EXPECT_EQ(GetPixel(&dc, 4, 3), clBlue);
  EXPECT_EQ(GetPixel(&dc, 5, 0), CLR_INVALID);
  IntersectClipRect(&dc, 0, 0, 1, 1);
  EXPECT_EQ(SetPixel(&dc, 2, 2, clRed), CLR_INVALID);
  EXPECT_EQ(bmp.pixel(2, 2), GetSysColor(COLOR_BTNFACE));
}

TEST(Fills, ThirtyTwoBitTargetsGetZeroInTheFourthByte) {
  Bitmap bmp(2, 1, PixelFormat::Bgrx32);
  std::fill(bmp.bits(), bmp.bits() + bmp.sizeInBytes(), 0x77);
  DeviceContext dc(bmp);
  FillRect(&dc, Rect(0, 0, 1, 1), clRed);
  EXPECT_EQ(bmp.pixel(0, 0), clRed);
  EXPECT_EQ(bmp.row(0)[3], 0);
  EXPECT_EQ(bmp.row(0)[7], 0x77);  // untouched pixel keeps it
}

TEST(Fills, FocusRectangleIsDottedAndUndoesItself) {
  Bitmap bmp(6, 5);
  bmp.fill(clWhite);
  DeviceContext dc(bmp);
  DrawFocusRect(&dc, Rect(0, 0, 6, 5));
  EXPECT_EQ(Picture(bmp, clBlack),
            "#.#.#.\n"
            ".....#\n"
            "#.....\n"  // (5, 2) has an odd x + y
            ".....#\n"
            "#.#.#.\n");
  DrawFocusRect(&dc, Rect(0, 0, 6, 5));
  EXPECT_EQ(CountPixels(bmp, clWhite), 30);
}

TEST(Fills, EdgesUseTheThreeDimensionalColours) {
  const TColor light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
  const TColor highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  const TColor face = GetSysColor(COLOR_BTNFACE);
  Bitmap bmp(6, 6);
  DeviceContext dc(bmp);
  TRect r = Rect(0, 0, 6, 6);
  DrawEdge(&dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  EXPECT_EQ(r, Rect(2, 2, 4, 4));
  // Outer line: light top-left, dark shadow bottom-right (owning the
  // top-right and bottom-left corners).
  EXPECT_EQ(bmp.pixel(0, 0), light);
  EXPECT_EQ(bmp.pixel(4, 0), light);
  EXPECT_EQ(bmp.pixel(5, 0), dark);
  EXPECT_EQ(bmp.pixel(0, 5), dark);
  EXPECT_EQ(bmp.pixel(5, 5), dark);
  // Inner line: highlight and shadow.
  EXPECT_EQ(bmp.pixel(1, 1), highlight);
  EXPECT_EQ(bmp.pixel(4, 1), shadow);
  EXPECT_EQ(bmp.pixel(1, 4), shadow);
  EXPECT_EQ(bmp.pixel(2, 2), face);

  bmp.fill(clBlack);
  r = Rect(0, 0, 6, 6);
  DrawEdge(&dc, r, EDGE_SUNKEN, BF_TOP | BF_LEFT);
  EXPECT_EQ(r, Rect(0, 0, 6, 6));  // no BF_ADJUST
  EXPECT_EQ(bmp.pixel(3, 0), shadow);
  EXPECT_EQ(bmp.pixel(0, 3), shadow);
  EXPECT_EQ(bmp.pixel(3, 1), dark);
  EXPECT_EQ(bmp.pixel(5, 5), clBlack);  // bottom and right not drawn

  // A lone inner line sits at the outer position.
  bmp.fill(clBlack);
  r = Rect(0, 0, 6, 6);
  DrawEdge(&dc, r, BDR_RAISEDINNER, BF_RECT);
  EXPECT_EQ(bmp.pixel(0, 0), highlight);
  EXPECT_EQ(bmp.pixel(1, 1), clBlack);
}

TEST(Fills, RegionsFillAndFrameThroughTheOrigin) {
  Bitmap bmp(8, 8);
  DeviceContext dc(bmp);
  SetViewportOrgEx(&dc, 1, 1);
  FillRgn(&dc, CreateRectRgn(0, 0, 3, 3), CreateSolidBrush(clWhite));
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(1, 1, 4, 4));
  bmp.fill(clBlack);
  FrameRgn(&dc, CreateRectRgn(0, 0, 5, 5), CreateSolidBrush(clWhite), 1, 1);
  EXPECT_EQ(CountPixels(bmp, clWhite), 16);
  EXPECT_EQ(bmp.pixel(3, 3), clBlack);
  InvertRgn(&dc, CreateRectRgn(2, 2, 3, 3));
  EXPECT_EQ(bmp.pixel(3, 3), clWhite);
}
