#include "platform/controls/ButtonControl.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/DialogKeys.h"

void ButtonControl::registerClass() {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &StandardControl::ControlProc<ButtonControl>;
  wc.lpszClassName = WC_BUTTON;
  RegisterClass(&wc);
}

DWORD ButtonControl::type() const { return style() & BS_TYPEMASK; }
bool ButtonControl::isPushButton() const {
  return type() == BS_PUSHBUTTON || type() == BS_DEFPUSHBUTTON || type() == BS_OWNERDRAW;
}

void ButtonControl::repaintFace() {
  // An owner-drawn button's owner repaints it when its own state says so.
  if (type() != BS_OWNERDRAW) invalidate();
}
bool ButtonControl::isCheckBox() const { return type() == BS_CHECKBOX || type() == BS_AUTOCHECKBOX; }
bool ButtonControl::isRadio() const { return type() == BS_RADIOBUTTON || type() == BS_AUTORADIOBUTTON; }

bool ButtonControl::pointInside(LPARAM lParam) const {
  return clientRect().Contains(Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
}

void ButtonControl::setPushed(bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  repaintFace();
}

void ButtonControl::uncheckOtherRadios() {
  // The group: siblings of the same parent that are automatic radio buttons.
  const HWND parent = GetParent(hwnd());
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == hwnd() || GetClassNameString(sibling) != WC_BUTTON) continue;
    if ((GetWindowLongPtr(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void ButtonControl::click() {
  if (type() == BS_AUTOCHECKBOX) {
    check_ = check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    invalidate();
  } else if (type() == BS_AUTORADIOBUTTON && check_ != BST_CHECKED) {
    check_ = BST_CHECKED;
    invalidate();
    uncheckOtherRadios();
    if (!alive()) return;
  }
  notifyParent(BN_CLICKED);
}

LRESULT ButtonControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = windowMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = inputMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = buttonMessage(msg, wParam, lParam)) return *answer;
  return defaultHandle(msg, wParam, lParam);
}

std::optional<LRESULT> ButtonControl::windowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      if (type() == BS_GROUPBOX) return DLGC_STATIC;
      if (isRadio()) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      if (type() == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      return DLGC_BUTTON | (type() == BS_PUSHBUTTON ? DLGC_UNDEFPUSHBUTTON : 0);
    case WM_NCHITTEST:
      // A group box is a frame drawn behind its neighbours, never a target.
      if (type() == BS_GROUPBOX) return HTTRANSPARENT;
      return defaultHandle(msg, wParam, lParam);
    case WM_SETFOCUS:
      focused_ = true;
      repaintFace();
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      spaceDown_ = false;
      if (!mouseTracking_) pushed_ = false;
      repaintFace();
      return 0;
    case WM_ENABLE:
      repaintFace();
      return 0;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProc(hwnd(), msg, wParam, lParam);
      repaintFace();
      return r;
    }
    default: return std::nullopt;
  }
}

std::optional<LRESULT> ButtonControl::inputMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (type() == BS_GROUPBOX) return 0;
      SetFocus(hwnd());
      if (!alive()) return 0;
      SetCapture(hwnd());
      mouseTracking_ = true;
      setPushed(true);
      return 0;
    case WM_MOUSEMOVE:
      if (mouseTracking_) setPushed(pointInside(lParam));
      return 0;
    case WM_LBUTTONUP: {
      if (!mouseTracking_) return 0;
      const bool inside = pointInside(lParam);
      mouseTracking_ = false;
      ReleaseCapture();
      setPushed(false);
      if (inside) click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (mouseTracking_) {
        mouseTracking_ = false;
        setPushed(false);
      }
      return 0;
    case WM_KEYDOWN:
      keyDown(wParam);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        const bool wasPushed = pushed_;
        setPushed(false);
        if (wasPushed) click();
      }
      return 0;
    default: return std::nullopt;
  }
}

void ButtonControl::keyDown(WPARAM key) {
  if (key == VK_SPACE && type() != BS_GROUPBOX) {
    spaceDown_ = true;
    setPushed(true);
    return;
  }
  if (key == VK_RETURN && isPushButton()) {
    click();
    return;
  }
  DialogKeys::handleKey(hwnd(), key);
}

