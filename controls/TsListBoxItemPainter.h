#pragma once
// Draws one item of an owner-drawn list box: the row filled with the brush,
// then either the owner's own drawing or the item's text on one line,
// vertically centred, 2 pixels in from the leading edge, and last the focus
// rectangle, so an owner's drawing never covers it. An owner's handler may
// free the list box that holds the canvas; the owner then answers false and
// the painter leaves the canvas alone.
#include <functional>
#include <string>

#include "framework/graphics/TCanvas.h"

struct TsListItemLook {
  TColor Background = clWindow;
  TColor TextColor = clWindowText;
  bool Focused = false;
  bool RightToLeft = false;
};

class TsListBoxItemPainter {
 public:
  // Draws on the canvas's context; `owner` (may be empty) replaces the text
  // and answers whether the canvas is still there.
  static void Paint(TCanvas& canvas, const TRect& row, const std::string& text, const TsListItemLook& look,
                    const std::function<bool()>& owner);
};
