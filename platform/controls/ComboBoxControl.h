#pragma once
// The "COMBOBOX" class: CBS_DROPDOWN (an edit field over a drop-down list)
// and CBS_DROPDOWNLIST (a field showing the chosen item). The list is a
// pop-up "ComboLBox" window under the field, opened by the arrow button, F4
// or Alt+Down and closed by choosing, Escape or a click outside. Up and Down
// in the closed field step through the items. The parent hears
// CBN_SELCHANGE on every choice, CBN_EDITCHANGE on every edit of the field,
// CBN_DROPDOWN and CBN_CLOSEUP. WS_VSCROLL and WS_HSCROLL are the list's;
// WS_BORDER asks for a flat one-pixel border instead of the sunken edge.
#include <optional>

#include "platform/controls/StandardControl.h"

struct COMBOBOXINFO;

class ComboBoxControl : public StandardControl {
 public:
  ComboBoxControl(HWND hwnd, const CREATESTRUCT& cs) : StandardControl(hwnd), style_(cs.style) {}
  static void registerClass();

  static constexpr int kEditId = 1001;
  static constexpr int kListId = 1000;
  static constexpr int kDefaultVisibleItems = 8;
  static constexpr UINT CB_SETMINVISIBLE = 0x1701;
  static constexpr UINT CB_GETMINVISIBLE = 0x1702;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  bool hasEdit() const { return edit_ != nullptr; }
  RECT buttonRect() const;
  RECT fieldRect() const;
  int edgeWidth() const { return flat_ ? 1 : 2; }
  void layout();
  LRESULT list(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // The item the list shows highlighted (follows the mouse while open).
  int highlighted() const;
  void itemInserted(LRESULT at);
  // Makes index current and shows it in the field; answers whether it changed.
  bool select(int index);
  // A choice by the user: select, then CBN_SELCHANGE when it changed.
  void choose(int index);
  void showFieldText(const std::string& text);
  void open(bool byMouse);
  // Hides the list; `chosen` is the item to take (-1: none, keep the current).
  void close(int chosen);
  bool onKeyDown(WPARAM key, bool alt);

  // handle's topics (ComboBoxControlMessages.cpp): each answers the messages
  // it takes, none for the others.
  std::optional<LRESULT> windowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> inputMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> itemMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> dropDownMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void takeFrameStyles();
  // The field and the list; false when one could not be made.
  bool createParts();
  void forwardFont(WPARAM wParam, LPARAM lParam);
  LRESULT setText(const char* text, LPARAM lParam);
  void gainFocus();
  // The field's EN_ notices.
  void fieldNotice(WORD code);
  void pressed(POINT p);
  void typed(char32_t ch);
  LRESULT deleteItem(int index, WPARAM wParam);
  LRESULT answerInfo(COMBOBOXINFO* info) const;

  DWORD style_;
  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  int selected_ = -1;  // the box's choice, apart from the open list's highlight
  bool flat_ = false;
  bool dropped_ = false;
  bool focused_ = false;
  bool settingText_ = false;  // the field's text is being set by the box itself
  int droppedWidth_ = 0;
  int visibleItems_ = kDefaultVisibleItems;
};
