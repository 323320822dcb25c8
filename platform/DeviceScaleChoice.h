#pragma once
// How the program picks its device scale at start from what the desktop
// says about its density. The first of these that is set and readable wins:
// TRAINER_SCALE (the program's own, e.g. from the menu entry's «Крупно»
// action), GDK_SCALE (the desktop's whole-number scale), Xft.dpi, the
// display's own DPI; a DPI counts in steps of 96 rounded to the nearest
// (96 -> 1, 192 -> 2, 288 -> 3). The result is then lowered until the
// window that must fit (the largest the program opens) fits the screen.
#include <optional>
#include <string>

#include "platform/Geometry.h"

namespace DeviceScaleChoice {

struct DesktopDensity {
  std::optional<std::string> trainerScale;  // TRAINER_SCALE as set
  std::optional<std::string> gdkScale;      // GDK_SCALE as set
  double xftDpi = 0;                        // Xft.dpi; 0 when unset
  double displayDpi = 0;                    // the display's; 0 when unknown
  SIZE screen{};                            // in screen pixels; 0 when unknown
};

// A whole scale 1..3 read from a variable's text ("2"), or nothing when the
// text is not a whole number 1 or more; larger numbers count as 3.
std::optional<int> ParseScale(const std::string& text);

// The scale for the program, 1..3.
int Choose(const DesktopDensity& desktop, SIZE mustFit);

}  // namespace DeviceScaleChoice
