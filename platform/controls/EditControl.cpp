#include "platform/controls/EditControl.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/DialogKeys.h"

EditControl::EditControl(HWND hwnd, const CREATESTRUCT& cs) : StandardControl(hwnd) {
  if (cs.style & ES_PASSWORD) passwordChar_ = U'*';
  buffer_.setText(EditBuffer::decode(cs.lpszName ? cs.lpszName : ""));
}

void EditControl::registerClass() {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &StandardControl::ControlProc<EditControl>;
  wc.cursor = IDC_IBEAM;
  wc.lpszClassName = WC_EDIT;
  RegisterClass(&wc);
}

bool EditControl::readOnly() const { return style() & ES_READONLY; }

// The field of a combo box hands its navigation and dialog keys to the box.
// The box may be a superclass under another class name, so ask it whether
// this edit is its field rather than comparing class names.
bool EditControl::insideCombo() const {
  const HWND parent = GetParent(hwnd());
  if (!parent) return false;
  COMBOBOXINFO info;
  return SendMessage(parent, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) && info.hwndItem == hwnd();
}

std::u32string EditControl::shownText() const {
  if (!passwordChar_) return buffer_.text();
  return std::u32string(buffer_.text().size(), passwordChar_);
}

std::vector<int> EditControl::characterEdges() const {
  const std::u32string shown = shownText();
  std::vector<int> edges(shown.size() + 1, 0);
  const HFONT& f = font();
  for (std::size_t i = 0; i < shown.size(); ++i) edges[i + 1] = edges[i] + (f ? f->glyph(shown[i]).advance : 7);
  return edges;
}

std::size_t EditControl::positionFromX(int clientX) const {
  const std::vector<int> edges = characterEdges();
  const int x = clientX - kMargin + scroll_;
  // The nearest edge: a click on the right half of a letter goes after it.
  for (std::size_t i = 0; i + 1 < edges.size(); ++i)
    if (x < (edges[i] + edges[i + 1]) / 2) return i;
  return edges.size() - 1;
}

int EditControl::textTop() const { return std::max(0, (clientRect().Height() - lineHeight()) / 2); }

void EditControl::scrollCaretIntoView() {
  const std::vector<int> edges = characterEdges();
  const int visible = std::max(1, clientRect().Width() - 2 * kMargin);
  const int caretX = edges[buffer_.caret()];
  const int before = scroll_;
  // Jump by a quarter of the width so typing does not scroll at every letter.
  if (caretX < scroll_) scroll_ = std::max(0, caretX - visible / 4);
  else if (caretX > scroll_ + visible - 1) scroll_ = caretX - visible + visible / 4;
  // Never leave empty room on the right when the text could fill it.
  scroll_ = std::max(0, std::min(scroll_, std::max(0, edges.back() - visible + 1)));
  if (caretX < scroll_) scroll_ = caretX;
  if (scroll_ != before) invalidate();
}

void EditControl::restartCaretBlink() {
  if (!focused_) return;
  caretShown_ = true;
  SetTimer(hwnd(), kCaretTimer, kCaretBlinkMs, nullptr);
}

void EditControl::selectionChanged() {
  scrollCaretIntoView();
  restartCaretBlink();
  invalidate();
}

bool EditControl::textChanged() {
  // The window keeps a copy so that WM_GETTEXT and GetWindowText answer it.
  DefWindowProc(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer_.utf8().c_str()));
  modified_ = true;
  selectionChanged();
  if (!notifyParent(EN_UPDATE)) return false;
  return notifyParent(EN_CHANGE);
}

void EditControl::copy() {
  if (passwordChar_ || !buffer_.hasSelection()) return;
  SetClipboardText(EditBuffer::encode(buffer_.selectedText()));
}

void EditControl::cut() {
  if (readOnly() || passwordChar_ || !buffer_.hasSelection()) return;
  copy();
  if (buffer_.replaceSelection({})) textChanged();
}

void EditControl::paste() {
  if (readOnly()) return;
  std::u32string text = EditBuffer::decode(GetClipboardText());
  // A single-line edit takes the first line only.
  const std::size_t lineEnd = text.find_first_of(U"\r\n");
  if (lineEnd != std::u32string::npos) text.resize(lineEnd);
  if (buffer_.replaceSelection(text)) textChanged();
}

