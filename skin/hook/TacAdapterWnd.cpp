#include "skin/hook/TacAdapterWnd.h"

#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"

namespace {
constexpr const char* kAdapterSubclassName = "TacAdapterWnd";
}

TacAdapterWnd::TacAdapterWnd(HWND window, std::string section, TsSkinManager* manager)
    : window_(window), section_(std::move(section)), manager_(manager), subclass_(kAdapterSubclassName) {
  if (!subclass_.Install(window_, &TacAdapterWnd::Procedure, this)) destroyed_ = true;
}

TacAdapterWnd::~TacAdapterWnd() { Release(); }

TacAdapterWnd* TacAdapterWnd::Of(HWND window) {
  return window && IsWindow(window) ? static_cast<TacAdapterWnd*>(WindowSubclass::OwnerOf(window, kAdapterSubclassName)) : nullptr;
}

void TacAdapterWnd::Release() {
  subclass_.Release();
  destroyed_ = true;
}

bool TacAdapterWnd::Skinned() const {
  return manager_ && TsSkinManager::DefaultManager() == manager_ && manager_->Content().SkinData.Active;
}

const TsSkinContent* TacAdapterWnd::Skin() const { return manager_ ? &manager_->Content() : nullptr; }

LRESULT TacAdapterWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
  return subclass_.CallPrevious(msg, wParam, lParam);
}

LRESULT TacAdapterWnd::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TacAdapterWnd*>(WindowSubclass::OwnerOf(hwnd, kAdapterSubclassName));
  if (!self) return WindowSubclass::PassOn(hwnd, kAdapterSubclassName, msg, wParam, lParam);
  if (msg == SM_SKINCOMMAND && SkinCommandOf(wParam) == SKC_QUERY_SKINNED) return 1;
  if (msg == WM_NCDESTROY) {
    self->Release();
    return self->CallPrevious(msg, wParam, lParam);
  }
  struct BusyScope {
    BusyScope() { ++busy_; }
    ~BusyScope() { --busy_; }
  } busy;
  LRESULT result = 0;
  if (self->Skinned() && self->Handle(msg, wParam, lParam, result)) return result;
  return self->CallPrevious(msg, wParam, lParam);
}
