#include "tools/skinpack/SkinChecker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool Names(const std::vector<std::string>& problems, const std::string& text) {
  for (const std::string& p : problems)
    if (p.find(text) != std::string::npos) return true;
  return false;
}

// A copy of the built-in skin's folder whose options text a test may break.
class SkinCheckerTest : public ::testing::Test {
 protected:
  SkinCheckerTest() {
    root_ = fs::temp_directory_path() / ("skinchecker-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::copy(fs::path(TRAINER_SOURCE_DIR) / "resources/skin/Birch", root_, fs::copy_options::recursive);
    std::ifstream in(root_ / "Options.dat", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    options_ = text.str();
  }
  ~SkinCheckerTest() override { fs::remove_all(root_); }

  void Replace(const std::string& from, const std::string& to) {
    const auto at = options_.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    options_.replace(at, from.size(), to);
  }
  std::vector<std::string> Check() {
    std::ofstream(root_ / "Options.dat", std::ios::binary) << options_;
    return checker_.Check(root_.string());
  }

  fs::path root_;
  std::string options_;
  SkinChecker checker_;
};

TEST_F(SkinCheckerTest, TheBuiltInSkinHasNoProblem) {
  EXPECT_TRUE(Check().empty());
  EXPECT_TRUE(SkinChecker().Check(TRAINER_SOURCE_DIR "/resources/skins/Birch.asz").empty());
}

TEST_F(SkinCheckerTest, ABrokenSkinHasEachOfItsProblemsNamed) {
  Replace("[DIVIDER]", "[DIVIDER_OLD]");
  Replace("BORDERSMASK=^0034^0019^0041^0028", "BORDERSMASK=^0034^0019^9041^0028");
  Replace("[GAUGE]\r\n", "[GAUGE]\r\nPARENTCLASS=EDIT\r\n");
  Replace("[EDIT]\r\n", "[EDIT]\r\nPARENTCLASS=GAUGE\r\n");
  const std::vector<std::string> problems = Check();
  EXPECT_TRUE(Names(problems, "missing section [DIVIDER]"));
  EXPECT_TRUE(Names(problems, "EDIT BORDERSMASK: rectangle (34, 19, 9041, 28) lies outside the master bitmap"));
  EXPECT_TRUE(Names(problems, "PARENTCLASS: the chain loops back"));
  // Nothing else: every problem is one of the three faults (a loop is seen
  // from each section whose chain runs into it).
  for (const std::string& p : problems)
    EXPECT_TRUE(p.find("DIVIDER") != std::string::npos || p.find("9041") != std::string::npos ||
                p.find("loops back") != std::string::npos)
        << p;
}

TEST_F(SkinCheckerTest, AMalformedNumberIsNamedWithItsPlace) {
  Replace("BORDERSMASK=^0034^0019^0041^0028", "BORDERSMASK=^0034^0019^00X1^0028");
  const std::vector<std::string> problems = Check();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(Names(problems, "EDIT BORDERSMASK: bad number"));
}

}  // namespace
