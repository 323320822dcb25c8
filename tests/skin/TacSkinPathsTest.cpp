#include "skin/load/TacSkinPaths.h"

#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/load/TacSkinList.h"
#include "skin/load/TsStoredSkins.h"

TEST(TacSkinPaths, PackFileNameNormalizesTheDirectoryAsWritten) {
  EXPECT_EQ(TacSkinPaths::PackFileName("", "Birch"), "Birch.asz");
  EXPECT_EQ(TacSkinPaths::PackFileName("c:\\Skins\\", "Birch"), "c:\\Skins\\Birch.asz");
  EXPECT_EQ(TacSkinPaths::PackFileName("c:/Skins/", "Birch"), "c:/Skins\\Birch.asz");
  EXPECT_EQ(TacSkinPaths::PackFileName("d", "Birch"), "d:\\Birch.asz");
  EXPECT_EQ(TacSkinPaths::PackFileName("c:\\Skins", "Birch (internal)"), "c:\\Skins\\Birch (internal).asz");
}

TEST(TacSkinPaths, ResolveAgainstTheProgramFolder) {
  const std::string program = "d:\\app\\bin\\";
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("..\\Skins", program), "d:\\app\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("../Skins", "/opt/app/bin/"), "/opt/app/Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory(".\\Skins", program), "d:\\app\\bin\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("./Skins", program), "d:\\app\\bin\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("Skins", program), "d:\\app\\bin\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("c:\\Skins", program), "c:\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("\\\\server\\Skins", program), "\\\\server\\Skins");
  EXPECT_EQ(TacSkinPaths::ResolveSkinDirectory("/usr/share/skins", program), "/usr/share/skins");
}

TEST(TacSkinPaths, FileNamesOfTheSkinAcceptBothSeparators) {
  EXPECT_EQ(TacSkinPaths::SkinFileName("c:\\Skins\\Birch\\", "Master.bmp"), "c:\\Skins\\Birch\\Master.bmp");
  EXPECT_EQ(TacSkinPaths::SkinFileName("c:\\Skins\\Birch\\", "e:\\x.bmp"), "e:\\x.bmp");
  EXPECT_EQ(TacSkinPaths::ToNativePath("/tmp/Skins\\Birch\\Options.dat"), "/tmp/Skins/Birch/Options.dat");

  SkinTestFiles::TempDir dir;
  dir.Write("Birch/Options.dat", SkinTestFiles::Text("[A]"));
  const std::string mixed = dir.path().string() + "\\Birch\\Options.dat";
  EXPECT_TRUE(TacSkinPaths::FileExists(mixed));
  EXPECT_TRUE(TacSkinPaths::DirectoryExists(dir.path().string() + "\\Birch"));
  EXPECT_FALSE(TacSkinPaths::FileExists(dir.path().string() + "\\Birch"));
}

TEST(TacSkinList, StoredSkinsFoldersAndPacksSortedWithTheFirstFoundReturned) {
  SkinTestFiles::TempDir dir;
  dir.Write("Zinc/Options.dat", SkinTestFiles::Text("[A]"));
  dir.Write("Apple/readme.txt", SkinTestFiles::Text("no options"));
  dir.Write("Moss.asz", SkinTestFiles::Text("pack"));
  dir.Write("Pine.old.asz", SkinTestFiles::Text("pack"));
  dir.Write("Oak.ASZ", SkinTestFiles::Text("extension in other case"));
  dir.Write(".Hidden.asz", SkinTestFiles::Text("pack"));
  TsStoredSkins stored(nullptr);
  stored.Add()->Name = "Birch (internal)";
  stored.Add()->Name = "aspen";

  std::vector<std::string> names;
  EXPECT_EQ(TacSkinList::GetSkinNames(stored, dir.path().string(), TacSkinList::FoldersAndPacks, names),
            "Birch (internal)");
  EXPECT_EQ(names, (std::vector<std::string>{"aspen", "Birch (internal)", "Moss", "Pine", "Zinc"}));

  TacSkinList::GetSkinNames(stored, dir.path().string(), TacSkinList::Folders, names);
  EXPECT_EQ(names, (std::vector<std::string>{"aspen", "Birch (internal)", "Zinc"}));

  const TsStoredSkins none(nullptr);
  EXPECT_EQ(TacSkinList::GetSkinNames(none, dir.path().string(), TacSkinList::Packs, names), "Moss");
  EXPECT_EQ(names, (std::vector<std::string>{"Moss", "Pine"}));
  EXPECT_EQ(TacSkinList::GetSkinNames(none, (dir.path() / "missing").string(), TacSkinList::Packs, names), "");
  EXPECT_TRUE(names.empty());
}
