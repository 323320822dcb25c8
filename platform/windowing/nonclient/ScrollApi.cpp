// The scroll-bar API for windows with WS_HSCROLL / WS_VSCROLL.
#include <algorithm>

#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"
#include "platform/windowing/nonclient/ScrollBarGeometry.h"

namespace {
ScrollBarData* barData(Window* w, int bar) {
  if (bar == SB_HORZ) return &w->hbar;
  if (bar == SB_VERT) return &w->vbar;
  return nullptr;
}

DWORD barStyle(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

void showBar(HWND hwnd, int bar, bool show) {
  Window* w = wm().find(hwnd);
  if (!w || ((w->style & barStyle(bar)) != 0) == show) return;
  const DWORD style = show ? (w->style | barStyle(bar)) : (w->style & ~barStyle(bar));
  wm().setLong(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style));
  ChangeFrame(hwnd);
}

void repaintBars(Window* w) { wm().painter().invalidate(w, &w->update, false, true, false); }
}  // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
  Window* w = wm().find(hwnd);
  if (!w || !info) return 0;
  ScrollBarData* d = barData(w, bar);
  if (!d) return 0;
  if (info->fMask & SIF_RANGE) {
    d->min = info->nMin;
    d->max = std::max(info->nMin, info->nMax);
  }
  if (info->fMask & SIF_PAGE) d->page = info->nPage;
  const std::int64_t range = static_cast<std::int64_t>(d->max) - d->min + 1;
  if (d->page > range) d->page = static_cast<UINT>(range);
  if (info->fMask & SIF_POS) d->pos = info->nPos;
  d->pos = std::clamp(d->pos, d->min, std::max(d->min, ScrollBarGeometry::maxPosition(*d)));
  const int pos = d->pos;
  // The bar comes and goes with the need to scroll, unless asked to stay disabled.
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    const bool needed = ScrollBarGeometry::scrollable(*d);
    if (info->fMask & SIF_DISABLENOSCROLL) {
      d->disabledArrows = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
      showBar(hwnd, bar, true);
    } else {
      showBar(hwnd, bar, needed);
    }
  }
  if (redraw && (w = wm().find(hwnd))) repaintBars(w);
  return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
  Window* w = wm().find(hwnd);
  if (!w || !info) return FALSE;
  const ScrollBarData* d = barData(w, bar);
  if (!d) return FALSE;
  if (info->fMask & SIF_RANGE) {
    info->nMin = d->min;
    info->nMax = d->max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = d->page;
  if (info->fMask & SIF_POS) info->nPos = d->pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = d->trackPos;
  return TRUE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info) {
  Window* w = wm().find(hwnd);
  if (!w || !info || (idObject != OBJID_HSCROLL && idObject != OBJID_VSCROLL)) return FALSE;
  const int bar = idObject == OBJID_HSCROLL ? SB_HORZ : SB_VERT;
  const ScrollBarData& d = *barData(w, bar);
  *info = SCROLLBARINFO{};
  const RECT r = ScrollBarGeometry::barRect(*w, bar);
  const POINT o = wm().screenOrigin(w);
  info->rcScrollBar = r.Offset(o.X, o.Y);
  if (r.IsEmpty()) {
    info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return TRUE;
  }
  info->dxyLineButton = ScrollBarGeometry::arrowLength(r, bar);
  const int pos = w->pressedScrollBar == bar && w->pressedScrollPart == SB_THUMBTRACK ? d.trackPos : d.pos;
  const ScrollBarGeometry::Thumb thumb = ScrollBarGeometry::thumb(d, r, bar, pos);
  info->xyThumbTop = thumb.start;
  info->xyThumbBottom = thumb.start + thumb.length;
  const bool enabled = ScrollBarGeometry::scrollable(d) && !(w->style & WS_DISABLED) && d.disabledArrows != ESB_DISABLE_BOTH;
  if (!enabled) info->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
  if (d.disabledArrows & ESB_DISABLE_LTUP) info->rgstate[1] = STATE_SYSTEM_UNAVAILABLE;
  if (d.disabledArrows & ESB_DISABLE_RTDN) info->rgstate[5] = STATE_SYSTEM_UNAVAILABLE;
  if (thumb.length == 0) info->rgstate[3] = STATE_SYSTEM_INVISIBLE;
  if (w->pressedScrollBar == bar && w->pressedScrollPart >= 0) {
    static constexpr int kStateIndex[] = {1, 5, 2, 4, -1, 3};
    const int index = w->pressedScrollPart <= SB_THUMBTRACK ? kStateIndex[w->pressedScrollPart] : -1;
    if (index > 0) info->rgstate[index] |= STATE_SYSTEM_PRESSED;
  }
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  Window* w = wm().find(hwnd);
  ScrollBarData* d = w ? barData(w, bar) : nullptr;
  if (!d) return 0;
  const int previous = d->pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(hwnd, bar, &info, redraw);
  return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
  Window* w = wm().find(hwnd);
  ScrollBarData* d = w ? barData(w, bar) : nullptr;
  return d ? d->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = min;
  info.nMax = max;
  if (!wm().find(hwnd) || (bar != SB_HORZ && bar != SB_VERT)) return FALSE;
  SetScrollInfo(hwnd, bar, &info, redraw);
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (!wm().find(hwnd)) return FALSE;
  if (bar == SB_HORZ || bar == SB_BOTH) showBar(hwnd, SB_HORZ, show != 0);
  if (bar == SB_VERT || bar == SB_BOTH) showBar(hwnd, SB_VERT, show != 0);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  if (bar == SB_HORZ || bar == SB_BOTH) w->hbar.disabledArrows = arrows & ESB_DISABLE_BOTH;
  if (bar == SB_VERT || bar == SB_BOTH) w->vbar.disabledArrows = arrows & ESB_DISABLE_BOTH;
  repaintBars(w);
  return TRUE;
}

BOOL InitializeFlatSB(HWND hwnd) { return wm().find(hwnd) ? TRUE : FALSE; }
BOOL UninitializeFlatSB(HWND hwnd) { return wm().find(hwnd) ? TRUE : FALSE; }
