// The folders a skin directory setting stands for on Linux: "c:\Skins" is
// no place here, so it stands for the program's folder under each XDG data
// folder, the user's first; and the skin list gathers them all.
#include "skin/load/TacSkinFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "SkinTestFiles.h"
#include "skin/load/TacSkinList.h"
#include "skin/load/TsStoredSkins.h"

namespace {

std::vector<std::string> Folders(const std::vector<TacSkinFolders::Candidate>& candidates) {
  std::vector<std::string> folders;
  for (const TacSkinFolders::Candidate& c : candidates) folders.push_back(c.Folder);
  return folders;
}

TEST(TacSkinFolders, TheDataFoldersFollowTheXdgRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(TacSkinFolders::DataFolders("", "/home/pupil", ""),
            (V{"/home/pupil/.local/share", "/usr/local/share", "/usr/share"}));
  EXPECT_EQ(TacSkinFolders::DataFolders("/srv/data/", "/home/pupil", "/opt/share:/usr/share/"),
            (V{"/srv/data", "/opt/share", "/usr/share"}));
  // Relative entries are invalid and ignored; a folder named twice is searched once.
  EXPECT_EQ(TacSkinFolders::DataFolders("data", "/home/pupil", "share::/usr/share:/usr/share"),
            (V{"/home/pupil/.local/share", "/usr/share"}));
  EXPECT_EQ(TacSkinFolders::DataFolders("", "", "/usr/share"), (V{"/usr/share"}));

  setenv("XDG_DATA_HOME", "/x/home", 1);
  setenv("XDG_DATA_DIRS", "/x/a:/x/b", 1);
  EXPECT_EQ(TacSkinFolders::DataFoldersOfEnvironment(), (V{"/x/home", "/x/a", "/x/b"}));
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_DATA_DIRS");
}

TEST(TacSkinFolders, ADriveLetterStandsForTheProgramsFolderInEachDataFolder) {
  const std::vector<std::string> data = {"/home/pupil/.local/share", "/usr/share"};
  EXPECT_EQ(Folders(TacSkinFolders::For("c:\\Skins", "/opt/bin/", "puzzle-trainer", data)),
            (std::vector<std::string>{"/home/pupil/.local/share/puzzle-trainer/Skins",
                                      "/usr/share/puzzle-trainer/Skins"}));
  EXPECT_EQ(Folders(TacSkinFolders::For("D:/Skins/Extra\\", "/opt/bin/", "puzzle-trainer", {"/usr/share"})),
            std::vector<std::string>{"/usr/share/puzzle-trainer/Skins/Extra"});
  EXPECT_EQ(Folders(TacSkinFolders::For("c:", "/opt/bin/", "puzzle-trainer", {"/usr/share"})),
            std::vector<std::string>{"/usr/share/puzzle-trainer"});
  // Every other setting keeps its own rules, with the pack file looked for
  // in the directory as written.
  const std::vector<TacSkinFolders::Candidate> relative = TacSkinFolders::For("..\\Skins", "/opt/app/bin/", "x", data);
  ASSERT_EQ(relative.size(), 1u);
  EXPECT_EQ(relative[0].Folder, "/opt/app/Skins");
  EXPECT_EQ(relative[0].PackDirectory, "..\\Skins");
  EXPECT_EQ(Folders(TacSkinFolders::For("/srv/skins", "/opt/app/bin/", "x", data)),
            std::vector<std::string>{"/srv/skins"});
}

TEST(TacSkinList, SeveralFoldersListEverySkinOnceTheEarlierFolderHidingTheLater) {
  SkinTestFiles::TempDir dir;
  dir.Write("user/Moss.asz", SkinTestFiles::Text("pack"));
  dir.Write("system/Moss.asz", SkinTestFiles::Text("pack"));
  dir.Write("system/Zinc/Options.dat", SkinTestFiles::Text("[A]"));
  dir.Write("system/Aspen.asz", SkinTestFiles::Text("pack"));
  TsStoredSkins stored(nullptr);
  stored.Add()->Name = "Birch (internal)";
  std::vector<std::string> names;
  const std::vector<std::string> folders = {(dir.path() / "user").string(), (dir.path() / "missing").string(),
                                            (dir.path() / "system").string()};
  EXPECT_EQ(TacSkinList::GetSkinNames(stored, folders, TacSkinList::FoldersAndPacks, names), "Birch (internal)");
  EXPECT_EQ(names, (std::vector<std::string>{"Aspen", "Birch (internal)", "Moss", "Zinc"}));
  const TsStoredSkins none(nullptr);
  EXPECT_EQ(TacSkinList::GetSkinNames(none, folders, TacSkinList::FoldersAndPacks, names), "Moss")
      << "the user's folder is searched first";
}

}  // namespace
