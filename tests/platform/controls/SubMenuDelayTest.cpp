// When a sub-menu opens and closes under the pointer: after the hover delay
// on the virtual clock, at once for a click, Enter or Right, and kept open
// (its item hot) while the pointer is inside it. Each case runs inside the
// menu's own loop from a timer.
#include <cstdint>
#include <functional>

#include "ControlsFixture.h"
#include "platform/controls/Menu.h"
#include "platform/controls/PopupMenuWindow.h"

namespace {

constexpr int kDelay = static_cast<int>(PopupMenuWindow::kSubMenuDelayMs);

HeadlessDriver* menuDriver = nullptr;
std::function<void(HWND)> whileOpen;  // runs with the first menu's window
bool cancelAfterwards = true;         // the scenario clears it when it chooses an item itself

void RunWhileOpen(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) != WC_POPUPMENU || !whileOpen) return;
  whileOpen(popup);
  if (cancelAfterwards) SendMessage(popup, WM_CANCELMODE, 0, 0);
}

RECT ItemRect(HWND popup, int index) {
  RECT r{};
  SendMessage(popup, MN_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// A point inside an item, clear of its text, in screen coordinates.
POINT Over(HWND popup, int index) {
  const RECT r = ItemRect(popup, index);
  POINT p{r.Left + 4, r.Top + r.Height() / 2};
  ClientToScreen(popup, &p);
  return p;
}

HWND OpenSubMenu(HWND popup) { return reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0)); }
int Hot(HWND popup) { return static_cast<int>(SendMessage(popup, MN_GETHOTITEM, 0, 0)); }
void Key(HWND popup, int key) { SendMessage(popup, WM_KEYDOWN, static_cast<WPARAM>(key), 0); }

// The id of a menu's first item, 0 for no menu: tells which sub-menu is open.
UINT_PTR FirstId(HWND menu) {
  MenuItem item;
  if (!menu || !SendMessage(menu, MN_GETITEMINFO, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.id;
}

// Which sub-menu of `popup` is open once the clock has moved on by `ms`.
UINT_PTR OpenAfter(HWND popup, int ms) {
  menuDriver->runFor(static_cast<std::uint64_t>(ms));
  return FirstId(OpenSubMenu(popup));
}

// Two sub-menus between two plain items:
//   0 "Открыть" | 1 "Цвета" > 201, 202 | 2 "Размер" > 301, 302 | 3 "Выход"
class SubMenuDelayTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    menuDriver = &driver;
    menu = CreatePopupMenu();
    HMENU colours = CreatePopupMenu();
    AppendMenu(colours, MF_STRING, 201, "Синий");
    AppendMenu(colours, MF_STRING, 202, "Зелёный");
    HMENU sizes = CreatePopupMenu();
    AppendMenu(sizes, MF_STRING, 301, "Малый");
    AppendMenu(sizes, MF_STRING, 302, "Большой");
    AppendMenu(menu, MF_STRING, 101, "Открыть");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(colours), "Цвета");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sizes), "Размер");
    AppendMenu(menu, MF_STRING, 103, "Выход");
  }
  void TearDown() override {
    whileOpen = nullptr;
    DestroyMenu(menu);
    ControlsTest::TearDown();
  }
  // Tracks the menu and runs `then` on it once open; then the menu is
  // cancelled unless `then` chose. Answers the chosen id.
  UINT_PTR Track(std::function<void(HWND)> then) {
    whileOpen = std::move(then);
    cancelAfterwards = true;
    SetTimer(parent, 1, 10, &RunWhileOpen);
    const POINT at = driver.clientToScreen(parent, Point(20, 20));
    return static_cast<UINT_PTR>(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, parent, nullptr));
  }
  HMENU menu = nullptr;
};

TEST_F(SubMenuDelayTest, HoveringOpensTheSubMenuAfterTheDelayAndLeavingEarlyCancelsIt) {
  UINT_PTR beforeDelay = 1, justBefore = 1, atDelay = 0, afterLeaving = 1;
  EXPECT_EQ(Track([&](HWND popup) {
              menuDriver->moveTo(Over(popup, 1));
              beforeDelay = OpenAfter(popup, 0);
              justBefore = OpenAfter(popup, kDelay - 1);
              atDelay = OpenAfter(popup, 1);
            }),
            0u);
  EXPECT_EQ(beforeDelay, 0u);
  EXPECT_EQ(justBefore, 0u);
  EXPECT_EQ(atDelay, 201u);
  // On the plain item before the delay ends nothing opens, however long it rests there.
  Track([&](HWND popup) {
    menuDriver->moveTo(Over(popup, 1));
    menuDriver->runFor(kDelay - 100);
    menuDriver->moveTo(Over(popup, 0));
    afterLeaving = OpenAfter(popup, kDelay * 3);
  });
  EXPECT_EQ(afterLeaving, 0u);
}

