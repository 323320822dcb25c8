// The modal message box and the pop-up menu, driven from timers that fire
// inside their nested loops on the virtual clock.
#include <string>

#include "ControlsFixture.h"
#include "platform/controls/Menu.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/controls/StandardControl.h"
#include "platform/windowing/WindowManager.h"

namespace {
// What a timer callback does inside a modal loop.
HeadlessDriver* activeDriver = nullptr;
HWND observedBox = nullptr;
bool ownerWasDisabled = false;
std::vector<int> keysToPress;

HWND findBox() {
  const HWND active = GetActiveWindow();
  return GetClassNameString(active) == WC_DIALOG ? active : nullptr;
}

void clickOk(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  observedBox = findBox();
  ownerWasDisabled = !IsWindowEnabled(hwnd);
  if (!observedBox) return;
  const HWND ok = GetWindow(observedBox, GW_CHILD);
  RECT r{};
  GetClientRect(ok, &r);
  activeDriver->clickClient(ok, Point(r.Width() / 2, r.Height() / 2));
}

void pressKeys(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  observedBox = findBox();
  for (int key : keysToPress) activeDriver->pressKey(key);
}

class DialogTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    activeDriver = &driver;
    observedBox = nullptr;
    ownerWasDisabled = false;
    keysToPress.clear();
  }
};

TEST_F(DialogTest, MessageBoxIsModalOverItsOwnerAndClosesOnOk) {
  SetTimer(parent, 1, 10, &clickOk);
  const int result = MessageBox(parent, "Отлично! Ты получил один литр сока в БАНКЕ 2", "Задача", MB_OK);
  EXPECT_EQ(result, IDOK);
  ASSERT_NE(observedBox, nullptr) << "the box was the active window of class #32770";
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(parent));
  EXPECT_FALSE(IsWindow(observedBox));
  EXPECT_FALSE(driver.quitSeen());
}

TEST_F(DialogTest, MessageBoxIsCentredOnTheOwnerAndSizedToItsText) {
  static RECT boxRect{};
  static std::string caption;
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    const HWND box = findBox();
    GetWindowRect(box, &boxRect);
    caption = GetWindowTextString(box);
    activeDriver->pressKey(VK_RETURN);
  });
  const std::string longText(40, ' ');
  std::string words;
  for (int i = 0; i < 30; ++i) words += "слово ";
  EXPECT_EQ(MessageBox(parent, words.c_str(), "Warning", MB_OK | MB_ICONWARNING), IDOK);
  EXPECT_EQ(caption, "Warning");
  RECT owner{};
  GetWindowRect(parent, &owner);
  EXPECT_NEAR((boxRect.Left + boxRect.Right) / 2, (owner.Left + owner.Right) / 2, 1);
  EXPECT_NEAR((boxRect.Top + boxRect.Bottom) / 2, (owner.Top + owner.Bottom) / 2, 1);
  EXPECT_LE(boxRect.Width(), MessageBoxDialog::kMaxTextWidth + MessageBoxDialog::kIconSize + 4 * MessageBoxDialog::kMargin + 16)
      << "long text wraps instead of widening the box";
  EXPECT_GT(boxRect.Height(), 3 * 13 + MessageBoxDialog::kButtonHeight) << "wrapped lines make it taller";
}

// What the open box is made of, and what its plain look shows.
struct BoxSeen {
  std::vector<std::string> classes;
  std::vector<DWORD> types;
  std::vector<std::string> texts;
  int yellowInSign = 0;
  int darkInText = 0;
  RECT textRect{};
};
BoxSeen boxSeen;

void lookAtChildren(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND box = findBox();
  if (!box) return;
  boxSeen = {};
  const Bitmap shot = activeDriver->windowShot(box);
  RECT frame{};
  GetWindowRect(box, &frame);
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    boxSeen.classes.push_back(GetClassNameString(c));
    const auto style = static_cast<DWORD>(GetWindowLongPtr(c, GWL_STYLE));
    boxSeen.types.push_back(style & SS_TYPEMASK);
    boxSeen.texts.push_back(GetWindowTextString(c));
    if (GetClassNameString(c) != WC_STATIC) continue;
    RECT r{};
    GetWindowRect(c, &r);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor p = shot.pixel(x - frame.Left, y - frame.Top);
        if ((style & SS_TYPEMASK) == SS_ICON) boxSeen.yellowInSign += p == clYellow;
        else boxSeen.darkInText += GetRValue(p) + GetGValue(p) + GetBValue(p) < 300;
      }
    if ((style & SS_TYPEMASK) != SS_ICON) boxSeen.textRect = r;
  }
  activeDriver->pressKey(VK_RETURN);
}

