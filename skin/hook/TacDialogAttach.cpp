#include "skin/hook/TacDialogAttach.h"

#include <algorithm>
#include <cctype>

#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"
#include "skin/hook/TacBtnWnd.h"
#include "skin/hook/TacDialogWnd.h"
#include "skin/hook/TacDlgEditWnd.h"
#include "skin/hook/TacIconWnd.h"
#include "skin/hook/TacProvider.h"
#include "skin/hook/TacStaticWnd.h"

namespace {

constexpr DWORD kTabButtonsStyle = 0x2000;
constexpr int kUnskinnableTabWidth = 470;
constexpr int kUnskinnableTabHeight = 349;

bool Has(DWORD style, DWORD bits) { return (style & bits) == bits; }

}  // namespace

std::string LowerClassName(HWND window) {
  std::string name = GetClassNameString(window);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

std::unique_ptr<TacWindowAdapter> TacDialogAttach::MakeChildAdapter(HWND child, const std::string& className,
                                                                    DWORD style, TsSkinManager* manager,
                                                                    TacDialogWnd* dialog, bool& failed) {
  if (className == "systabcontrol32") {
    RECT r{};
    GetWindowRect(child, &r);
    if (r.Width() == kUnskinnableTabWidth && r.Height() == kUnskinnableTabHeight) failed = true;
    // FIXME: tab controls (PAGECONTROL) are not adapted yet.
    (void)kTabButtonsStyle;
    return nullptr;
  }
  if (WindowAnswersOne(child, SKC_QUERY_SKINNED)) return nullptr;
  if (className == "static") {
    if (Has(style, 3) || Has(style, 14)) return std::make_unique<TacIconWnd>(child, manager, dialog);
    const DWORD low = style & 0x1F;
    if (Has(style, 13) || low == 5 || low == 6 || low == 11) return nullptr;
    return std::make_unique<TacStaticWnd>(child, manager, dialog);
  }
  if (className == "button") {
    // Group boxes and check boxes (GROUPBOX, CHECKBOX) are not adapted yet.
    if (Has(style, 7) || Has(style, 2) || Has(style, 5) || Has(style, 9) || Has(style, 4)) return nullptr;
    return std::make_unique<TacBtnWnd>(child, manager, dialog);
  }
  if (className == "edit" || className == "listbox") return std::make_unique<TacDlgEditWnd>(child, manager, dialog);
  if (className == "combolbox") return std::make_unique<TacDlgEditWnd>(child, manager, dialog, "COMBOBOX");
  // FIXME: the other rows of the table (combo boxes, list and tree views,
  // spin buttons, tool bars, links, panels, sizers) get no adapter yet.
  return nullptr;
}

bool TacDialogAttach::AttachChildren(TacProvider& entry, HWND parent, TsSkinManager* manager, TacDialogWnd* dialog) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtr(child, GWL_STYLE));
    if (style & WS_CHILD) {
      bool failed = false;
      auto adapter = MakeChildAdapter(child, LowerClassName(child), style, manager, dialog, failed);
      if (failed) return false;
      if (adapter) entry.Adapters().push_back(std::move(adapter));
    }
    if (!AttachChildren(entry, child, manager, dialog)) return false;
  }
  return true;
}

bool TacDialogAttach::Attach(TacProvider& entry, HWND window, TsSkinManager* manager) {
  entry.Adapters().clear();
  if (manager && manager->Active()) {
    entry.SetDialogStyle(static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE)),
                         (GetWindowLongPtr(window, GWL_EXSTYLE) & kLeftScrollBar) != 0);
  }
  const std::string className = GetClassNameString(window);
  if (className != "#32770" && className != "TMessageForm") return false;
  if (entry.DialogDestroyed()) entry.SetDialogSkinner(nullptr);
  UninitializeFlatSB(window);
  // No preset dialog position is held by the engine: the dialog keeps its place.
  auto skinner = std::make_unique<TacDialogWnd>(window, manager);
  TacDialogWnd* dialog = skinner.get();
  entry.SetDialogWindow(window);
  entry.SetDialogSkinner(std::move(skinner));
  if (!AttachChildren(entry, window, manager, dialog)) return false;
  dialog->Refresh();
  SendSkinCommand(window, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(manager));
  return true;
}
