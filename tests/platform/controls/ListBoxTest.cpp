// The list box: items, keyboard and mouse selection, scrolling into view and
// the scroll bar that appears only when the lines do not fit.
#include "ControlsFixture.h"
#include "platform/graphics/Gdi.h"

namespace {
class ListBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    list = child(WC_LISTBOX, "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, Bounds(10, 10, 150, 100), 4, WS_EX_CLIENTEDGE);
    SendMessage(list, LB_SETITEMHEIGHT, 0, 16);
  }
  void add(int n) {
    for (int i = 0; i < n; ++i) {
      const std::string s = "Строка " + std::to_string(i);
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
    driver.runUntilIdle();
  }
  bool barVisible() const {
    SCROLLBARINFO info;
    GetScrollBarInfo(list, OBJID_VSCROLL, &info);
    return !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  }
  int visibleLines() const {
    RECT r{};
    GetClientRect(list, &r);
    return r.Height() / 16;
  }
  LRESULT top() const { return SendMessage(list, LB_GETTOPINDEX, 0, 0); }
  LRESULT cur() const { return SendMessage(list, LB_GETCURSEL, 0, 0); }
  HWND list = nullptr;
};

TEST_F(ListBoxTest, ScrollBarAppearsOnlyWhenLinesExceedTheHeight) {
  add(3);
  EXPECT_FALSE(barVisible());
  RECT narrow{};
  add(10);
  EXPECT_TRUE(barVisible());
  GetClientRect(list, &narrow);
  EXPECT_EQ(narrow.Width(), 150 - 4 - GetSystemMetrics(SM_CXVSCROLL)) << "the bar takes its room from the client";
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &si);
  EXPECT_EQ(si.nMax, 12);
  EXPECT_EQ(si.nPage, static_cast<UINT>(visibleLines()));
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  driver.runUntilIdle();
  EXPECT_FALSE(barVisible());
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
  add(20);
  SetFocus(list);
  driver.pressKey(VK_DOWN);
  EXPECT_EQ(cur(), 0) << "the first key picks the first item";
  driver.pressKey(VK_END);
  EXPECT_EQ(cur(), 19);
  EXPECT_EQ(top(), 20 - visibleLines());
  driver.pressKey(VK_HOME);
  EXPECT_EQ(top(), 0);
  driver.pressKey(VK_NEXT);
  EXPECT_EQ(cur(), visibleLines() - 1);
  driver.pressKey(VK_UP);
  EXPECT_EQ(cur(), visibleLines() - 2);
  EXPECT_EQ(count(4, LBN_SELCHANGE), 5);
  driver.pressKey(VK_HOME);
  driver.pressKey(VK_UP);  // already at the top: no change, no notification
  EXPECT_EQ(count(4, LBN_SELCHANGE), 6);

  // A selection set by message scrolls it into view but notifies nobody.
  SendMessage(list, LB_SETCURSEL, 15, 0);
  EXPECT_EQ(top(), 15 - visibleLines() + 1);
  EXPECT_EQ(count(4, LBN_SELCHANGE), 6);
  EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 99, 0), LB_ERR);
  EXPECT_EQ(cur(), -1);
}

TEST_F(ListBoxTest, ItemRectanglesHitsClicksAndDoubleClicks) {
  add(20);
  SendMessage(list, LB_SETTOPINDEX, 5, 0);
  RECT r{};
  ASSERT_EQ(SendMessage(list, LB_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&r)), 1);
  EXPECT_EQ(r.Top, 32);
  EXPECT_EQ(r.Height(), 16);
  const LRESULT hit = SendMessage(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, r.Top + 3));
  EXPECT_EQ(LOWORD(hit), 7);
  EXPECT_EQ(HIWORD(hit), 0);

  driver.clickClient(list, Point(5, r.Top + 3));
  EXPECT_EQ(cur(), 7);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(count(4, LBN_SELCHANGE), 1);
  driver.doubleClickClient(list, Point(5, r.Top + 3));
  EXPECT_EQ(count(4, LBN_DBLCLK), 1);

  char buffer[64] = {};
  EXPECT_EQ(SendMessage(list, LB_GETTEXT, 7, reinterpret_cast<LPARAM>(buffer)), 14);
  EXPECT_STREQ(buffer, "Строка 7");
  EXPECT_EQ(SendMessage(list, LB_GETITEMRECT, 20, reinterpret_cast<LPARAM>(&r)), LB_ERR);
}

