// The skinned vertical bar of a list box: it comes and goes with the
// lines, its thumb geometry, the repeat of a held arrow on the virtual
// clock, dragging the thumb, the faded look of a disabled list, the hot
// arrow under the pointer, and the window given back under a later subclass.
#include "tests/adapters/SkinnedListFixture.h"

#include <functional>
#include <memory>

#include "adapters/TacScrollGeometry.h"
#include "adapters/TacScrollTracking.h"
#include "platform/controls/ControlMessages.h"
#include "skin/SkinCommandMessage.h"
#include "tests/platform/windowing/LaterSubclasser.h"

using namespace scroll_test;

TEST_F(SkinnedList, BarComesWithTheLinesThatDoNotFitAndGoesWithThem) {
  ASSERT_NE(list->ScrollAdapter(), nullptr);
  EXPECT_FALSE(adapter().Bar(kBarVertical).Visible);
  EXPECT_EQ(list->ClientWidth(), 148);

  Fill(10);  // one line more than the nine that fit
  EXPECT_TRUE(adapter().Bar(kBarVertical).Visible);
  EXPECT_EQ(list->ClientWidth(), 148 - 17);
  EXPECT_EQ(adapter().BarRect(kBarVertical), Rect(149 - 17, 1, 149, 126));
  const int barX = BarX();
  EXPECT_EQ(At(barX, 104), kTrack2) << "the track is painted from the skin";

  list->Items().Delete(9);
  driver.runUntilIdle();
  EXPECT_FALSE(adapter().Bar(kBarVertical).Visible);
  EXPECT_EQ(list->ClientWidth(), 148);
  EXPECT_EQ(At(barX, 104), kEdit) << "the list's own white is back where the bar was";
}

TEST_F(SkinnedList, ThumbOfFiftySixLinesFillsItsShareOfTheTrack) {
  Fill(56);
  const TacScrollBar& bar = adapter().Bar(kBarVertical);
  EXPECT_EQ(bar.ScrollInfo.nMin, 0);
  EXPECT_EQ(bar.ScrollInfo.nMax, 55);
  EXPECT_EQ(bar.ScrollInfo.nPage, 9u);
  const TRect r = adapter().BarRect(kBarVertical);
  ASSERT_EQ(r.Height(), 125);

  TacThumb thumb = adapter().Thumb(kBarVertical);
  EXPECT_EQ(thumb.Length, 15);  // 91 * 9 / 56, rounded
  EXPECT_EQ(thumb.Start, r.Top + 17) << "right after the top arrow";
  EXPECT_EQ(At(BarX(), r.Top + 16), kArrowTop);
  EXPECT_EQ(At(BarX(), r.Top + 17), kSlider);
  EXPECT_EQ(At(BarX(), r.Top + 31), kSlider);
  EXPECT_EQ(At(BarX(), r.Top + 32), kTrack2);

  SendMessage(hwnd(), LB_SETTOPINDEX, 47, 0);
  driver.runUntilIdle();
  thumb = adapter().Thumb(kBarVertical);
  EXPECT_EQ(thumb.Start + thumb.Length, r.Bottom - 17) << "right before the bottom arrow";
  EXPECT_EQ(At(BarX(), r.Bottom - 18), kSlider);
  EXPECT_EQ(At(BarX(), r.Bottom - 17), kArrowBottom);
  EXPECT_EQ(At(BarX(), r.Bottom - 18 - 15), kTrack1);
}