TEST_F(DialogTest, TheBoxIsMadeOfItsButtonsAStaticSignAndAStaticText) {
  SetTimer(parent, 1, 10, &lookAtChildren);
  EXPECT_EQ(MessageBox(parent, "Отлично!\tТы получил один литр", "Warning", MB_OKCANCEL | MB_ICONWARNING), IDOK);
  ASSERT_EQ(boxSeen.classes.size(), 4u);
  // The buttons come first, so the first child is still OK.
  EXPECT_EQ(boxSeen.classes[0], WC_BUTTON);
  EXPECT_EQ(boxSeen.texts[0], "OK");
  EXPECT_EQ(boxSeen.texts[1], "Отмена");
  EXPECT_EQ(boxSeen.classes[2], WC_STATIC);
  EXPECT_EQ(boxSeen.types[2], SS_ICON);
  EXPECT_EQ(boxSeen.texts[2], IDI_WARNING_NAME);
  EXPECT_EQ(boxSeen.classes[3], WC_STATIC);
  EXPECT_EQ(boxSeen.texts[3], "Отлично!\tТы получил один литр");
  EXPECT_GT(boxSeen.yellowInSign, 200) << "the sign is drawn by its static";
  EXPECT_GT(boxSeen.darkInText, 20) << "the text is drawn by its static";
  // The text static is as wide as the measured text with its tab expanded.
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, StandardControl::defaultFont());
  TRect measured = Rect(0, 0, MessageBoxDialog::kMaxTextWidth, 0);
  DrawText(&dc, "Отлично!\tТы получил один литр", measured, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  EXPECT_EQ(boxSeen.textRect.Width(), measured.Width());

  // Without an icon there is no sign.
  SetTimer(parent, 1, 10, &lookAtChildren);
  EXPECT_EQ(MessageBox(parent, "Текст", "", MB_OK), IDOK);
  ASSERT_EQ(boxSeen.classes.size(), 2u);
  EXPECT_EQ(boxSeen.texts[1], "Текст");
}

TEST_F(DialogTest, EscapeAndSpaceCloseTheBoxWithOk) {
  keysToPress = {VK_ESCAPE};
  SetTimer(parent, 1, 10, &pressKeys);
  EXPECT_EQ(MessageBox(parent, "Текст", "", MB_OK), IDOK);
  keysToPress = {VK_SPACE};
  SetTimer(parent, 1, 10, &pressKeys);
  EXPECT_EQ(MessageBox(nullptr, "Текст", "", MB_OK), IDOK);
  keysToPress = {VK_ESCAPE};
  SetTimer(parent, 1, 10, &pressKeys);
  EXPECT_EQ(MessageBox(parent, "Текст", "", MB_OKCANCEL), IDCANCEL);
}

// An open menu reads the keyboard in its own loop, so keys are only queued
// here (through the real input routing), not dispatched by the driver.
void queueKeys(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  for (int key : keysToPress) {
    wm().input().key(key, true);
    wm().input().key(key, false);
  }
}

class MenuTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 101, "&Открыть");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING | MF_GRAYED, 102, "Сохранить");
    AppendMenu(menu, MF_STRING | MF_CHECKED, 103, "&Выход");
  }
  void TearDown() override {
    DestroyMenu(menu);
    DialogTest::TearDown();
  }
  BOOL track(UINT flags) {
    const POINT at = driver.clientToScreen(parent, Point(50, 50));
    return TrackPopupMenu(menu, flags, at.X, at.Y, 0, parent, nullptr);
  }
  HMENU menu = nullptr;
};

TEST_F(MenuTest, ArrowKeysSkipSeparatorsAndEnterChooses) {
  // "Сохранить" is disabled: the first Enter does nothing.
  keysToPress = {VK_DOWN, VK_DOWN, VK_RETURN, VK_DOWN, VK_RETURN};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(TPM_RETURNCMD), 103);
  EXPECT_EQ(count(103, 0), 0) << "TPM_RETURNCMD sends no command";
}

