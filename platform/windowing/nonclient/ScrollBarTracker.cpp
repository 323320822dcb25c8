#include "platform/windowing/nonclient/ScrollBarTracker.h"

#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"
#include "platform/windowing/nonclient/ScrollBarGeometry.h"

namespace {
UINT scrollMessage(int bar) { return bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL; }
ScrollBarData* dataOf(Window* w, int bar) { return bar == SB_HORZ ? &w->hbar : &w->vbar; }
}  // namespace

ScrollBarTracker::ScrollBarTracker(HWND hwnd, int bar, POINT startScreen)
    : hwnd_(hwnd), bar_(bar), pointer_(startScreen) {
  Window* w = wm().find(hwnd);
  if (!w) return;
  part_ = partUnder(startScreen);
  if (part_ < 0) return;
  const bool enabled = ScrollBarGeometry::scrollable(*dataOf(w, bar)) && !(w->style & WS_DISABLED);
  const UINT arrowBit = part_ == SB_LINEUP ? ESB_DISABLE_LTUP : part_ == SB_LINEDOWN ? ESB_DISABLE_RTDN : 0;
  if (!enabled || (dataOf(w, bar)->disabledArrows & arrowBit)) {
    part_ = -1;
    return;
  }
  setPressedLook(part_);
  if (part_ == SB_THUMBTRACK) {
    const RECT r = ScrollBarGeometry::barRect(*w, bar);
    ScrollBarData* d = dataOf(w, bar);
    d->trackPos = d->pos;
    const POINT o = wm().screenOrigin(w);
    const int along = bar == SB_HORZ ? startScreen.X - o.X - r.Left : startScreen.Y - o.Y - r.Top;
    grabOffset_ = along - ScrollBarGeometry::thumb(*d, r, bar, d->pos).start;
    return;
  }
  notify(part_, 0);
  timer_ = wm().timers().setInternal(kFirstDelay, [this] { repeat(); }, wm().now());
}

ScrollBarTracker::~ScrollBarTracker() {
  if (timer_) wm().timers().killInternal(timer_);
}

int ScrollBarTracker::partUnder(POINT screen) const {
  Window* w = wm().find(hwnd_);
  if (!w) return -1;
  const POINT o = wm().screenOrigin(w);
  return ScrollBarGeometry::partAt(*dataOf(w, bar_), ScrollBarGeometry::barRect(*w, bar_), bar_,
                                   {screen.X - o.X, screen.Y - o.Y});
}

void ScrollBarTracker::notify(int code, int pos) {
  SendMessage(hwnd_, scrollMessage(bar_), MAKEWPARAM(code, pos), 0);
}

void ScrollBarTracker::setPressedLook(int part) {
  Window* w = wm().find(hwnd_);
  if (!w) return;
  const int barState = part < 0 ? -1 : bar_;
  if (w->pressedScrollPart == part && w->pressedScrollBar == barState) return;
  w->pressedScrollPart = part;
  w->pressedScrollBar = barState;
  wm().painter().invalidate(w, &w->update, false, true, false);
}

void ScrollBarTracker::repeat() {
  if (firstDelay_) {
    firstDelay_ = false;
    wm().timers().killInternal(timer_);
    timer_ = wm().timers().setInternal(kRepeatDelay, [this] { repeat(); }, wm().now());
  }
  // Repeats pause while the pointer is off the held part.
  if (partUnder(pointer_) == part_) notify(part_, 0);
}

void ScrollBarTracker::mouseMove(POINT screen) {
  pointer_ = screen;
  Window* w = wm().find(hwnd_);
  if (!w || part_ < 0) return;
  if (part_ != SB_THUMBTRACK) {
    setPressedLook(partUnder(screen) == part_ ? part_ : -1);
    return;
  }
  ScrollBarData* d = dataOf(w, bar_);
  const RECT r = ScrollBarGeometry::barRect(*w, bar_);
  const POINT o = wm().screenOrigin(w);
  const int along = bar_ == SB_HORZ ? screen.X - o.X - r.Left : screen.Y - o.Y - r.Top;
  const int pos = ScrollBarGeometry::positionForThumb(*d, r, bar_, along - grabOffset_);
  if (pos == d->trackPos) return;
  d->trackPos = pos;
  wm().painter().invalidate(w, &w->update, false, true, false);
  notify(SB_THUMBTRACK, pos);
}

void ScrollBarTracker::finish(bool sendPosition) {
  if (timer_) wm().timers().killInternal(timer_);
  timer_ = 0;
  const int part = part_;
  part_ = -1;
  setPressedLook(-1);
  if (part < 0) return;
  Window* w = wm().find(hwnd_);
  if (!w) return;
  if (part == SB_THUMBTRACK && sendPosition) notify(SB_THUMBPOSITION, dataOf(w, bar_)->trackPos);
  if (wm().find(hwnd_)) notify(SB_ENDSCROLL, 0);
}

void ScrollBarTracker::buttonUp(POINT screen) {
  pointer_ = screen;
  finish(true);
}

void ScrollBarTracker::cancel() { finish(false); }
