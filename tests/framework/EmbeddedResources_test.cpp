#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "resources/Resources.h"

std::span<const EmbeddedFile> FrameworkTestFiles();

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string AsString(std::span<const std::uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(EmbeddedResources, EveryTestFileComesBackByteForByte) {
  const char* names[] = {"a.txt", "bytes.bin", "empty.dat", "nested/deep.txt", "with space.txt"};
  std::span<const EmbeddedFile> table = FrameworkTestFiles();
  ASSERT_EQ(table.size(), std::size(names));
  for (const char* name : names) {
    SCOPED_TRACE(name);
    auto bytes = FindEmbeddedFile(table, name);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(AsString(*bytes), ReadFile(std::string(TRAINER_TEST_DATA).append("/").append(name)));
  }
  auto all = FindEmbeddedFile(table, "bytes.bin");
  ASSERT_EQ(all->size(), 768u);
  EXPECT_EQ((*all)[255], 255);
  EXPECT_EQ((*all)[256], 0);
}

TEST(EmbeddedResources, LookupsMatchWholeRelativePathsOnly) {
  std::span<const EmbeddedFile> table = FrameworkTestFiles();
  EXPECT_FALSE(FindEmbeddedFile(table, "deep.txt"));
  EXPECT_FALSE(FindEmbeddedFile(table, "nested"));
  EXPECT_FALSE(FindEmbeddedFile(table, "A.TXT"));
  EXPECT_FALSE(FindEmbeddedFile(table, "a.txt "));
  EXPECT_FALSE(FindEmbeddedFile(table, ""));
  EXPECT_FALSE(FindEmbeddedFile({}, "a.txt"));
}

TEST(EmbeddedResources, TheProgramCarriesItsLayoutsButNoBuildFiles) {
  for (const char* path : {"layouts/TDemoForm.lfm", "layouts/TFrameworkTestForm.lfm"}) {
    SCOPED_TRACE(path);
    auto layout = FindResource(path);
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(AsString(*layout) == ReadFile(std::string(TRAINER_SOURCE_DIR "/resources/") + path));
  }
  EXPECT_FALSE(FindResource("CMakeLists.txt"));
  EXPECT_FALSE(FindResource("Resources.h"));
  std::string_view previous;
  for (const EmbeddedFile& file : EmbeddedResources()) {
    SCOPED_TRACE(std::string(file.Path));
    EXPECT_EQ(file.Path.find("src/"), std::string_view::npos);
    EXPECT_LT(previous, file.Path);  // sorted, so lookups can bisect
    previous = file.Path;
  }
}

}  // namespace
