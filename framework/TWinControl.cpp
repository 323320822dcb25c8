#include "framework/TWinControl.h"

#include <algorithm>

#include "framework/ExceptionReport.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TMouseTracker.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/MouseMessages.h"
#include "platform/windowing/WinUser.h"

namespace {
// Window properties: the control of a framework window, and the procedure
// that takes over once the control is gone.
constexpr const char* kControlProp = "TrainerControl";
constexpr const char* kDefProcProp = "TrainerDefProc";

// Controls inside CreateWindowHandle. A window binds to its control at
// WM_NCCREATE from the creation parameters; the pointer there counts only
// when it names one of these, so a window made with a framework class name
// and foreign parameters binds to nothing. Creation may nest (a hook making
// windows while a form's window is being made).
std::vector<TWinControl*>& ControlsBeingCreated() {
  static std::vector<TWinControl*> controls;
  return controls;
}

TWinControl* ControlFromCreateParams(UINT msg, LPARAM lParam) {
  if (msg != WM_NCCREATE || lParam == 0) return nullptr;
  auto* candidate = static_cast<TWinControl*>(reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams);
  const auto& creating = ControlsBeingCreated();
  return std::find(creating.begin(), creating.end(), candidate) != creating.end() ? candidate : nullptr;
}

// The window an owner-draw request comes from (both records name it).
HWND OwnerDrawnWindow(const TMessage& message) {
  if (!message.LParam) return nullptr;
  if (message.Msg == WM_DRAWITEM) return reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
  return reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam)->hwndItem;
}
}  // namespace

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info("TWinControl", &TControl::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TWinControl>(c)
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit);
  });
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  *alive_ = false;
  Destroying();
  // Children go with their parent, whoever owns them.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    child->Free();
  }
  DestroyHandle();
}

// ---- the window ------------------------------------------------------------

HWND TWinControl::Handle() {
  if (!handle_ && !creating_ && !IsDestroying()) CreateWnd();
  return handle_;
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
  if (!hwnd || !IsWindow(hwnd)) return nullptr;
  return static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Text();
  params.Style = DefaultStyle() | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Parent()) params.Style |= WS_CHILD;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WinClassName = ClassName();
}

DWORD TWinControl::DefaultStyle() const {
  DWORD style = 0;
  if (Visible()) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  return style;
}

void TWinControl::CreateWnd() {
  HWND parentWindow = nullptr;
  if (Parent()) {
    parentWindow = Parent()->Handle();
    if (!parentWindow) return;  // no window can exist inside a parent without one
  }
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent) params.WndParent = parentWindow;

  // Each framework class registers its own window class once; standard
  // classes lend theirs as the procedure of last resort.
  WNDCLASS base{};
  defWndProc_ = &DefWindowProc;
  if (!params.BaseClassName.empty()) {
    if (!GetClassInfo(params.BaseClassName.c_str(), &base)) return;
    defWndProc_ = base.lpfnWndProc;
  }
  WNDCLASS existing{};
  if (!GetClassInfo(params.WinClassName.c_str(), &existing)) {
    WNDCLASS wc = base;
    wc.style |= params.ClassStyle;
    wc.lpfnWndProc = &TWinControl::StaticWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    RegisterClass(&wc);
  }
  CreateWindowHandle(params);
  if (!handle_) return;

  HFONT font = CreateFontIndirect(Font().ToLogFont());
  SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(&font), FALSE);
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  creating_ = true;
  ControlsBeingCreated().push_back(this);
  HWND hwnd = CreateWindowEx(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                             params.X, params.Y, params.Width, params.Height, params.WndParent, 0, this);
  std::erase(ControlsBeingCreated(), this);
  creating_ = false;
  if (hwnd && !handle_) {
    handle_ = hwnd;
    SetProp(hwnd, kControlProp, this);
  }
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  HWND hwnd = handle_;
  // From here on the window answers through its class's own procedure.
  SetProp(hwnd, kDefProcProp, reinterpret_cast<HANDLE>(defWndProc_));
  RemoveProp(hwnd, kControlProp);
  handle_ = nullptr;
  DestroyWindow(hwnd);
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::WindowDestroyed() {
  if (handle_) RemoveProp(handle_, kControlProp);
  handle_ = nullptr;
  // A window made again reports its client size afresh.
  anchoredClient_.reset();
}