TEST(ScrollGeometry, ThumbNeverShrinksBelowTenPixels) {
  SCROLLINFO si;
  si.nMin = 0;
  si.nMax = 1000;
  si.nPage = 1;
  const TRect bar = Rect(0, 0, 17, 125);
  EXPECT_EQ(ThumbGeometry(si, 10, bar, kBarVertical, 17).Length, 10);
  si.nPos = 1000;
  const TacThumb last = ThumbGeometry(si, 10, bar, kBarVertical, 17);
  EXPECT_EQ(last.Start + last.Length, 125 - 17) << "the last position still ends at the bottom arrow";
  // No page: the thumb is as long as an arrow; nothing to scroll: none.
  si.nPage = 0;
  EXPECT_EQ(ThumbGeometry(si, 10, bar, kBarVertical, 17).Length, 17);
  si.nMax = 3;  // four positions, the last one taken
  si.nPos = 3;
  const TacThumb lastWithoutPage = ThumbGeometry(si, 10, bar, kBarVertical, 17);
  EXPECT_EQ(lastWithoutPage.Start + lastWithoutPage.Length, 125 - 17) << "without a page too";
  si.nPos = 1;
  EXPECT_EQ(ThumbGeometry(si, 10, bar, kBarVertical, 17).Start, 17 + 25) << "a third of the 74 free pixels along";
  si.nPage = 5;
  si.nMax = -1;
  EXPECT_EQ(ThumbGeometry(si, 10, bar, kBarVertical, 17).Length, 0);
}

TEST(ScrollGeometry, HitTestNamesEveryPortionAndNothingOutside) {
  SCROLLINFO si;
  si.nMax = 55;
  si.nPage = 9;
  si.nPos = 20;
  const TRect bar = Rect(100, 0, 117, 125);
  const TacThumb thumb = ThumbGeometry(si, 10, bar, kBarVertical, 17);
  auto hit = [&](int x, int y) { return HitTestBar(si, 10, bar, kBarVertical, 17, Point(x, y)); };
  EXPECT_EQ(hit(108, 0), kPortionFirstArrow);
  EXPECT_EQ(hit(108, 16), kPortionFirstArrow);
  EXPECT_EQ(hit(108, 17), kPortionTrackBefore);
  EXPECT_EQ(hit(108, thumb.Start), kPortionThumb);
  EXPECT_EQ(hit(108, thumb.Start + thumb.Length - 1), kPortionThumb);
  EXPECT_EQ(hit(108, thumb.Start + thumb.Length), kPortionTrackAfter);
  EXPECT_EQ(hit(108, 124), kPortionSecondArrow);
  EXPECT_EQ(hit(99, 60), kPortionNone);
  EXPECT_EQ(hit(117, 60), kPortionNone);
  // A bar shorter than two arrows shares itself between them.
  const TRect shortBar = Rect(0, 0, 17, 20);
  EXPECT_EQ(HitTestBar(si, 10, shortBar, kBarVertical, 17, Point(5, 9)), kPortionFirstArrow);
  EXPECT_EQ(HitTestBar(si, 10, shortBar, kBarVertical, 17, Point(5, 10)), kPortionSecondArrow);
  // Nothing to scroll: the thumb has no length and stands at the track's
  // start, so the whole track, its first pixel too, lies after it.
  si.nMax = -1;
  ASSERT_EQ(ThumbGeometry(si, 10, bar, kBarVertical, 17).Length, 0);
  EXPECT_EQ(hit(108, 17), kPortionTrackAfter);
  EXPECT_EQ(hit(108, 107), kPortionTrackAfter);
}

TEST(ScrollGeometry, RoundingIsSixtyFourBit) {
  EXPECT_EQ(MulDivRounded(91, 9, 56), 15);  // 14.625
  EXPECT_EQ(MulDivRounded(3, 1, 2), 2);
  EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
  EXPECT_EQ(MulDivRounded(2000000000, 2000000000, 4000000000LL), 1000000000);
  EXPECT_EQ(MulDivRounded(5, 5, 0), 0);
}