TEST_F(SubMenuDelayTest, ASweepAcrossTwoSubMenuItemsOpensOnlyTheSecond) {
  UINT_PTR whenTheFirstWouldHaveOpened = 1, justBefore = 1, atDelay = 0;
  Track([&](HWND popup) {
    menuDriver->moveTo(Over(popup, 0));
    menuDriver->moveTo(Over(popup, 1));
    menuDriver->runFor(200);
    menuDriver->moveTo(Over(popup, 2));
    // Nothing closes an open menu before the second delay ends, so none
    // open now means the first never opened.
    whenTheFirstWouldHaveOpened = OpenAfter(popup, kDelay - 200);
    justBefore = OpenAfter(popup, 199);
    atDelay = OpenAfter(popup, 1);
  });
  EXPECT_EQ(whenTheFirstWouldHaveOpened, 0u);
  EXPECT_EQ(justBefore, 0u) << "the delay restarted on the second item";
  EXPECT_EQ(atDelay, 301u);
}

TEST_F(SubMenuDelayTest, AnOpenSubMenuGivesWayOnlyWhenTheNextItemsDelayEnds) {
  struct Seen {
    UINT_PTR open = 0;
    int hot = -1;
  };
  Seen onSecondJustBefore, onSecondAtDelay, onPlainJustBefore, onPlainAtDelay;
  auto look = [](HWND popup) { return Seen{FirstId(OpenSubMenu(popup)), Hot(popup)}; };
  Track([&](HWND popup) {
    menuDriver->moveTo(Over(popup, 1));
    menuDriver->runFor(kDelay);
    menuDriver->moveTo(Over(popup, 2));
    menuDriver->runFor(kDelay - 1);
    onSecondJustBefore = look(popup);
    menuDriver->runFor(1);
    onSecondAtDelay = look(popup);
    menuDriver->moveTo(Over(popup, 3));
    menuDriver->runFor(kDelay - 1);
    onPlainJustBefore = look(popup);
    menuDriver->runFor(1);
    onPlainAtDelay = look(popup);
  });
  EXPECT_EQ(onSecondJustBefore.open, 201u) << "the first stays open during the delay";
  EXPECT_EQ(onSecondJustBefore.hot, 2) << "while the highlight follows the pointer";
  EXPECT_EQ(onSecondAtDelay.open, 301u);
  EXPECT_EQ(onPlainJustBefore.open, 301u);
  EXPECT_EQ(onPlainJustBefore.hot, 3);
  EXPECT_EQ(onPlainAtDelay.open, 0u) << "resting on a plain item closes it";
}

TEST_F(SubMenuDelayTest, ThePointerCrossingAnotherItemIntoTheSubMenuKeepsItOpenAndItsItemHot) {
  HWND sub = nullptr;
  int hotWhileCrossing = -1, hotInside = -1, hotLongAfter = -1, subHot = -1;
  HWND stillOpen = nullptr;
  TColor openItemPixel = clNone, crossedItemPixel = clNone;
  const UINT_PTR chosen = Track([&](HWND popup) {
    menuDriver->moveTo(Over(popup, 1));
    menuDriver->runFor(kDelay);
    sub = OpenSubMenu(popup);
    if (!sub) return;
    // Down and right from the open item: over "Размер" first, then into the sub-menu.
    menuDriver->moveTo(Over(popup, 2));
    hotWhileCrossing = Hot(popup);
    menuDriver->runFor(kDelay / 2);
    const RECT second = ItemRect(sub, 1);
    const POINT inside = menuDriver->clientToScreen(sub, Point(second.Left + 10, second.Top + second.Height() / 2));
    menuDriver->moveTo(inside);
    hotInside = Hot(popup);
    subHot = Hot(sub);
    menuDriver->runFor(kDelay * 3);
    stillOpen = OpenSubMenu(popup);
    hotLongAfter = Hot(popup);
    // The plain look highlights the open item again, not the crossed one.
    const Bitmap shot = menuDriver->windowShot(popup);
    const RECT open = ItemRect(popup, 1), crossed = ItemRect(popup, 2);
    openItemPixel = shot.pixel(open.Left + 3, open.Top + 2);
    crossedItemPixel = shot.pixel(crossed.Left + 3, crossed.Top + 2);
    cancelAfterwards = false;
    menuDriver->click(inside);
  });
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(hotWhileCrossing, 2);
  EXPECT_EQ(hotInside, 1) << "the parent item is hot again once the pointer is inside";
  EXPECT_EQ(subHot, 1);
  EXPECT_EQ(stillOpen, sub) << "no delay closes it while the pointer stays inside";
  EXPECT_EQ(hotLongAfter, 1);
  EXPECT_EQ(openItemPixel, ColorToRGB(clHighlight));
  EXPECT_EQ(crossedItemPixel, ColorToRGB(clMenu));
  EXPECT_EQ(chosen, 202u);
}

