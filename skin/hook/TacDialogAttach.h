#pragma once
// Attaching a hook entry to a window the program did not create: a platform
// dialog ("#32770", or a message form of another framework) gets its dialog
// skinner and an adapter for every child window the adapter table names.
#include <memory>
#include <string>

#include "platform/windowing/WinTypes.h"
#include "skin/hook/TacWindowAdapter.h"

class TacDialogWnd;
class TacProvider;
class TsSkinManager;

class TacDialogAttach {
 public:
  // Attaches `entry` to `window`; answers false when the window is not a
  // dialog or one of its children makes the walk fail (the caller frees
  // the entry then).
  static bool Attach(TacProvider& entry, HWND window, TsSkinManager* manager);

  // The adapter the table gives a child of the lower-case class name and
  // style; null for a child that gets none. `failed` is set for the tab
  // control of exactly 470 x 349 pixels, which leaves its dialog unskinned.
  static std::unique_ptr<TacWindowAdapter> MakeChildAdapter(HWND child, const std::string& className, DWORD style,
                                                            TsSkinManager* manager, TacDialogWnd* dialog,
                                                            bool& failed);

  static constexpr DWORD kLeftScrollBar = 0x4000;

 private:
  static bool AttachChildren(TacProvider& entry, HWND parent, TsSkinManager* manager, TacDialogWnd* dialog);
};

// The class name in lower case (the adapter table compares so).
std::string LowerClassName(HWND window);
