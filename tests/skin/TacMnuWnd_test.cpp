// Pop-up menus under the window hook: every "#32768" window gets a menu
// skinner that answers the engine and paints from the menu sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/hook/TacMnuWnd.h"
#include "skin/hook/TacWindowHook.h"
#include "tests/platform/windowing/LaterSubclasser.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

struct OpenMenuSeen {
  HeadlessDriver* driver = nullptr;
  bool looked = false;
  bool skinner = false;
  bool answers = false;
  TColor background = clNone;
  TColor hotItem = clNone;
  TColor plainHot = clNone;
};
OpenMenuSeen seen;

void LookAtOpenMenu(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) != "#32768") return;
  seen.looked = true;
  seen.skinner = TacWindowHook::MenuSkinnerFor(popup) != nullptr;
  seen.answers = WindowAnswersOne(popup, SKC_QUERY_SKINNED);
  // The pointer over the first item makes it hot.
  RECT first{};
  SendMessage(popup, MN_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  POINT inside{first.Left + 4, first.Top + first.Height() / 2};
  ClientToScreen(popup, &inside);
  seen.driver->moveTo(inside);
  const Bitmap shot = seen.driver->windowShot(popup);
  seen.background = shot.pixel(shot.width() - 3, shot.height() - 3);
  POINT hotPoint{first.Right - 4, first.Top + first.Height() / 2};
  seen.hotItem = shot.pixel(hotPoint.X, hotPoint.Y);
  seen.plainHot = ColorToRGB(clHighlight);
  seen.driver->keyDown(VK_ESCAPE);
  seen.driver->keyUp(VK_ESCAPE);
}

// The right end of an item, clear of its text and its sub-menu arrow, as the screen shows it.
TColor ItemEndPixel(HeadlessDriver& driver, HWND popup, int index) {
  RECT r{};
  SendMessage(popup, MN_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return driver.windowShot(popup).pixel(r.Right - 4, r.Top + r.Height() / 2);
}

POINT ItemCentre(HWND popup, int index) {
  RECT r{};
  SendMessage(popup, MN_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  POINT p{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  ClientToScreen(popup, &p);
  return p;
}

std::function<void(HWND)> whileOpen;
void RunWhileOpen(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) == "#32768" && whileOpen) whileOpen(popup);
}

struct MenuTest : ::testing::Test, ProgramFrameFixture {
  ~MenuTest() override { whileOpen = nullptr; }
};

}  // namespace

TEST_F(MenuTest, EveryPopupMenuGetsASkinnerPaintingFromTheMenuSections) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  const std::size_t before = TacWindowHook::MenuSkinnerCount();
  HMENU menu = CreatePopupMenu();
  AppendMenu(menu, MF_STRING, 1, "Наполнить БАНКУ 1");
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING, 2, "Вылить");
  seen = OpenMenuSeen{&driver};
  SetTimer(form->Handle(), 9, 10, &LookAtOpenMenu);
  const POINT at = driver.clientToScreen(form->Handle(), {20, 20});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, form->Handle(), nullptr), 0);
  DestroyMenu(menu);
  EXPECT_EQ(TacWindowHook::MenuSkinnerCount(), before + 1);
  EXPECT_TRUE(seen.skinner);
  EXPECT_TRUE(seen.answers);
  auto color = [this](const char* section, bool hot) {
    const TsGeneralData& s = Skin().Sections[static_cast<std::size_t>(Skin().GetSkinIndex(section))];
    return ColorToRGB(hot ? s.HotColor : s.Color);
  };
  EXPECT_EQ(seen.background, color("MAINMENU", false));
  EXPECT_EQ(seen.hotItem, color("MENUITEM", true));
  EXPECT_NE(seen.hotItem, seen.plainHot);
}

TEST_F(MenuTest, TheSystemMenuIsSkinnedLikeEveryPopupMenu) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  seen = OpenMenuSeen{&driver};
  SetTimer(form->Handle(), 9, 10, &LookAtOpenMenu);
  const POINT icon = driver.windowToScreen(form->Handle(), {8, frame->ButtonBandTop() + 5});
  driver.press(icon);
  driver.release(icon);
  EXPECT_TRUE(seen.skinner);
  EXPECT_TRUE(seen.answers);
  EXPECT_EQ(form->Closed, 0) << "Escape chose nothing";
}

