#pragma once
// The "BUTTON" class: push and default push buttons, check boxes, radio
// buttons and group boxes. A push button shows pushed while the mouse is
// held inside it and clicks on release inside; space and Enter click it when
// it has the focus. Every click reaches the parent as BN_CLICKED.
#include <optional>

#include "platform/controls/StandardControl.h"

class ButtonControl : public StandardControl {
 public:
  ButtonControl(HWND hwnd, const CREATESTRUCT&) : StandardControl(hwnd) {}
  static void registerClass();

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  DWORD type() const;
  bool isPushButton() const;
  bool isCheckBox() const;
  bool isRadio() const;
  void setPushed(bool pushed);
  void repaintFace();
  // Toggles an automatic check box or radio button, then sends BN_CLICKED.
  void click();
  void uncheckOtherRadios();
  bool pointInside(LPARAM lParam) const;
  // handle's topics: each answers the messages it takes, none for the others.
  std::optional<LRESULT> windowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> inputMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> buttonMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // Space pushes, Enter clicks a push button, other keys move in the dialog.
  void keyDown(WPARAM key);
  void paintPushButton(HDC dc, const RECT& client);
  void paintCheck(HDC dc, const RECT& client);
  void paintGroupBox(HDC dc, const RECT& client);

  int check_ = 0;  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
  bool pushed_ = false;
  bool focused_ = false;
  bool mouseTracking_ = false;
  bool spaceDown_ = false;
};
