#pragma once
// Which control the mouse is over, windowed or not. When that changes, the
// control left gets CM_MOUSELEAVE and the one entered CM_MOUSEENTER (each
// passes the notice on to its parents with itself in lParam).
#include <functional>

class TControl;

class TMouseTracker {
 public:
  static TControl* Current();
  static void SetMouseControl(TControl* control);
  // A control being destroyed is forgotten without notices.
  static void Forget(const TControl* control);
  // Told of every change (the application's hints follow the mouse).
  static void SetObserver(std::function<void(TControl*)> observer);
  // Follows the windowing layer's enter/leave reports for framework windows.
  static void Install();
};
