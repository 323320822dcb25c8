// The skin selection submenu of the skinned system menu: its items, names,
// checked skin and columns, choosing a skin, and its skinned look.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/windowing/WinUser.h"
#include "resources/Resources.h"
#include "skin/SkinCommandMessage.h"
#include "skin/frame/TacSysMenu.h"
#include "skin/hook/TacMnuWnd.h"
#include "skin/hook/TacWindowHook.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

// What to do with the system menu once it is open (its window is passed).
std::function<void(HWND)> onMenuOpen;

void RunOnMenuOpen(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) == "#32768" && onMenuOpen) onMenuOpen(popup);
}

MenuItem ItemOf(HWND popup, int index) {
  MenuItem item;
  SendMessage(popup, MN_GETITEMINFO, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item;
}

RECT RectOf(HWND popup, int index) {
  RECT r{};
  SendMessage(popup, MN_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

void Key(HWND popup, int key) { SendMessage(popup, WM_KEYDOWN, static_cast<WPARAM>(key), 0); }

// What the open skin submenu showed.
struct SkinMenuSeen {
  std::vector<MenuItem> top;
  std::vector<MenuItem> skins;
  std::vector<RECT> rects;
  bool skinned = false;
  Bitmap shot;
};

struct SkinMenuTest : ::testing::Test, ProgramFrameFixture {
  // Stored skins beside the program's own; `withData` gives them its pack.
  void AddStoredSkins(const std::vector<std::string>& names, bool withData) {
    for (const std::string& name : names) {
      TsStoredSkin* stored = manager.InternalSkins().Add();
      stored->Name = name;
      if (!withData) continue;
      auto pack = FindResource("skins/Birch.asz");
      stored->ReadData(pack ? *pack : std::span<const std::uint8_t>{});
    }
  }

  TFrameTestForm* FormWithSkinMenu(bool makeSkinMenu) {
    TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
    TsSkinProvider* frame = ProviderOf(*form);
    EXPECT_NE(frame, nullptr);
    if (frame) frame->MakeSkinMenu = makeSkinMenu;
    return form;
  }

  // Opens the system menu by the icon and runs `then` on it.
  void OpenSystemMenu(TFrameTestForm* form, std::function<void(HWND)> then) {
    onMenuOpen = std::move(then);
    SetTimer(form->Handle(), 9, 10, &RunOnMenuOpen);
    const POINT icon = driver.windowToScreen(form->Handle(), {8, ProviderOf(*form)->ButtonBandTop() + 5});
    driver.press(icon);
    driver.release(icon);
    driver.runUntilIdle();
    onMenuOpen = nullptr;
  }

  // Opens the skin submenu with Right, records it and closes both menus.
  SkinMenuSeen LookAtSkinMenu(TFrameTestForm* form) {
    SkinMenuSeen seen;
    OpenSystemMenu(form, [&seen, this](HWND popup) {
      const int count = static_cast<int>(SendMessage(popup, MN_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) seen.top.push_back(ItemOf(popup, i));
      Key(popup, VK_DOWN);
      Key(popup, VK_RIGHT);
      const HWND sub = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
      if (sub) {
        const int skins = static_cast<int>(SendMessage(sub, MN_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < skins; ++i) {
          seen.skins.push_back(ItemOf(sub, i));
          seen.rects.push_back(RectOf(sub, i));
        }
        seen.skinned = TacWindowHook::MenuSkinnerFor(sub) != nullptr;
        seen.shot = driver.windowShot(sub);
      }
      // Keys act on the deepest open menu: the first Escape closes the
      // submenu, the second the system menu.
      Key(popup, VK_ESCAPE);
      Key(popup, VK_ESCAPE);
    });
    return seen;
  }

  TColor SectionColor(const char* section, bool hot) const {
    const TsGeneralData& s = Skin().Sections[static_cast<std::size_t>(Skin().GetSkinIndex(section))];
    return ColorToRGB(hot ? s.HotColor : s.Color);
  }
};

}  // namespace

TEST_F(SkinMenuTest, OneSkinGivesASubmenuOfOneCheckedRadioItemFollowedByASeparator) {
  TFrameTestForm* form = FormWithSkinMenu(true);
  const SkinMenuSeen seen = LookAtSkinMenu(form);
  ASSERT_GE(seen.top.size(), 3u);
  EXPECT_EQ(seen.top[0].text, "Available skins");
  EXPECT_TRUE(seen.top[0].opensMenu());
  EXPECT_TRUE(seen.top[1].separator());
  EXPECT_EQ(seen.top[2].id, static_cast<UINT_PTR>(SC_RESTORE));
  ASSERT_EQ(seen.skins.size(), 1u);
  EXPECT_EQ(seen.skins[0].text, "Birch (internal)");
  EXPECT_TRUE(seen.skins[0].checked() && seen.skins[0].radio());
  EXPECT_FALSE(seen.skins[0].startsColumn());
  // The frame's menu names them as the program's menus do.
  const TacSysMenu& menu = ProviderOf(*form)->SysMenu();
  ASSERT_NE(menu.Find("SkinSelectItem"), nullptr);
  ASSERT_EQ(menu.Find("SkinSelectItem")->Items.size(), 1u);
  EXPECT_EQ(menu.Find("SkinSelectItem")->Items[0].Name, "SkinSelectItem0");
  EXPECT_EQ(menu.Items()[0].Name, "SkinSelectItem");
  EXPECT_EQ(menu.Items()[1].Caption, "-");
  EXPECT_EQ(form->Closed, 0);
}

TEST_F(SkinMenuTest, FortyFiveSkinsFillColumnsOfTwentyAndTheCurrentOneIsChecked) {
  std::vector<std::string> names;
  for (int i = 1; i <= 44; ++i) names.push_back((i < 10 ? "Skin 0" : "Skin ") + std::to_string(i));
  AddStoredSkins(names, false);
  TFrameTestForm* form = FormWithSkinMenu(true);
  const SkinMenuSeen seen = LookAtSkinMenu(form);
  ASSERT_EQ(seen.skins.size(), 45u);
  std::vector<std::string> expected{"Birch (internal)"};
  expected.insert(expected.end(), names.begin(), names.end());
  int checked = 0;
  for (std::size_t i = 0; i < seen.skins.size(); ++i) {
    EXPECT_EQ(seen.skins[i].text, expected[i]);
    EXPECT_EQ(seen.skins[i].startsColumn(), i == 20 || i == 40) << i;
    checked += seen.skins[i].checked() ? 1 : 0;
  }
  EXPECT_EQ(checked, 1);
  EXPECT_TRUE(seen.skins[0].checked());
  // Three columns side by side, each starting at the top.
  EXPECT_EQ(seen.rects[20].Top, seen.rects[0].Top);
  EXPECT_EQ(seen.rects[40].Top, seen.rects[0].Top);
  EXPECT_GE(seen.rects[20].Left, seen.rects[19].Right);
  EXPECT_GE(seen.rects[40].Left, seen.rects[39].Right);
  EXPECT_EQ(seen.rects[19].Left, seen.rects[0].Left);
  EXPECT_GT(seen.rects[19].Top, seen.rects[18].Top);
  const TacSysMenuItem* submenu = ProviderOf(*form)->SysMenu().Find("SkinSelectItem");
  ASSERT_NE(submenu, nullptr);
  EXPECT_EQ(submenu->Items[44].Name, "SkinSelectItem44");
  EXPECT_EQ(submenu->Items[44].Caption, "Skin 44");
}

TEST_F(SkinMenuTest, ChoosingASkinItemSetsTheManagersSkinName) {
  AddStoredSkins({"Birch copy"}, true);
  TFrameTestForm* form = FormWithSkinMenu(true);
  OpenSystemMenu(form, [](HWND popup) {
    Key(popup, VK_DOWN);
    Key(popup, VK_RIGHT);
    const HWND sub = reinterpret_cast<HWND>(SendMessage(popup, MN_GETOPENSUBMENU, 0, 0));
    if (!sub) return Key(popup, VK_ESCAPE);
    Key(sub, VK_DOWN);
    Key(sub, VK_RETURN);
  });
  EXPECT_EQ(manager.SkinName(), "Birch copy");
  EXPECT_TRUE(Skin().SkinData.Active) << "the chosen skin is loaded";
  EXPECT_EQ(form->Closed, 0) << "no system command was sent";
  // The next time the menu checks the new skin.
  driver.runFor(1000);  // a second press on the icon soon after would be a double click
  TsSkinProvider* frameAfter = ProviderOf(*form);
  ASSERT_NE(frameAfter, nullptr);
  EXPECT_TRUE(frameAfter->MakeSkinMenu);
  const SkinMenuSeen seen = LookAtSkinMenu(form);
  ASSERT_FALSE(seen.top.empty()) << "menu opened again";
  ASSERT_EQ(seen.skins.size(), 2u);
  EXPECT_FALSE(seen.skins[0].checked());
  EXPECT_TRUE(seen.skins[1].checked());
}

TEST(TacSysMenuSkins, ASkinCommandChoosesTheSkinByItsOwnNameEvenWithAnAmpersand) {
  TacSysMenu menu;
  menu.SetSkinChoices({"&Берёза", "Rock&Roll", "Birch"}, "Birch");
  // The caption shows each "&" of a name as itself, not as an underline.
  EXPECT_EQ(menu.Find("SkinSelectItem")->Items[1].Caption, "Rock&&Roll");
  EXPECT_EQ(menu.SkinOfCommand(TacSysMenu::kFirstSkinCommand), "&Берёза");
  EXPECT_EQ(menu.SkinOfCommand(TacSysMenu::kFirstSkinCommand + 1), "Rock&Roll");
  EXPECT_EQ(menu.SkinOfCommand(TacSysMenu::kFirstSkinCommand + 2), "Birch");
  EXPECT_EQ(menu.SkinOfCommand(TacSysMenu::kFirstSkinCommand + 3), "") << "past the last skin";
  EXPECT_EQ(menu.SkinOfCommand(SC_CLOSE), "");
  ASSERT_NE(menu.Find("SkinSelectItem"), nullptr);
  EXPECT_TRUE(menu.Find("SkinSelectItem")->Items[2].Checked);
  // Filled again, the submenu is replaced, not added twice; without names it goes.
  menu.SetSkinChoices({"Birch"}, "");
  EXPECT_EQ(menu.Items().size(), TacSysMenu().Items().size() + 2);
  menu.SetSkinChoices({}, "");
  EXPECT_EQ(menu.Items().size(), TacSysMenu().Items().size());
  EXPECT_EQ(menu.Find("SkinSelectItem"), nullptr);
  EXPECT_EQ(menu.SkinOfCommand(TacSysMenu::kFirstSkinCommand), "");
}

TEST_F(SkinMenuTest, WithoutMakeSkinMenuTheSystemMenuHasNoSkinItems) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->MakeSkinMenu) << "the hook's providers offer no skin choice";
  std::vector<MenuItem> top;
  OpenSystemMenu(form, [&top](HWND popup) {
    const int count = static_cast<int>(SendMessage(popup, MN_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) top.push_back(ItemOf(popup, i));
    Key(popup, VK_ESCAPE);
  });
  ASSERT_FALSE(top.empty());
  for (const MenuItem& item : top) EXPECT_FALSE(item.opensMenu()) << item.text;
  EXPECT_EQ(top.front().id, static_cast<UINT_PTR>(SC_RESTORE));
  EXPECT_EQ(top.back().id, static_cast<UINT_PTR>(SC_CLOSE));
  EXPECT_EQ(frame->SysMenu().Find("SkinSelectItem"), nullptr);
  EXPECT_EQ(frame->SysMenu().Items().size(), TacSysMenu().Items().size());
}

TEST_F(SkinMenuTest, TheSkinSubmenuIsPaintedFromTheMenuSectionsWithABulletOnTheCurrentSkin) {
  AddStoredSkins({"Skin 01"}, false);
  TFrameTestForm* form = FormWithSkinMenu(true);
  const SkinMenuSeen seen = LookAtSkinMenu(form);
  ASSERT_EQ(seen.skins.size(), 2u);
  EXPECT_TRUE(seen.skinned);
  ASSERT_FALSE(seen.shot.empty());
  EXPECT_EQ(seen.shot.pixel(seen.shot.width() - 3, seen.shot.height() - 3), SectionColor("MAINMENU", false));
  // Right selected the first item: it is hot, and its bullet has the hot text colour.
  const RECT first = seen.rects[0];
  EXPECT_EQ(seen.shot.pixel(first.Right - 3, first.Top + first.Height() / 2), SectionColor("MENUITEM", true));
  const TsGeneralData& item = Skin().Sections[static_cast<std::size_t>(Skin().GetSkinIndex("MENUITEM"))];
  const int bulletX = first.Left + (PopupMenuWindow::kCheckColumn - 6) / 2 + 2;
  const int bulletY = first.Top + (first.Height() - 6) / 2 + 2;
  EXPECT_EQ(seen.shot.pixel(bulletX, bulletY), ColorToRGB(static_cast<TColor>(item.HotFontColor[0])));
  // The unchecked second item has no bullet there.
  const RECT second = seen.rects[1];
  EXPECT_EQ(seen.shot.pixel(bulletX, second.Top + (second.Height() - 6) / 2 + 2), SectionColor("MAINMENU", false));
}
