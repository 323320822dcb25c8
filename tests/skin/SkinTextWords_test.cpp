// Splitting a skin value into words: the loaders drop empty words, and a
// caller that keeps them gets one for every separator, also at the ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/load/SkinText.h"

using Words = std::vector<std::string>;

TEST(SkinTextWords, EmptyWordsAreDroppedUnlessKept) {
  EXPECT_EQ(SkinText::Split(" a  b ", " ", false), (Words{"a", "b"}));
  EXPECT_EQ(SkinText::Split(" a  b ", " ", true), (Words{"", "a", "", "b", ""}));
}

TEST(SkinTextWords, AKeptListHasAWordAfterTheLastSeparator) {
  EXPECT_EQ(SkinText::Split("1;2;", ";", true), (Words{"1", "2", ""}));
  EXPECT_EQ(SkinText::Split(";", ";", true), (Words{"", ""}));
}

TEST(SkinTextWords, AnEmptyTextIsOneEmptyWordWhenKeptAndNoWordOtherwise) {
  EXPECT_EQ(SkinText::Split("", ";", true), (Words{""}));
  EXPECT_TRUE(SkinText::Split("", ";", false).empty());
}
