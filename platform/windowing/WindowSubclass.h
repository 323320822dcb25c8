#pragma once
// Subclassing a window: a procedure installed over the window's current one
// keeps that one for what it does not consume, and a window property leads
// from the window to the object the procedure works for.
//
// Giving the window back puts the previous procedure in place only while the
// installed one is still the window's procedure. When someone subclassed the
// window after it, putting the old procedure back would cut the later one
// out; the installed procedure then stays in the chain and passes every
// message on until the window goes. Its procedure therefore starts with
//     auto* self = static_cast<Owner*>(WindowSubclass::OwnerOf(hwnd, kProp));
//     if (!self) return WindowSubclass::PassOn(hwnd, kProp, msg, wParam, lParam);
#include <string>

#include "platform/windowing/WinTypes.h"

class WindowSubclass {
 public:
  // `property` names the window property leading to the owner. The previous
  // procedure is kept on the window too, as "<property>.Previous", so that
  // the installed procedure can pass messages on after the owner has gone.
  explicit WindowSubclass(std::string property);
  // Gives the window back.
  ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Leads the window's property to `owner` and installs `procedure` over
  // the window's procedure. Where the same procedure was given back but is
  // still in the window's chain, the owner takes its place there instead of
  // installing it a second time. False for a window that does not exist.
  bool Install(HWND window, WNDPROC procedure, void* owner);
  // Gives the window back as said above. The previous procedure stays known,
  // so the handler running at that moment can still pass its message on.
  void Release();

  bool Installed() const { return installed_; }
  HWND Window() const { return window_; }
  // Hands a message to the procedure before the installed one (the default
  // procedure when there was none).
  LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const;

  // The owner the window's property leads to, or null once it gave the
  // window back.
  static void* OwnerOf(HWND window, const std::string& property);
  // An installed procedure whose owner gave the window back: the message goes
  // to the procedure kept on the window, which is forgotten when the window
  // goes (WM_NCDESTROY).
  static LRESULT PassOn(HWND window, const std::string& property, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  std::string property_;
  std::string previousProperty_;
  HWND window_ = nullptr;
  WNDPROC procedure_ = nullptr;
  WNDPROC previous_ = nullptr;
  void* owner_ = nullptr;
  bool installed_ = false;
};
