// The edit's text model on its own: code points, limits, words.
#include <gtest/gtest.h>

#include "platform/controls/EditBuffer.h"

namespace {
TEST(EditBufferTest, Utf8RoundTripAndBrokenBytes) {
  EXPECT_EQ(EditBuffer::decode("Ёж"), std::u32string(U"Ёж"));
  EXPECT_EQ(EditBuffer::encode(U"Ёж😀"), "Ёж😀");
  // A cut-off sequence becomes one replacement character, never a crash.
  EXPECT_EQ(EditBuffer::decode("a\xD0"), std::u32string(U"a\uFFFD"));
  EXPECT_EQ(EditBuffer::encode(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(EditBufferTest, ReplaceRespectsTheLimitAndMovesTheCaret) {
  EditBuffer b;
  b.setLimit(4);
  EXPECT_TRUE(b.replaceSelection(U"абвгд"));
  EXPECT_EQ(b.text(), U"абвг");
  EXPECT_EQ(b.caret(), 4u);
  EXPECT_FALSE(b.replaceSelection(U"е")) << "full: nothing changes";
  b.select(1, 3);
  EXPECT_TRUE(b.replaceSelection(U"XYZ"));
  EXPECT_EQ(b.text(), U"аXYг") << "the replaced letters free room for two";
  b.setLimit(0);
  EXPECT_EQ(b.limit(), EditBuffer::kNoLimit);
}

TEST(EditBufferTest, SelectClampsAndNegativeStartDeselects) {
  EditBuffer b;
  b.setText(U"коза");
  b.select(2, 100);
  EXPECT_EQ(b.selectionStart(), 2u);
  EXPECT_EQ(b.selectionEnd(), 4u);
  b.select(3, 1);  // backwards: caret at 1
  EXPECT_EQ(b.caret(), 1u);
  EXPECT_EQ(b.selectedText(), U"оз");
  b.select(-1, 0);
  EXPECT_FALSE(b.hasSelection());
  EXPECT_EQ(b.caret(), 1u);
  b.select(0, -1);
  EXPECT_EQ(b.selectedText(), U"коза");
}

TEST(EditBufferTest, WordsAreRunsOfLettersAcrossScripts) {
  EditBuffer b;
  b.setText(U"волк, коза и капуста");
  EXPECT_EQ(b.wordEndAfter(0), 6u) << "over the word and the separators after it";
  EXPECT_EQ(b.wordStartBefore(11), 6u);
  EXPECT_EQ(b.wordStartBefore(0), 0u);
  b.selectWordAt(8);
  EXPECT_EQ(b.selectedText(), U"коза");
  b.selectWordAt(4);  // on the comma: the separators
  EXPECT_EQ(b.selectedText(), U"волк") << "right after a word the word is taken";
  b.selectWordAt(5);
  EXPECT_EQ(b.selectedText(), U", ");
}

TEST(EditBufferTest, DeletingAtTheEdgesChangesNothing) {
  EditBuffer b;
  b.setText(U"да");
  EXPECT_FALSE(b.deleteBackward());
  b.moveCaret(99, false);
  EXPECT_EQ(b.caret(), 2u);
  EXPECT_FALSE(b.deleteForward());
  EXPECT_TRUE(b.deleteBackward());
  EXPECT_EQ(b.text(), U"д");
}
}  // namespace
