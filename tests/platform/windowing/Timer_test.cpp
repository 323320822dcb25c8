// Timers on the virtual clock.
#include "WindowingTestSupport.h"

namespace {

class Timers : public WindowingTest {};

std::vector<DWORD> tickTimes;
void recordTick(HWND, UINT, UINT_PTR, DWORD time) { tickTimes.push_back(time); }

TEST_F(Timers, ATwoSecondTimerFiresAtVirtualTwoSecondsAndThenEveryTwoSeconds) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  tickTimes.clear();
  const DWORD start = GetTickCount();
  SetTimer(w, 1, 2000, recordTick);
  driver.runFor(1999);
  EXPECT_TRUE(tickTimes.empty());
  driver.runFor(1);
  ASSERT_EQ(tickTimes.size(), 1u);
  EXPECT_EQ(tickTimes[0] - start, 2000u);
  driver.runFor(6000);
  EXPECT_EQ(tickTimes, (std::vector<DWORD>{start + 2000, start + 4000, start + 6000, start + 8000}));
}

TEST_F(Timers, WindowTimersArriveAsWmTimerWithTheirId) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  SetTimer(w, 7, 50, nullptr);
  SetTimer(w, 8, 120, nullptr);
  clearLog();
  driver.runFor(130);
  std::vector<WPARAM> ids;
  for (const LoggedMessage& m : log())
    if (m.msg == WM_TIMER) ids.push_back(m.wParam);
  EXPECT_EQ(ids, (std::vector<WPARAM>{7, 7, 8}));
  // Setting the same id again restarts it instead of adding a second timer.
  SetTimer(w, 7, 1000, nullptr);
  KillTimer(w, 8);
  clearLog();
  driver.runFor(999);
  EXPECT_EQ(count(w, WM_TIMER), 0);
}

int ticksBeforeKill = 0;
void killOnFirstTick(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  ++ticksBeforeKill;
  EXPECT_TRUE(KillTimer(hwnd, id));
  EXPECT_FALSE(KillTimer(hwnd, id));
}

TEST_F(Timers, KillingATimerInsideItsOwnTickIsSafe) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  ticksBeforeKill = 0;
  SetTimer(w, 3, 10, killOnFirstTick);
  driver.runFor(1000);
  EXPECT_EQ(ticksBeforeKill, 1);
}

TEST_F(Timers, TimersWaitUntilNoOtherMessageIsQueued) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  SetTimer(w, 1, 10, nullptr);
  driver.backend().setClock(driver.now() + 50);  // the timer is overdue
  clearLog();
  PostMessage(w, WM_APP, 0, 0);
  PostMessage(w, WM_APP + 1, 0, 0);
  driver.runUntilIdle();
  EXPECT_EQ(messagesOf(w, {WM_APP, WM_APP + 1, WM_TIMER}), (std::vector<UINT>{WM_APP, WM_APP + 1, WM_TIMER}));
}

TEST_F(Timers, ADestroyedWindowsTimersStop) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  tickTimes.clear();
  SetTimer(w, 1, 100, recordTick);
  driver.runFor(100);
  DestroyWindow(w);
  driver.runFor(1000);
  EXPECT_EQ(tickTimes.size(), 1u);
}

TEST_F(Timers, ThreadTimersGetTheirOwnIds) {
  tickTimes.clear();
  const UINT_PTR a = SetTimer(nullptr, 0, 100, recordTick);
  const UINT_PTR b = SetTimer(nullptr, 0, 100, recordTick);
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  driver.runFor(100);
  EXPECT_EQ(tickTimes.size(), 2u);
  KillTimer(nullptr, a);
  driver.runFor(100);
  EXPECT_EQ(tickTimes.size(), 3u);
}

TEST_F(Timers, AnIdleProgramWaitsForTheNextDeadlineInsteadOfSpinning) {
  HWND w = makeTop("t", Bounds(0, 0, 100, 100));
  SetTimer(w, 1, 2000, nullptr);
  const DWORD start = GetTickCount();
  MSG msg;
  // The loop has nothing to do, so GetMessage must return the timer itself.
  ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_EQ(GetTickCount() - start, 2000u);
}

}  // namespace