TEST_F(SkinnedList, HeldArrowRepeatsAfterTheFirstDelayAndPausesOffTheArrow) {
  Fill(56);
  SpyOnScrolls();
  const TRect r = adapter().BarRect(kBarVertical);
  const POINT arrow = Screen(BarX(), r.Bottom - 8);
  driver.moveTo(arrow);
  driver.press(arrow);
  driver.runFor(1);
  EXPECT_EQ(Count(SB_LINEDOWN), 1) << "one line at once";
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(At(BarX(), r.Bottom - 8), kArrowHot) << "the held arrow looks pressed";
  const TacThumb moved = adapter().Thumb(kBarVertical);
  EXPECT_GT(moved.Start, r.Top + 17);
  EXPECT_EQ(At(BarX(), r.Top + 17), kTrack1) << "the thumb is shown where the line moved it while the arrow is held";
  EXPECT_EQ(At(BarX(), moved.Start), kSlider);
  driver.runFor(298);
  EXPECT_EQ(Count(SB_LINEDOWN), 1) << "nothing more within the first 300 ms";
  driver.runFor(1 + 55);
  EXPECT_EQ(Count(SB_LINEDOWN), 2) << "the repeats start once the first delay is over";
  driver.runFor(55);
  EXPECT_EQ(Count(SB_LINEDOWN), 3);
  driver.runFor(55 * 4);
  EXPECT_EQ(Count(SB_LINEDOWN), 7) << "then one every 55 ms";

  // Off the arrow the repeats pause and the arrow looks normal again.
  driver.moveTo(Screen(BarX(), r.Top + 60));
  driver.runFor(55 * 4);
  const int paused = Count(SB_LINEDOWN);
  EXPECT_LE(paused, 8);
  driver.runFor(55 * 4);
  EXPECT_EQ(Count(SB_LINEDOWN), paused);
  EXPECT_NE(At(BarX(), r.Bottom - 8), kArrowHot);
  driver.moveTo(arrow);
  driver.runFor(55 * 2);
  EXPECT_GT(Count(SB_LINEDOWN), paused) << "back on the arrow the repeats go on";

  driver.release(arrow);
  driver.runUntilIdle();
  ASSERT_FALSE(scrolls.empty());
  EXPECT_EQ(scrolls.back().first, SB_ENDSCROLL);
  const int total = Count(SB_LINEDOWN);
  driver.runFor(500);
  EXPECT_EQ(Count(SB_LINEDOWN), total) << "released: no more repeats";
  EXPECT_EQ(ScrollTracking().PressedPortion, kPortionNone);
}

TEST_F(SkinnedList, DraggedThumbReportsOnlyPositionChangesThenPositionAndEnd) {
  Fill(56);
  SpyOnScrolls();
  const TRect r = adapter().BarRect(kBarVertical);
  const TacThumb thumb = adapter().Thumb(kBarVertical);
  int y = thumb.Start + 5;
  driver.moveTo(Screen(BarX(), y));
  driver.press(Screen(BarX(), y));
  // Pixel steps are finer than positions (76 pixels for 47 positions), so
  // some moves change nothing.
  for (int step = 0; step < 30; ++step) driver.moveTo(Screen(BarX(), ++y));
  driver.runUntilIdle();
  std::vector<int> tracked;
  for (const auto& s : scrolls)
    if (s.first == SB_THUMBTRACK) tracked.push_back(s.second);
  ASSERT_FALSE(tracked.empty());
  EXPECT_LT(tracked.size(), 30u);
  for (std::size_t i = 1; i < tracked.size(); ++i) EXPECT_NE(tracked[i], tracked[i - 1]);
  EXPECT_EQ(list->TopIndex(), tracked.back()) << "the list follows the thumb";
  EXPECT_EQ(At(BarX(), y), kSliderHot) << "the dragged thumb is painted pressed under the pointer";

  // Far below the track the thumb stops at the bottom arrow: the last line.
  driver.moveTo(Screen(BarX(), r.Bottom + 80));
  driver.release(Screen(BarX(), r.Bottom + 80));
  driver.runUntilIdle();
  ASSERT_GE(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[scrolls.size() - 2], std::make_pair(SB_THUMBPOSITION, 47));
  EXPECT_EQ(scrolls.back(), std::make_pair(SB_ENDSCROLL, 47));
  EXPECT_EQ(list->TopIndex(), 47);
}

