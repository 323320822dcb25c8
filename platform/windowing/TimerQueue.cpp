#include "platform/windowing/TimerQueue.h"

#include <algorithm>

#include "platform/windowing/WinMessages.h"

namespace {
// The classic desktop never fires a timer faster than this.
constexpr UINT kMinimumElapse = 10;
// Internal timers live on a window handle no real window ever has.
const HWND kInternalOwner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(-1));
}  // namespace

UINT_PTR TimerQueue::set(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint64_t now) {
  if (!hwnd && id == 0) id = nextThreadId_++;
  const UINT elapse = std::max(elapseMs, kMinimumElapse);
  for (Timer& t : timers_) {
    if (t.hwnd == hwnd && t.id == id && !t.internal) {
      t.elapse = elapse;
      t.due = now + elapse;
      t.proc = proc;
      return id;
    }
  }
  timers_.push_back(Timer{hwnd, id, elapse, now + elapse, proc, {}});
  return id;
}

bool TimerQueue::kill(HWND hwnd, UINT_PTR id) {
  const auto before = timers_.size();
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && !t.internal; });
  return timers_.size() != before;
}

void TimerQueue::killAll(HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && !t.internal; });
}

int TimerQueue::setInternal(UINT elapseMs, Callback callback, std::uint64_t now) {
  const int key = nextInternalKey_++;
  timers_.push_back(Timer{kInternalOwner, static_cast<UINT_PTR>(key), std::max(elapseMs, kMinimumElapse),
                          now + std::max(elapseMs, kMinimumElapse), nullptr, std::move(callback)});
  return key;
}

int TimerQueue::setPrecise(UINT elapseMs, Callback callback, std::uint64_t now) {
  const int key = nextInternalKey_++;
  const UINT elapse = std::max<UINT>(elapseMs, 1);
  timers_.push_back(Timer{kInternalOwner, static_cast<UINT_PTR>(key), elapse, now + elapse, nullptr, std::move(callback)});
  return key;
}

void TimerQueue::killInternal(int key) {
  std::erase_if(timers_, [&](const Timer& t) { return t.internal && t.id == static_cast<UINT_PTR>(key); });
}

std::optional<std::uint64_t> TimerQueue::nextDeadline() const {
  std::optional<std::uint64_t> best;
  for (const Timer& t : timers_)
    if (!best || t.due < *best) best = t.due;
  return best;
}

bool TimerQueue::exists(HWND hwnd, UINT_PTR id) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && !t.internal; });
}

bool TimerQueue::takeDue(std::uint64_t now, HWND filter, MSG* msg) {
  Timer* best = nullptr;
  for (Timer& t : timers_) {
    if (t.due > now) continue;
    if (filter && t.hwnd != filter && !t.internal) continue;
    if (!best || t.due < best->due) best = &t;
  }
  if (!best) return false;
  // Re-arm before delivery: the tick handler may kill or reset this timer.
  best->due = now + best->elapse;
  *msg = MSG{};
  if (best->internal) {
    Callback callback = best->internal;  // a copy: the callback may kill its own timer
    callback();
    return true;
  }
  msg->hwnd = best->hwnd;
  msg->message = WM_TIMER;
  msg->wParam = best->id;
  msg->lParam = reinterpret_cast<LPARAM>(best->proc);
  msg->time = static_cast<DWORD>(now);
  return true;
}

bool TimerQueue::peekDue(std::uint64_t now, HWND filter, MSG* msg) const {
  for (const Timer& t : timers_) {
    if (t.internal || t.due > now || (filter && t.hwnd != filter)) continue;
    *msg = MSG{};
    msg->hwnd = t.hwnd;
    msg->message = WM_TIMER;
    msg->wParam = t.id;
    msg->lParam = reinterpret_cast<LPARAM>(t.proc);
    msg->time = static_cast<DWORD>(now);
    return true;
  }
  return false;
}
