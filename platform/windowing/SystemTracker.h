#pragma once
// A mouse grab run by the layer itself on behalf of DefWindowProc: dragging
// a window by its caption, holding a title button, holding a scroll bar. While
// one runs, every mouse event goes to it instead of to windows.
#include "platform/windowing/WinTypes.h"

class SystemTracker {
 public:
  virtual ~SystemTracker() = default;
  virtual void mouseMove(POINT screen) = 0;
  // Ends the grab (the router drops the tracker after this call).
  virtual void buttonUp(POINT screen) = 0;
  // The grab is taken away (window destroyed, another grab starts).
  virtual void cancel() = 0;
  virtual HWND window() const = 0;
};
