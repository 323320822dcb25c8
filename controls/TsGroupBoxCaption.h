#pragma once
// Where a group box's caption lies: its height from the font and its
// rectangle from the caption layout, the caption offset and the reading
// direction. Kept apart from the control so that it can be checked for any
// width and text without a window.
#include "platform/Geometry.h"

enum TsCaptionLayoutPos { clTopLeft, clTopCenter, clTopRight };

struct TsGroupBoxCaption {
  int BoxWidth = 0;
  int TextWidth = 0;    // of the caption in the control's font
  int LetterHeight = 0;  // of "W" in the control's font
  TsCaptionLayoutPos Layout = clTopLeft;
  int YOffset = 0;
  bool Skinned = false;
  bool RightToLeft = false;
  int BevelWidth = 1;

  int Height() const;
  TRect Rect() const;
};