TEST_F(MenuTest, MenusStayPlainWhileTheManagerDoesNotSkinPopups) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  ASSERT_NE(manager, nullptr);
  HMENU menu = CreatePopupMenu();
  AppendMenu(menu, MF_STRING, 1, "Наполнить БАНКУ 1");
  const POINT at = driver.clientToScreen(form->Handle(), {20, 20});
  auto open = [&] {
    seen = OpenMenuSeen{&driver};
    SetTimer(form->Handle(), 9, 10, &LookAtOpenMenu);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, form->Handle(), nullptr), 0);
    EXPECT_TRUE(seen.looked) << "the menu was open when the timer came";
  };
  manager->SetSkinnedPopups(false);
  const std::size_t before = TacWindowHook::MenuSkinnerCount();
  open();
  EXPECT_EQ(TacWindowHook::MenuSkinnerCount(), before);
  EXPECT_FALSE(seen.skinner);
  EXPECT_FALSE(seen.answers);
  EXPECT_EQ(seen.hotItem, seen.plainHot) << "the plain menu marks its hot item in the highlight colour";
  // Turned on again, the next menu is skinned.
  manager->SetSkinnedPopups(true);
  open();
  EXPECT_TRUE(seen.skinner);
  EXPECT_NE(seen.hotItem, seen.plainHot);
  DestroyMenu(menu);
}

TEST_F(MenuTest, TheItemOfAnOpenSubMenuKeepsItsHotLookWhileThePointerIsInTheSubMenu) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  HMENU menu = CreatePopupMenu();
  HMENU jugs = CreatePopupMenu();
  AppendMenu(jugs, MF_STRING, 11, "БАНКА 1");
  AppendMenu(jugs, MF_STRING, 12, "БАНКА 2");
  AppendMenu(menu, MF_STRING, 1, "Наполнить");
  AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(jugs), "Перелить в");
  AppendMenu(menu, MF_STRING, 2, "Вылить");
  struct Seen {
    bool open = false;
    TColor openItemCrossing = clNone, crossedItemCrossing = clNone;
    TColor openItemInside = clNone, crossedItemInside = clNone;
  } seen;
  whileOpen = [this, &seen](HWND popup) {
    driver.moveTo(ItemCentre(popup, 1));
    driver.runFor(PopupMenuWindow::kSubMenuDelayMs);
    const HWND sub = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
    seen.open = sub != nullptr;
    if (sub) {
      // On the way to the sub-menu the pointer crosses the item below the open one.
      driver.moveTo(ItemCentre(popup, 2));
      seen.openItemCrossing = ItemEndPixel(driver, popup, 1);
      seen.crossedItemCrossing = ItemEndPixel(driver, popup, 2);
      driver.moveTo(ItemCentre(sub, 1));
      seen.openItemInside = ItemEndPixel(driver, popup, 1);
      seen.crossedItemInside = ItemEndPixel(driver, popup, 2);
    }
    SendMessage(popup, WM_CANCELMODE, 0, 0);
  };
  SetTimer(form->Handle(), 9, 10, &RunWhileOpen);
  const POINT at = driver.clientToScreen(form->Handle(), {20, 20});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, form->Handle(), nullptr), 0);
  DestroyMenu(menu);
  const TsGeneralData& item = Skin().Sections[static_cast<std::size_t>(Skin().GetSkinIndex("MENUITEM"))];
  const TColor hot = ColorToRGB(item.HotColor);
  ASSERT_TRUE(seen.open);
  EXPECT_EQ(seen.crossedItemCrossing, hot) << "the highlight follows the pointer over the parent";
  EXPECT_NE(seen.openItemCrossing, hot);
  EXPECT_EQ(seen.openItemInside, hot) << "inside the sub-menu its item is hot again";
  EXPECT_NE(seen.crossedItemInside, hot);
}