LRESULT TWinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
  if (!control) {
    control = ControlFromCreateParams(msg, lParam);
    if (control && !control->handle_) {
      control->handle_ = hwnd;
      SetProp(hwnd, kControlProp, control);
    } else {
      control = nullptr;
    }
  }
  if (!control) {
    auto proc = reinterpret_cast<WNDPROC>(GetProp(hwnd, kDefProcProp));
    return proc ? CallWindowProc(proc, hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  }
  std::shared_ptr<bool> alive = control->alive_;
  TMessage message{msg, wParam, lParam, 0};
  try {
    control->Dispatch(message);
  } catch (...) {
    ReportException(std::current_exception());
  }
  if (*alive && msg == WM_NCDESTROY) control->WindowDestroyed();
  return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) return;
  message.Result = CallWindowProc(defWndProc_ ? defWndProc_ : &DefWindowProc, handle_, message.Msg, message.WParam,
                                  message.LParam);
}

// ---- children --------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  if (!control || std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) tabList_.push_back(windowed);
}

void TWinControl::RemoveControl(TControl* control) {
  if (captureControl_ == control) captureControl_ = nullptr;
  std::erase(controls_, control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) std::erase(tabList_, windowed);
}

void TWinControl::MoveControlToFront(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  controls_.push_back(control);
  control->Invalidate();
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (c->BoundsRect().Contains(point)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->Dispatch(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  // A copy: a notified control may change the list.
  std::vector<TControl*> children = controls_;
  for (TControl* c : children) c->Dispatch(message);
}

// ---- focus and tab order ---------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtr(handle_, GWL_STYLE);
    SetWindowLongPtr(handle_, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
  }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (HWND hwnd = Handle()) ::SetFocus(hwnd);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

bool TWinControl::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  if (order.empty()) return false;
  auto it = std::find(order.begin(), order.end(), current);
  std::size_t start = it == order.end() ? (forward ? order.size() - 1 : 0) : static_cast<std::size_t>(it - order.begin());
  std::size_t n = order.size();
  for (std::size_t step = 1; step <= n; ++step) {
    std::size_t i = forward ? (start + step) % n : (start + n - step % n) % n;
    TWinControl* candidate = order[i];
    if (candidate->TabStop() && candidate->CanFocus()) {
      candidate->SetFocus();
      return true;
    }
  }
  return false;
}

// ---- state -----------------------------------------------------------------

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (Parent()) return Parent()->Showing();
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::UpdateShowing() {
  if (!handle_) {
    if (Visible() && Parent() && Parent()->HandleAllocated()) HandleNeeded();
    return;
  }
  ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetText(const std::string& text) {
  if (text == Text()) return;
  if (handle_) SetWindowText(handle_, text.c_str());
  TControl::SetText(text);
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    if (GetClientRect(handle_, &r)) return r;
  }
  return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_) {
    POINT offset;
    if (GetClientOffset(handle_, &offset)) return offset;
  }
  return TControl::ClientOrigin();
}

