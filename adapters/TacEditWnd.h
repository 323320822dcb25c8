#pragma once
// The edit-style adapter of list boxes: a scroll-window adapter that also
// paints the window's frame from the skin section of its owner ("EDIT"),
// prints the whole window for pictures of it, and refreshes the bars after
// the list box's own messages that may scroll it.
#include "adapters/TacScrollWnd.h"

class TacEditWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;

  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // The owner's cache made the frame picture: the section over the whole
  // window, over the parent's picture at the window's place.
  void BuildFramePicture();
  // The frame strips and the bars onto a context over the whole window.
  void PaintFrame(HDC dc);

 private:
  LRESULT NcPaint();
  LRESULT Paint(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Print(HDC dc, LPARAM flags);
};
