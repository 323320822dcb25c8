#include "platform/windowing/MultimediaTimerApi.h"

#include <memory>
#include <set>

#include "platform/windowing/WindowManager.h"

namespace {
// The ids that run; a one-shot timer leaves the set when it fires.
std::set<UINT>& RunningTimers() {
  static std::set<UINT> running;
  return running;
}
}  // namespace

UINT timeSetEvent(UINT delayMs, UINT, TimerEventCallback callback, UINT flags) {
  if (!wm().hasBackend() || !callback) return 0;
  auto id = std::make_shared<UINT>(0);
  const bool periodic = (flags & TIME_PERIODIC) != 0;
  *id = static_cast<UINT>(wm().timers().setPrecise(
      delayMs,
      [id, periodic, callback] {
        const UINT timerId = *id;
        if (!periodic) timeKillEvent(timerId);
        callback(timerId);
      },
      wm().now()));
  RunningTimers().insert(*id);
  return *id;
}

BOOL timeKillEvent(UINT timerId) {
  if (!RunningTimers().erase(timerId)) return FALSE;
  wm().timers().killInternal(static_cast<int>(timerId));
  return TRUE;
}
