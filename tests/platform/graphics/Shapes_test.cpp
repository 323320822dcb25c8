#include "platform/graphics/Shapes.h"

#include <gtest/gtest.h>

#include "PixelProbe.h"

TEST(Shapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Bitmap bmp(7, 6);
  DeviceContext dc(bmp);
  SelectObject(&dc, CreatePen(PS_SOLID, 1, clRed));
  SelectObject(&dc, CreateSolidBrush(clWhite));
  ASSERT_TRUE(Rectangle(&dc, 1, 1, 6, 5));
  EXPECT_EQ(Picture(bmp, clRed),
            ".......\n"
            ".#####.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#####.\n"
            ".......\n");
  EXPECT_EQ(CountPixels(bmp, clWhite), 3 * 2);

  // A wider pen grows inward; a hollow brush leaves the inside alone.
  bmp.fill(clBlack);
  SelectObject(&dc, CreatePen(PS_SOLID, 2, clRed));
  SelectObject(&dc, GetStockBrush(NULL_BRUSH));
  Rectangle(&dc, 0, 0, 7, 6);
  EXPECT_EQ(CountPixels(bmp, clRed), 7 * 6 - 3 * 2);
  EXPECT_EQ(bmp.pixel(3, 3), clBlack);

  // No pen: the brush covers the whole box.
  bmp.fill(clBlack);
  SelectObject(&dc, GetStockPen(NULL_PEN));
  SelectObject(&dc, CreateSolidBrush(clWhite));
  Rectangle(&dc, 0, 0, 3, 3);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(0, 0, 3, 3));
}

TEST(Shapes, EllipseCoversItsBoxExceptTheCorners) {
  Bitmap bmp(12, 12);
  DeviceContext dc(bmp);
  SelectObject(&dc, CreatePen(PS_SOLID, 1, clRed));
  SelectObject(&dc, CreateSolidBrush(clYellow));
  SetViewportOrgEx(&dc, 1, 1);
  Ellipse(&dc, 0, 0, 10, 10);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(1, 1, 11, 11));
  EXPECT_EQ(bmp.pixel(1, 1), clBlack);
  EXPECT_EQ(bmp.pixel(6, 6), clYellow);
  EXPECT_EQ(bmp.pixel(1, 6), clRed);  // left edge of the outline
  // The outline is closed: no yellow pixel touches the black outside.
  for (int y = 1; y < 11; ++y)
    for (int x = 1; x < 11; ++x)
      if (bmp.pixel(x, y) == clYellow) {
        EXPECT_NE(bmp.pixel(x - 1, y), clBlack) << x << "," << y;
        EXPECT_NE(bmp.pixel(x + 1, y), clBlack) << x << "," << y;
        EXPECT_NE(bmp.pixel(x, y - 1), clBlack) << x << "," << y;
        EXPECT_NE(bmp.pixel(x, y + 1), clBlack) << x << "," << y;
      }
}

TEST(Shapes, RoundRectAndPieStayInTheirShapes) {
  Bitmap bmp(10, 10);
  DeviceContext dc(bmp);
  SelectObject(&dc, GetStockPen(NULL_PEN));
  SelectObject(&dc, CreateSolidBrush(clWhite));
  RoundRect(&dc, 0, 0, 10, 10, 6, 6);
  EXPECT_EQ(bmp.pixel(0, 0), clBlack);
  EXPECT_EQ(bmp.pixel(5, 0), clWhite);
  EXPECT_EQ(bmp.pixel(0, 5), clWhite);

  // The quarter from the ray toward the right to the ray toward the top
  // (counter-clockwise on screen) is the top-right quarter.
  bmp.fill(clBlack);
  Pie(&dc, 0, 0, 10, 10, 10, 5, 5, 0);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(5, 0, 10, 5));
  // The other way round it is everything but that quarter.
  bmp.fill(clBlack);
  Pie(&dc, 0, 0, 10, 10, 5, 0, 10, 5);
  EXPECT_EQ(bmp.pixel(7, 2), clBlack);
  EXPECT_EQ(bmp.pixel(2, 2), clWhite);
  EXPECT_EQ(bmp.pixel(7, 7), clWhite);
}

TEST(Shapes, PolygonFillsByModeAndOutlinesThroughItsVertices) {
  Bitmap bmp(8, 8);
  DeviceContext dc(bmp);
  SelectObject(&dc, CreatePen(PS_SOLID, 1, clRed));
  SelectObject(&dc, CreateSolidBrush(clWhite));
  const TPoint square[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
  ASSERT_TRUE(Polygon(&dc, square));
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(1, 1, 7, 7));  // outline includes the far edges
  EXPECT_EQ(bmp.pixel(6, 6), clRed);
  EXPECT_EQ(bmp.pixel(3, 3), clWhite);
  EXPECT_FALSE(Polygon(&dc, std::span(square, 1)));
}

TEST(Shapes, LinesLeaveOutTheirEndPointAndKeepTheCurrentPosition) {
  Bitmap bmp(6, 6);
  DeviceContext dc(bmp);
  SelectObject(&dc, CreatePen(PS_SOLID, 1, clWhite));
  MoveToEx(&dc, 0, 0);
  LineTo(&dc, 5, 0);
  LineTo(&dc, 5, 5);
  EXPECT_EQ(CountPixels(bmp, clWhite), 10);
  EXPECT_EQ(bmp.pixel(5, 5), clBlack);
  TPoint previous;
  MoveToEx(&dc, 0, 5, &previous);
  EXPECT_EQ(previous, Point(5, 5));
  // Diagonal: one pixel per step.
  bmp.fill(clBlack);
  MoveToEx(&dc, 0, 0);
  LineTo(&dc, 4, 4);
  EXPECT_EQ(Picture(bmp, clWhite),
            "#.....\n"
            ".#....\n"
            "..#...\n"
            "...#..\n"
            "......\n"
            "......\n");
  // A three-pixel pen draws a band three pixels wide.
  bmp.fill(clBlack);
  SelectObject(&dc, CreatePen(PS_SOLID, 3, clWhite));
  MoveToEx(&dc, 1, 2);
  LineTo(&dc, 5, 2);
  EXPECT_EQ(InkBox(bmp, clBlack), Rect(0, 1, 6, 4));
}
