#include "skin/frame/TacSysMenu.h"

#include "framework/TCustomForm.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/windowing/WinUser.h"

namespace {

// A menu caption shows a lone "&" as the underline of the next letter, so a
// skin name's own "&" is written twice to keep it.
std::string AsCaption(const std::string& name) {
  std::string caption;
  for (char c : name) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

// The caption without its underline marks: "&&" is one "&", a lone one goes.
std::string WithoutMarks(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      text += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      text += '&';
      ++i;
    }
  }
  return text;
}

}  // namespace

TacSysMenu::TacSysMenu()
    : items_{{"Restore", "ItemRestore", SC_RESTORE, ""},   {"Move", "ItemMove", SC_MOVE, ""},
             {"Size", "ItemSize", SC_SIZE, ""},            {"Minimize", "ItemMinimize", SC_MINIMIZE, ""},
             {"Maximize", "ItemMaximize", SC_MAXIMIZE, ""}, {"-", "N1", 0, ""},
             {"Close", "ItemClose", SC_CLOSE, "Alt+F4"}} {}

const TacSysMenuItem* TacSysMenu::Find(const std::string& name) const {
  for (const TacSysMenuItem& item : items_)
    if (item.Name == name) return &item;
  return nullptr;
}

void TacSysMenu::SetSkinChoices(const std::vector<std::string>& names, const std::string& current) {
  if (!items_.empty() && items_.front().Name == kSkinItemName) items_.erase(items_.begin(), items_.begin() + 2);
  if (names.empty()) return;
  TacSysMenuItem submenu{"Available skins", kSkinItemName, 0, ""};
  for (std::size_t i = 0; i < names.size(); ++i) {
    TacSysMenuItem item{AsCaption(names[i]), kSkinItemName + std::to_string(i), kFirstSkinCommand + static_cast<UINT>(i), ""};
    item.Checked = names[i] == current;
    // A long list is split into columns of kSkinsPerColumn.
    item.StartsColumn = i > 0 && i % kSkinsPerColumn == 0;
    submenu.Items.push_back(std::move(item));
  }
  items_.insert(items_.begin(), {std::move(submenu), TacSysMenuItem{"-", "SkinSelectLine", 0, ""}});
}

std::string TacSysMenu::SkinOfCommand(UINT command) const {
  if (items_.empty() || items_.front().Name != kSkinItemName || command < kFirstSkinCommand) return {};
  const std::size_t position = command - kFirstSkinCommand;
  const std::vector<TacSysMenuItem>& skins = items_.front().Items;
  if (position >= skins.size()) return {};
  // The skin's own name again, whatever "&" it holds.
  return WithoutMarks(skins[position].Caption);
}

void TacSysMenu::Update(const TCustomForm& form, bool hasSystemMenu, bool minimizeShown, bool maximizeShown) {
  const TFormBorderStyle style = form.BorderStyle();
  const TBorderIcons icons = form.BorderIcons();
  const HWND window = form.HandleAllocated() ? const_cast<TCustomForm&>(form).Handle() : nullptr;
  const bool iconic = window && IsIconic(window);
  const bool maximized = window && IsZoomed(window);
  const bool bigStyle = style == bsSingle || style == bsSizeable;
  for (TacSysMenuItem& item : items_) {
    if (item.Command == SC_RESTORE) {
      item.Visible = hasSystemMenu && bigStyle;
      item.Enabled = iconic || (maximized && (icons & biMaximize));
    } else if (item.Command == SC_MOVE) {
      item.Visible = true;
      item.Enabled = !maximized;
    } else if (item.Command == SC_SIZE) {
      item.Visible = bigStyle || style == bsSizeToolWin;
      item.Enabled = style != bsSingle && !iconic;
    } else if (item.Command == SC_MINIMIZE) {
      item.Visible = minimizeShown;
      item.Enabled = (icons & biMinimize) && !iconic;
    } else if (item.Command == SC_MAXIMIZE) {
      item.Visible = maximizeShown;
      item.Enabled = (icons & biMaximize) && !maximized && bigStyle;
    } else if (item.Command == SC_CLOSE) {
      item.Visible = hasSystemMenu;
      item.Enabled = true;
    }
  }
}

UINT TacSysMenu::Popup(HWND owner, int x, int y) const {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  bool lastWasSeparator = true;  // no separator at the top
  for (const TacSysMenuItem& item : items_) {
    if (!item.Visible) continue;
    if (item.Name == kSkinItemName) {
      HMENU skins = CreatePopupMenu();
      for (const TacSysMenuItem& skin : item.Items) {
        UINT flags = MF_STRING | MFT_RADIOCHECK;
        if (skin.Checked) flags |= MF_CHECKED;
        if (skin.StartsColumn) flags |= MF_MENUBREAK;
        AppendMenu(skins, flags, skin.Command, skin.Caption.c_str());
      }
      AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(skins), item.Caption.c_str());
      lastWasSeparator = false;
      continue;
    }
    if (item.Command == 0) {
      if (!lastWasSeparator) AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
      lastWasSeparator = true;
      continue;
    }
    const std::string text = item.ShortCut.empty() ? item.Caption : item.Caption + "\t" + item.ShortCut;
    AppendMenu(menu, item.Enabled ? MF_STRING : MF_STRING | MF_GRAYED, item.Command, text.c_str());
    lastWasSeparator = false;
  }
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD, x, y, 0, owner, nullptr));
  DestroyMenu(menu);
  return chosen;
}
