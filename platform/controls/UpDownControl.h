#pragma once
// The up-down pair of a spin field ("msctls_updown32"): two arrow buttons
// that step a position within a range, repeat while held (first after
// kFirstDelayMs, then every kRepeatMs), write the position into a buddy edit
// and tell the parent with WM_VSCROLL (SB_THUMBPOSITION, then SB_ENDSCROLL).
#include <optional>

#include "platform/controls/StandardControl.h"

class UpDownControl : public StandardControl {
 public:
  UpDownControl(HWND hwnd, const CREATESTRUCT&) : StandardControl(hwnd) {}
  static void registerClass();

  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr UINT kFirstDelayMs = 400;
  static constexpr UINT kRepeatMs = 100;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  enum Part { kNone = 0, kUp = 1, kDown = 2 };
  Part partAt(POINT client) const;
  RECT partRect(Part part) const;
  // One step in the held direction; answers whether the window survived.
  bool step(int direction);
  void setPosition(int pos, bool notify);
  void updateBuddy();
  // Reads the buddy's number back (the user may have typed one).
  void readBuddy();
  // handle's topics: each answers the messages it takes, none for the others.
  std::optional<LRESULT> inputMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> upDownMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // A press on a part steps once and starts the repeat; the release (or a
  // lost capture) stops it and tells the parent the scroll ended.
  void pressed(Part part);
  void released(bool byButton);

  int low_ = 0;
  int high_ = 100;
  int pos_ = 0;
  HWND buddy_ = nullptr;
  Part pressed_ = kNone;
  bool pointerOnPressed_ = false;
};
