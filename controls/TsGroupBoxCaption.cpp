#include "controls/TsGroupBoxCaption.h"

#include <algorithm>

int TsGroupBoxCaption::Height() const { return std::max(4, LetterHeight) + 2; }

TRect TsGroupBoxCaption::Rect() const {
  TRect r;
  if (Layout == clTopCenter) r.Left = (BoxWidth - TextWidth - 10) / 2;
  else if (Layout == clTopLeft || RightToLeft) r.Left = 6;
  else r.Left = BoxWidth - TextWidth - 14;
  r.Left = std::max(r.Left, 0);
  r.Right = std::min(r.Left + TextWidth + 8, BoxWidth);
  r.Top = 0;
  r.Bottom = Height();
  if (Skinned) {
    r.Bottom += YOffset;
    if (YOffset < 0) r.Top += YOffset;
  }
  if (r.Width() < 2 * BevelWidth) {
    r.Left -= BevelWidth;
    r.Right += BevelWidth;
  }
  return r;
}
