#pragma once
// Somebody else's subclass of a window, written by hand the classic way after
// an adapter took the window: it counts what reaches it and passes it on, so
// a test sees whether it is still in the window's chain once the adapter gave
// the window back. One at a time: its procedure is a plain function.
#include <algorithm>
#include <vector>

#include "platform/windowing/WinUser.h"

class LaterSubclasser {
 public:
  explicit LaterSubclasser(HWND window) : window_(window) {
    heard_.clear();
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclasser::Procedure)));
  }

  // It is still the window's procedure.
  bool OnTop() const {
    return GetWindowLongPtr(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&LaterSubclasser::Procedure);
  }
  // Takes itself out while it is on top, as a hand-written subclass does.
  void Remove() const { SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)); }
  // How often `msg` reached it.
  static int Heard(UINT msg) { return static_cast<int>(std::count(heard_.begin(), heard_.end(), msg)); }

 private:
  static LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    heard_.push_back(msg);
    return CallWindowProc(previous_, hwnd, msg, wParam, lParam);
  }

  HWND window_;
  static inline WNDPROC previous_ = nullptr;
  static inline std::vector<UINT> heard_;
};
