// Patterns of a stored skin kept as collections: an item without a picture
// borrows the picture of another item of the same name; an item whose name
// no other item with a picture shares stays without one.
#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/load/TacPatternLoader.h"
#include "skin/load/TsStoredSkin.h"

namespace {

TsSkinPattern* AddPattern(TsStoredSkin& skin, const char* name, const char* property, const Bitmap* picture) {
  TsSkinPattern* item = skin.Patterns.Add();
  item->SectionName = "form";
  item->PropertyName = property;
  item->Name = name;
  if (picture) *item->Image = *picture;
  return item;
}

}  // namespace

TEST(StoredPatternSharing, OnlyAnItemOfTheSameNameLendsItsPicture) {
  const Bitmap red = SkinTestFiles::Filled(7, 5, RGB(200, 0, 0));
  const Bitmap blue = SkinTestFiles::Filled(4, 3, RGB(0, 0, 200));
  TsStoredSkin skin(nullptr);
  AddPattern(skin, "other", "pattern1", &blue);
  AddPattern(skin, "lonely", "pattern", nullptr);     // nobody of its name has a picture
  AddPattern(skin, "shared", "hotpattern", nullptr);  // the one after it has
  AddPattern(skin, "shared", "pattern2", &red);
  AddPattern(skin, "other", "pattern4", nullptr);

  TsSkinContent content;
  TacSkinLoadContext context;
  context.Stored = &skin;
  TacPatternLoader(content, context).Load();

  ASSERT_EQ(content.Patterns.size(), 5u);
  ASSERT_TRUE(content.Patterns[1].Img);
  EXPECT_TRUE(content.Patterns[1].Img->empty()) << "a picture of another name was lent";
  ASSERT_TRUE(content.Patterns[2].Img);
  ASSERT_EQ(content.Patterns[2].Img->width(), 7);
  EXPECT_EQ(content.Patterns[2].Img->pixel(3, 2), RGB(200, 0, 0));
  EXPECT_EQ(content.Patterns[2].PropertyName, "HOTPATTERN") << "the borrower keeps its own place";
  ASSERT_EQ(content.Patterns[4].Img->width(), 4);
  EXPECT_EQ(content.Patterns[4].Img->pixel(0, 0), RGB(0, 0, 200));
  EXPECT_EQ(content.Patterns[3].Img->pixel(0, 0), RGB(200, 0, 0)) << "an item with a picture keeps its own";
}
