#include "skin/hook/TacWindowHook.h"

#include <memory>
#include <vector>

#include "framework/TCustomForm.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TsSkinProvider.h"
#include "skin/hook/TacAdapterWnd.h"
#include "skin/hook/TacDialogAttach.h"
#include "skin/hook/TacMnuWnd.h"
#include "skin/hook/TacProvider.h"

namespace {

HHOOK hookHandle = nullptr;
bool hookInstalled = false;

// Created with the hook; a slot is empty after its provider was freed.
std::unique_ptr<std::vector<std::unique_ptr<TacProvider>>>& ProviderList() {
  static std::unique_ptr<std::vector<std::unique_ptr<TacProvider>>> list;
  return list;
}

bool Designing(const TsSkinManager& manager) { return (manager.ComponentState() & csDesigning) != 0; }

bool MayManageHook(const TsSkinManager& manager) { return !Designing(manager) && manager.IsDefault(); }

// One skinner per pop-up menu window since the last clean-up.
std::vector<std::unique_ptr<TacMnuWnd>>& MenuSkinners() {
  static std::vector<std::unique_ptr<TacMnuWnd>> skinners;
  return skinners;
}

}  // namespace

void TacWindowHook::Install(TsSkinManager& manager) {
  if (!MayManageHook(manager) || hookInstalled) return;
  if (!ProviderList()) ProviderList() = std::make_unique<std::vector<std::unique_ptr<TacProvider>>>();
  hookHandle = SetWindowsHookEx(WH_CBT, &TacWindowHook::HookProc, nullptr, GetCurrentThreadId());
  hookInstalled = hookHandle != nullptr;
}

void TacWindowHook::Remove(TsSkinManager& manager) {
  if (!MayManageHook(manager) || !hookInstalled) return;
  MenuSkinners().clear();
  if (hookHandle) UnhookWindowsHookEx(hookHandle);
  FreeProviders();
  ProviderList().reset();
  hookInstalled = false;
  hookHandle = nullptr;
}

bool TacWindowHook::Installed() { return hookInstalled; }

void TacWindowHook::FreeProviders() {
  if (!ProviderList()) return;
  // Moved out first: freeing an adapter may reach the hook again.
  std::vector<std::unique_ptr<TacProvider>> providers = std::move(*ProviderList());
  ProviderList()->clear();
  providers.clear();
}

std::size_t TacWindowHook::ProviderCount() {
  if (!ProviderList()) return 0;
  std::size_t count = 0;
  for (const auto& p : *ProviderList())
    if (p) ++count;
  return count;
}

TacProvider* TacWindowHook::FindProvider(HWND window) {
  if (!ProviderList() || !window) return nullptr;
  for (const auto& p : *ProviderList())
    if (p && p->Window() == window) return p.get();
  return nullptr;
}

bool TacWindowHook::ExemptClass(const std::string& className) {
  return className == "TApplication" || className == "TQRStandardPreview";
}

LRESULT TacWindowHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(hookHandle, code, wParam, lParam);
  const HWND window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: WindowCreated(window); break;
    case HCBT_DESTROYWND: WindowDestroyed(window); break;
    case HCBT_ACTIVATE: WindowActivated(window); break;
    default: break;
  }
  return next;
}

void TacWindowHook::WindowCreated(HWND window) {
  // Pop-up menus are left to the platform only on the classic desktop from
  // its sixth version on, when it composes; this platform is none of these,
  // so every menu is skinned while the default manager skins pop-ups. A menu
  // keeps the look it opened with.
  if (GetClassNameString(window) != "#32768" || WindowAnswersOne(window, SKC_QUERY_SKINNED)) return;
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || !manager->SkinnedPopups()) return;
  MenuSkinners().push_back(std::make_unique<TacMnuWnd>(window, "MAINMENU", manager));
}

std::size_t TacWindowHook::MenuSkinnerCount() { return MenuSkinners().size(); }

TacMnuWnd* TacWindowHook::MenuSkinnerFor(HWND menu) {
  for (const auto& skinner : MenuSkinners())
    if (skinner->Window() == menu && !skinner->Destroyed()) return skinner.get();
  return nullptr;
}

void TacWindowHook::WindowDestroyed(HWND window) {
  if (!ProviderList()) return;
  for (auto& p : *ProviderList()) {
    if (!p) continue;
    // The entry of the dialog going now lets go of it while its windows
    // still exist (unless one of its adapters is handling a message: then
    // it goes at a later destruction), so no entry outlives its window.
    const bool going = p->DialogWindow() && p->DialogWindow() == window && !TacAdapterWnd::Busy();
    if (going || p->DialogDestroyed()) p.reset();
  }
}

bool TacWindowHook::HasToolBar(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (LowerClassName(child) == "toolbarwindow32" || HasToolBar(child)) return true;
  return false;
}

std::size_t TacWindowHook::VisibleDialogCount() {
  std::size_t count = 0;
  if (!ProviderList()) return 0;
  for (const auto& p : *ProviderList())
    if (p && p->DialogWindow() && !p->DialogDestroyed() && IsWindowVisible(p->DialogWindow())) ++count;
  return count;
}

void TacWindowHook::WindowActivated(HWND window) {
  if (!ProviderList() || !window) return;
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (WindowAnswersOne(window, SKC_QUERY_SKINNED) || !manager || FindProvider(window)) return;
  auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(window));
  if (form && form->IsDestroying()) return;
  const std::string className = GetClassNameString(window);
  if (ExemptClass(className)) return;
  const unsigned rules = manager->SkinningRules();
  if (form) {
    if (className == "TMessageForm") {
      if (!(rules & srStdDialogs)) return;
    } else if (!(rules & srStdForms) || form->Tag == kNoProviderTag) {
      return;
    }
    auto provider = std::make_unique<TacProvider>();
    TacProvider* entry = provider.get();
    ProviderList()->push_back(std::move(provider));
    // Owned by the form: it lives as long as the form does.
    auto* frame = new TsSkinProvider(form);
    frame->MakeSkinMenu = false;  // the program's own windows offer no skin choice
    entry->SetFormProvider(frame, window);
    return;
  }
  if (!(rules & srStdDialogs)) return;
  // While a skinned dialog is on screen only a dialog holding a tool bar
  // (a file dialog) is skinned as well.
  if (VisibleDialogCount() > 0 && !HasToolBar(window)) return;
  auto provider = std::make_unique<TacProvider>();
  TacProvider* entry = provider.get();
  ProviderList()->push_back(std::move(provider));
  if (!TacDialogAttach::Attach(*entry, window, manager)) {
    for (auto& p : *ProviderList())
      if (p.get() == entry) p.reset();
  }
}