bool EditControl::onKeyDown(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const std::size_t caret = buffer_.caret();
  switch (key) {
    case VK_LEFT:
      if (!shift && buffer_.hasSelection()) buffer_.moveCaret(buffer_.selectionStart(), false);
      else buffer_.moveCaret(ctrl ? buffer_.wordStartBefore(caret) : (caret > 0 ? caret - 1 : 0), shift);
      break;
    case VK_RIGHT:
      if (!shift && buffer_.hasSelection()) buffer_.moveCaret(buffer_.selectionEnd(), false);
      else buffer_.moveCaret(ctrl ? buffer_.wordEndAfter(caret) : caret + 1, shift);
      break;
    case VK_HOME: buffer_.moveCaret(0, shift); break;
    case VK_END: buffer_.moveCaret(buffer_.text().size(), shift); break;
    case VK_DELETE:
      if (shift) {
        cut();
        return true;
      }
      if (!readOnly() && buffer_.deleteForward()) textChanged();
      return true;
    case VK_INSERT:
      if (ctrl) copy();
      else if (shift) paste();
      return true;
    case 'A':
      if (!ctrl) return false;
      buffer_.select(0, -1);
      break;
    case 'C':
      if (!ctrl) return false;
      copy();
      return true;
    case 'X':
      if (!ctrl) return false;
      cut();
      return true;
    case 'V':
      if (!ctrl) return false;
      paste();
      return true;
    default: return false;
  }
  selectionChanged();
  return true;
}

void EditControl::onChar(char32_t ch) {
  if (ch == 8) {
    if (!readOnly() && buffer_.deleteBackward()) textChanged();
    return;
  }
  // Control characters (Enter, Escape, Tab, Ctrl+letters) are keys, not text.
  if (ch < 0x20 || ch == 0x7F || readOnly()) return;
  const char32_t one[1] = {ch};
  if (buffer_.replaceSelection(std::u32string_view(one, 1))) {
    textChanged();
    return;
  }
  // The text is at its limit.
  MessageBeep(MB_OK);
  notifyParent(EN_MAXTEXT);
}

LRESULT EditControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = windowMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = inputMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = editMessage(msg, wParam, lParam)) return *answer;
  return defaultHandle(msg, wParam, lParam);
}

std::optional<LRESULT> EditControl::windowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT: return setText(reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return DefWindowProc(hwnd(), msg, wParam, lParam);
    case WM_SETFOCUS:
      focused_ = true;
      restartCaretBlink();
      invalidate();
      notifyParent(EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      caretShown_ = false;
      KillTimer(hwnd(), kCaretTimer);
      invalidate();
      notifyParent(EN_KILLFOCUS);
      return 0;
    case WM_TIMER:
      if (wParam != kCaretTimer) return 0;
      caretShown_ = focused_ && !caretShown_;
      invalidate();
      return 0;
    case WM_ENABLE:
    case WM_SIZE:
      scrollCaretIntoView();
      invalidate();
      return 0;
    default: return std::nullopt;
  }
}

LRESULT EditControl::setText(const char* text) {
  buffer_.setText(EditBuffer::decode(text ? text : ""));
  DefWindowProc(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer_.utf8().c_str()));
  scroll_ = 0;
  modified_ = false;
  selectionChanged();
  if (notifyParent(EN_UPDATE)) notifyParent(EN_CHANGE);
  return TRUE;
}

