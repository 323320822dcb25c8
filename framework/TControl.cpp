#include "framework/TControl.h"

#include "framework/TMouseTracker.h"
#include "framework/TWinControl.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info("TControl", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TControl>(c)
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Integer("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
        .Integer("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
        .Set("Anchors", {"akLeft", "akTop", "akRight", "akBottom"}, &TControl::Anchors, &TControl::SetAnchors)
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Object("Font", [](TControl& c) { return &c.Font(); })
        .String("Hint", &TControl::Hint, &TControl::SetHint)
        .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
        .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave);
  });
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_.OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  font_.OnChange = nullptr;
  TMouseTracker::Forget(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  // Inherited looks are taken now that the whole layout has been read.
  if (parentFont_) ParentFontChanged();
  if (parentColor_) ParentColorChanged();
}

// ---- placement --------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) parent_->InsertControl(this);
  if (parent_) {
    if (parentFont_) ParentFontChanged();
    if (parentColor_) ParentColorChanged();
    if (parentShowHint_) showHint_ = parent_->ShowHint();
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* container = dynamic_cast<TWinControl*>(parent)) SetParent(container);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  TRect next = Bounds(left, top, std::max(width, 0), std::max(height, 0));
  if (next == bounds_) return;
  // The old area needs repainting too when a windowless control moves.
  Invalidate();
  bounds_ = next;
  BoundsChanged();
  Invalidate();
}

void TControl::SetClientWidth(int width) { SetWidth(width + Width() - ClientWidth()); }
void TControl::SetClientHeight(int height) { SetHeight(height + Height() - ClientHeight()); }

TPoint TControl::ClientOrigin() const { return {0, 0}; }

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint origin = ClientOrigin();
  p = {p.X + origin.X + Left(), p.Y + origin.Y + Top()};
  return parent_ ? parent_->ClientToScreen(p) : p;
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint zero = ClientToScreen({0, 0});
  return {p.X - zero.X, p.Y - zero.Y};
}

// ---- state --------------------------------------------------------------------

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();  // the area it leaves
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetControlState(TControlStateFlag flag, bool on) {
  controlState_ = on ? (controlState_ | flag) : (controlState_ & ~flag);
}

// ---- looks --------------------------------------------------------------------

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::FontChanged() {
  if (!updatingFromParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parentFont && parent_ && !IsLoading()) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  updatingFromParent_ = true;
  font_.Assign(parent_->Font());
  updatingFromParent_ = false;
}

void TControl::SetColor(TColor color) {
  if (!updatingFromParent_) parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parentColor && parent_ && !IsLoading()) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  updatingFromParent_ = true;
  SetColor(parent_->Color());
  updatingFromParent_ = false;
}

void TControl::SetCursor(int cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool showHint) {
  parentShowHint_ = false;
  if (showHint == showHint_) return;
  showHint_ = showHint;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool parentShowHint) {
  if (parentShowHint == parentShowHint_) return;
  parentShowHint_ = parentShowHint;
  if (parentShowHint && parent_) {
    showHint_ = parent_->ShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);
  }
}

// ---- painting -----------------------------------------------------------------

void TControl::Invalidate() {
  // A windowless control is part of its parent's picture.
  if (!parent_ || !parent_->HandleAllocated() || bounds_.IsEmpty()) return;
  InvalidateRect(parent_->Handle(), &bounds_, TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

// ---- messages -----------------------------------------------------------------

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(message);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      // The parent hears which of its children the mouse entered or left.
      LPARAM control = message.LParam ? message.LParam : reinterpret_cast<LPARAM>(this);
      if (parent_) parent_->Perform(message.Msg, 0, control);
      if (message.LParam == 0) {
        TNotifyEvent& event = message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
        if (event) event(this);
      }
      break;
    }
    case CM_VISIBLECHANGED:
      if (visible_) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      break;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      break;
    case CM_PARENTSHOWHINTCHANGED:
      if (parentShowHint_ && parent_ && showHint_ != parent_->ShowHint()) {
        showHint_ = parent_->ShowHint();
        Perform(CM_SHOWHINTCHANGED, 0, 0);
      }
      break;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& message) {
  TShiftState shift = KeysToShiftState(message.WParam);
  int x = GET_X_LPARAM(message.LParam);
  int y = GET_Y_LPARAM(message.LParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      return;
    case WM_LBUTTONDOWN:
      SetControlState(csLButtonDown, true);
      SetControlState(csClicked, true);
      MouseDown(mbLeft, shift, x, y);
      return;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      MouseDown(mbLeft, shift | ssDouble, x, y);
      return;
    case WM_LBUTTONUP: {
      bool clicked = (controlState_ & csClicked) != 0;
      SetControlState(csLButtonDown, false);
      SetControlState(csClicked, false);
      // A press and release inside the control is a click; the handler may
      // destroy this control, so nothing touches it afterwards.
      if (clicked && ClicksOnMouseUp() && ClientRect().Contains({x, y})) {
        MouseUp(mbLeft, shift, x, y);
        Click();
        return;
      }
      MouseUp(mbLeft, shift, x, y);
      return;
    }
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, shift, x, y);
      return;
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      return;
    case WM_MBUTTONDOWN:
      MouseDown(mbMiddle, shift, x, y);
      return;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      return;
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::BringToFront() {
  if (parent_) parent_->MoveControlToFront(this);
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  return s;
}
