#pragma once
// The scroll-window adapter: it takes over the scroll bars of a skinned
// window. The platform keeps the scroll information and the window keeps
// scrolling itself; the adapter makes room for the bars in the non-client
// area, paints them from the skin's scroll sections, hit-tests them and turns
// presses, holds and drags into the scroll notifications the window expects.
//
// The adapter subclasses the window: a framework control's message handler
// is taken over (TControlSubclass), a plain window's procedure is replaced
// (WindowSubclass); the previous one hears what the adapter does not
// consume. The window property "ACSBSC" leads from the window to its adapter.
#include <memory>

#include "adapters/TacScrollBar.h"
#include "adapters/TacScrollGeometry.h"
#include "framework/TControl.h"
#include "framework/TControlSubclass.h"
#include "paint/CacheInfo.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinTypes.h"
#include "platform/windowing/WindowSubclass.h"

class TsCommonData;
class TsSkinManager;
class TWinControl;

// The window property that marks a window skinned by an adapter.
constexpr const char* kScrollAdapterProp = "ACSBSC";

class TacScrollWnd {
 public:
  TacScrollWnd(HWND hwnd, TsCommonData* skinData, TsSkinManager* manager);
  virtual ~TacScrollWnd();
  TacScrollWnd(const TacScrollWnd&) = delete;
  TacScrollWnd& operator=(const TacScrollWnd&) = delete;

  // Reads the bars, sets the property and subclasses the window; with
  // repaintFrame the platform recomputes and redraws the frame. Called once
  // the adapter has its final type, since messages may arrive at once.
  void Initialize(bool repaintFrame = true);
  // Gives the window back (its procedure only while the adapter's is still
  // on top) and forgets it.
  void Detach();
  bool Detached() const { return detached_; }
  // The adapter of a window, or null.
  static TacScrollWnd* Of(HWND hwnd);

  HWND Window() const { return hwnd_; }
  TsCommonData* SkinData() const { return skinData_; }
  TacScrollBar& Bar(int kind) { return kind == kBarHorizontal ? hbar_ : vbar_; }
  const TacScrollBar& Bar(int kind) const { return kind == kBarHorizontal ? hbar_ : vbar_; }

  // Re-reads both bars; with repaint they are painted again.
  void Refresh(bool repaint);

  // ---- sizes and geometry (window coordinates)
  int Thickness(const TacScrollBar& bar) const;
  int ArrowLength(const TacScrollBar& bar, bool useSkin) const;
  TRect BarRect(int kind) const;
  TacThumb Thumb(int kind) const;
  // The platform reports the bar available.
  bool BarEnabled(int kind) const;
  int HitTestBar(int kind, TPoint inWindow) const;
  // WM_NCHITTEST's answer for a window point, or HTERROR to pass it on.
  int HitTestWindow(TPoint inWindow) const;
  int EdgeLeft() const { return edgeLeft_; }
  int EdgeTop() const { return edgeTop_; }
  int EdgeRight() const { return edgeRight_; }
  int EdgeBottom() const { return edgeBottom_; }

  // ---- painting
  // Both visible bars and the size box onto dc (the window's own context
  // when null); nothing while the owner is updating or hidden.
  void PaintBars(HDC dc);

  // The message handler standing in for the window's.
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
  // The owning framework control, or null for a plain window.
  TControl* OwnerControl() const;
  bool OwnerShowing() const;
  bool PaintingSuppressed() const;
  // Sends the scroll notification with SKC_BEFORE_SCROLL/SKC_AFTER_SCROLL
  // around it.
  void SendScroll(UINT scrollMessage, int code, int position);
  void PaintBar(HDC dc, int kind, int pressedPortion);
  void PaintSizeBox(HDC dc);
  // The window's corner lies at the bottom-right of a top-level parent.
  bool CornerAtParentGrip() const;
  // What lies under the window: the parent's picture (ci, with the
  // window's position in it) or the parent's colour.
  struct Background {
    TCacheInfo Ci;
    TPoint Position;
    TColor Color = clFuchsia;
  };
  Background ParentBackground() const;

 private:
  friend LRESULT ScrollAdapterProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT CalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT Press(UINT msg, WPARAM wParam, LPARAM lParam);
  void StartRepeating(int kind, int portion);
  LRESULT MouseMove(UINT msg, WPARAM wParam, LPARAM lParam);
  void DragThumb(TPoint inWindow);
  LRESULT Release(UINT msg, WPARAM wParam, LPARAM lParam);
  // The window lost the mouse capture (hidden, disabled, another window took
  // it) or was told to cancel its mode: a press of this window ends there.
  LRESULT CaptureLost(UINT msg, WPARAM wParam, LPARAM lParam);
  // Ends the press as a release does: capture, repeat, the thumb position
  // and end-scroll notifications, the bar painted unpressed.
  void EndPress();
  LRESULT Timer(UINT msg, WPARAM wParam, LPARAM lParam);
  void HoverStart(int hitCode);
  LRESULT HandleSkinCommand(UINT msg, WPARAM wParam, LPARAM lParam);
  void ReadScrollInfo(TacScrollBar& bar);
  TPoint WindowPointFromScreen(LPARAM lParam) const;
  TPoint WindowPointFromClient(LPARAM lParam) const;
  void PaintDraggedBar(int thumbStart);

  HWND hwnd_;
  TsCommonData* skinData_;
  TsSkinManager* manager_;
  TacScrollBar hbar_;
  TacScrollBar vbar_;
  int edgeLeft_ = 0, edgeRight_ = 0, edgeTop_ = 0, edgeBottom_ = 0;
  bool leftScrollBar_ = false;
  bool thumbTracking_ = false;
  bool styleGuard_ = false;
  bool sending_ = false;
  bool endingPress_ = false;  // the capture released while ending a press is no loss
  bool detached_ = false;
  bool subclassed_ = false;
  TWinControl* control_ = nullptr;  // the control whose handler was taken over
  TControlSubclass controlSubclass_;
  WindowSubclass windowSubclass_{kScrollAdapterProp};
  // Cleared by the destructor: a handler that may free the adapter checks it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

 protected:
  std::shared_ptr<bool> AliveFlag() const { return alive_; }
  bool Sending() const { return sending_; }
};
