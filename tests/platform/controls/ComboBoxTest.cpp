// The combo box: choosing entries by keys and by mouse, the drop-down list
// window, and the notifications the framework turns into OnChange.
#include "ControlsFixture.h"

namespace {
class ComboBoxTest : public ControlsTest {
 protected:
  HWND makeCombo(DWORD type) {
    combo = child(WC_COMBOBOX, "", type | WS_TABSTOP, Bounds(20, 20, 180, 22), 9);
    for (const char* s : {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2", "Вылить БАНКУ 1", "Вылить БАНКУ 2"})
      SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    return combo;
  }
  COMBOBOXINFO info() const {
    COMBOBOXINFO i;
    SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&i));
    return i;
  }
  bool dropped() const { return SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
  LRESULT cur() const { return SendMessage(combo, CB_GETCURSEL, 0, 0); }
  void withKey(int modifier, int key) {
    driver.keyDown(modifier);
    driver.pressKey(key);
    driver.keyUp(modifier);
  }
  HWND combo = nullptr;
};

TEST_F(ComboBoxTest, KeysInTheClosedFieldStepThroughTheEntries) {
  makeCombo(CBS_DROPDOWNLIST);
  SetFocus(combo);
  driver.pressKey(VK_DOWN);
  driver.pressKey(VK_DOWN);
  EXPECT_EQ(cur(), 1);
  EXPECT_EQ(text(combo), "Наполнить БАНКУ 2");
  driver.pressKey(VK_UP);
  driver.pressKey(VK_UP);  // already the first: no choice, no notification
  EXPECT_EQ(cur(), 0);
  EXPECT_EQ(count(9, CBN_SELCHANGE), 3);
  EXPECT_FALSE(dropped());
}

TEST_F(ComboBoxTest, F4OpensTheListAndEnterChoosesTheHighlightedEntry) {
  makeCombo(CBS_DROPDOWNLIST);
  SetFocus(combo);
  driver.pressKey(VK_F4);
  ASSERT_TRUE(dropped());
  EXPECT_EQ(count(9, CBN_DROPDOWN), 1);
  const HWND list = info().hwndList;
  EXPECT_EQ(GetClassNameString(list), WC_COMBOLBOX);
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetWindowLongPtr(list, GWL_STYLE) & WS_CHILD, 0) << "a pop-up, not a child";
  RECT field{}, below{};
  GetWindowRect(combo, &field);
  GetWindowRect(list, &below);
  EXPECT_EQ(below.Top, field.Bottom);
  EXPECT_EQ(below.Left, field.Left);
  EXPECT_EQ(GetFocus(), combo) << "the keyboard stays with the box";

  driver.pressKey(VK_DOWN);
  driver.pressKey(VK_DOWN);
  EXPECT_EQ(count(9, CBN_SELCHANGE), 0) << "moving in the open list is no choice yet";
  driver.pressKey(VK_RETURN);
  EXPECT_FALSE(dropped());
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(cur(), 1);
  EXPECT_EQ(count(9, CBN_SELCHANGE), 1);
  EXPECT_EQ(count(9, CBN_CLOSEUP), 1);