TEST_F(SubMenuDelayTest, AClickEnterOrRightOpensAtOnce) {
  struct Seen {
    UINT_PTR open = 0;
    int subHot = -2;
    bool clockStood = false;
  };
  auto openedBy = [this](std::function<void(HWND)> action) {
    Seen seen;
    Track([&](HWND popup) {
      const auto start = menuDriver->now();
      action(popup);
      const HWND sub = OpenSubMenu(popup);
      seen = {FirstId(sub), sub ? Hot(sub) : -2, menuDriver->now() == start};
    });
    return seen;
  };
  const Seen click = openedBy([](HWND popup) { menuDriver->click(Over(popup, 1)); });
  const Seen right = openedBy([](HWND popup) {
    Key(popup, VK_DOWN);
    Key(popup, VK_DOWN);
    Key(popup, VK_RIGHT);
  });
  const Seen enter = openedBy([](HWND popup) {
    Key(popup, VK_DOWN);
    Key(popup, VK_DOWN);
    Key(popup, VK_DOWN);
    Key(popup, VK_RETURN);
  });
  EXPECT_EQ(click.open, 201u);
  EXPECT_TRUE(click.clockStood);
  EXPECT_EQ(right.open, 201u);
  EXPECT_EQ(right.subHot, 0) << "from the keyboard the first item is selected";
  EXPECT_TRUE(right.clockStood);
  EXPECT_EQ(enter.open, 301u);
  EXPECT_EQ(enter.subHot, 0);
  EXPECT_TRUE(enter.clockStood);
}

}  // namespace

// A handler that runs a message loop of its own while the menu is open (a
// timer of the program's, a nested box) takes the typed keys from the queue
// itself: they still go to the deepest open menu, not to the focus window.
TEST_F(SubMenuDelayTest, KeysTypedWhileAnotherLoopRunsReachTheDeepestMenu) {
  UINT_PTR inSubMenu = 0;
  int hotInSubMenu = -1;
  bool subClosed = false;
  const UINT_PTR chosen = Track([&](HWND popup) {
    cancelAfterwards = false;
    // The driver pumps the queue here, inside the timer, past the menus' loop.
    menuDriver->pressKey(VK_DOWN);  // "Открыть"
    menuDriver->pressKey(VK_DOWN);  // "Цвета"
    menuDriver->pressKey(VK_RIGHT);
    const HWND sub = OpenSubMenu(popup);
    inSubMenu = FirstId(sub);
    menuDriver->pressKey(VK_DOWN);
    hotInSubMenu = sub ? Hot(sub) : -1;
    menuDriver->pressKey(VK_ESCAPE);  // closes the sub-menu only
    subClosed = OpenSubMenu(popup) == nullptr && IsWindow(popup);
    menuDriver->pressKey(VK_ESCAPE);  // and then the menu
  });
  driver.runUntilIdle();
  EXPECT_EQ(inSubMenu, 201u);
  EXPECT_EQ(hotInSubMenu, 1);
  EXPECT_TRUE(subClosed);
  EXPECT_EQ(chosen, 0u);
  EXPECT_FALSE(driver.quitSeen()) << "the menu closed by its keys, not by a stalled loop";
}
