#pragma once
// A visual component: a rectangle on its parent with a caption, a font and a
// colour (both inheritable from the parent), visibility, enabled state, a
// hint and mouse events. Every message a control handles goes through its
// WndProc, which subclasses override (calling the base for the rest); the
// framework's CM_* notifications travel the same road.
#include <functional>
#include <string>

#include "framework/Events.h"
#include "framework/FrameworkMessages.h"
#include "framework/TComponent.h"
#include "framework/graphics/TFont.h"
#include "platform/Geometry.h"

class TWinControl;

// A message handler that can stand in for a control's WndProc.
using TWndMethod = std::function<void(TMessage&)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// The edges of its parent's client area a control keeps its distance to
// when that area changes size: anchored to both left and right it stretches,
// to the right alone it moves (the same for top and bottom).
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// What TControl::ControlState tracks beyond the component state.
enum TControlStateFlag : unsigned { csLButtonDown = 1, csClicked = 2, csFocusing = 4, csCreating = 8 };

class TControl : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  explicit TControl(TComponent* owner);
  ~TControl() override;

  // ---- placement
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return bounds_; }
  // (0, 0, ClientWidth, ClientHeight); the client area of a form excludes its frame.
  virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
  // Anchored to the right or the bottom edge: the control moves or stretches
  // itself when its parent changes size.
  bool AnchoredToFarEdge() const { return (anchors_ & (akRight | akBottom)) != 0; }
  // Converts between this control's client coordinates and the screen.
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // The offset of the client area inside the bounds (0, 0 except forms).
  virtual TPoint ClientOrigin() const;

  // ---- state
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so is every parent up to a form that is shown.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  unsigned ControlState() const { return controlState_; }

  // ---- looks
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor);

  // ---- hints
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint);

  // ---- painting
  // Asks for a repaint of the control's area at the next paint.
  virtual void Invalidate();
  // Paints what is invalid now.
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }

  void Loaded() override;

  // ---- messages
  // Delivers a message straight to the control's handler (WindowProc), with
  // or without a window: the way windowless controls hear any message.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  void Dispatch(TMessage& message) { WindowProc(message); }
  // Every message to the control goes through this handler: WndProc unless
  // someone took it over. Whoever replaces it keeps the previous handler and
  // passes on what it does not consume, and puts it back when done.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  // What the control does with a message nobody handled.
  virtual void DefaultHandler(TMessage& message);

  // Whether the control paints every pixel it covers (its parent's picture
  // never shows through it).
  virtual bool Opaque() const { return false; }

  virtual void Click();
  void BringToFront();
  // Whether a press and release of the left button inside is a click (not
  // for standard buttons, whose window reports the click itself).
  virtual bool ClicksOnMouseUp() const { return true; }

  // ---- events
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The parent's font or colour changed; controls that follow it copy it.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  virtual void FontChanged();
  // Hook for windowed controls: bounds changed by SetBounds.
  virtual void BoundsChanged() {}
  void SetControlState(TControlStateFlag flag, bool on);
  // Sets the starting visibility without any notice (forms start hidden).
  void InitVisible(bool visible) { visible_ = visible; }
  // Sets the bounds without moving any window (a window reported its move).
  void UpdateBoundsRect(const TRect& bounds) { bounds_ = bounds; }

 private:
  void HandleMouse(TMessage& message);

  TWinControl* parent_ = nullptr;
  TRect bounds_;
  TAnchors anchors_ = akLeft | akTop;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  int cursor_ = 0;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  unsigned controlState_ = 0;
  bool updatingFromParent_ = false;
};

// Shift-state bits from the key flags of a mouse message.
TShiftState KeysToShiftState(WPARAM keys);
