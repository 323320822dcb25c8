// Buttons driven by injected mouse and keys: pushed look, click on release
// inside, check boxes, radio groups and the default button of a dialog.
#include "ControlsFixture.h"

namespace {
using ButtonTest = ControlsTest;

TEST_F(ButtonTest, PushButtonClicksOnlyWhenReleasedInside) {
  const HWND button = child(WC_BUTTON, "Пуск", BS_PUSHBUTTON, Bounds(10, 10, 80, 24), 7);
  const POINT inside = centre(button);
  const POINT outside = Point(inside.X + 200, inside.Y);

  driver.press(inside);
  EXPECT_TRUE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(GetFocus(), button);
  driver.moveTo(outside);
  EXPECT_FALSE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED) << "pushed look follows the mouse";
  driver.release(outside);
  EXPECT_EQ(count(7, BN_CLICKED), 0);

  driver.click(inside);
  EXPECT_EQ(count(7, BN_CLICKED), 1);
  EXPECT_FALSE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);

  // Space while focused clicks on release; BM_CLICK clicks at once.
  driver.pressKey(VK_SPACE);
  SendMessage(button, BM_CLICK, 0, 0);
  EXPECT_EQ(count(7, BN_CLICKED), 3);

  EnableWindow(button, FALSE);
  driver.click(inside);
  SendMessage(button, BM_CLICK, 0, 0);
  EXPECT_EQ(count(7, BN_CLICKED), 3) << "a disabled button never clicks";
}

TEST_F(ButtonTest, SkinCanHoldThePushedStateWithBmSetState) {
  const HWND button = child(WC_BUTTON, "OK", BS_PUSHBUTTON, Bounds(10, 10, 80, 24), 7);
  SendMessage(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  SendMessage(button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  EXPECT_EQ(count(7, BN_CLICKED), 0);
}

TEST_F(ButtonTest, CheckBoxesToggleAndRadioButtonsExcludeEachOther) {
  const HWND check = child(WC_BUTTON, "Звук", BS_AUTOCHECKBOX, Bounds(10, 10, 120, 20), 1);
  const HWND plain = child(WC_BUTTON, "Сам", BS_CHECKBOX, Bounds(10, 40, 120, 20), 2);
  driver.click(centre(check));
  EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
  driver.pressKey(VK_SPACE);
  EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
  EXPECT_EQ(count(1, BN_CLICKED), 2);
  // A plain check box only reports the click; its owner decides.
  driver.click(centre(plain));
  EXPECT_EQ(SendMessage(plain, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
  EXPECT_EQ(count(2, BN_CLICKED), 1);

  const HWND a = child(WC_BUTTON, "А", BS_AUTORADIOBUTTON, Bounds(200, 10, 80, 20), 3);
  const HWND b = child(WC_BUTTON, "Б", BS_AUTORADIOBUTTON, Bounds(200, 40, 80, 20), 4);
  driver.click(centre(a));
  driver.click(centre(b));
  EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
  EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
}

TEST_F(ButtonTest, EnterPressesTheDefaultButtonOfTheWindow) {
  const HWND edit = child(WC_EDIT, "", WS_TABSTOP, Bounds(10, 10, 120, 22), 1, WS_EX_CLIENTEDGE);
  child(WC_BUTTON, "Отмена", BS_PUSHBUTTON | WS_TABSTOP, Bounds(10, 40, 80, 24), 10);
  child(WC_BUTTON, "Готово", BS_DEFPUSHBUTTON | WS_TABSTOP, Bounds(100, 40, 80, 24), 11);
  SetFocus(edit);
  driver.pressKey(VK_RETURN);
  EXPECT_EQ(count(11, BN_CLICKED), 1);
  EXPECT_EQ(count(10, BN_CLICKED), 0);
  EXPECT_EQ(text(edit), "") << "Enter is no text in a single-line edit";

  // Tab walks to the next tab stop; Enter on a focused push button clicks that one.
  driver.pressKey(VK_TAB);
  driver.pressKey(VK_RETURN);
  EXPECT_EQ(count(10, BN_CLICKED), 1);
}

TEST_F(ButtonTest, GroupBoxLetsClicksThroughToWhatLiesBelow) {
  const HWND group = child(WC_BUTTON, "Панель Управления", BS_GROUPBOX, Bounds(10, 10, 257, 150), 5);
  const POINT p = centre(group);
  EXPECT_NE(WindowFromPoint(p), group);
  driver.click(p);
  EXPECT_EQ(count(5, BN_CLICKED), 0);
}
}  // namespace