void TWinControl::BoundsChanged() {
  if (handle_) SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

// ---- messages --------------------------------------------------------------

void TWinControl::WndProc(TMessage& message) {
  // The window's own handling first; what it leaves goes on to TControl's.
  if (HandleWindowMessage(message) || HandleChildNotice(message) || HandleFrameworkNotice(message)) return;
  TControl::WndProc(message);
}

bool TWinControl::HandleWindowMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      HandlePaint(message);
      return true;
    case WM_PRINTCLIENT:
      HandlePrintClient(message);
      return true;
    case WM_ERASEBKGND:
      EraseBackground(message);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouseMessage(message);
      return true;
    case WM_KEYDOWN:
      if (Application) Application->CancelHint();
      return HandleDialogKey(message);
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
      if (OnEnter) OnEnter(this);
      return false;
    case WM_KILLFOCUS:
      if (OnExit) OnExit(this);
      return false;
    case WM_MOVE:
      BoundsFromWindow();
      return false;
    case WM_SIZE:
      BoundsFromWindow();
      if (message.WParam != SIZE_MINIMIZED)
        KeepAnchoredChildren({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      return false;
    default:
      return false;
  }
}

void TWinControl::EraseBackground(TMessage& message) {
  if (!PaintsOwnWindow()) {
    DefaultHandler(message);
    return;
  }
  RECT r = ClientRect();
  FillRect(reinterpret_cast<HDC>(message.WParam), r, Color());
  message.Result = 1;
}

void TWinControl::KeepAnchoredChildren(TSize client) {
  const std::optional<TSize> before = anchoredClient_;
  anchoredClient_ = client;
  if (!before) return;
  const int dw = client.cx - before->cx;
  const int dh = client.cy - before->cy;
  if (dw == 0 && dh == 0) return;
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    const TAnchors anchors = child->Anchors();
    TRect r = child->BoundsRect();
    if (anchors & akRight) {
      if (!(anchors & akLeft)) r.Left += dw;
      r.Right += dw;
    }
    if (anchors & akBottom) {
      if (!(anchors & akTop)) r.Top += dh;
      r.Bottom += dh;
    }
    if (r == child->BoundsRect()) continue;
    const TRect old = child->BoundsRect();
    child->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (dynamic_cast<TWinControl*>(child)) continue;
    // A window hears its own move and size; a windowless child is told
    // the same way, so that what depends on its place follows it.
    if (r.Left != old.Left || r.Top != old.Top) child->Perform(WM_MOVE, 0, MAKELPARAM(r.Left, r.Top));
    if (r.Width() != old.Width() || r.Height() != old.Height())
      child->Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.Width(), r.Height()));
  }
}

void TWinControl::BoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (Parent() && Parent()->HandleAllocated()) {
    POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(nullptr, Parent()->handle_, corners, 2);
    r = {corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
  }
  UpdateBoundsRect(r);
}

bool TWinControl::HandleChildNotice(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      // A standard child's notice goes back to the child's own control.
      return message.LParam && ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      // An owner-drawn child draws and measures its own items.
      return ReflectToChild(message, OwnerDrawnWindow(message));
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
      AnswerChildColor(message);
      return true;
    default:
      return false;
  }
}

bool TWinControl::ReflectToChild(TMessage& message, HWND child) {
  if (!child) return false;
  TWinControl* control = FindControl(child);
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::AnswerChildColor(TMessage& message) {
  // Text fields and lists draw in their own font colour on their own
  // colour; a disabled one keeps the platform's grey text.
  if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
    if (!handle_ || IsWindowEnabled(handle_)) SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
  }
  ctlColorBrush_ = CreateSolidBrush(ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(&ctlColorBrush_);
}

bool TWinControl::HandleFrameworkNotice(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Broadcast(message);
      return true;
    case CM_VISIBLECHANGED:
      UpdateShowing();
      return true;
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, Enabled());
      Invalidate();
      // Children that look disabled inside a disabled container repaint.
      if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return true;
    case CM_TEXTCHANGED:
      Invalidate();
      return true;
    case CM_FONTCHANGED:
      if (handle_) {
        HFONT font = CreateFontIndirect(Font().ToLogFont());
        SendMessage(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(&font), TRUE);
      }
      NotifyControls(CM_PARENTFONTCHANGED);
      Invalidate();
      return true;
    case CM_COLORCHANGED:
      NotifyControls(CM_PARENTCOLORCHANGED);
      Invalidate();
      return true;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      return true;
    default:
      return false;
  }
}

bool TWinControl::PaintsOwnWindow() const { return CustomPaint() || defWndProc_ == &DefWindowProc; }

