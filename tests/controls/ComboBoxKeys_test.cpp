// The keys a read-only command picker lets through: it refuses what would
// change its choice (letters, the arrows, F4, Space), but Tab still moves
// on, Enter still presses the window's default button and Escape its cancel
// button, as in a box that can be edited.
#include "tests/controls/SkinnedComboFixture.h"

using namespace combo_test;

namespace {

struct ComboBoxKeys : SkinnedComboFixture {
  ComboBoxKeys() { Show(); }
  void FocusTheBox() {
    driver.clickClient(box(), {20, 10});
    driver.runUntilIdle();
    ASSERT_TRUE(combo->SkinData().Focused());
  }
};

}  // namespace

TEST_F(ComboBoxKeys, AReadOnlyBoxPassesTabEnterAndEscapeOn) {
  combo->SetReadOnly(true);
  FocusTheBox();
  driver.pressKey(VK_RETURN);
  EXPECT_EQ(okPresses, 1) << "Enter presses the default button";
  FocusTheBox();
  driver.pressKey(VK_ESCAPE);
  EXPECT_EQ(cancelPresses, 1) << "Escape presses the cancel button";
  FocusTheBox();
  driver.pressKey(VK_TAB);
  EXPECT_FALSE(combo->SkinData().Focused()) << "Tab moves the focus on";
  EXPECT_EQ(combo->CurrentText(), "Выберите команду");
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBoxKeys, AReadOnlyBoxRefusesEveryKeyThatWouldChooseOrEdit) {
  combo->SetReadOnly(true);
  FocusTheBox();
  for (int key : {VK_SPACE, VK_F4, VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, int('9'),
                  int('A'), int('Z')}) {
    driver.pressKey(key);
    EXPECT_FALSE(combo->DroppedDown()) << key;
    EXPECT_EQ(combo->ItemIndex(), -1) << key;
    EXPECT_EQ(combo->CurrentText(), "Выберите команду") << key;
  }
  EXPECT_TRUE(combo->SkinData().Focused());
  EXPECT_EQ(okPresses + cancelPresses, 0);
}
