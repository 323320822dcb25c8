#pragma once
// The skinned frame's system menu "SysMenu": its items in order, with their
// names and system commands, and the rules that show and enable them for
// the form's border style, border icons and window state. Shown, it is a
// platform pop-up menu; the chosen command goes to the form as WM_SYSCOMMAND.
#include <string>
#include <vector>

#include "platform/windowing/WinTypes.h"

class TCustomForm;

struct TacSysMenuItem {
  std::string Caption;  // "-" for the separator
  std::string Name;
  UINT Command = 0;
  std::string ShortCut;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;      // shown as a radio bullet
  bool StartsColumn = false;
  std::vector<TacSysMenuItem> Items{};  // a submenu's items
};

class TacSysMenu {
 public:
  static constexpr const char* kName = "SysMenu";
  static constexpr const char* kSkinItemName = "SkinSelectItem";
  static constexpr int kSkinsPerColumn = 20;
  // Commands of the skin items: the first skin's, then one up per skin;
  // below the system commands.
  static constexpr UINT kFirstSkinCommand = 0x1000;

  TacSysMenu();
  const std::vector<TacSysMenuItem>& Items() const { return items_; }
  // The item named `name` ("ItemClose"), or null.
  const TacSysMenuItem* Find(const std::string& name) const;

  // Visibility and enabled states from the form; minimizeShown and
  // maximizeShown say whether the frame shows those buttons.
  void Update(const TCustomForm& form, bool hasSystemMenu, bool minimizeShown, bool maximizeShown);
  // Puts the skin submenu first (one radio item per name, `current`
  // checked), followed by a separator; with no names there is none.
  void SetSkinChoices(const std::vector<std::string>& names, const std::string& current);
  // The skin a command of a skin item chooses (its caption without "&"), or
  // empty for any other command.
  std::string SkinOfCommand(UINT command) const;

  // Shows the visible items at a screen point for `owner`; answers the
  // chosen command, 0 when cancelled.
  UINT Popup(HWND owner, int x, int y) const;

 private:
  std::vector<TacSysMenuItem> items_;
};
