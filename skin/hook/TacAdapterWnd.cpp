#include "skin/hook/TacAdapterWnd.h"

#include "skin/SkinCommandMessage.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"

namespace {
constexpr const char* kProp = "TacAdapterWnd";
// The procedure before the adapter's, kept on the window for as long as the
// adapter's procedure may still be called there.
constexpr const char* kPreviousProp = "TacAdapterWnd.Previous";
}

TacAdapterWnd::TacAdapterWnd(HWND window, std::string section, TsSkinManager* manager)
    : window_(window), section_(std::move(section)), manager_(manager) {
  if (!IsWindow(window_)) {
    destroyed_ = true;
    return;
  }
  SetProp(window_, kProp, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacAdapterWnd::Procedure)));
  SetProp(window_, kPreviousProp, reinterpret_cast<void*>(previous_));
}

TacAdapterWnd::~TacAdapterWnd() { Release(); }

TacAdapterWnd* TacAdapterWnd::Of(HWND window) {
  return window && IsWindow(window) ? static_cast<TacAdapterWnd*>(GetProp(window, kProp)) : nullptr;
}

void TacAdapterWnd::Release() {
  if (destroyed_ || !IsWindow(window_)) {
    destroyed_ = true;
    return;
  }
  if (GetProp(window_, kProp) == this) RemoveProp(window_, kProp);
  // Only while nobody subclassed the window after this adapter: otherwise
  // putting the old procedure back would cut the later one out, and the
  // adapter's procedure stays in the chain passing everything on.
  if (previous_ && GetWindowLongPtr(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TacAdapterWnd::Procedure)) {
    SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemoveProp(window_, kPreviousProp);
  }
  destroyed_ = true;
}

bool TacAdapterWnd::Skinned() const {
  return manager_ && TsSkinManager::DefaultManager() == manager_ && manager_->Content().SkinData.Active;
}

const TsSkinContent* TacAdapterWnd::Skin() const { return manager_ ? &manager_->Content() : nullptr; }

LRESULT TacAdapterWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
  return previous_ ? CallWindowProc(previous_, window_, msg, wParam, lParam) : DefWindowProc(window_, msg, wParam, lParam);
}

LRESULT TacAdapterWnd::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TacAdapterWnd*>(GetProp(hwnd, kProp));
  if (!self) {
    const auto previous = reinterpret_cast<WNDPROC>(GetProp(hwnd, kPreviousProp));
    if (msg == WM_NCDESTROY) RemoveProp(hwnd, kPreviousProp);
    return previous ? CallWindowProc(previous, hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  }
  if (msg == SM_SKINCOMMAND && SkinCommandOf(wParam) == SKC_QUERY_SKINNED) return 1;
  if (msg == WM_NCDESTROY) {
    const WNDPROC previous = self->previous_;
    self->Release();
    return previous ? CallWindowProc(previous, hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  }
  struct BusyScope {
    BusyScope() { ++busy_; }
    ~BusyScope() { --busy_; }
  } busy;
  LRESULT result = 0;
  if (self->Skinned() && self->Handle(msg, wParam, lParam, result)) return result;
  return self->CallPrevious(msg, wParam, lParam);
}
