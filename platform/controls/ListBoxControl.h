#pragma once
// The "LISTBOX" class (single selection) and its drop-down variant
// "ComboLBox". Items are UTF-8 strings with a data value each. The vertical
// scroll bar of a WS_VSCROLL list box comes from the windowing layer's scroll
// information and appears only while the items do not fit. The current item
// is highlighted, follows the arrow keys, Home/End and the page keys, and is
// always scrolled into view; with LBS_NOTIFY the parent hears LBN_SELCHANGE
// and LBN_DBLCLK.
//
// With LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE the parent draws the
// items (WM_DRAWITEM); with LBS_OWNERDRAWVARIABLE it also gives each item its
// height when the item is added (WM_MEASUREITEM), and rows, scrolling and
// hit tests follow those heights.
//
// As a combo box's drop-down list the window is a pop-up owned by the box:
// it follows the mouse while open, and tells the box when an item is chosen
// (kListChosen) or the list is dismissed by a click outside (kListDismissed).
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/StandardControl.h"

class ListBoxControl : public StandardControl {
 public:
  ListBoxControl(HWND hwnd, const CREATESTRUCT& cs);
  static void registerClasses();

  // Sent by a drop-down list to its combo box (wParam: the chosen index).
  static constexpr UINT kListChosen = WM_USER + 0x300;
  static constexpr UINT kListDismissed = WM_USER + 0x301;
  // Sent by the combo box to its list when it opens and closes.
  static constexpr UINT kListOpened = WM_USER + 0x302;
  static constexpr UINT kListClosed = WM_USER + 0x303;

  // Lines scrolled by one notch of the mouse wheel.
  static constexpr int kWheelLines = 3;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  struct Item {
    std::string text;
    LPARAM data = 0;
    int height = 0;  // LBS_OWNERDRAWVARIABLE: the parent's answer
  };

  int count() const { return static_cast<int>(items_.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  // Whole lines that fit in the client area (at least 1).
  int visibleLines() const;
  bool variableHeights() const;
  // The height every item has unless the parent measures them.
  int fixedHeight() const;
  int heightOf(int index) const;
  // The top of an item's row in client coordinates (negative above the view).
  int rowTop(int index) const;
  // Whole items that fit from `top` down (at least 1); variable heights only.
  int linesFrom(int top) const;
  // LBS_OWNERDRAWVARIABLE: asks the parent for a new item's height.
  void measure(int index);
  int maxTop() const;
  int itemAt(POINT client, bool* outside) const;
  LRESULT insert(int index, const char* text);
  LRESULT remove(int index);
  void setTop(int top);
  // Makes index current and scrolls it into view; answers whether it changed.
  bool setCurrent(int index);
  void ensureVisible(int index);
  // Keeps the scroll bar's range, page and position in step with the items.
  void updateScrollBar();
  void notify(WORD code);
  bool onKeyDown(WPARAM key);
  void onScroll(int code, int position);
  int findString(int after, const std::string& prefix, bool exact) const;
  bool isDropDown() const { return comboOwner_ != nullptr; }
  void dropDownMouse(UINT msg, LPARAM lParam);

  // handle's topics (ListBoxControlMessages.cpp): each answers the messages
  // it takes, none for the others.
  std::optional<LRESULT> windowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> inputMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> itemMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> selectionMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The mouse over a list that is not a drop-down.
  void listMouse(UINT msg, LPARAM lParam);
  LRESULT add(const char* text);
  LRESULT setItemHeight(int index, int height);
  // Owner-drawn styles: asks the parent to draw one item (WM_DRAWITEM).
  bool drawnByParent(HDC dc, int index, const TRect& row, bool selected, bool enabled);

  std::vector<Item> items_;
  int current_ = -1;
  int top_ = 0;
  int itemHeight_ = 0;  // 0 until set: follows the font
  bool focused_ = false;
  bool mouseSelecting_ = false;
  HWND comboOwner_ = nullptr;
  bool hasScrollBar_ = false;
  bool dropDownPressed_ = false;
};
