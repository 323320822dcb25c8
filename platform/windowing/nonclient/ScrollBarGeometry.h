#pragma once
// Where the parts of a window's default scroll bars lie: the bar rectangles
// in the non-client area, the arrows, the thumb, and which part a point hits.
#include "platform/windowing/WinTypes.h"
#include "platform/windowing/Window.h"

class ScrollBarGeometry {
 public:
  // bar: SB_HORZ or SB_VERT. Window coordinates; empty when the bar is hidden.
  static RECT barRect(const Window& w, int bar);
  // The square between two shown bars (empty otherwise).
  static RECT sizeBoxRect(const Window& w);
  // Length of each arrow along the bar.
  static int arrowLength(const RECT& barRect, int bar);
  struct Thumb {
    int start = 0;   // offset from the bar's start along the bar
    int length = 0;  // 0: no thumb (no room or nothing to scroll)
  };
  // Thumb at the given position (trackPos while dragging).
  static Thumb thumb(const ScrollBarData& data, const RECT& barRect, int bar, int pos);
  // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBTRACK, or -1.
  static int partAt(const ScrollBarData& data, const RECT& barRect, int bar, POINT inWindow);
  // The position a thumb starting at `thumbStart` (offset along the bar) stands for.
  static int positionForThumb(const ScrollBarData& data, const RECT& barRect, int bar, int thumbStart);
  // Largest valid position: max - max(page - 1, 0).
  static int maxPosition(const ScrollBarData& data);
  // The bar can scroll: the range is larger than the page.
  static bool scrollable(const ScrollBarData& data);

  static constexpr int kMinThumb = 8;
};
