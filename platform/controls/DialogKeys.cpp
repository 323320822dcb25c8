#include "platform/controls/DialogKeys.h"

#include <vector>

#include "platform/controls/ControlMessages.h"

namespace {

// Every window below root in tab order: depth first, siblings in z-order,
// which is the order they were created in (new children go to the bottom).
void collect(HWND parent, std::vector<HWND>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(child);
    collect(child, out);
  }
}

std::vector<HWND> descendants(HWND root) {
  std::vector<HWND> all;
  collect(root, all);
  return all;
}

bool usable(HWND hwnd) { return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

bool isButtonOfType(HWND hwnd, DWORD type) {
  return GetClassNameString(hwnd) == WC_BUTTON &&
         (static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)) & BS_TYPEMASK) == type;
}

}  // namespace

bool DialogKeys::pressDefaultButton(HWND from) {
  const HWND root = GetAncestorRoot(from);
  if (!root) return false;
  HWND target = nullptr;
  const LRESULT defId = SendMessage(root, DM_GETDEFID, 0, 0);
  const std::vector<HWND> children = descendants(root);
  for (HWND child : children) {
    if (!usable(child)) continue;
    const bool matches = HIWORD(static_cast<std::uintptr_t>(defId)) == DC_HASDEFID
                             ? GetWindowLongPtr(child, GWLP_ID) == LOWORD(static_cast<std::uintptr_t>(defId))
                             : isButtonOfType(child, BS_DEFPUSHBUTTON);
    if (matches) {
      target = child;
      break;
    }
  }
  if (!target) return false;
  SendMessage(target, BM_CLICK, 0, 0);
  return true;
}

bool DialogKeys::cancelDialog(HWND from) {
  const HWND root = GetAncestorRoot(from);
  if (!root || GetClassNameString(root) != WC_DIALOG) return false;
  SendMessage(root, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return true;
}

HWND DialogKeys::nextTabStop(HWND from, bool backwards) {
  const HWND root = GetAncestorRoot(from);
  if (!root) return nullptr;
  std::vector<HWND> stops;
  for (HWND child : descendants(root))
    if (usable(child) && (GetWindowLongPtr(child, GWL_STYLE) & WS_TABSTOP)) stops.push_back(child);
  if (stops.empty()) return nullptr;
  std::size_t at = stops.size();
  for (std::size_t i = 0; i < stops.size(); ++i)
    if (stops[i] == from || IsChild(stops[i], from)) at = i;
  std::size_t next = 0;
  if (at == stops.size()) next = backwards ? stops.size() - 1 : 0;
  else next = backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  SetFocus(stops[next]);
  return stops[next];
}

bool DialogKeys::handleKey(HWND from, WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_RETURN: return pressDefaultButton(from);
    case VK_ESCAPE: return cancelDialog(from);
    case VK_TAB: return nextTabStop(from, GetKeyState(VK_SHIFT) < 0) != nullptr;
    default: return false;
  }
}