TEST_F(MenuTest, EscapeOrAClickOutsideCancels) {
  keysToPress = {VK_DOWN, VK_ESCAPE};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(TPM_RETURNCMD), 0);
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    activeDriver->click(activeDriver->clientToScreen(hwnd, Point(400, 300)));
  });
  EXPECT_EQ(track(TPM_RETURNCMD), 0);
}

TEST_F(MenuTest, ClickChoosesAndCommandGoesToTheOwner) {
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    // The first item lies just inside the menu's top-left corner.
    const HWND popup = GetCapture();
    ASSERT_EQ(GetClassNameString(popup), WC_POPUPMENU);
    activeDriver->clickClient(popup, Point(30, 8));
  });
  EXPECT_TRUE(track(0));
  driver.runUntilIdle();
  EXPECT_EQ(count(101, 0), 1);
  // The key letter after "&" chooses at once.
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    wm().input().text("в");
  });
  EXPECT_EQ(track(TPM_RETURNCMD), 103);
}

// A menu with a sub-menu of two radio items between two plain items.
class SubMenuTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    menu = CreatePopupMenu();
    colours = CreatePopupMenu();
    AppendMenu(colours, MF_STRING, 201, "Синий");
    AppendMenu(colours, MF_STRING, 202, "Зелёный");
    CheckMenuRadioItem(colours, 201, 202, 202, MF_BYCOMMAND);
    AppendMenu(menu, MF_STRING, 101, "Открыть");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(colours), "Цвета");
    AppendMenu(menu, MF_STRING, 103, "Выход");
  }
  void TearDown() override {
    DestroyMenu(menu);
    DialogTest::TearDown();
  }
  UINT_PTR track() {
    const POINT at = driver.clientToScreen(parent, Point(20, 20));
    return static_cast<UINT_PTR>(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, parent, nullptr));
  }
  HMENU menu = nullptr;
  HMENU colours = nullptr;
};

TEST_F(SubMenuTest, MenuDataKeepsSubMenusAndRadioChecks) {
  EXPECT_EQ(GetSubMenu(menu, 1), colours);
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  Menu* sub = Menu::fromHandle(colours);
  ASSERT_NE(sub, nullptr);
  EXPECT_FALSE(sub->items[0].checked());
  EXPECT_TRUE(sub->items[1].checked() && sub->items[1].radio());
  // By command the sub-menus are searched too.
  EXPECT_EQ(CheckMenuRadioItem(menu, 201, 202, 201, MF_BYCOMMAND), TRUE);
  EXPECT_TRUE(sub->items[0].checked());
  EXPECT_FALSE(sub->items[1].checked());
  EXPECT_EQ(CheckMenuRadioItem(menu, 201, 202, 999, MF_BYCOMMAND), FALSE);
  // A menu cannot become its own sub-menu, directly or through a child.
  EXPECT_FALSE(AppendMenu(colours, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "Петля"));
  EXPECT_FALSE(AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "Петля"));
  EXPECT_FALSE(AppendMenu(menu, MF_POPUP, 0x1234, "Нет меню"));
  // Destroying a menu destroys its sub-menus.
  HMENU other = CreatePopupMenu();
  HMENU inner = CreatePopupMenu();
  AppendMenu(inner, MF_STRING, 1, "x");
  AppendMenu(other, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "y");
  EXPECT_TRUE(DestroyMenu(other));
  EXPECT_FALSE(IsMenu(inner));
}

TEST_F(SubMenuTest, RightOpensLeftAndEscapeCloseOnlyTheSubMenu) {
  keysToPress = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(), 202u) << "the sub-menu's chosen command comes back";
  keysToPress = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(), 103u) << "Left went back to the parent menu";
  keysToPress = {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE, VK_UP, VK_RETURN};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(), 101u) << "Enter opened, Escape closed the sub-menu only";
  keysToPress = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE};
  SetTimer(parent, 1, 10, &queueKeys);
  EXPECT_EQ(track(), 0u);
  EXPECT_EQ(count(202, 0), 0);
}

struct SubMenuSeen {
  HWND sub = nullptr;
  bool subHasCapture = false;
  RECT parentItem{};
  RECT subWindow{};
  HWND afterLeaving = reinterpret_cast<HWND>(1);
};
SubMenuSeen subSeen;

