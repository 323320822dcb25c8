#pragma once
// Keyboard conventions of dialogs that the controls apply themselves, since
// the layer's loops have no dialog-message filter: Enter presses the default
// push button, Escape cancels a platform dialog, Tab walks the tab stops.
#include "platform/windowing/WinUser.h"

class DialogKeys {
 public:
  // Clicks the default push button of from's top-level window (the id the
  // window answers to DM_GETDEFID, else the first enabled BS_DEFPUSHBUTTON).
  // Answers whether one was pressed.
  static bool pressDefaultButton(HWND from);
  // Sends WM_COMMAND IDCANCEL to from's top-level window when it is a
  // platform dialog ("#32770"). Answers whether it was sent.
  static bool cancelDialog(HWND from);
  // Moves the focus to the next (or previous) visible, enabled WS_TABSTOP
  // window of the same top-level window. Answers the new focus.
  static HWND nextTabStop(HWND from, bool backwards);
  // The shared handling of Enter, Escape and Tab key-downs; answers whether
  // the key was consumed.
  static bool handleKey(HWND from, WPARAM virtualKey);
};