TEST_F(SkinnedList, PageClickScrollsByAPageAndPaintsTheTrackPressed) {
  Fill(56);
  SpyOnScrolls();
  const TRect r = adapter().BarRect(kBarVertical);
  const POINT track = Screen(BarX(), r.Bottom - 30);
  driver.moveTo(track);
  driver.press(track);
  driver.runFor(1);
  EXPECT_EQ(Count(SB_PAGEDOWN), 1);
  EXPECT_EQ(list->TopIndex(), 8);
  driver.release(track);
  driver.runUntilIdle();
  EXPECT_EQ(scrolls.back().first, SB_ENDSCROLL);
}

TEST_F(SkinnedList, DisabledListShowsItsBarFaded) {
  Fill(56);
  const TRect r = adapter().BarRect(kBarVertical);
  const TColor thumbEnabled = At(BarX(), r.Top + 20);
  ASSERT_EQ(thumbEnabled, kSlider);
  list->SetEnabled(false);
  driver.runUntilIdle();
  const TColor parent = ColorToRGB(form->Color());
  // The bar keeps 60 % of itself over the form's plain colour; no thumb.
  auto faded = [&](TColor c, int shift) {
    return static_cast<int>(((c >> shift) & 0xFF) * 0.6 + ((parent >> shift) & 0xFF) * 0.4 + 0.5);
  };
  const TColor track = At(BarX(), r.Top + 20);
  for (int shift : {0, 8, 16}) EXPECT_NEAR(static_cast<int>((track >> shift) & 0xFF), faded(kTrack1, shift), 1);
  POINT inBar = Screen(BarX(), r.Top + 20);
  EXPECT_EQ(SendMessage(hwnd(), WM_NCHITTEST, 0, MAKELPARAM(inBar.X, inBar.Y)), HTNOWHERE)
      << "a bar that cannot scroll takes no presses";
}

TEST_F(SkinnedList, ArrowUnderThePointerTurnsHotWithinTwentyMilliseconds) {
  Fill(56);
  const TRect r = adapter().BarRect(kBarVertical);
  driver.moveTo(Screen(BarX(), r.Top + 8));
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), r.Top + 8), kArrowHot);
  EXPECT_EQ(At(BarX(), r.Bottom - 8), kArrowBottom) << "only the arrow under the pointer";
  driver.moveTo(Screen(BarX(), r.Top + 40));
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), r.Top + 8), kArrowTop);
  driver.moveTo(Screen(BarX(), r.Top + 8));
  driver.runFor(20);
  ASSERT_EQ(At(BarX(), r.Top + 8), kArrowHot);
  // Leaving the bar ends the hover and repaints it normal.
  driver.moveTo(Screen(40, 60));
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), r.Top + 8), kArrowTop);
  EXPECT_EQ(ScrollTracking().HoverKind, -1);
}

TEST_F(SkinnedList, SkinRemovedGivesTheWindowItsPlainBarsBack) {
  Fill(56);
  ASSERT_NE(GetProp(hwnd(), kScrollAdapterProp), nullptr);
  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_EQ(GetProp(hwnd(), kScrollAdapterProp), nullptr);
  EXPECT_TRUE(list->ScrollAdapter() == nullptr || list->ScrollAdapter()->Detached());
  EXPECT_EQ(list->ClientWidth(), 148 - GetSystemMetrics(SM_CXVSCROLL)) << "the platform's own bar takes the room";
  EXPECT_NE(At(149 - 8, 60), kTrack1);
}