TEST_F(SubMenuTest, HoverOpensTheSubMenuBesideItsItemAndAClickInItChooses) {
  subSeen = {};
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    const HWND popup = GetCapture();
    RECT item{};
    SendMessage(popup, MN_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT over{item.Left + 10, item.Top + item.Height() / 2};
    ClientToScreen(popup, &over);
    activeDriver->moveTo(over);
    activeDriver->runFor(PopupMenuWindow::kSubMenuDelayMs);
    subSeen.sub = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
    subSeen.subHasCapture = subSeen.sub && GetCapture() == subSeen.sub;
    POINT corner{item.Right, item.Top};
    ClientToScreen(popup, &corner);
    subSeen.parentItem = Rect(corner.X, corner.Y, corner.X, corner.Y);
    if (subSeen.sub) GetWindowRect(subSeen.sub, &subSeen.subWindow);
    // Resting on the first item of the parent closes the sub-menu again...
    RECT first{};
    SendMessage(popup, MN_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    POINT away{first.Left + 10, first.Top + first.Height() / 2};
    ClientToScreen(popup, &away);
    activeDriver->moveTo(away);
    activeDriver->runFor(PopupMenuWindow::kSubMenuDelayMs);
    subSeen.afterLeaving = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
    // ...and opens on hovering its item once more; a click on its second item chooses.
    activeDriver->moveTo(over);
    activeDriver->runFor(PopupMenuWindow::kSubMenuDelayMs);
    const HWND sub = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
    if (!sub) return;
    RECT second{};
    SendMessage(sub, MN_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    activeDriver->clickClient(sub, Point(second.Left + 10, second.Top + second.Height() / 2));
  });
  EXPECT_EQ(track(), 202u);
  ASSERT_NE(subSeen.sub, nullptr);
  EXPECT_TRUE(subSeen.subHasCapture);
  EXPECT_EQ(subSeen.afterLeaving, nullptr);
  EXPECT_GE(subSeen.subWindow.Left, subSeen.parentItem.Left) << "right of its item";
  EXPECT_LE(subSeen.subWindow.Left, subSeen.parentItem.Left + PopupMenuWindow::kFrame * 2);
  EXPECT_EQ(subSeen.subWindow.Top, subSeen.parentItem.Top - PopupMenuWindow::kFrame);
  EXPECT_FALSE(IsWindow(subSeen.sub)) << "closed with the menu";
}

struct ColumnSeen {
  RECT first{}, third{}, fourth{};
  int hotAfterRight = -1;
  int hotAfterLeft = -1;
};
ColumnSeen columnSeen;

TEST_F(DialogTest, MenuBreakStartsANewColumnAndRightMovesIntoIt) {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < 5; ++i)
    AppendMenu(menu, MF_STRING | (i == 3 ? MF_MENUBREAK : 0u), 300 + i, ("Пункт " + std::to_string(i)).c_str());
  columnSeen = {};
  SetTimer(parent, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    const HWND popup = GetCapture();
    SendMessage(popup, MN_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&columnSeen.first));
    SendMessage(popup, MN_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&columnSeen.third));
    SendMessage(popup, MN_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&columnSeen.fourth));
    // From the second row of the first column into the second row of the next and back.
    SendMessage(popup, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(popup, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(popup, WM_KEYDOWN, VK_RIGHT, 0);
    columnSeen.hotAfterRight = static_cast<int>(SendMessage(popup, MN_GETHOTITEM, 0, 0));
    SendMessage(popup, WM_KEYDOWN, VK_LEFT, 0);
    columnSeen.hotAfterLeft = static_cast<int>(SendMessage(popup, MN_GETHOTITEM, 0, 0));
    SendMessage(popup, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessage(popup, WM_KEYDOWN, VK_RETURN, 0);
  });
  const POINT at = driver.clientToScreen(parent, Point(20, 20));
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, parent, nullptr), 304);
  DestroyMenu(menu);
  EXPECT_EQ(columnSeen.fourth.Top, columnSeen.first.Top);
  EXPECT_GE(columnSeen.fourth.Left, columnSeen.first.Right);
  EXPECT_GT(columnSeen.third.Top, columnSeen.first.Top);
  EXPECT_EQ(columnSeen.third.Left, columnSeen.first.Left);
  EXPECT_EQ(columnSeen.hotAfterRight, 4);
  EXPECT_EQ(columnSeen.hotAfterLeft, 1) << "Left goes back to the first column";
}
}  // namespace
