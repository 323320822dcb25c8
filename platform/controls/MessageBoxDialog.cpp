#include "platform/controls/MessageBoxDialog.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"

namespace {
// What CreateWindowEx hands the new box.
struct BoxParams {
  UINT type = 0;
};
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

bool hasIcon(UINT type) { return (type & MB_ICONMASK) != 0; }
// The ids the classic box gives its icon and its text.
constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;
}  // namespace

MessageBoxDialog::MessageBoxDialog(HWND hwnd, const CREATESTRUCT& cs) : StandardControl(hwnd) {
  if (const auto* params = static_cast<const BoxParams*>(cs.lpCreateParams)) type_ = params->type;
}

void MessageBoxDialog::registerClass() {
  WNDCLASS wc;
  wc.lpfnWndProc = &StandardControl::ControlProc<MessageBoxDialog>;
  wc.background = clBtnFace;
  wc.lpszClassName = WC_DIALOG;
  RegisterClass(&wc);
}

MessageBoxDialog::Layout MessageBoxDialog::measure(const std::string& text, bool withIcon) {
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, defaultFont());
  TRect bounds = Rect(0, 0, kMaxTextWidth, 0);
  DrawText(&dc, text.empty() ? " " : text, bounds, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  Layout layout;
  const int textLeft = kMargin + (withIcon ? kIconSize + kMargin : 0);
  const int bodyHeight = std::max(bounds.Height(), withIcon ? kIconSize : 0);
  const int textTop = kMargin + (bodyHeight - bounds.Height()) / 2;
  if (withIcon) layout.icon = Bounds(kMargin, kMargin, kIconSize, kIconSize);
  layout.text = Bounds(textLeft, textTop, bounds.Width(), bounds.Height());
  const int width = std::max(textLeft + bounds.Width() + kMargin, 2 * kMargin + 2 * kButtonWidth + 8);
  layout.client = {width, kMargin + bodyHeight + kMargin + kButtonHeight + kMargin};
  return layout;
}

void MessageBoxDialog::finish(int result) { EndModalLoop(hwnd(), result); }

LRESULT MessageBoxDialog::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool okCancel = (type_ & MB_TYPEMASK) == MB_OKCANCEL;
  switch (msg) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: finish(IDOK); return 0;
        case IDCANCEL: finish(okCancel ? IDCANCEL : IDOK); return 0;
        default: return 0;
      }
    case WM_CLOSE:
      // The title's close button acts as Escape.
      finish(okCancel ? IDCANCEL : IDOK);
      return 0;
    case DM_GETDEFID: return MAKELPARAM(IDOK, DC_HASDEFID);
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) finish(okCancel ? IDCANCEL : IDOK);
      else if (wParam == VK_RETURN) finish(IDOK);
      return 0;
    case WM_ERASEBKGND: return DefWindowProc(hwnd(), msg, wParam, lParam);
    default: return defaultHandle(msg, wParam, lParam);
  }
}

void MessageBoxDialog::paint(HDC dc) {
  // The text and the sign are child windows of their own: a skinner that
  // adapts the box's children paints them, the box only its background.
  FillRect(dc, clientRect(), clBtnFace);
}

int MessageBoxDialog::run(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  RegisterStandardClasses();
  if (owner && !IsWindow(owner)) owner = nullptr;
  const bool okCancel = (type & MB_TYPEMASK) == MB_OKCANCEL;
  const Layout layout = measure(text, hasIcon(type));
  RECT frame = Rect(0, 0, layout.client.cx, layout.client.cy);
  AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);

  // Centred on the owner's top-level window, or on the screen; kept on the screen.
  RECT around = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (owner && IsWindowVisible(GetAncestorRoot(owner))) GetWindowRect(GetAncestorRoot(owner), &around);
  int x = around.Left + (around.Width() - frame.Width()) / 2;
  int y = around.Top + (around.Height() - frame.Height()) / 2;
  x = std::clamp(x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - frame.Width()));
  y = std::clamp(y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - frame.Height()));

  BoxParams params{type};
  const HWND box = CreateWindowEx(kBoxExStyle, WC_DIALOG, caption.c_str(), kBoxStyle, x, y, frame.Width(),
                                  frame.Height(), owner, 0, &params);
  if (!box) return 0;
  const int buttons = okCancel ? 2 : 1;
  const int rowWidth = buttons * kButtonWidth + (buttons - 1) * 8;
  int left = (layout.client.cx - rowWidth) / 2;
  const int top = layout.client.cy - kMargin - kButtonHeight;
  const HWND ok = CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, left, top,
                                 kButtonWidth, kButtonHeight, box, IDOK, nullptr);
  if (okCancel) {
    left += kButtonWidth + 8;
    CreateWindowEx(0, WC_BUTTON, "Отмена", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, left, top,
                   kButtonWidth, kButtonHeight, box, IDCANCEL, nullptr);
  }
  // Created after the buttons, so the first child stays the OK button.
  if (hasIcon(type))
    CreateWindowEx(0, WC_STATIC, IDI_WARNING_NAME, WS_CHILD | WS_VISIBLE | SS_ICON, layout.icon.Left, layout.icon.Top,
                   layout.icon.Width(), layout.icon.Height(), box, kIconId, nullptr);
  CreateWindowEx(0, WC_STATIC, text.empty() ? " " : text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                 layout.text.Left, layout.text.Top, layout.text.Width(), layout.text.Height(), box, kTextId, nullptr);
  ShowWindow(box, SW_SHOW);
  if (ok) SetFocus(ok);
  const int result = RunModalLoop(box);
  if (IsWindow(box)) DestroyWindow(box);
  return result;
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxDialog::run(owner, text ? text : "", caption ? caption : "", type);
}
