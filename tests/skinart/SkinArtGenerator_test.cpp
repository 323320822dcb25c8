// Tests of the generator's parts: placing images in the master bitmap, the
// fixed-column notations, the options source and the drawing surface.
#include <gtest/gtest.h>

#include "SkinFiles.h"
#include "tools/skinart/ArtLayer.h"
#include "tools/skinart/MaskNotation.h"
#include "tools/skinart/MasterAssembler.h"
#include "tools/skinart/MasterLayout.h"
#include "tools/skinart/OptionsTemplate.h"

namespace {

TEST(MasterLayoutTest, PinnedRectanglesMustNotMeetOrLeaveTheWidth) {
  MasterLayout layout(64);
  EXPECT_TRUE(layout.pin("a", {10, 0, 30, 10}));
  EXPECT_FALSE(layout.pin("b", {29, 9, 40, 20})) << "overlaps a";
  EXPECT_FALSE(layout.pin("c", {60, 0, 70, 5})) << "leaves the width";
  EXPECT_TRUE(layout.pin("d", {30, 0, 40, 10})) << "touching is allowed for pinned rectangles";
}

TEST(MasterLayoutTest, PlacedImagesKeepAGapFromEveryOtherImage) {
  MasterLayout layout(40);
  ASSERT_TRUE(layout.pin("fixed", {10, 0, 30, 8}));
  std::vector<TRect> placed;
  for (int i = 0; i < 12; ++i) placed.push_back(layout.place("p" + std::to_string(i), 7 + i % 3, 5 + i % 4));
  for (const TRect& r : placed) {
    ASSERT_FALSE(r.IsEmpty());
    EXPECT_LE(r.Right, 40);
    EXPECT_TRUE(Intersect(r.Inflate(1, 1), TRect{10, 0, 30, 8}).IsEmpty());
  }
  for (std::size_t i = 0; i < placed.size(); ++i)
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_TRUE(Intersect(placed[i].Inflate(1, 1), placed[j]).IsEmpty()) << i << " touches " << j;
  EXPECT_GE(layout.height(), 8);
  EXPECT_TRUE(layout.place("too wide", 41, 2).IsEmpty());
}

TEST(MaskNotationTest, NumbersLandInTheColumnsTheLoaderReads) {
  const std::string border = MaskNotation::border({5, 60, 47, 88}, {5, 4, 5, 3}, 3, 1, 6, 2);
  auto e = SkinFiles::parseMasterEntry(border);
  ASSERT_TRUE(e.has_value()) << border;
  EXPECT_EQ(e->r, (TRect{5, 60, 47, 88}));
  EXPECT_EQ((std::array{e->wl, e->wt, e->wr, e->wb}), (std::array{5, 4, 5, 3}));
  EXPECT_EQ((std::array{e->imageCount, e->maskType, e->stretchMode, e->borderWidth}), (std::array{3, 1, 6, 2}));

  auto glyph = SkinFiles::parseMasterEntry(MaskNotation::glyph({1200, 3, 1296, 21}, 3, 0));
  ASSERT_TRUE(glyph.has_value());
  EXPECT_EQ(glyph->r, (TRect{1200, 3, 1296, 21}));
  EXPECT_EQ(glyph->imageCount, 3);

  auto texture = SkinFiles::parseMasterEntry(MaskNotation::texture({110, 36, 113, 42}, 10, 1));
  ASSERT_TRUE(texture.has_value());
  EXPECT_EQ(texture->stretchMode, 10);
  EXPECT_EQ(texture->maskType, 1);

  EXPECT_EQ(MaskNotation::ownBitmap("TL.BMP", 1, 1, 2), "!TL.BMP!1!1!2");
  EXPECT_FALSE(MaskNotation::fitsColumns({0, 0, 10000, 5}));
  EXPECT_FALSE(MaskNotation::fitsColumns({-1, 0, 5, 5}));
}

TEST(MasterAssemblerTest, CopiesPiecesToTheirPlacesAndNamesThem) {
  MasterPiece pinned;
  pinned.key = "A.BORDERSMASK";
  pinned.pixels = Bitmap(4, 2);
  pinned.pixels.fill(0x112233);
  pinned.widths = {1, 1, 1, 1};
  pinned.pinned = TRect{2, 0, 6, 2};
  MasterPiece free;
  free.key = "B.GLYPHMASK";
  free.kind = MasterPiece::Kind::Glyph;
  free.pixels = Bitmap(3, 3);
  free.pixels.fill(0x445566);

  Result<AssembledMaster> out = MasterAssembler::assemble({pinned, free}, 16);
  ASSERT_TRUE(out.ok()) << out.error();
  EXPECT_EQ(out->entries.at("A.BORDERSMASK"), "^0002^0000^0006^0002^0001^0001^0001^0001^1^0^0^0");
  auto placed = SkinFiles::parseMasterEntry(out->entries.at("B.GLYPHMASK"));
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(out->master.pixel(2, 0), 0x112233u);
  EXPECT_EQ(out->master.pixel(placed->r.Left + 2, placed->r.Top + 2), 0x445566u);
  EXPECT_EQ(out->master.pixel(0, 0), 0xFF00FFu) << "unused pixels take the key colour";

  pinned.pinned = TRect{2, 0, 7, 2};
  EXPECT_FALSE(MasterAssembler::assemble({pinned}, 16).ok()) << "pinned rectangle of the wrong size";
  free.pixels = Bitmap(20, 1);
  EXPECT_FALSE(MasterAssembler::assemble({free}, 16).ok()) << "wider than the master bitmap";
}

TEST(OptionsTemplateTest, WritesColoursAndImagesAndDropsComments) {
  const OptionsTemplate source(
      "; a comment\n[SCROLLSLIDERV]\nGRADIENTDATA=rgb(242,242,243);rgb(232,232,233);53;1;0\n"
      "BORDERSMASK={SCROLLSLIDERV.BORDERSMASK}\n");
  Result<std::string> out = source.expand({{"SCROLLSLIDERV.BORDERSMASK", "^0001"}});
  ASSERT_TRUE(out.ok()) << out.error();
  EXPECT_EQ(out.value(), "[SCROLLSLIDERV]\r\nGRADIENTDATA=15987442;15329512;53;1;0\r\nBORDERSMASK=^0001\r\n");
}

TEST(OptionsTemplateTest, RefusesUnknownImagesUnusedImagesAndBadColours) {
  EXPECT_FALSE(OptionsTemplate("[A]\nX={A.X}\n").expand({}).ok());
  EXPECT_FALSE(OptionsTemplate("[A]\nX=1\n").expand({{"A.X", "@"}}).ok());
  EXPECT_FALSE(OptionsTemplate("[A]\nCOLOR=rgb(256,0,0)\n").expand({}).ok());
  EXPECT_FALSE(OptionsTemplate("[A]\nCOLOR=rgb(1,2)\n").expand({}).ok());
  EXPECT_FALSE(OptionsTemplate("[A]\nCOLOR=rgb(1,2,3,4)\n").expand({}).ok());
  EXPECT_FALSE(OptionsTemplate("[A]\nX={A.X\n").expand({{"A.X", "@"}}).ok());
}

// Reads back a layer written as image with mask half.
struct Masked {
  Bitmap bitmap;
  TColor image(int x, int y) const { return bitmap.pixel(x, y); }
  int mask(int x, int y) const { return static_cast<int>(bitmap.pixel(x, y + bitmap.height() / 2) & 0xFF); }
};

TEST(ArtLayerTest, MaskHalfCarriesTheOpacityOfEveryPixel) {
  ArtLayer layer(6, 4);
  layer.addBody(Shape::roundRect(0, 0, 4, 4, 0));
  layer.paint(Shape::roundRect(0, 0, 2, 4, 0), Rgb{10, 20, 30});
  layer.paint(Shape::roundRect(2, 0, 3, 4, 0), Rgb{200, 100, 50}, 0.5);
  Masked m{Bitmap(6, 8)};
  layer.writeMasked(m.bitmap, 0, 0, Rgb{1, 2, 3});

  EXPECT_EQ(m.image(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(m.mask(0, 0), 0) << "opaque pixels take the image";
  EXPECT_EQ(m.image(2, 1), RGB(200, 100, 50)) << "colour is stored without its opacity";
  EXPECT_NEAR(m.mask(2, 1), 128, 1);
  EXPECT_EQ(m.image(3, 2), RGB(1, 2, 3)) << "transparent inside the body";
  EXPECT_EQ(m.mask(3, 2), 255);
  EXPECT_EQ(m.image(5, 3), 0xFF00FFu) << "outside the body";
  EXPECT_EQ(m.mask(5, 3), 255);
}

TEST(ArtLayerTest, PlainImagesBlendOverParentOutsideAndSectionInside) {
  ArtLayer layer(4, 1);
  layer.addBody(Shape::roundRect(0, 0, 3.5, 1, 0));
  layer.paint(Shape::roundRect(0, 0, 1, 1, 0), Rgb{0, 0, 0}, 0.5);
  Bitmap out(4, 1);
  layer.writePlain(out, 0, 0, Rgb{200, 200, 200}, Rgb{100, 100, 100});
  EXPECT_EQ(out.pixel(0, 0), RGB(50, 50, 50)) << "half black over the inside colour";
  EXPECT_EQ(out.pixel(1, 0), RGB(100, 100, 100));
  EXPECT_EQ(out.pixel(2, 0), RGB(100, 100, 100));
  EXPECT_EQ(out.pixel(3, 0), RGB(150, 150, 150)) << "half inside, half parent";
}

TEST(ShapeTest, RoundedCornersCoverPartOfTheirPixels) {
  const Shape s = Shape::roundRect(0, 0, 10, 10, 4);
  EXPECT_EQ(s.coverage(5, 5), 1.0);
  EXPECT_EQ(s.coverage(0, 0), 0.0);
  EXPECT_GT(s.coverage(1, 1), 0.0);
  EXPECT_LT(s.coverage(1, 1), 1.0);
  EXPECT_EQ(s.coverage(10, 5), 0.0);
  const Shape ring = s.minus(Shape::roundRect(1, 1, 9, 9, 3));
  EXPECT_EQ(ring.coverage(0, 5), 1.0);
  EXPECT_EQ(ring.coverage(5, 5), 0.0);
}

}  // namespace
