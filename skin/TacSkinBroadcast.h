#pragma once
// Delivering a skin command to every form of the program: the forms the
// application owns (last to first) that do not skin themselves, then the
// registered skinned forms; each form and every child window under it gets
// the message. Also the forms whose redrawing is held while the skin
// changes.
#include <vector>

#include "platform/windowing/WinTypes.h"

class TCustomForm;

class TacSkinBroadcast {
 public:
  static void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);

  // Sends to the form (through its window when it has one) and then to all
  // of its child windows, depth first; the windowless controls of the form
  // and of each child window hear it right after their container.
  static void SendToFormAndControls(TCustomForm& form, UINT msg, WPARAM wParam, LPARAM lParam);

  // Registered forms that are visible, have no parent and answer a frame
  // provider: their windows, whose redrawing is switched off during a change.
  static std::vector<HWND> FramedTopLevelForms();
  static void SetRedraw(const std::vector<HWND>& windows, bool on);
  // Redraws each window that still exists with its children at once.
  static void RedrawNow(const std::vector<HWND>& windows);
};
