// Default scroll bars: scroll information, the bar's room in the frame and
// the notifications that presses, holds and drags send.
#include "WindowingTestSupport.h"

namespace {

class ScrollBars : public WindowingTest {
 protected:
  void SetUp() override {
    top = makeTop("list", Bounds(100, 100, 300, 250));
    // A list-like child: 150 x 160 with a client edge of 2 pixels.
    list = CreateWindowEx(WS_EX_CLIENTEDGE, "TestWindow", "", WS_CHILD | WS_VISIBLE, 10, 10, 150, 160, top, 1, nullptr);
    driver.runUntilIdle();
    clearLog();
  }
  void setRange(int min, int max, UINT page, int pos) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = min;
    si.nMax = max;
    si.nPage = page;
    si.nPos = pos;
    SetScrollInfo(list, SB_VERT, &si, TRUE);
    driver.runUntilIdle();
  }
  std::vector<std::pair<int, int>> notifications() {
    std::vector<std::pair<int, int>> result;
    for (const LoggedMessage& m : log())
      if (m.hwnd == list && m.msg == WM_VSCROLL) result.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
    return result;
  }
  int countCode(int code) {
    int n = 0;
    for (auto [c, pos] : notifications()) n += c == code;
    return n;
  }
  SCROLLBARINFO barInfo() {
    SCROLLBARINFO info;
    GetScrollBarInfo(list, OBJID_VSCROLL, &info);
    return info;
  }
  HWND top = nullptr;
  HWND list = nullptr;
};

TEST_F(ScrollBars, ThePositionStaysWithinTheRangeLessThePage) {
  setRange(0, 100, 10, 95);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 91);
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = -5;
  EXPECT_EQ(SetScrollInfo(list, SB_VERT, &si, FALSE), 0);
  setRange(0, 100, 0, 100);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 100);
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &si));
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 100);
  EXPECT_EQ(si.nPage, 0u);
  // A page larger than the range shrinks to the range.
  setRange(0, 9, 50, 0);
  si.fMask = SIF_PAGE;
  GetScrollInfo(list, SB_VERT, &si);
  EXPECT_EQ(si.nPage, 10u);
}

