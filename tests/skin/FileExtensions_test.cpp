// The extension of a skin file name: what follows the last dot of the last
// part of the name, so a dot in a folder name is no extension, and a pack
// entry without any dot is an ordinary file that is not a bitmap.
#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacSkinConvertor.h"

TEST(FileExtensions, TheExtensionComesFromTheLastPartOfTheName) {
  EXPECT_EQ(SkinText::ExtractFileExt("Master.bmp"), ".bmp");
  EXPECT_EQ(SkinText::ExtractFileExt("skins\\Birch.v2\\tl.BMP"), ".BMP");
  EXPECT_EQ(SkinText::ExtractFileExt("a.b/c"), "");
  EXPECT_EQ(SkinText::ExtractFileExt("a.b\\c"), "");
  EXPECT_EQ(SkinText::ExtractFileExt("c:name"), "");
  EXPECT_EQ(SkinText::ExtractFileExt("Options"), "");
  EXPECT_EQ(SkinText::ExtractFileExt(""), "");
  EXPECT_EQ(SkinText::ExtractFileExt("name."), ".");
}

TEST(FileExtensions, PackEntriesWithoutAnExtensionAreKeptAsPlainFiles) {
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(SkinTestFiles::Pack({{"README", SkinTestFiles::Text("r")},
                                              {"tl.Bmp", SkinTestFiles::Text("b")}})),
            TacSkinConvertor::ParseResult::Parsed);
  ASSERT_EQ(reader.PackedFiles().size(), 2u);
  EXPECT_FALSE(reader.PackedFiles()[0].IsBitmap);
  EXPECT_TRUE(reader.PackedFiles()[1].IsBitmap);
}
