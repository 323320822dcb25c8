#pragma once
// The one pressed bar and the one hovered bar of the whole program. Only one
// bar can be held or lit at a time, so every adapter shares this state; it
// is reset when the button is released and when the pointer leaves a bar.
#include "adapters/TacScrollBar.h"
#include "platform/Geometry.h"
#include "platform/windowing/WinTypes.h"

constexpr UINT_PTR kFirstRepeatTimer = 0xFFFD;
constexpr UINT_PTR kRepeatTimer = 0xFFFE;
constexpr UINT_PTR kHoverTimer = 0xFFF2;
constexpr UINT kFirstRepeatDelay = 300;
constexpr UINT kRepeatDelay = 55;
constexpr UINT kHoverDelay = 20;

struct TacScrollTracking {
  // ---- hover
  HWND HoverWindow = nullptr;
  int HoverKind = -1;
  int HoverPortion = kPortionNone;
  int HotPortion = kPortionNone;  // the portion last painted hot
  TRect HoverRect;                // the hovered bar, screen coordinates
  UINT_PTR HoverTimer = 0;
  // ---- press
  HWND PressWindow = nullptr;  // the window whose bar is held
  UINT PressMessage = 0;  // WM_HSCROLL or WM_VSCROLL
  int PressedKind = -1;
  int PressedPortion = kPortionNone;
  int PressedUnderPointer = kPortionNone;  // -1 while the pointer is off it
  UINT_PTR RepeatTimer = 0;
  // ---- drag
  int DragThumbLength = 0;
  int DragThumbStart = 0;
  TRect DragTrack;  // the bar's rectangle at the press, window coordinates
  int GrabOffset = 0;
  int LastPositionSent = 0;

  void ResetPress() {
    PressWindow = nullptr;
    PressedPortion = kPortionNone;
    PressedUnderPointer = kPortionNone;
    RepeatTimer = 0;
    PressMessage = 0;
    PressedKind = -1;
  }
  void ResetHover() {
    HoverKind = -1;
    HoverPortion = kPortionNone;
    HotPortion = kPortionNone;
    HoverTimer = 0;
  }
};

TacScrollTracking& ScrollTracking();
