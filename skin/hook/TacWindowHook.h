#pragma once
// The thread's window hook that skins windows automatically while the
// default skin manager has a skin: forms get a frame object at their first
// activation, message forms too (when dialogs are to be skinned), platform
// dialogs ("#32770") a dialog skinner with adapters for their children, and
// the provider list owns what the hook made.
#include <cstddef>
#include <string>

#include "platform/windowing/WinTypes.h"

class TsSkinManager;
class TacMnuWnd;
class TacProvider;

class TacWindowHook {
 public:
  // The skin manager's install and remove points.
  static void Install(TsSkinManager& manager);
  static void Remove(TsSkinManager& manager);
  static bool Installed();

  static LRESULT HookProc(int code, WPARAM wParam, LPARAM lParam);

  // ---- the provider list
  static std::size_t ProviderCount();
  // The entry for a window handle, or null.
  static TacProvider* FindProvider(HWND window);
  // Forms of these window classes are never skinned by the hook.
  static bool ExemptClass(const std::string& className);
  // The form opt-out: forms with this Tag get no frame from the hook.
  static constexpr int kNoProviderTag = -98;

  // The menu skinners made since the last clean-up, and the one of an open menu.
  static std::size_t MenuSkinnerCount();
  static TacMnuWnd* MenuSkinnerFor(HWND menu);

  // Frees every provider (program shutdown, and the remove point).
  static void FreeProviders();

  // The skinned foreign dialogs now visible.
  static std::size_t VisibleDialogCount();
  // Some descendant of the window is a tool bar ("toolbarwindow32").
  static bool HasToolBar(HWND window);

 private:
  static void WindowCreated(HWND window);
  static void WindowDestroyed(HWND window);
  static void WindowActivated(HWND window);
};