std::optional<LRESULT> EditControl::inputMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CHAR:
      onChar(static_cast<char32_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      // Inside a combo box the keys that work its list are the box's.
      if (insideCombo() && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_F4 || wParam == VK_RETURN ||
                            wParam == VK_ESCAPE || wParam == VK_PRIOR || wParam == VK_NEXT)) {
        SendMessage(GetParent(hwnd()), msg, wParam, lParam);
        return 0;
      }
      if (!onKeyDown(wParam)) DialogKeys::handleKey(hwnd(), wParam);
      return 0;
    case WM_SYSKEYDOWN:
      if (insideCombo() && (wParam == VK_DOWN || wParam == VK_UP)) {
        SendMessage(GetParent(hwnd()), msg, wParam, lParam);
        return 0;
      }
      return defaultHandle(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
      pressed(GET_X_LPARAM(lParam), (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      buffer_.selectWordAt(positionFromX(GET_X_LPARAM(lParam)));
      selectionChanged();
      return 0;
    case WM_MOUSEMOVE:
      if (mouseSelecting_) {
        buffer_.moveCaret(positionFromX(GET_X_LPARAM(lParam)), true);
        selectionChanged();
      }
      return 0;
    case WM_LBUTTONUP:
      if (mouseSelecting_) {
        mouseSelecting_ = false;
        ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED: mouseSelecting_ = false; return 0;
    case WM_COPY: copy(); return 0;
    case WM_CUT: cut(); return 0;
    case WM_PASTE: paste(); return 0;
    case WM_CLEAR:
      if (!readOnly() && buffer_.replaceSelection({})) textChanged();
      return 0;
    default: return std::nullopt;
  }
}

void EditControl::pressed(int x, bool extend) {
  if (!focused_) SetFocus(hwnd());
  if (!alive()) return;
  buffer_.moveCaret(positionFromX(x), extend);
  mouseSelecting_ = true;
  SetCapture(hwnd());
  selectionChanged();
}

std::optional<LRESULT> EditControl::editMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case EM_GETSEL: {
      const auto start = static_cast<DWORD>(buffer_.selectionStart());
      const auto end = static_cast<DWORD>(buffer_.selectionEnd());
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
      return static_cast<LRESULT>(MAKELPARAM(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)) & 0xFFFFFFFF);
    }
    case EM_SETSEL:
      buffer_.select(static_cast<long>(static_cast<LONG>(wParam)), static_cast<long>(static_cast<LONG>(lParam)));
      selectionChanged();
      return 0;
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(lParam);
      if (buffer_.replaceSelection(EditBuffer::decode(text ? text : ""))) textChanged();
      return 0;
    }
    case EM_LIMITTEXT: buffer_.setLimit(static_cast<std::size_t>(wParam)); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(buffer_.limit());
    case EM_GETMODIFY: return modified_;
    case EM_SETMODIFY: modified_ = wParam != 0; return 0;
    case EM_SCROLLCARET: scrollCaretIntoView(); return TRUE;
    case EM_SETREADONLY:
      SetWindowLongPtr(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(wParam ? style() | ES_READONLY : style() & ~ES_READONLY));
      invalidate();
      return TRUE;
    case EM_SETPASSWORDCHAR:
      passwordChar_ = static_cast<char32_t>(wParam);
      selectionChanged();
      return 0;
    case EM_GETPASSWORDCHAR: return static_cast<LRESULT>(passwordChar_);
    case EM_GETFIRSTVISIBLELINE: return 0;
    default: return std::nullopt;
  }
}

void EditControl::paint(HDC dc) {
  const RECT client = clientRect();
  const bool enabled = IsWindowEnabled(hwnd());
  const int saved = SaveDC(dc);
  SelectObject(dc, font());
  const bool greyed = !enabled || readOnly();
  const TColor background =
      backgroundFromParent(dc, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, enabled ? clWindowText : clGrayText,
                           greyed ? clBtnFace : clWindow);
  const TColor textColor = GetTextColor(dc);
  FillRect(dc, client, background);
  IntersectClipRect(dc, kMargin, 0, client.Right - kMargin, client.Bottom);

  // Writing the text in three runs keeps the selection's colours exact.
  const std::u32string shown = shownText();
  const std::vector<int> edges = characterEdges();
  const int top = textTop();
  const int origin = kMargin - scroll_;
  const bool showSelection = buffer_.hasSelection() && (focused_ || (style() & ES_NOHIDESEL));
  const std::size_t selStart = showSelection ? buffer_.selectionStart() : shown.size();
  const std::size_t selEnd = showSelection ? buffer_.selectionEnd() : shown.size();
  SetBkMode(dc, TRANSPARENT);
  auto run = [&](std::size_t from, std::size_t to, TColor color) {
    if (from >= to) return;
    SetTextColor(dc, color);
    TextOut(dc, origin + edges[from], top, EditBuffer::encode(std::u32string_view(shown).substr(from, to - from)));
  };
  run(0, selStart, textColor);
  if (selStart < selEnd) {
    FillRect(dc, Rect(origin + edges[selStart], top, origin + edges[selEnd], top + lineHeight()), clHighlight);
    run(selStart, selEnd, clHighlightText);
  }
  run(selEnd, shown.size(), textColor);

  if (focused_ && caretShown_) {
    const int x = origin + edges[buffer_.caret()];
    FillRect(dc, Rect(x, top, x + 1, top + lineHeight()), clWindowText);
  }
  RestoreDC(dc, saved);
}