  // Alt+Down opens, Escape closes without changing the choice.
  withKey(VK_MENU, VK_DOWN);
  ASSERT_TRUE(dropped());
  driver.pressKey(VK_DOWN);
  driver.pressKey(VK_ESCAPE);
  EXPECT_FALSE(dropped());
  EXPECT_EQ(cur(), 1);
  EXPECT_EQ(count(9, CBN_SELCHANGE), 1);
  EXPECT_EQ(count(9, CBN_CLOSEUP), 2);
}

TEST_F(ComboBoxTest, MouseOpensByTheButtonAndChoosesByClickingAnEntry) {
  makeCombo(CBS_DROPDOWN);
  const COMBOBOXINFO i = info();
  const POINT button = driver.clientToScreen(combo, Point((i.rcButton.Left + i.rcButton.Right) / 2, 10));
  driver.click(button);
  ASSERT_TRUE(dropped());
  RECT item{};
  SendMessage(i.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  const POINT third = driver.clientToScreen(i.hwndList, Point(10, item.Top + item.Height() / 2));
  driver.moveTo(third);
  driver.click(third);
  EXPECT_FALSE(dropped());
  EXPECT_EQ(cur(), 2);
  EXPECT_EQ(text(combo), "Вылить БАНКУ 1");
  EXPECT_EQ(text(i.hwndItem), "Вылить БАНКУ 1") << "the field shows the choice";
  EXPECT_EQ(count(9, CBN_SELCHANGE), 1);
  EXPECT_EQ(count(9, CBN_EDITCHANGE), 0) << "a choice is not an edit";

  // A click outside closes the list and changes nothing.
  driver.click(button);
  ASSERT_TRUE(dropped());
  driver.click(driver.clientToScreen(parent, Point(400, 300)));
  EXPECT_FALSE(dropped());
  EXPECT_EQ(cur(), 2);
  EXPECT_EQ(count(9, CBN_SELCHANGE), 1);
}

TEST_F(ComboBoxTest, TypingIntoTheFieldReportsEveryEdit) {
  makeCombo(CBS_DROPDOWN);
  SetWindowText(combo, "Выбери команду");
  EXPECT_EQ(count(9, CBN_EDITCHANGE), 0) << "text set by the program is no user edit";
  EXPECT_EQ(text(combo), "Выбери команду");
  SetFocus(combo);
  EXPECT_EQ(GetFocus(), info().hwndItem);
  SendMessage(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  driver.typeText("Вы");
  EXPECT_EQ(text(combo), "Вы");
  EXPECT_EQ(count(9, CBN_EDITCHANGE), 2);
  DWORD start = 0, end = 0;
  SendMessage(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 2u);
  // Down in the edit steps the selection like in the closed list.
  driver.pressKey(VK_DOWN);
  EXPECT_EQ(cur(), 0);
  EXPECT_EQ(text(combo), "Наполнить БАНКУ 1");
  EXPECT_EQ(count(9, CBN_SELCHANGE), 1);
  EXPECT_EQ(count(9, CBN_EDITCHANGE), 2);
}

// The editor appends the picker's text when it hears a change, so the text
// must already be the new one when each notification arrives.
TEST_F(ComboBoxTest, TheFieldHoldsTheNewTextWhenTheChangeIsAnnounced) {
  makeCombo(CBS_DROPDOWN);
  SetWindowText(combo, "Выберите команду");
  SetFocus(combo);
  SendMessage(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  driver.pressKey(VK_F4);
  driver.pressKey(VK_DOWN);
  driver.pressKey(VK_RETURN);
  driver.typeText("!!");
  std::vector<std::string> heard;
  for (const Notification& n : notifications())
    if (n.id == 9 && (n.code == CBN_SELCHANGE || n.code == CBN_EDITCHANGE)) heard.push_back(n.text);
  EXPECT_EQ(heard, (std::vector<std::string>{"Наполнить БАНКУ 1", "!", "!!"}))
      << "the chosen entry is selected in the field, so typing replaces it";
}

TEST_F(ComboBoxTest, ProgrammaticSelectionAndDeletion) {
  makeCombo(CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 3, 0), 3);
  EXPECT_EQ(text(combo), "Вылить БАНКУ 2");
  SendMessage(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Начало"));
  EXPECT_EQ(cur(), 4) << "the choice moves with its entry";
  SendMessage(combo, CB_DELETESTRING, 4, 0);
  EXPECT_EQ(cur(), -1);
  EXPECT_EQ(text(combo), "");
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 7, 0), CB_ERR);
  char buffer[64] = {};
  SendMessage(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "Начало");
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  EXPECT_TRUE(dropped());
  SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(dropped());
  EXPECT_EQ(count(9, CBN_SELCHANGE), 0);
}
}  // namespace
