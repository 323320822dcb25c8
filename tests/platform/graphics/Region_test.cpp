#include "platform/graphics/Region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/RegionBuilder.h"

namespace {

// The region as a picture over a small area: '#' inside, '.' outside.
std::string Picture(const Region& r, int width, int height) {
  std::string out;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out += r.contains(x, y) ? '#' : '.';
    out += '\n';
  }
  return out;
}

int Area(const Region& r) {
  int area = 0;
  r.forEachRect([&](const TRect& t) { area += t.Width() * t.Height(); });
  return area;
}

}  // namespace

TEST(Region, CombinesRectanglesByEveryMode) {
  const Region a = CreateRectRgn(0, 0, 4, 4);
  const Region b = CreateRectRgn(2, 2, 6, 6);
  Region r;
  EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(r.box(), Rect(2, 2, 4, 4));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(Area(r), 16 + 16 - 4);
  EXPECT_EQ(r.box(), Rect(0, 0, 6, 6));
  EXPECT_FALSE(r.contains(5, 0));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_EQ(Area(r), 24);
  EXPECT_FALSE(r.contains(3, 3));
  EXPECT_TRUE(r.contains(4, 4));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(Picture(r, 6, 6),
            "####..\n"
            "####..\n"
            "##....\n"
            "##....\n"
            "......\n"
            "......\n");
  EXPECT_EQ(CombineRgn(r, a, b, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(r, a));
  EXPECT_EQ(CombineRgn(r, a, b, 9), RGN_ERROR);

  // Disjoint and empty operands.
  EXPECT_EQ(CombineRgn(r, a, CreateRectRgn(10, 10, 12, 12), RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(r, Region(), b, RGN_OR), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(r, b));
  EXPECT_EQ(CombineRgn(r, a, a, RGN_DIFF), NULLREGION);
  EXPECT_TRUE(r.empty());
}

TEST(Region, SamePixelsGiveEqualRegionsWhateverTheConstruction) {
  // Two halves joined edge to edge are the whole rectangle.
  Region joined;
  CombineRgn(joined, CreateRectRgn(0, 0, 5, 3), CreateRectRgn(5, 0, 9, 3), RGN_OR);
  EXPECT_TRUE(EqualRgn(joined, CreateRectRgn(0, 0, 9, 3)));
  EXPECT_EQ(joined.kind(), SIMPLEREGION);
  Region stacked;
  CombineRgn(stacked, CreateRectRgn(0, 0, 9, 1), CreateRectRgn(0, 1, 9, 3), RGN_OR);
  EXPECT_TRUE(EqualRgn(stacked, joined));
  // Punching a hole and filling it again restores the original.
  Region holed, refilled;
  CombineRgn(holed, joined, CreateRectRgn(3, 1, 4, 2), RGN_DIFF);
  EXPECT_FALSE(EqualRgn(holed, joined));
  CombineRgn(refilled, holed, CreateRectRgn(3, 1, 4, 2), RGN_OR);
  EXPECT_TRUE(EqualRgn(refilled, joined));
  // Empty rectangles make empty regions.
  EXPECT_TRUE(CreateRectRgn(5, 5, 5, 9).empty());
  EXPECT_TRUE(CreateRectRgn(5, 9, 7, 2).empty());
}

TEST(Region, PointsBoxesAndOffsets) {
  Region r = CreateRectRgn(10, 20, 13, 22);
  EXPECT_TRUE(PtInRegion(r, 10, 20));
  EXPECT_TRUE(PtInRegion(r, 12, 21));
  EXPECT_FALSE(PtInRegion(r, 13, 21));  // right and bottom are exclusive
  EXPECT_FALSE(PtInRegion(r, 12, 22));
  EXPECT_TRUE(RectInRegion(r, Rect(0, 0, 11, 21)));
  EXPECT_FALSE(RectInRegion(r, Rect(0, 0, 10, 30)));
  EXPECT_EQ(OffsetRgn(r, -10, -20), SIMPLEREGION);
  TRect box;
  EXPECT_EQ(GetRgnBox(r, box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(0, 0, 3, 2));
  EXPECT_TRUE(PtInRegion(r, 0, 0));
  EXPECT_EQ(SetRectRgn(r, 1, 1, 1, 1), NULLREGION);
  EXPECT_EQ(GetRgnBox(r, box), NULLREGION);
  EXPECT_TRUE(box.IsEmpty());
}

TEST(Region, EllipseIsSymmetricAndFitsItsBox) {
  const Region e = CreateEllipticRgn(0, 0, 8, 6);
  EXPECT_EQ(e.box(), Rect(0, 0, 8, 6));
  EXPECT_EQ(Picture(e, 8, 6),
            "..####..\n"
            ".######.\n"
            "########\n"
            "########\n"
            ".######.\n"
            "..####..\n");
  // Larger circles: mirror symmetric both ways, centre in, corners out.
  const Region c = CreateEllipticRgn(0, 0, 27, 27);
  for (int y = 0; y < 27; ++y)
    for (int x = 0; x < 27; ++x) {
      ASSERT_EQ(c.contains(x, y), c.contains(26 - x, y)) << x << "," << y;
      ASSERT_EQ(c.contains(x, y), c.contains(x, 26 - y)) << x << "," << y;
    }
  EXPECT_TRUE(c.contains(13, 13));
  EXPECT_TRUE(c.contains(0, 13));
  EXPECT_FALSE(c.contains(2, 2));
  // Area close to pi r^2.
  EXPECT_NEAR(Area(c), 3.14159 * 13.5 * 13.5, 20);
  EXPECT_TRUE(CreateEllipticRgn(4, 4, 4, 9).empty());
  // Absurd boxes (coordinates from garbage) are refused instead of being
  // scanned for billions of rows.
  EXPECT_TRUE(CreateEllipticRgn(0, -2000000000, 10, 2000000000).empty());
  EXPECT_TRUE(CreateRoundRectRgn(0, 0, 10, 1 << 20, 4, 4).empty());
  const TPoint tall[] = {{0, -1000000000}, {5, 1000000000}, {0, 1000000000}};
  EXPECT_TRUE(CreatePolygonRgn(tall, WINDING).empty());
}

TEST(Region, RoundRectKeepsStraightMiddleAndCutsCorners) {
  const Region r = CreateRoundRectRgn(0, 0, 10, 8, 4, 4);
  EXPECT_EQ(r.box(), Rect(0, 0, 10, 8));
  EXPECT_FALSE(r.contains(0, 0));
  EXPECT_FALSE(r.contains(9, 7));
  EXPECT_TRUE(r.contains(0, 3));
  EXPECT_TRUE(r.contains(5, 0));
  for (int y = 2; y < 6; ++y) EXPECT_TRUE(r.contains(0, y) && r.contains(9, y)) << y;
  // Corner sizes of 0 or 1 give the plain rectangle.
  EXPECT_TRUE(EqualRgn(CreateRoundRectRgn(0, 0, 10, 8, 0, 0), CreateRectRgn(0, 0, 10, 8)));
}

TEST(Region, PolygonFillModesDifferOnlyWhereTheOutlineOverlaps) {
  // A triangle covers the pixels whose centres are inside; a centre exactly
  // on the slanted right edge is outside.
  const TPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
  EXPECT_EQ(Picture(CreatePolygonRgn(triangle, ALTERNATE), 6, 6),
            "#####.\n"
            "####..\n"
            "###...\n"
            "##....\n"
            "#.....\n"
            "......\n");
  // A rectangle traced twice: the alternate rule leaves it empty, the
  // winding rule fills it.
  const TPoint twice[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}};
  EXPECT_TRUE(CreatePolygonRgn(twice, ALTERNATE).empty());
  EXPECT_TRUE(EqualRgn(CreatePolygonRgn(twice, WINDING), CreateRectRgn(0, 0, 4, 4)));
  // A five-pointed star: the centre is outside by alternate, inside by winding.
  const TPoint star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  EXPECT_FALSE(CreatePolygonRgn(star, ALTERNATE).contains(10, 10));
  EXPECT_TRUE(CreatePolygonRgn(star, WINDING).contains(10, 10));
  EXPECT_TRUE(CreatePolygonRgn(star, ALTERNATE).contains(10, 3));
  // Fewer than three points enclose nothing.
  EXPECT_TRUE(CreatePolygonRgn(std::span(triangle, 2), WINDING).empty());
}

TEST(Region, BuilderMergesEqualRowsAndNormalisesSpans) {
  RegionBuilder builder;
  const Region::Span messy[] = {{5, 7}, {0, 2}, {1, 3}, {7, 8}, {9, 9}};
  builder.addRow(0, messy);
  builder.addRow(1, messy);
  builder.addRow(3, 0, 1);
  const Region r = builder.finish();
  const std::vector<TRect> rects = r.rects();
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0], Rect(0, 0, 3, 2));
  EXPECT_EQ(rects[1], Rect(5, 0, 8, 2));
  EXPECT_EQ(rects[2], Rect(0, 3, 1, 4));
  EXPECT_FALSE(r.contains(0, 2));
}

TEST(Region, ForEachRectInHandsOutOnlyTheOverlap) {
  Region r;
  CombineRgn(r, CreateRectRgn(0, 0, 10, 10), CreateRectRgn(3, 3, 6, 6), RGN_DIFF);
  std::vector<TRect> parts;
  r.forEachRectIn(Rect(2, 4, 8, 5), [&](const TRect& t) { parts.push_back(t); });
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], Rect(2, 4, 3, 5));
  EXPECT_EQ(parts[1], Rect(6, 4, 8, 5));
}