TEST_F(ListBoxTest, ScrollMessagesAndWheelMoveTheTopIndex) {
  add(20);
  SendMessage(list, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessage(list, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(top(), 2);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 2) << "the bar follows the list";
  SendMessage(list, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(top(), 20 - visibleLines());
  SendMessage(list, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(top(), 20 - visibleLines()) << "never past the last page";
  SetFocus(list);  // the wheel goes to the focus window
  driver.wheel(centre(list), WHEEL_DELTA);
  EXPECT_EQ(top(), 20 - visibleLines() - 3);

  // Clicking the bar's down arrow scrolls one line.
  SendMessage(list, LB_SETTOPINDEX, 0, 0);
  RECT window{};
  GetWindowRect(list, &window);
  driver.click(Point(window.Right - 4, window.Bottom - 5));
  EXPECT_EQ(top(), 1);
}

// The skin's adapters paint the list into their own picture by sending
// WM_PAINT or WM_PRINTCLIENT with a context: the list must draw there.
TEST_F(ListBoxTest, PaintsIntoAContextHandedOver) {
  add(3);
  SendMessage(list, LB_SETCURSEL, 1, 0);
  RECT client{};
  GetClientRect(list, &client);
  for (UINT message : {WM_PAINT, WM_PRINTCLIENT}) {
    Bitmap picture(client.Width(), client.Height());
    picture.fill(clFuchsia);
    DeviceContext dc(picture);
    SendMessage(list, message, reinterpret_cast<WPARAM>(&dc), message == WM_PRINTCLIENT ? 4 : 0);
    EXPECT_EQ(picture.pixel(client.Width() - 3, 16 + 8), ColorToRGB(clHighlight)) << "line 1 is selected";
    EXPECT_EQ(picture.pixel(client.Width() - 3, 8), ColorToRGB(clWindow)) << "line 0 is not";
    EXPECT_EQ(picture.pixel(client.Width() - 3, client.Height() - 2), ColorToRGB(clWindow)) << "below the lines";
  }
}

std::vector<std::pair<UINT, UINT>> drawnItems;  // (item, state)
WNDPROC plainParentProc = nullptr;

LRESULT ownerDrawingParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_DRAWITEM) return CallWindowProc(plainParentProc, hwnd, msg, wParam, lParam);
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  drawnItems.push_back({item->itemID, item->itemState});
  if (item->itemID == 1) return FALSE;  // the list draws this one itself
  FillRect(static_cast<HDC>(item->hDC), item->rcItem, item->itemState & ODS_SELECTED ? clRed : clLime);
  return TRUE;
}

TEST_F(ListBoxTest, OwnerDrawnListsLetTheParentDrawEachLine) {
  const HWND drawn = child(WC_LISTBOX, "", LBS_OWNERDRAWFIXED, Bounds(200, 10, 100, 60), 6);
  SendMessage(drawn, LB_SETITEMHEIGHT, 0, 16);
  for (const char* s : {"а", "б", "в"}) SendMessage(drawn, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessage(drawn, LB_SETCURSEL, 2, 0);
  plainParentProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ownerDrawingParent)));
  drawnItems.clear();
  Bitmap picture(100, 60);
  DeviceContext dc(picture);
  SendMessage(drawn, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&dc), 4);
  SetWindowLongPtr(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(plainParentProc));
  EXPECT_EQ(drawnItems, (std::vector<std::pair<UINT, UINT>>{{0, 0}, {1, 0}, {2, ODS_SELECTED}}));
  EXPECT_EQ(picture.pixel(50, 8), ColorToRGB(clLime));
  EXPECT_EQ(picture.pixel(50, 40), ColorToRGB(clRed));
  EXPECT_EQ(picture.pixel(95, 24), ColorToRGB(clWindow)) << "an item the parent refused is drawn plainly";
}

// Rows of 10, 30, 20 and 40 pixels, as the parent measures them; the rows
// the list asks to have drawn, by item: (item, top).
std::vector<std::pair<UINT, int>> drawnRows;
LRESULT measuringParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    static constexpr UINT kHeights[] = {10, 30, 20, 40};
    if (item->itemID < 4) item->itemHeight = kHeights[item->itemID];
    return TRUE;
  }
  if (msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    drawnRows.push_back({item->itemID, item->rcItem.Top});
    return TRUE;
  }
  return CallWindowProc(plainParentProc, hwnd, msg, wParam, lParam);
}

TEST_F(ListBoxTest, VariableHeightsComeFromTheParentAndGovernRowsHitsAndScrolling) {
  plainParentProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&measuringParent)));
  const HWND drawn = child(WC_LISTBOX, "", LBS_OWNERDRAWVARIABLE, Bounds(200, 10, 100, 60), 7);
  for (const char* s : {"а", "б", "в", "г"}) SendMessage(drawn, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  RECT client{};
  GetClientRect(drawn, &client);
  ASSERT_EQ(client.Height(), 60);
  RECT rect{};
  SendMessage(drawn, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
  EXPECT_EQ(rect, Bounds(0, 40, client.Width(), 20));
  EXPECT_EQ(SendMessage(drawn, LB_GETITEMHEIGHT, 1, 0), 30);
  EXPECT_EQ(SendMessage(drawn, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 39)), MAKELPARAM(1, 0));
  EXPECT_EQ(SendMessage(drawn, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 45)), MAKELPARAM(2, 0));

  // The 40-pixel last row fits only below the 20-pixel one: top 2.
  SendMessage(drawn, LB_SETCURSEL, 3, 0);
  EXPECT_EQ(SendMessage(drawn, LB_GETTOPINDEX, 0, 0), 2);
  SendMessage(drawn, LB_SETTOPINDEX, 0, 0);
  SendMessage(drawn, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(SendMessage(drawn, LB_GETTOPINDEX, 0, 0), 2) << "no scrolling past the last whole row";

  drawnRows.clear();
  Bitmap picture(client.Width(), client.Height());
  DeviceContext dc(picture);
  SendMessage(drawn, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&dc), 4);
  SetWindowLongPtr(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(plainParentProc));
  EXPECT_EQ(drawnRows, (std::vector<std::pair<UINT, int>>{{2, 0}, {3, 20}}));
}

TEST_F(ListBoxTest, InsertAndDeleteKeepTheCurrentItem) {
  add(5);
  SendMessage(list, LB_SETCURSEL, 2, 0);
  SendMessage(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Первая"));
  EXPECT_EQ(cur(), 3);
  SendMessage(list, LB_DELETESTRING, 1, 0);
  EXPECT_EQ(cur(), 2);
  SendMessage(list, LB_DELETESTRING, 2, 0);
  EXPECT_EQ(cur(), -1);
  EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 9, 0), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Конец")), 4);
  // Typing a letter jumps to the next item starting with it, whatever its case.
  SetFocus(list);
  driver.typeText("к");
  EXPECT_EQ(cur(), 4);
}
}  // namespace