TEST_F(SkinnedList, AHandlerTakenOverAfterTheAdapterStaysWhenTheSkinGoes) {
  Fill(56);
  SpyOnScrolls();  // takes the list's handler over after its adapter did
  manager.SetActive(false);
  driver.runUntilIdle();
  ASSERT_TRUE(list->ScrollAdapter() == nullptr || list->ScrollAdapter()->Detached());
  scrolls.clear();
  SendMessage(hwnd(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(Count(SB_LINEDOWN), 1) << "the later handler still hears the list";
  EXPECT_EQ(list->TopIndex(), 1) << "and the list's own handling follows it";
}

TEST_F(SkinnedList, APlainWindowSubclassedAfterItsAdapterKeepsTheLaterProcedureWhenTheAdapterGoes) {
  const HWND plain = CreateWindowEx(0, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 170, 10, 100, 100,
                                    form->Handle(), 0, nullptr);
  auto plainAdapter = std::make_unique<TacScrollWnd>(plain, nullptr, &manager);
  plainAdapter->Initialize(true);
  ASSERT_EQ(TacScrollWnd::Of(plain), plainAdapter.get());
  LaterSubclasser later(plain);
  plainAdapter.reset();
  EXPECT_EQ(TacScrollWnd::Of(plain), nullptr);
  EXPECT_TRUE(later.OnTop()) << "putting the old procedure back would cut the later one out";
  SendMessage(plain, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Строка"));
  EXPECT_EQ(LaterSubclasser::Heard(LB_ADDSTRING), 1);
  EXPECT_EQ(SendMessage(plain, LB_GETCOUNT, 0, 0), 1) << "the list's own procedure still answers";
  DestroyWindow(plain);
}

// A list that loses the mouse capture while an arrow is held (it is
// disabled or hidden, or the program loses the desktop's focus) ends the
// press as a release does: the end-scroll notification, no more repeats,
// and no pressed bar left to swallow the window's timers.
TEST_F(SkinnedList, AHeldArrowStopsWhenTheListLosesTheCapture) {
  Fill(56);
  SpyOnScrolls();
  const TRect r = adapter().BarRect(kBarVertical);
  const POINT arrow = Screen(BarX(), r.Bottom - 8);
  const struct {
    const char* name;
    std::function<void()> lose;
    std::function<void()> restore;
  } ways[] = {
      {"disabled", [&] { list->SetEnabled(false); }, [&] { list->SetEnabled(true); }},
      {"hidden", [&] { list->Hide(); }, [&] { list->Show(); }},
      {"program deactivated", [&] { driver.focusAnotherProgram(); }, [&] { SetActiveWindow(form->Handle()); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    SendMessage(hwnd(), LB_SETTOPINDEX, 0, 0);
    driver.runUntilIdle();
    scrolls.clear();
    driver.moveTo(arrow);
    driver.press(arrow);
    driver.runFor(400);
    ASSERT_GE(Count(SB_LINEDOWN), 2) << "the arrow repeats while held";
    ASSERT_EQ(GetCapture(), hwnd());
    way.lose();
    EXPECT_NE(GetCapture(), hwnd());
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.back().first, SB_ENDSCROLL) << "the press ended as on a release";
    EXPECT_EQ(ScrollTracking().PressedPortion, kPortionNone);
    EXPECT_EQ(ScrollTracking().RepeatTimer, 0u);
    const int total = Count(SB_LINEDOWN);
    driver.runFor(500);
    EXPECT_EQ(Count(SB_LINEDOWN), total) << "no more repeats";
    driver.release(arrow);
    driver.runUntilIdle();
    way.restore();
    driver.runUntilIdle();
  }
}

TEST_F(SkinnedList, KeysThatMoveThroughTheListMoveThePaintedThumb) {
  Fill(56);
  list->SetFocus();
  driver.runUntilIdle();
  const TRect r = adapter().BarRect(kBarVertical);
  driver.pressKey(VK_END);
  driver.runUntilIdle();
  EXPECT_EQ(list->TopIndex(), 47);
  EXPECT_EQ(At(BarX(), r.Bottom - 18), kSlider) << "the thumb is painted next to the bottom arrow";
  EXPECT_EQ(At(BarX(), r.Top + 17), kTrack1);
  driver.pressKey(VK_HOME);
  driver.runUntilIdle();
  EXPECT_EQ(At(BarX(), r.Top + 17), kSlider) << "and back next to the top arrow";
  EXPECT_EQ(At(BarX(), r.Bottom - 18), kTrack2);
}

TEST_F(SkinnedList, ASkinnedListTellsTheColourOfItsSection) {
  const LRESULT answer = SendMessage(hwnd(), SM_SKINCOMMAND, SkinCommand(SKC_GET_COLOR), static_cast<LPARAM>(clRed));
  EXPECT_EQ(static_cast<TColor>(answer), kEdit);
}
