#include "adapters/TacScrollWnd.h"

#include <algorithm>
#include <optional>

#include "adapters/TacScrollTracking.h"
#include "adapters/WindowFrame.h"
#include "framework/FrameworkMessages.h"
#include "framework/TWinControl.h"
#include "platform/windowing/WinUser.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {
// The system command that would open the platform's scroll menu.
constexpr WPARAM kScrollMenuCommand = 0xF077;
constexpr DWORD kBarStyles = WS_HSCROLL | WS_VSCROLL;

// The platform's arrow length, fixed for the life of the program.
int DefaultArrowLength() {
  static const int length = GetSystemMetrics(SM_CXHSCROLL);
  return length;
}

int DefaultThickness(int kind) {
  return kind == kBarHorizontal ? GetSystemMetrics(SM_CYHSCROLL) : GetSystemMetrics(SM_CXVSCROLL);
}
}  // namespace

LRESULT ScrollAdapterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* adapter = static_cast<TacScrollWnd*>(WindowSubclass::OwnerOf(hwnd, kScrollAdapterProp));
  if (!adapter) return WindowSubclass::PassOn(hwnd, kScrollAdapterProp, msg, wParam, lParam);
  return adapter->WndProc(msg, wParam, lParam);
}

TacScrollWnd::TacScrollWnd(HWND hwnd, TsCommonData* skinData, TsSkinManager* manager)
    : hwnd_(hwnd), skinData_(skinData), manager_(manager) {
  hbar_.Kind = kBarHorizontal;
  vbar_.Kind = kBarVertical;
  hbar_.Owner = this;
  vbar_.Owner = this;
}

TacScrollWnd::~TacScrollWnd() {
  *alive_ = false;
  Detach();
}

TacScrollWnd* TacScrollWnd::Of(HWND hwnd) {
  return IsWindow(hwnd) ? static_cast<TacScrollWnd*>(GetProp(hwnd, kScrollAdapterProp)) : nullptr;
}