TEST_F(ScrollBars, TheBarTakesItsRoomOnlyWhileThereIsSomethingToScroll) {
  RECT before;
  GetClientRect(list, &before);
  EXPECT_EQ(before.Width(), 150 - 4);
  setRange(0, 55, 9, 0);
  EXPECT_NE(GetWindowLongPtr(list, GWL_STYLE) & WS_VSCROLL, 0);
  RECT with;
  GetClientRect(list, &with);
  EXPECT_EQ(with.Width(), 150 - 4 - GetSystemMetrics(SM_CXVSCROLL));
  const SCROLLBARINFO info = barInfo();
  RECT listRect;
  GetWindowRect(list, &listRect);
  EXPECT_EQ(info.rcScrollBar.Right, listRect.Right - 2);
  EXPECT_EQ(info.rcScrollBar.Height(), 160 - 4);
  EXPECT_EQ(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
  setRange(0, 5, 9, 0);
  RECT after;
  GetClientRect(list, &after);
  EXPECT_EQ(after, before);
  EXPECT_NE(barInfo().rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);
}

TEST_F(ScrollBars, TheThumbGrowsWithThePageAndFollowsThePosition) {
  setRange(0, 55, 9, 0);
  SCROLLBARINFO info = barInfo();
  const int track = info.rcScrollBar.Height() - 2 * info.dxyLineButton;
  const int length = info.xyThumbBottom - info.xyThumbTop;
  // Page 9 of 56 lines: about a sixth of the track.
  EXPECT_NEAR(length, track * 9 / 56, 1);
  EXPECT_EQ(info.xyThumbTop, info.dxyLineButton);
  setRange(0, 55, 9, 47);
  info = barInfo();
  EXPECT_EQ(info.xyThumbBottom, info.rcScrollBar.Height() - info.dxyLineButton);
  // A tiny page still leaves a thumb one can grab.
  setRange(0, 1000, 1, 0);
  info = barInfo();
  EXPECT_GE(info.xyThumbBottom - info.xyThumbTop, 8);
}

TEST_F(ScrollBars, HoldingAnArrowRepeatsAfterAPauseWhileThePointerStaysOnIt) {
  setRange(0, 55, 9, 0);
  const SCROLLBARINFO info = barInfo();
  const POINT downArrow{info.rcScrollBar.Left + 5, info.rcScrollBar.Bottom - 5};
  driver.press(downArrow);
  EXPECT_EQ(countCode(SB_LINEDOWN), 1);
  driver.runFor(299);
  EXPECT_EQ(countCode(SB_LINEDOWN), 1);
  driver.runFor(1);
  EXPECT_EQ(countCode(SB_LINEDOWN), 2);
  driver.runFor(55 * 3);
  EXPECT_EQ(countCode(SB_LINEDOWN), 5);
  // Off the arrow the repeats pause, back on it they go on.
  driver.moveTo({downArrow.X - 60, downArrow.Y});
  driver.runFor(55 * 4);
  EXPECT_EQ(countCode(SB_LINEDOWN), 5);
  driver.moveTo(downArrow);
  driver.runFor(55);
  EXPECT_EQ(countCode(SB_LINEDOWN), 6);
  driver.release(downArrow);
  EXPECT_EQ(notifications().back().first, SB_ENDSCROLL);
  driver.runFor(1000);
  EXPECT_EQ(countCode(SB_LINEDOWN), 6);
}

TEST_F(ScrollBars, ClicksOnTheTrackPageAndTheUpArrowLinesUp) {
  setRange(0, 55, 9, 20);
  const SCROLLBARINFO info = barInfo();
  driver.click({info.rcScrollBar.Left + 5, info.rcScrollBar.Top + info.xyThumbBottom + 3});
  driver.click({info.rcScrollBar.Left + 5, info.rcScrollBar.Top + info.xyThumbTop - 3});
  driver.click({info.rcScrollBar.Left + 5, info.rcScrollBar.Top + 3});
  EXPECT_EQ(notifications(), (std::vector<std::pair<int, int>>{{SB_PAGEDOWN, 0}, {SB_ENDSCROLL, 0},
                                                               {SB_PAGEUP, 0}, {SB_ENDSCROLL, 0},
                                                               {SB_LINEUP, 0}, {SB_ENDSCROLL, 0}}));
}

TEST_F(ScrollBars, DraggingTheThumbTracksThenSetsThePosition) {
  setRange(0, 55, 9, 0);
  const SCROLLBARINFO info = barInfo();
  const int x = info.rcScrollBar.Left + 5;
  const int grab = info.rcScrollBar.Top + info.xyThumbTop + 3;
  driver.drag({x, grab}, {x, grab + 60}, 6);
  const auto sent = notifications();
  ASSERT_GE(sent.size(), 3u);
  int previous = 0;
  for (std::size_t i = 0; i + 2 < sent.size(); ++i) {
    EXPECT_EQ(sent[i].first, SB_THUMBTRACK);
    EXPECT_GT(sent[i].second, previous);  // only changes are reported
    previous = sent[i].second;
  }
  EXPECT_EQ(sent[sent.size() - 2], (std::pair<int, int>{SB_THUMBPOSITION, previous}));
  EXPECT_EQ(sent.back().first, SB_ENDSCROLL);
  // 60 pixels of a track about 105 pixels long (less the thumb) cover most of 47 positions.
  EXPECT_GT(previous, 25);
  EXPECT_LE(previous, 47);
  // The layer reports; the window itself decides the position.
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 0);
}

TEST_F(ScrollBars, ADisabledBarSendsNothing) {
  setRange(0, 55, 9, 0);
  EnableScrollBar(list, SB_VERT, ESB_DISABLE_BOTH);
  EXPECT_NE(barInfo().rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
  const SCROLLBARINFO info = barInfo();
  driver.click({info.rcScrollBar.Left + 5, info.rcScrollBar.Bottom - 5});
  EXPECT_TRUE(notifications().empty());
}

}  // namespace
