#pragma once
// The plain classic look shared by the standard controls: raised and pushed
// button faces, arrows, check boxes, radio circles and the warning sign.
// Controls decide their state; these functions only draw it.
#include "platform/graphics/Gdi.h"

enum class ArrowDirection { Up, Down, Left, Right };

class ControlPainter {
 public:
  // A push-button face over rect: raised, or sunken while pushed; a default
  // button gets an extra black outline.
  static void buttonFace(HDC dc, const TRect& rect, bool pushed, bool isDefault);
  // A filled triangle centred in rect, its base half the smaller side.
  static void arrow(HDC dc, const TRect& rect, ArrowDirection direction, TColor color);
  // A 13-pixel sunken check box with a tick when checked (a grey one for the
  // indeterminate state); the inside is face-coloured while pushed or disabled.
  static void checkBox(HDC dc, const TRect& box, int check, bool pushed, bool enabled);
  // A 7 x 7 tick centred in area (check boxes, checked menu items).
  static void tick(HDC dc, const TRect& area, TColor color);
  // A 6 x 6 round bullet centred in area (radio-checked menu items).
  static void bullet(HDC dc, const TRect& area, TColor color);
  static void radioButton(HDC dc, const TRect& box, bool checked, bool pushed, bool enabled);
  // A yellow warning triangle with an exclamation mark, filling a square.
  static void warningSign(HDC dc, const TRect& square);
  // The side of the check box / radio circle.
  static constexpr int kCheckSize = 13;
};