void TacScrollWnd::Initialize(bool repaintFrame) {
  if (!IsWindow(hwnd_)) {
    detached_ = true;
    return;
  }
  ReadScrollInfo(hbar_);
  ReadScrollInfo(vbar_);
  leftScrollBar_ = (GetWindowLongPtr(hwnd_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  SetProp(hwnd_, kScrollAdapterProp, this);
  const LONG_PTR style = GetWindowLongPtr(hwnd_, GWL_STYLE);
  hbar_.StateFlags = (style & WS_HSCROLL) ? 8 : 0;
  vbar_.StateFlags = (style & WS_VSCROLL) ? 8 : 0;
  for (TacScrollBar* bar : {&hbar_, &vbar_}) {
    bar->ArrowLengthSetting = -1;
    bar->ThicknessSetting = -1;
    bar->MinThumbLength = 10;
  }
  if (TWinControl* control = TWinControl::FindControl(hwnd_)) {
    control_ = control;
    controlSubclass_.Install(*control, [adapter = this](TMessage& m) { m.Result = adapter->WndProc(m.Msg, m.WParam, m.LParam); });
  } else {
    windowSubclass_.Install(hwnd_, &ScrollAdapterProc, this);
  }
  subclassed_ = true;
  if (repaintFrame) ChangeFrame(hwnd_);
}

void TacScrollWnd::Detach() {
  if (detached_) return;
  detached_ = true;
  if (!subclassed_) return;
  subclassed_ = false;
  controlSubclass_.Release();
  windowSubclass_.Release();
  if (!IsWindow(hwnd_)) return;
  RemoveProp(hwnd_, kScrollAdapterProp);
  TacScrollTracking& t = ScrollTracking();
  if (t.HoverWindow == hwnd_) {
    t.HoverWindow = nullptr;
    t.ResetHover();
  }
  const TControl* owner = OwnerControl();
  if (IsWindowVisible(hwnd_) && !(owner && owner->IsDestroying())) ChangeFrame(hwnd_);
}

LRESULT TacScrollWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (control_) {
    TMessage message{msg, wParam, lParam, 0};
    controlSubclass_.CallPrevious(message);
    return message.Result;
  }
  return windowSubclass_.CallPrevious(msg, wParam, lParam);
}

TControl* TacScrollWnd::OwnerControl() const {
  if (skinData_ && skinData_->OwnerControl()) return skinData_->OwnerControl();
  return control_;
}

bool TacScrollWnd::OwnerShowing() const {
  if (!IsWindowVisible(hwnd_)) return false;
  TControl* owner = OwnerControl();
  return !owner || owner->Showing();
}

bool TacScrollWnd::PaintingSuppressed() const { return TsSkinManager::SkinChanging(); }

void TacScrollWnd::ReadScrollInfo(TacScrollBar& bar) {
  bar.ScrollInfo = SCROLLINFO{};
  bar.ScrollInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(hwnd_, bar.Kind == kBarHorizontal ? SB_HORZ : SB_VERT, &bar.ScrollInfo);
}

void TacScrollWnd::Refresh(bool repaint) {
  if (detached_) return;
  ReadScrollInfo(hbar_);
  ReadScrollInfo(vbar_);
  if (repaint && !PaintingSuppressed()) PaintBars(nullptr);
}

// ---- sizes and geometry -----------------------------------------------------

int TacScrollWnd::Thickness(const TacScrollBar& bar) const {
  if (bar.ThicknessSetting >= 0) return bar.ThicknessSetting;
  return -bar.ThicknessSetting * DefaultThickness(bar.Kind);
}

int TacScrollWnd::ArrowLength(const TacScrollBar& bar, bool useSkin) const {
  if (bar.ArrowLengthSetting >= 0) return bar.ArrowLengthSetting;
  const int times = -bar.ArrowLengthSetting;
  if (useSkin && manager_) {
    const TsSkinContent& skin = manager_->Content();
    const int left = skin.GetSkinIndex("SCROLLBTNLEFT");
    const int leftMask = skin.GetMaskIndex(left, "SCROLLBTNLEFT", "BORDERSMASK");
    if (skin.IsValidSkinIndex(left) && skin.Sections[static_cast<std::size_t>(left)].ReservedBoolean &&
        skin.IsValidImgIndex(leftMask)) {
      int frame = 0;
      if (bar.Kind == kBarHorizontal) {
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(leftMask)];
        frame = mask.R.Width() / std::max<int>(1, mask.ImageCount);
      } else {
        const int top = skin.GetSkinIndex("SCROLLBTNTOP");
        const int topMask = skin.GetMaskIndex(top, "SCROLLBTNTOP", "BORDERSMASK");
        if (skin.IsValidImgIndex(topMask)) {
          const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(topMask)];
          frame = mask.R.Height() / (mask.MaskType + 1);
        }
      }
      return times * std::max(DefaultArrowLength(), frame);
    }
  }
  return times * DefaultArrowLength();
}

TRect TacScrollWnd::BarRect(int kind) const {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const int width = window.Width();
  const int height = window.Height();
  if (kind == kBarHorizontal) {
    TRect r;
    r.Left = edgeLeft_ + (vbar_.Visible && leftScrollBar_ ? Thickness(vbar_) : 0);
    r.Right = width - edgeRight_ - (vbar_.Visible && !leftScrollBar_ ? Thickness(vbar_) : 0);
    r.Bottom = height - edgeBottom_;
    r.Top = hbar_.Visible ? r.Bottom - Thickness(hbar_) : r.Bottom;
    return r;
  }
  TRect r;
  r.Top = edgeTop_;
  r.Bottom = height - edgeBottom_ - (hbar_.Visible ? Thickness(hbar_) : 0);
  if (leftScrollBar_) {
    r.Left = edgeLeft_;
    r.Right = vbar_.Visible ? r.Left + Thickness(vbar_) : r.Left;
  } else {
    r.Right = width - edgeRight_;
    r.Left = vbar_.Visible ? r.Right - Thickness(vbar_) : r.Right;
  }
  return r;
}

TacThumb TacScrollWnd::Thumb(int kind) const {
  const TacScrollBar& bar = Bar(kind);
  return ThumbGeometry(bar.ScrollInfo, bar.MinThumbLength, BarRect(kind), kind, ArrowLength(bar, false));
}

