// skinpack on hostile input: a section name of a million characters, a few
// thousand sections, and packs whose file names try to leave the folder
// they are unpacked into ("../", absolute paths, "\" separators, empty
// names, a link planted in the target folder). The sheet stays bounded and
// nothing is written outside the target.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/FileBytes.h"
#include "tools/skinpack/PreviewSkinLoader.h"
#include "tools/skinpack/SkinPackCommands.h"
#include "tools/skinpack/SkinPreview.h"
#include "tools/skinpack/SkinPreviewCommand.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class SkinPackBadInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("skinpack_bad_" + std::to_string(getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "work" / "out");
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path SkinFolder(const std::string& options) {
    const fs::path folder = root_ / "Skin";
    fs::create_directories(folder);
    EXPECT_TRUE(FileBytes::write((folder / "Options.dat").string(), Bytes(options)).ok());
    return folder;
  }
  // Written byte by byte: the pack writer itself refuses such names.
  fs::path PackOf(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::uint8_t> bytes = Bytes("ASzf");
    auto u32 = [&](std::size_t v) {
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    u32(files.size());
    for (const auto& [name, content] : files) {
      u32(name.size());
      bytes.insert(bytes.end(), name.begin(), name.end());
      u32(content.size());
      uLongf packedSize = compressBound(content.size());
      std::vector<std::uint8_t> packed(packedSize);
      EXPECT_EQ(compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(content.data()), content.size()), Z_OK);
      bytes.insert(bytes.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    }
    const fs::path pack = root_ / "bad.asz";
    EXPECT_TRUE(FileBytes::write(pack.string(), bytes).ok());
    return pack;
  }
  // Every file under the test's root except the pack and the skin folder.
  std::vector<std::string> FilesOutside(const fs::path& target) const {
    std::vector<std::string> found;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root_)) {
      const fs::path p = e.path();
      if (p == root_ / "bad.asz" || !e.is_regular_file()) continue;
      if (std::mismatch(target.begin(), target.end(), p.begin()).first != target.end())
        found.push_back(p.string());
    }
    return found;
  }

  fs::path root_;
};

TEST_F(SkinPackBadInputTest, AMillionCharacterSectionNameGivesAnOrdinarySheet) {
  const std::string name(1 << 20, 'N');
  const fs::path folder = SkinFolder("[" + name + "]\r\nCOLOR=255\r\n[BUTTON]\r\nCOLOR=65280\r\n");
  Result<TsSkinContent> skin = PreviewSkinLoader::Load(folder.string());
  ASSERT_TRUE(skin.ok()) << skin.error();
  const SkinPreview preview(skin.value());
  ASSERT_EQ(preview.Sections().size(), 2u);
  EXPECT_EQ(preview.Sections()[0].Name, name) << "the row keeps the real name";
  EXPECT_LE(preview.Sections()[0].Label.Width(), SkinPreview::kMaxLabelWidth + 8);
  EXPECT_LE(preview.SheetSize().cx, SkinPreview::kMaxSheetWidth);
  EXPECT_EQ(preview.LeftOut(), 0u);

  const fs::path out = root_ / "work" / "sheet.png";
  EXPECT_EQ(SkinPreviewCommand::Run(folder.string(), out.string()), 0);
  EXPECT_TRUE(fs::exists(out));
}

TEST_F(SkinPackBadInputTest, ThousandsOfSectionsAreCutAtTheSheetsHeight) {
  std::string options;
  for (int i = 0; i < 3000; ++i) options += "[S" + std::to_string(i) + "]\r\nCOLOR=" + std::to_string(i) + "\r\n";
  Result<TsSkinContent> skin = PreviewSkinLoader::Load(SkinFolder(options).string());
  ASSERT_TRUE(skin.ok()) << skin.error();
  const SkinPreview preview(skin.value());
  EXPECT_LE(preview.SheetSize().cy, SkinPreview::kMaxSheetHeight);
  EXPECT_GT(preview.LeftOut(), 0u);
  EXPECT_EQ(preview.Sections().size() + preview.LeftOut(), 3000u);
  EXPECT_EQ(preview.Sections().back().Name, "S" + std::to_string(preview.Sections().size() - 1));
}

TEST_F(SkinPackBadInputTest, LabelsAreCutAtACharacterBoundary) {
  EXPECT_EQ(SkinPreview::ShortLabel("BUTTON"), "BUTTON");
  const std::string exact(SkinPreview::kMaxLabelBytes, 'A');
  EXPECT_EQ(SkinPreview::ShortLabel(exact), exact);
  EXPECT_EQ(SkinPreview::ShortLabel(exact + "B"), exact + "…");
  // A two-byte letter across the cut is dropped whole, not split.
  const std::string odd(SkinPreview::kMaxLabelBytes - 1, 'A');
  EXPECT_EQ(SkinPreview::ShortLabel(odd + "ЖЖ"), odd + "…");
}

TEST_F(SkinPackBadInputTest, UnpackWritesOnlyPlainNamesInsideItsFolder) {
  const fs::path target = root_ / "work" / "out";
  const fs::path pack = PackOf({{"Options.dat", "[BUTTON]\r\n"},
                                {"../escaped.bmp", "x"},
                                {"../../escaped2.bmp", "x"},
                                {(root_ / "absolute.bmp").string(), "x"},
                                {"..\\backslash.bmp", "x"},
                                {"sub\\inner.bmp", "x"},
                                {"", "x"},
                                {".", "x"},
                                {"..", "x"},
                                {"Good.bmp", "good"}});
  EXPECT_EQ(SkinPackCommands::Unpack(pack.string(), target.string()), 1) << "refused names fail the command";
  EXPECT_EQ(FilesOutside(target), std::vector<std::string>{});
  std::vector<std::string> inside;
  for (const fs::directory_entry& e : fs::directory_iterator(target)) inside.push_back(e.path().filename().string());
  std::sort(inside.begin(), inside.end());
  EXPECT_EQ(inside, (std::vector<std::string>{"Good.bmp", "Options.dat"}));
}

TEST_F(SkinPackBadInputTest, UnpackDoesNotFollowALinkPlantedInItsFolder) {
  const fs::path target = root_ / "work" / "out";
  const fs::path victim = root_ / "victim.txt";
  ASSERT_TRUE(FileBytes::write(victim.string(), Bytes("keep")).ok());
  fs::create_symlink(victim, target / "Master.bmp");
  const fs::path pack = PackOf({{"Options.dat", "[BUTTON]\r\n"}, {"Master.bmp", "overwritten"}});
  EXPECT_EQ(SkinPackCommands::Unpack(pack.string(), target.string()), 1);
  Result<std::vector<std::uint8_t>> kept = FileBytes::read(victim.string());
  ASSERT_TRUE(kept.ok());
  EXPECT_EQ(std::string(kept.value().begin(), kept.value().end()), "keep");
}

}  // namespace
