#pragma once
// Shows hints the classic way: when the mouse rests on a control whose
// ShowHint is set and whose Hint is not empty, after HintPause (HintShortPause
// when a hint was just up) the application's hint handler and the control
// (CM_HINTSHOW) may adjust or refuse it, then a window of the hint window
// class shows it until HintHidePause has passed, the mouse leaves the control
// or a button is pressed.
#include <functional>
#include <memory>
#include <string>

#include "framework/TComponent.h"
#include "platform/Geometry.h"

class TControl;
class THintWindow;
class TTimer;

struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;         // screen point of the hint window's corner
  int HintMaxWidth = 0;
  std::string HintStr;
  TRect CursorRect;       // the control's client area
  TPoint CursorPos;       // in the control's client coordinates
};
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class THintController : public TComponent {
 public:
  explicit THintController(TComponent* owner);
  ~THintController() override;

  // The mouse is now over `control` (null: over nothing of ours).
  void MouseOver(TControl* control);
  // A button or key was pressed: any hint goes away.
  void Cancel();
  // Drops the hint window so the next hint uses the current window class.
  void HintWindowClassChanged();

  THintWindow* HintWindow() const { return window_; }
  TControl* HintControl() const { return hintControl_; }

  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ShowTimerFired();
  void HideHint();
  static std::string ShortHint(const std::string& hint);

  TControl* hintControl_ = nullptr;
  THintWindow* window_ = nullptr;
  TTimer* showTimer_;
  TTimer* hideTimer_;
  bool recentlyShown_ = false;
};