bool TacScrollWnd::BarEnabled(int kind) const {
  SCROLLBARINFO info;
  if (!GetScrollBarInfo(hwnd_, kind == kBarHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info)) return false;
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

int TacScrollWnd::HitTestBar(int kind, TPoint inWindow) const {
  const TacScrollBar& bar = Bar(kind);
  return ::HitTestBar(bar.ScrollInfo, bar.MinThumbLength, BarRect(kind), kind, ArrowLength(bar, false), inWindow);
}

bool TacScrollWnd::CornerAtParentGrip() const {
  const HWND parent = GetParent(hwnd_);
  if (!parent || GetAncestorRoot(parent) != parent || GetParent(parent)) return false;
  RECT window{};
  GetWindowRect(hwnd_, &window);
  POINT corner{window.Right - (leftScrollBar_ ? edgeLeft_ : edgeRight_), window.Bottom - edgeBottom_};
  ScreenToClient(parent, &corner);
  RECT client{};
  GetClientRect(parent, &client);
  return corner.X == client.Right && corner.Y == client.Bottom;
}

int TacScrollWnd::HitTestWindow(TPoint p) const {
  if (hbar_.Visible && BarRect(kBarHorizontal).Contains(p)) return BarEnabled(kBarHorizontal) ? HTHSCROLL : HTNOWHERE;
  if (vbar_.Visible && BarRect(kBarVertical).Contains(p)) return BarEnabled(kBarVertical) ? HTVSCROLL : HTNOWHERE;
  if (hbar_.Visible && vbar_.Visible) {
    const TRect h = BarRect(kBarHorizontal);
    const TRect v = BarRect(kBarVertical);
    const TRect box{v.Left, h.Top, v.Right, h.Bottom};
    if (box.Contains(p) && CornerAtParentGrip()) return HTBOTTOMRIGHT;
  }
  return HTERROR;
}

TPoint TacScrollWnd::WindowPointFromScreen(LPARAM lParam) const {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  return Point(GET_X_LPARAM(lParam) - window.Left, GET_Y_LPARAM(lParam) - window.Top);
}

TPoint TacScrollWnd::WindowPointFromClient(LPARAM lParam) const {
  POINT offset{};
  GetClientOffset(hwnd_, &offset);
  return Point(GET_X_LPARAM(lParam) + offset.X, GET_Y_LPARAM(lParam) + offset.Y);
}

// ---- non-client size --------------------------------------------------------

LRESULT TacScrollWnd::CalcSize(WPARAM wParam, LPARAM lParam) {
  RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
  if (!rect) return CallPrevious(WM_NCCALCSIZE, wParam, lParam);
  const RECT before = *rect;
  const LONG_PTR style = GetWindowLongPtr(hwnd_, GWL_STYLE);
  LRESULT result;
  if (style & kBarStyles) {
    // The previous procedure must not make room for the platform's bars.
    styleGuard_ = true;
    SetWindowLongPtr(hwnd_, GWL_STYLE, style & ~static_cast<LONG_PTR>(kBarStyles));
    result = CallPrevious(WM_NCCALCSIZE, wParam, lParam);
    if (IsWindow(hwnd_)) SetWindowLongPtr(hwnd_, GWL_STYLE, style);
    styleGuard_ = false;
  } else {
    result = CallPrevious(WM_NCCALCSIZE, wParam, lParam);
  }
  edgeLeft_ = rect->Left - before.Left;
  edgeTop_ = rect->Top - before.Top;
  edgeRight_ = before.Right - rect->Right;
  edgeBottom_ = before.Bottom - rect->Bottom;

  hbar_.StateFlags = (style & WS_HSCROLL) ? 8 : 0;
  hbar_.Visible = hbar_.StateFlags == 8 && rect->Height() >= Thickness(hbar_);
  if (hbar_.Visible) rect->Bottom -= Thickness(hbar_);
  vbar_.StateFlags = (style & WS_VSCROLL) ? 8 : 0;
  vbar_.Visible = vbar_.StateFlags == 8 && rect->Width() >= Thickness(vbar_);
  if (vbar_.Visible) {
    if (leftScrollBar_) rect->Left += Thickness(vbar_);
    else rect->Right -= Thickness(vbar_);
  }
  return result;
}

// ---- messages -----------------------------------------------------------------

LRESULT TacScrollWnd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (detached_) return CallPrevious(msg, wParam, lParam);
  switch (msg) {
    case WM_NCCALCSIZE: return CalcSize(wParam, lParam);
    case WM_NCHITTEST: {
      const int hit = HitTestWindow(WindowPointFromScreen(lParam));
      return hit == HTERROR ? CallPrevious(msg, wParam, lParam) : hit;
    }
    case WM_NCPAINT: {
      // The previous procedure paints the frame; the skinned bars go over it.
      const std::shared_ptr<bool> alive = alive_;
      const LRESULT result = CallPrevious(msg, wParam, lParam);
      if (*alive && !detached_) PaintBars(nullptr);
      return result;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: return Press(msg, wParam, lParam);
    case WM_NCMOUSEMOVE:
      if (IsScrollBarHit(wParam)) HoverStart(static_cast<int>(wParam));
      return CallPrevious(msg, wParam, lParam);
    case WM_MOUSEMOVE: return MouseMove(msg, wParam, lParam);
    case WM_LBUTTONUP: return Release(msg, wParam, lParam);
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: return CaptureLost(msg, wParam, lParam);
    case WM_TIMER: return Timer(msg, wParam, lParam);
    case WM_STYLECHANGED:
      if (styleGuard_) return 0;
      if (wParam == static_cast<WPARAM>(GWL_EXSTYLE))
        leftScrollBar_ = (GetWindowLongPtr(hwnd_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
      return CallPrevious(msg, wParam, lParam);
    case WM_STYLECHANGING:
      if (styleGuard_) return 0;
      return CallPrevious(msg, wParam, lParam);
    case WM_SYSCOMMAND:
      if (wParam == kScrollMenuCommand) return 0;
      return CallPrevious(msg, wParam, lParam);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (IsScrollBarHit(wParam)) return 0;
      return CallPrevious(msg, wParam, lParam);
    case WM_UPDATEUISTATE: return 0;
    // After these the bars may have moved.
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL: {
      const std::shared_ptr<bool> alive = alive_;
      const LRESULT result = CallPrevious(msg, wParam, lParam);
      if (*alive && !sending_) Refresh(true);
      return result;
    }
    case CM_FOCUSCHANGED: {
      const std::shared_ptr<bool> alive = alive_;
      const LRESULT result = CallPrevious(msg, wParam, lParam);
      if (*alive) Refresh(true);
      return result;
    }
    case SM_SKINCOMMAND: return HandleSkinCommand(msg, wParam, lParam);
    case WM_DESTROY:
    case WM_NCDESTROY:
      Detach();
      return CallPrevious(msg, wParam, lParam);
    default: return CallPrevious(msg, wParam, lParam);
  }
}

LRESULT TacScrollWnd::HandleSkinCommand(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The window takes part in the engine while the adapter holds it.
  if (const std::optional<LRESULT> answer = IdentityAnswer(wParam)) return *answer;
  const bool fromOwnManager = manager_ && lParam == reinterpret_cast<LPARAM>(manager_);
  switch (SkinCommandOf(wParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_CHANGED:
      if (fromOwnManager && skinData_) {
        skinData_->UpdateIndexes();
        if (SkinCommandOf(wParam) == SKC_SKIN_CHANGED) skinData_->MarkCacheStale();
      }
      return CallPrevious(msg, wParam, lParam);
    case SKC_SKIN_REMOVED:
      // The control still hears it: it puts its plain colours back.
      if (fromOwnManager) Detach();
      return CallPrevious(msg, wParam, lParam);
    case SKC_CHILD_REPAINT:
      if (skinData_ && skinData_->ResumeHeldPainting()) {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      return 0;
    case SKC_SET_UPDATING:
      if (!skinData_) return 0;
      if (SkinArgumentOf(wParam) != 0) skinData_->HoldPainting();
      else skinData_->ResumePainting();
      return 0;
    case SKC_GET_COLOR: {
      const LRESULT answer = CallPrevious(msg, wParam, lParam);
      if (answer != 0 || !skinData_) return answer;
      return static_cast<LRESULT>(skinData_->GetColor(static_cast<TColor>(lParam)).value_or(static_cast<TColor>(lParam)));
    }
    case SKC_GET_BACKGROUND: {
      const std::shared_ptr<bool> alive = alive_;
      const LRESULT answer = CallPrevious(msg, wParam, lParam);
      auto* request = reinterpret_cast<TsBackgroundRequest*>(lParam);
      if (*alive && request && request->BgKind == bgNotAnswered && skinData_)
        skinData_->GetBackground(*request, false, hwnd_);
      return answer;
    }
    default: return CallPrevious(msg, wParam, lParam);
  }
}
