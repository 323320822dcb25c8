#include "platform/windowing/WindowSubclass.h"

#include <utility>

#include "platform/windowing/WinUser.h"

namespace {
std::string PreviousPropertyOf(const std::string& property) { return property + ".Previous"; }

WNDPROC KeptProcedure(HWND window, const std::string& previousProperty) {
  return reinterpret_cast<WNDPROC>(GetProp(window, previousProperty.c_str()));
}

LRESULT Call(WNDPROC procedure, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return procedure ? CallWindowProc(procedure, window, msg, wParam, lParam) : DefWindowProc(window, msg, wParam, lParam);
}
}  // namespace

WindowSubclass::WindowSubclass(std::string property)
    : property_(std::move(property)), previousProperty_(PreviousPropertyOf(property_)) {}

WindowSubclass::~WindowSubclass() { Release(); }

bool WindowSubclass::Install(HWND window, WNDPROC procedure, void* owner) {
  Release();
  if (!window || !IsWindow(window) || !procedure) return false;
  window_ = window;
  procedure_ = procedure;
  owner_ = owner;
  installed_ = true;
  SetProp(window_, property_.c_str(), owner_);
  // A procedure given back while others stood above it is still in the
  // chain: installing it again would make it call itself.
  if (const WNDPROC kept = KeptProcedure(window_, previousProperty_)) {
    previous_ = kept;
    return true;
  }
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure_)));
  SetProp(window_, previousProperty_.c_str(), reinterpret_cast<HANDLE>(previous_));
  return true;
}

void WindowSubclass::Release() {
  if (!installed_) return;
  installed_ = false;
  if (!IsWindow(window_)) return;
  // Another owner took this place in the chain: the window is theirs now.
  if (GetProp(window_, property_.c_str()) != owner_) return;
  RemoveProp(window_, property_.c_str());
  if (GetWindowLongPtr(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure_)) {
    SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemoveProp(window_, previousProperty_.c_str());
  }
}

LRESULT WindowSubclass::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return Call(previous_, window_, msg, wParam, lParam);
}

void* WindowSubclass::OwnerOf(HWND window, const std::string& property) {
  return window ? GetProp(window, property.c_str()) : nullptr;
}

LRESULT WindowSubclass::PassOn(HWND window, const std::string& property, UINT msg, WPARAM wParam, LPARAM lParam) {
  const std::string previousProperty = PreviousPropertyOf(property);
  const WNDPROC previous = KeptProcedure(window, previousProperty);
  if (msg == WM_NCDESTROY) RemoveProp(window, previousProperty.c_str());
  return Call(previous, window, msg, wParam, lParam);
}
