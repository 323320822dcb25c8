#pragma once
// Multimedia timers after the classic desktop API: unlike SetTimer they keep
// intervals below 10 ms (a fade of 8 ms steps). Here the callback runs on the
// user-interface thread from the message loop, like every other timer, so it
// may touch windows freely.
#include <functional>

#include "platform/windowing/WinTypes.h"

constexpr UINT TIME_ONESHOT = 0x0000;
constexpr UINT TIME_PERIODIC = 0x0001;

using TimerEventCallback = std::function<void(UINT timerId)>;

// Answers the timer's id, or 0 when the layer has no backend to run it.
UINT timeSetEvent(UINT delayMs, UINT resolutionMs, TimerEventCallback callback, UINT flags);
// Stops the timer; false for an id that does not run.
BOOL timeKillEvent(UINT timerId);