TEST_F(MenuTest, AMenuSubclassedAfterItsSkinnerKeepsTheLaterProcedureWhenTheSkinnerGoes) {
  const HWND menu = CreateWindowEx(0, WC_STATIC, "", WS_POPUP, 0, 0, 60, 40, nullptr, 0, nullptr);
  auto skinner = std::make_unique<TacMnuWnd>(menu, "MAINMENU", TsSkinManager::DefaultManager());
  LaterSubclasser later(menu);
  skinner.reset();
  EXPECT_TRUE(later.OnTop()) << "putting the old procedure back would cut the later one out";
  EXPECT_FALSE(WindowAnswersOne(menu, SKC_QUERY_SKINNED)) << "the skinner passes everything on";
  EXPECT_EQ(LaterSubclasser::Heard(SM_SKINCOMMAND), 1);
  SetWindowText(menu, "Меню");
  EXPECT_EQ(GetWindowTextString(menu), "Меню") << "and reaches the window's own procedure";
  DestroyWindow(menu);
}

TEST_F(MenuTest, TheSeparatorShowsTheLinesNormalLookAndTheSkinnerTakesTheBackgroundErase) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  // A line whose hot look differs from its normal one, to tell them apart.
  TsGeneralData& line = manager.Content().Sections[static_cast<std::size_t>(Skin().GetSkinIndex("MENULINE"))];
  line.Color = RGB(200, 30, 30);
  line.HotColor = RGB(30, 30, 200);
  HMENU menu = CreatePopupMenu();
  AppendMenu(menu, MF_STRING, 1, "Наполнить");
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING, 2, "Вылить");
  TColor separator = clNone;
  LRESULT eraseAnswer = -1;
  whileOpen = [this, &separator, &eraseAnswer](HWND popup) {
    RECT r{};
    SendMessage(popup, MN_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    separator = driver.windowShot(popup).pixel(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    HDC dc = GetDC(popup);
    eraseAnswer = SendMessage(popup, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(popup, dc);
    SendMessage(popup, WM_CANCELMODE, 0, 0);
  };
  SetTimer(form->Handle(), 9, 10, &RunWhileOpen);
  const POINT at = driver.clientToScreen(form->Handle(), {20, 20});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, form->Handle(), nullptr), 0);
  DestroyMenu(menu);
  EXPECT_EQ(separator, ColorToRGB(RGB(200, 30, 30)));
  EXPECT_EQ(eraseAnswer, 1) << "the skinned menu paints its whole background itself";
}

TEST_F(MenuTest, ACheckedItemShowsATickAndARadioCheckedItemABulletInTheCheckColumn) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  HMENU menu = CreatePopupMenu();
  AppendMenu(menu, MF_STRING | MF_CHECKED, 1, "Наполнить");
  AppendMenu(menu, MF_STRING | MF_CHECKED | MFT_RADIOCHECK, 2, "Вылить");
  AppendMenu(menu, MF_STRING | MF_CHECKED, 3, "Перелить");
  std::vector<std::vector<TColor>> columns;
  whileOpen = [&columns](HWND popup) {
    // Nothing is hot: the pointer stays away from the menu.
    const Bitmap shot = seen.driver->windowShot(popup);
    for (int i = 0; i < 3; ++i) {
      RECT r{};
      SendMessage(popup, MN_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
      std::vector<TColor> column;
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Left + PopupMenuWindow::kCheckColumn; ++x) column.push_back(shot.pixel(x, y));
      columns.push_back(column);
    }
    SendMessage(popup, WM_CANCELMODE, 0, 0);
  };
  seen = OpenMenuSeen{&driver};
  SetTimer(form->Handle(), 9, 10, &RunWhileOpen);
  const POINT at = driver.clientToScreen(form->Handle(), {20, 20});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.X, at.Y, 0, form->Handle(), nullptr), 0);
  DestroyMenu(menu);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0], columns[2]) << "two checked items show the same tick";
  EXPECT_NE(columns[0], columns[1]) << "the radio-checked item shows a bullet, not the tick";
  const TColor background = columns[1].front();
  EXPECT_TRUE(std::any_of(columns[1].begin(), columns[1].end(), [&](TColor c) { return c != background; }))
      << "the bullet is drawn";
}
