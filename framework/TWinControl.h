#pragma once
// A control that owns a platform window, created the first time the handle
// is needed (with its parent's window first and its own children after it).
// It contains other controls: windowed children get windows inside it,
// windowless ones are painted by it and receive its mouse messages where they
// lie. Tab order, focus and the keys Tab, Enter and Escape are handled here
// and by the form.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/TControl.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinTypes.h"

// How the window is made; subclasses adjust it in CreateParams.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // The window class registered for this control (its class name by default).
  std::string WinClassName;
  // A standard class (e.g. "BUTTON") whose procedure handles what the control
  // leaves alone; empty for the framework's own windows.
  std::string BaseClassName;
  UINT ClassStyle = 0;
};

class TWinControl : public TControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first use (null when creation is refused).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // The control whose window `hwnd` is, or null.
  static TWinControl* FindControl(HWND hwnd);

  // ---- children
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void MoveControlToFront(TControl* control);
  // The topmost visible child at a client point (disabled ones only when asked).
  TControl* ControlAtPos(TPoint point, bool allowDisabled = false) const;
  // Sends a message to every child control.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);

  // ---- focus and tab order
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  // Windowed children in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // Focuses the next tab stop after `current` inside this control.
  bool SelectNext(TWinControl* current, bool forward);
  // True for push buttons: Enter then belongs to the focused button.
  virtual bool IsButtonControl() const { return false; }

  // Paints the control with its frame, its windowless children and its
  // child windows into `dc`, with the control's top-left corner at (x, y).
  void PaintTo(HDC dc, int x, int y);

  bool Showing() const override;
  void Invalidate() override;
  void Update() override;
  void SetText(const std::string& text) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  // Narrows `rect` (the client rectangle) to the area the control's
  // children are laid out in, without what the control draws there itself
  // (a skinned group box's caption offset). Nothing by default.
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Makes the window itself from the parameters.
  virtual void CreateWindowHandle(const TCreateParams& params);
  void DestroyHandle();
  void RecreateWnd();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void BoundsChanged() override;
  void Loaded() override;

  // Paints the client area of a window the framework paints itself: the
  // control's own picture (PaintWindow, for CustomPaint controls) with its
  // windowless children over it (PaintControls). Containers that put both
  // on the screen their own way replace the whole.
  virtual void PaintClient(HDC dc);
  // Paints the control's own picture (default: the window procedure's).
  virtual void PaintWindow(HDC dc);
  // Paints the windowless children over `dc` (client coordinates).
  void PaintControls(HDC dc);
  // Framework windows paint themselves; standard ones leave it to their class.
  virtual bool CustomPaint() const { return false; }
  // Whether the framework erases and paints this window (its own classes)
  // rather than a standard class's procedure.
  bool PaintsOwnWindow() const;
  // Shows or hides the window to match Visible and the parent.
  void UpdateShowing();
  // The style bits that follow Visible and Enabled.
  DWORD DefaultStyle() const;

 private:
  static LRESULT StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // WndProc's handlers by topic; each answers whether it consumed the
  // message (what none consumes goes on to TControl's handling).
  bool HandleWindowMessage(TMessage& message);
  bool HandleChildNotice(TMessage& message);
  bool HandleFrameworkNotice(TMessage& message);
  void HandlePaint(TMessage& message);
  void HandlePrintClient(TMessage& message);
  void EraseBackground(TMessage& message);
  void HandleMouseMessage(TMessage& message);
  bool HandleDialogKey(TMessage& message);
  // The window's place, read back after the platform moved or sized it.
  void BoundsFromWindow();
  // The client area is now `client` big: children anchored to its right or
  // bottom edge keep their distance to it.
  void KeepAnchoredChildren(TSize client);
  // Hands a notice to the control of a standard child window (CN_BASE + the
  // message); false when the window belongs to no other control.
  bool ReflectToChild(TMessage& message, HWND child);
  // The colours a text field or list draws with (CN_CTLCOLOR...).
  void AnswerChildColor(TMessage& message);
  void WindowDestroyed();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::vector<TControl*> controls_;  // painting order, bottom first
  std::vector<TWinControl*> tabList_;  // windowed children in tab order
  TControl* captureControl_ = nullptr;
  bool tabStop_ = false;
  bool creating_ = false;
  // The client size the anchored children were last placed for.
  std::optional<TSize> anchoredClient_;
  Brush ctlColorBrush_;  // the answer to a text child's colour question
};

// The form (or top-level control) a control lies on.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