std::optional<LRESULT> ButtonControl::buttonMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case BM_GETCHECK: return check_;
    case BM_SETCHECK:
      if (check_ != static_cast<int>(wParam)) {
        check_ = static_cast<int>(wParam);
        invalidate();
      }
      return 0;
    case BM_GETSTATE:
      return check_ | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
    case BM_SETSTATE:
      setPushed(wParam != 0);
      return 0;
    case BM_SETSTYLE:
      SetWindowLongPtr(hwnd(), GWL_STYLE, static_cast<LONG_PTR>((style() & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK)));
      if (lParam) invalidate();
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled(hwnd()) && type() != BS_GROUPBOX) click();
      return 0;
    default: return std::nullopt;
  }
}

void ButtonControl::paint(HDC dc) {
  const RECT client = clientRect();
  const int saved = SaveDC(dc);
  SelectObject(dc, font());
  SetBkMode(dc, TRANSPARENT);
  if (type() == BS_GROUPBOX) paintGroupBox(dc, client);
  else if (isCheckBox() || isRadio()) paintCheck(dc, client);
  else paintPushButton(dc, client);
  RestoreDC(dc, saved);
}

void ButtonControl::paintPushButton(HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(hwnd());
  const TColor face = backgroundFromParent(dc, WM_CTLCOLORBTN, clBtnText, clBtnFace);
  FillRect(dc, client, face);
  ControlPainter::buttonFace(dc, client, pushed_, type() == BS_DEFPUSHBUTTON);
  TRect text = client;
  if (pushed_) text = text.Offset(1, 1);
  SetTextColor(dc, enabled ? clBtnText : clGrayText);
  DrawText(dc, GetWindowTextString(hwnd()), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (focused_) DrawFocusRect(dc, client.Inflate(-4, -4));
}

void ButtonControl::paintCheck(HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(hwnd());
  FillRect(dc, client, backgroundFromParent(dc, WM_CTLCOLORSTATIC, clBtnText, clBtnFace));
  const int size = ControlPainter::kCheckSize;
  const TRect box = Bounds(0, (client.Height() - size) / 2, size, size);
  if (isRadio()) ControlPainter::radioButton(dc, box, check_ == BST_CHECKED, pushed_, enabled);
  else ControlPainter::checkBox(dc, box, check_, pushed_, enabled);
  const std::string text = GetWindowTextString(hwnd());
  TRect textRect = Rect(size + 4, 0, client.Right, client.Bottom);
  SetTextColor(dc, enabled ? clBtnText : clGrayText);
  DrawText(dc, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (focused_ && !text.empty()) {
    TRect measured = textRect;
    DrawText(dc, text, measured, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const int top = (client.Height() - measured.Height()) / 2;
    DrawFocusRect(dc, Rect(textRect.Left - 1, top, measured.Right + 1, top + measured.Height()));
  }
}

void ButtonControl::paintGroupBox(HDC dc, const RECT& client) {
  // Only the frame and the caption: the controls inside are siblings created
  // after the box, so they lie below it and must show through.
  const TColor background = backgroundFromParent(dc, WM_CTLCOLORSTATIC, clBtnText, clBtnFace);
  const std::string text = GetWindowTextString(hwnd());
  const int textHeight = lineHeight();
  FillRect(dc, Rect(0, 0, client.Right, textHeight / 2 + 2), background);
  TRect frame = Rect(0, textHeight / 2, client.Right, client.Bottom);
  DrawEdge(dc, frame, EDGE_ETCHED, BF_RECT);
  if (text.empty()) return;
  TRect caption = Rect(8, 0, client.Right - 8, textHeight);
  DrawText(dc, text, caption, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  caption = Rect(6, 0, std::min(caption.Right + 2, client.Right - 6), textHeight);
  FillRect(dc, caption, background);
  SetTextColor(dc, IsWindowEnabled(hwnd()) ? clBtnText : clGrayText);
  TRect textRect = caption.Offset(2, 0);
  DrawText(dc, text, textRect, DT_LEFT | DT_SINGLELINE);
}
