#pragma once
// One scroll bar of a window skinned by a scroll-window adapter: which bar
// it is, whether the window's style and room show it, the platform's scroll
// information as last read, and the size settings that decide its look.
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinTypes.h"

class TacScrollWnd;

constexpr int kBarHorizontal = 0;
constexpr int kBarVertical = 1;

// The portions of a bar a point can hit; also the scroll codes sent for them.
constexpr int kPortionNone = -1;
constexpr int kPortionFirstArrow = 0;
constexpr int kPortionSecondArrow = 1;
constexpr int kPortionTrackBefore = 2;
constexpr int kPortionTrackAfter = 3;
constexpr int kPortionThumb = 5;

// A non-client hit-test code on one of the window's own scroll bars.
inline bool IsScrollBarHit(WPARAM hit) { return hit == HTHSCROLL || hit == HTVSCROLL; }

struct TacScrollBar {
  int Kind = kBarHorizontal;
  // 8 while the window's style shows the bar, else 0.
  int StateFlags = 0;
  // Shown: the style asks for it and the client area had room.
  bool Visible = false;
  SCROLLINFO ScrollInfo{};
  // Sizes in pixels when 0 or more; -n means n times the platform's size.
  int ArrowLengthSetting = -1;
  int ThicknessSetting = -1;
  int MinThumbLength = 10;
  TacScrollWnd* Owner = nullptr;
};