void TWinControl::HandlePaint(TMessage& message) {
  if (message.WParam) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    if (PaintsOwnWindow()) {
      PaintClient(dc);
    } else {
      PaintWindow(dc);
      PaintControls(dc);
    }
    return;
  }
  if (PaintsOwnWindow()) {
    // Erasing and painting stay inside the invalid part, so a transparent
    // child is always drawn over a freshly erased parent and children far
    // from the change are left alone.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    if (dc) PaintClient(dc);
    EndPaint(handle_, &ps);
    return;
  }
  // The window's own procedure paints it; windowless children go on top,
  // but only inside the part that was invalid.
  RECT invalid{};
  GetUpdateRect(handle_, &invalid, FALSE);
  std::shared_ptr<bool> alive = alive_;
  DefaultHandler(message);
  if (!*alive || !handle_ || invalid.IsEmpty()) return;
  bool anyGraphic = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
    return c->Visible() && !dynamic_cast<TWinControl*>(c);
  });
  if (anyGraphic) {
    HDC dc = GetDC(handle_);
    IntersectClipRect(dc, invalid.Left, invalid.Top, invalid.Right, invalid.Bottom);
    PaintControls(dc);
    ReleaseDC(handle_, dc);
  }
}

void TWinControl::HandlePrintClient(TMessage& message) {
  auto dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc) return;
  if (PaintsOwnWindow()) {
    PaintClient(dc);
    return;
  }
  DefaultHandler(message);
  PaintControls(dc);
}

void TWinControl::PaintClient(HDC dc) {
  if (CustomPaint()) PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  if (!dc || !Handle()) return;
  const int level = SaveDC(dc);
  OffsetViewportOrgEx(dc, x, y);
  SendMessage(handle_, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  RestoreDC(dc, level);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc) {
  if (!dc) return;
  std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    if (!c->Visible() || dynamic_cast<TWinControl*>(c) || c->BoundsRect().IsEmpty()) continue;
    if (!RectVisible(dc, c->BoundsRect())) continue;
    int level = SaveDC(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top());
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, level);
  }
}

void TWinControl::HandleMouseMessage(TMessage& message) {
  TPoint p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = captureControl_;
  if (!target) {
    TControl* hit = ControlAtPos(p);
    if (hit && !dynamic_cast<TWinControl*>(hit)) target = hit;
  }
  if (message.Msg == WM_MOUSEMOVE) {
    TMouseTracker::SetMouseControl(target ? target : this);
  } else if (!IsClientButtonUp(message.Msg)) {
    if (Application) Application->CancelHint();
  }
  if (target) {
    bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN || message.Msg == WM_MBUTTONDOWN ||
                message.Msg == WM_LBUTTONDBLCLK;
    if (down) {
      captureControl_ = target;
      SetCapture(handle_);
    }
    if (IsClientButtonUp(message.Msg)) {
      captureControl_ = nullptr;
      ReleaseCapture();
    }
    target->Perform(message.Msg, message.WParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
    return;
  }
  std::shared_ptr<bool> alive = alive_;
  TControl::WndProc(message);  // this control's own mouse events
  if (*alive) DefaultHandler(message);
}

bool TWinControl::HandleDialogKey(TMessage& message) {
  WPARAM key = message.WParam;
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  // A control may take these keys itself for the moment (a drop-down box
  // with its list open chooses with Enter and closes with Escape): it says
  // so when asked with the key's message, as in a desktop dialog.
  if (handle_) {
    MSG keyMessage{handle_, message.Msg, message.WParam, message.LParam};
    const LRESULT code = SendMessage(handle_, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&keyMessage));
    if (code & (key == VK_TAB ? DLGC_WANTTAB : DLGC_WANTMESSAGE)) return false;
  }
  TControl* form = GetParentForm(this);
  if (!form) return false;
  return form->Perform(CM_DIALOGKEY, key, reinterpret_cast<LPARAM>(this)) != 0;
}
