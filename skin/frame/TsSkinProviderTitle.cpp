// The skinned title bar's geometry and its buttons: masks from the skin,
// layout from the right, hit-testing, the hot and pressed states and what a
// click on each button does.
#include <algorithm>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "paint/MaskImagePainter.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TacFrameMetrics.h"
#include "skin/frame/TsSkinProvider.h"

namespace {
constexpr int kNoMaskButtonSize = 21;  // width and height of a button without a mask
constexpr int kExtraButtonHit = 1000;  // hit code of the first extra title button

TSize WindowSizeOf(TCustomForm& form) {
  RECT r{};
  if (form.HandleAllocated()) GetWindowRect(form.Handle(), &r);
  return {r.Width(), r.Height()};
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
}  // namespace

// ---- geometry ---------------------------------------------------------------------

int TsSkinProvider::SideBorderWidth() const { return attached_ ? TacFrameMetrics::SideBorderWidth(*form_) : 0; }
int TsSkinProvider::TopBorderHeight() const { return attached_ ? TacFrameMetrics::TopBorderHeight(*form_) : 0; }
int TsSkinProvider::CaptionHeight() const { return attached_ ? TacFrameMetrics::CaptionHeight(*form_) : 0; }

bool TsSkinProvider::ShowsIcon() const { return attached_ && TacFrameMetrics::BigTitleBar(*form_) && showAppIcon_; }

TSize TsSkinProvider::IconSize() const {
  if (!ShowsIcon()) return {0, 0};
  const int standard = TacFrameMetrics::StandardIconSize(CaptionHeight());
  return {titleIcon_.Width ? titleIcon_.Width : standard, titleIcon_.Height ? titleIcon_.Height : standard};
}

TRect TsSkinProvider::IconRect() const {
  const TSize size = IconSize();
  const int left = SideBorderWidth();
  const int top = (TopBorderHeight() + CaptionHeight() - size.cy) / 2;
  return Rect(left, top, left + size.cx, top + size.cy);
}

int TsSkinProvider::MaskHeight(int maskIndex) const {
  const TsSkinManager* manager = skinData_->SkinManager();
  if (!manager || !manager->Content().IsValidImgIndex(maskIndex)) return kNoMaskButtonSize;
  const TsMaskData& mask = manager->Content().Masks[static_cast<std::size_t>(maskIndex)];
  if (mask.Bmp) return mask.Bmp->height() / 2;
  return mask.R.Height() / (mask.MaskType + 1);
}

int TsSkinProvider::ButtonWidth(int maskIndex) const {
  const TsSkinManager* manager = skinData_->SkinManager();
  if (!manager || !manager->Content().IsValidImgIndex(maskIndex)) return kNoMaskButtonSize;
  const TsMaskData& mask = manager->Content().Masks[static_cast<std::size_t>(maskIndex)];
  const int count = std::max<int>(1, mask.ImageCount);
  if (mask.Bmp) return mask.Bmp->width() / count;
  return mask.R.Width() / count;
}

int TsSkinProvider::TitleButtonHeight() const { return MaskHeight(buttons_[sbClose].MaskIndex); }

int TsSkinProvider::ButtonBandTop() const { return (TopBorderHeight() + CaptionHeight() - TitleButtonHeight()) / 2; }

int TsSkinProvider::ButtonTop(const TsFrameButtonState& button, int height) const {
  const int band = TopBorderHeight() + CaptionHeight();
  if (!button.Big) return (band - height) / 2;
  const TsSkinManager* manager = skinData_->SkinManager();
  if (manager && manager->Content().SkinData.TitleButtonVAlignment == 1)
    return form_->HandleAllocated() && IsZoomed(form_->Handle()) ? 4 : 0;
  int top = (band - height) / 2;
  if (height < 16) top += 2;
  return top;
}

bool TsSkinProvider::MinimizeShown() const {
  if (!attached_ || !hasSysMenu_) return false;
  if (form_->HandleAllocated() && IsIconic(form_->Handle())) return true;
  return TacFrameMetrics::BigTitleBar(*form_) && (form_->BorderIcons() & biMinimize);
}

bool TsSkinProvider::MaximizeShown() const {
  if (!attached_ || !hasSysMenu_) return false;
  if (form_->HandleAllocated() && IsIconic(form_->Handle())) return true;
  return TacFrameMetrics::BigTitleBar(*form_) && (form_->BorderIcons() & biMaximize);
}

bool TsSkinProvider::CanMaximize() const { return MaximizeShown() && (form_->BorderIcons() & biMaximize); }
bool TsSkinProvider::CanMinimize() const { return MinimizeShown() && (form_->BorderIcons() & biMinimize); }

// ---- masks and layout -----------------------------------------------------------

void TsSkinProvider::TakeButtonMasks() {
  for (TsFrameButtonState& b : buttons_) b.MaskIndex = -1;
  const TsSkinManager* manager = skinData_->SkinManager();
  if (!manager || !attached_) return;
  const TsSkinContent& skin = manager->Content();
  if (!skin.IsValidSkinIndex(skin.GetSkinIndex("GLOBALINFO"))) return;
  auto global = [&skin](const char* name) { return skin.GetMaskIndex("GLOBALINFO", name); };
  const bool big = TacFrameMetrics::BigTitleBar(*form_);
  auto takeBig = [&] {
    buttons_[sbClose].MaskIndex = global("BICONCLOSE");
    buttons_[sbHelp].MaskIndex = global("BICONHELP");
    buttons_[sbMinimize].MaskIndex = global("BICONMIN");
    buttons_[sbMaximize].MaskIndex = global("BICONMAX");
    for (TsFrameButtonState& b : buttons_) b.Big = true;
  };
  if (big) {
    takeBig();
  } else {
    buttons_[sbClose].MaskIndex = global("SICONCLOSE");
    buttons_[sbMinimize].MaskIndex = global("SICONMIN");
    buttons_[sbMaximize].MaskIndex = global("SICONMAX");
    buttons_[sbHelp].MaskIndex = global("SICONHELP");
    if (buttons_[sbHelp].MaskIndex < 0) buttons_[sbHelp].MaskIndex = global("BICONHELP");
    for (TsFrameButtonState& b : buttons_) b.Big = false;
    if (buttons_[sbClose].MaskIndex < 0) takeBig();
  }
  int extra = global("TITLEBUTTON");
  if (extra < 0) extra = skin.GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBUTTON");
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton* b = titleButtons_[i];
    b->Frame.MaskIndex = b->UseSkinData ? extra : -1;
    b->Frame.Big = big;
  }
}

void TsSkinProvider::LayoutButtons(int windowWidth) {
  for (TsFrameButtonState& b : buttons_) b.Left = b.Right = 0;
  for (int i = 0; i < titleButtons_.Count(); ++i) titleButtons_[i]->Frame.Left = titleButtons_[i]->Frame.Right = 0;
  if (CaptionHeight() <= 0) return;
  const TsSkinManager* manager = skinData_->SkinManager();
  const bool big = TacFrameMetrics::BigTitleBar(*form_);
  const int spacing = big && manager ? manager->Content().SkinData.TitleButtonSpacing : 0;
  int right = windowWidth - SideBorderWidth() - spacing;
  auto place = [&](TsFrameButtonState& b, int maskIndex) {
    const int width = ButtonWidth(maskIndex);
    b.Right = right;
    b.Left = right - width;
    right = b.Left - spacing;
  };
  const TsSkinContent* skin = manager ? &manager->Content() : nullptr;
  if (hasSysMenu_ && skin && skin->IsValidImgIndex(buttons_[sbClose].MaskIndex))
    place(buttons_[sbClose], buttons_[sbClose].MaskIndex);
  if (MaximizeShown()) place(buttons_[sbMaximize], buttons_[sbMaximize].MaskIndex);
  if (MinimizeShown()) place(buttons_[sbMinimize], buttons_[sbMinimize].MaskIndex);
  if (hasSysMenu_ && (form_->BorderIcons() & biHelp)) place(buttons_[sbHelp], buttons_[sbHelp].MaskIndex);
  for (int i = 0; i < titleButtons_.Count(); ++i) place(titleButtons_[i]->Frame, titleButtons_[i]->Frame.MaskIndex);
}

int TsSkinProvider::TotalButtonWidth() const {
  int leftmost = WindowSizeOf(*form_).cx - SideBorderWidth();
  for (const TsFrameButtonState& b : buttons_)
    if (b.Right > b.Left) leftmost = std::min(leftmost, b.Left);
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    const TsFrameButtonState& b = titleButtons_[i]->Frame;
    if (b.Right > b.Left) leftmost = std::min(leftmost, b.Left);
  }
  return WindowSizeOf(*form_).cx - SideBorderWidth() - leftmost;
}

void TsSkinProvider::DrawButtons(Bitmap& pixels) {
  const TsSkinManager* manager = skinData_->SkinManager();
  if (!manager) return;
  const TsSkinContent& skin = manager->Content();
  const bool maximized = form_->HandleAllocated() && IsZoomed(form_->Handle());
  auto draw = [&](const TsFrameButtonState& b, int maskIndex, bool enabled) {
    if (b.Right <= b.Left || !skin.IsValidImgIndex(maskIndex)) return;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    const int top = ButtonTop(b, MaskHeight(maskIndex));
    DrawMaskImage(pixels, {b.Left, top}, b.State, MakeCacheInfo(&pixels), mask, active_ && enabled ? 1 : 2, skin.MasterBitmap.get());
  };
  draw(buttons_[sbClose], buttons_[sbClose].MaskIndex, true);
  int maximize = buttons_[sbMaximize].MaskIndex;
  if (maximized) {
    int normal = skin.GetMaskIndex("GLOBALINFO", "BICONNORM");
    if (normal < 0) normal = skin.GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "BICONNORM");
    if (normal >= 0) maximize = normal;
  }
  draw(buttons_[sbMaximize], maximize, CanMaximize());
  draw(buttons_[sbMinimize], buttons_[sbMinimize].MaskIndex, CanMinimize());
  draw(buttons_[sbHelp], buttons_[sbHelp].MaskIndex, true);
  for (int i = 0; i < titleButtons_.Count(); ++i)
    draw(titleButtons_[i]->Frame, titleButtons_[i]->Frame.MaskIndex, titleButtons_[i]->Enabled);
}

// ---- hit-testing and states ---------------------------------------------------------

int TsSkinProvider::TitleHitTest(TPoint p) {
  if (!Skinned() || CaptionHeight() <= 0) return HTNOWHERE;
  LayoutButtons(WindowSizeOf(*form_).cx);
  const int bandTop = ButtonBandTop();
  if (p.Y >= bandTop && p.Y < bandTop + TitleButtonHeight()) {
    const int side = SideBorderWidth();
    if (ShowsIcon() && p.X >= side && p.X < side + IconSize().cx) return HTSYSMENU;
    if (hasSysMenu_ && buttons_[sbClose].Contains(p.X)) return HTCLOSE;
    if (buttons_[sbMaximize].Contains(p.X)) return CanMaximize() ? HTMAXBUTTON : HTCAPTION;
    if (buttons_[sbMinimize].Contains(p.X)) {
      const bool iconic = IsIconic(form_->Handle());
      return CanMinimize() || iconic ? HTMINBUTTON : HTCAPTION;
    }
    if (buttons_[sbHelp].Contains(p.X)) return HTHELP;
    for (int i = 0; i < titleButtons_.Count(); ++i)
      if (titleButtons_[i]->Frame.Contains(p.X)) return titleButtons_[i]->Enabled ? kExtraButtonHit + i : HTCAPTION;
    return HTCAPTION;
  }
  if (gripMode_ == gmRightBottom) {
    const TsSkinContent& skin = skinData_->SkinManager()->Content();
    const int grip = skin.GetMaskIndex("GLOBALINFO", "GRIPIMAGE");
    if (skin.IsValidImgIndex(grip)) {
      const TSize frame = skin.GetMaskFrameSize(grip);
      const TPoint offset = TacFrameMetrics::ClientOffset(*form_);
      RECT client{};
      GetClientRect(form_->Handle(), &client);
      if (p.X >= offset.X + client.Right - frame.cx && p.Y >= offset.Y + client.Bottom - frame.cy) return HTBOTTOMRIGHT;
    }
  }
  return HTNOWHERE;
}

TsFrameButtonState* TsSkinProvider::ButtonForHit(int hit) {
  switch (hit) {
    case HTCLOSE: return &buttons_[sbClose];
    case HTMAXBUTTON: return &buttons_[sbMaximize];
    case HTMINBUTTON: return &buttons_[sbMinimize];
    case HTHELP: return &buttons_[sbHelp];
    default:
      if (hit >= kExtraButtonHit && hit - kExtraButtonHit < titleButtons_.Count())
        return &titleButtons_[hit - kExtraButtonHit]->Frame;
      return nullptr;
  }
}

void TsSkinProvider::SetHot(int hit) {
  if (!ButtonForHit(hit)) hit = 0;
  if (hit == hotHit_ || tracking_) return;
  if (TsFrameButtonState* old = ButtonForHit(hotHit_)) old->State = 0;
  hotHit_ = hit;
  if (TsFrameButtonState* now = ButtonForHit(hotHit_)) now->State = 1;
  RepaintFrame();
}

void TsSkinProvider::SetPressed(int hit) {
  TsFrameButtonState* button = ButtonForHit(hit);
  if (!button) return;
  if (TsFrameButtonState* old = ButtonForHit(hotHit_); old && old != button) old->State = 0;
  hotHit_ = hit;
  pressedHit_ = hit;
  tracking_ = true;
  button->State = 2;
  SetCapture(form_->Handle());
  RepaintFrame();
}

void TsSkinProvider::TrackPress(TMessage& message) {
  // While the button is held the pointer comes in client coordinates.
  POINT screen = PointOf(message.LParam);
  ClientToScreen(form_->Handle(), &screen);
  RECT window{};
  GetWindowRect(form_->Handle(), &window);
  const int hit = TitleHitTest({screen.X - window.Left, screen.Y - window.Top});
  TsFrameButtonState* button = ButtonForHit(pressedHit_);
  if (!button) return;
  if (message.Msg == WM_MOUSEMOVE) {
    const int state = hit == pressedHit_ ? 2 : 0;
    if (button->State != state) {
      button->State = state;
      RepaintFrame();
    }
    return;
  }
  // Released: the button goes back to hot (still under the pointer) or normal.
  const int pressed = pressedHit_;
  tracking_ = false;
  pressedHit_ = 0;
  button->State = hit == pressed ? 1 : 0;
  hotHit_ = hit == pressed ? pressed : 0;
  ReleaseCapture();
  RepaintFrame();
  if (hit == pressed) ButtonAction(pressed);
}

void TsSkinProvider::ButtonAction(int hit) {
  const HWND window = form_->Handle();
  switch (hit) {
    case HTCLOSE: SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0); return;
    case HTMAXBUTTON: {
      const std::weak_ptr<bool> alive = alive_;
      if (IsZoomed(window)) {
        // The form's window state is normal before the command arrives (an
        // MDI child would keep it; the program has none).
        ShowWindow(window, SW_RESTORE);
        SendMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        SendMessage(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      // The system menu offers what the new state allows.
      if (!alive.expired() && IsWindow(window)) sysMenu_.Update(*form_, hasSysMenu_, MinimizeShown(), MaximizeShown());
      return;
    }
    case HTMINBUTTON: {
      const bool restore = IsIconic(window) && (!Application || Application->MainForm() != form_);
      SendMessage(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MINIMIZE, 0);
      return;
    }
    case HTHELP:
      SendMessage(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      RepaintFrame();
      return;
    default:
      if (hit >= kExtraButtonHit && hit - kExtraButtonHit < titleButtons_.Count()) {
        TsTitleButton* button = titleButtons_[hit - kExtraButtonHit];
        if (button->OnMouseUp) button->OnMouseUp(button);
      }
      return;
  }
}

bool TsSkinProvider::HandleNonClientMouse(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      AnswerHitTest(message);
      return true;
    case WM_NCMOUSEMOVE: {
      // The frame hears when the pointer leaves it, to drop the hot button.
      TRACKMOUSEEVENT tme{};
      tme.dwFlags = TME_LEAVE | TME_NONCLIENT;
      tme.hwndTrack = form_->Handle();
      TrackMouseEvent(&tme);
      CallPrevious(message);
      return true;
    }
    case WM_NCMOUSELEAVE:
      SetHot(0);
      CallPrevious(message);
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (!tracking_) return false;
      TrackPress(message);
      return true;
    case WM_CAPTURECHANGED:
      if (tracking_ && reinterpret_cast<HWND>(message.LParam) != form_->Handle()) PressLost();
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return TitlePressed(message);
    case WM_NCRBUTTONUP: {
      // The system menu opens where the title or its icon was clicked.
      const int hit = static_cast<int>(message.WParam);
      if (hit != HTCAPTION && hit != HTSYSMENU) return false;
      const POINT p = PointOf(message.LParam);
      PopupSysMenu({p.X, p.Y});
      return true;
    }
    default:
      return false;
  }
}

void TsSkinProvider::AnswerHitTest(TMessage& message) {
  RECT window{};
  GetWindowRect(form_->Handle(), &window);
  const POINT p = PointOf(message.LParam);
  int hit = TitleHitTest({p.X - window.Left, p.Y - window.Top});
  if (hit == HTNOWHERE) {
    // Not a part of the title: the previous handler decides.
    const std::shared_ptr<bool> alive = alive_;
    CallPrevious(message);
    if (!*alive) return;
    hit = static_cast<int>(message.Result);
  }
  message.Result = hit;
  SetHot(hit);
}

void TsSkinProvider::PressLost() {
  tracking_ = false;
  if (TsFrameButtonState* b = ButtonForHit(pressedHit_)) b->State = 0;
  pressedHit_ = hotHit_ = 0;
  RepaintFrame();
}

bool TsSkinProvider::TitlePressed(TMessage& message) {
  const int hit = static_cast<int>(message.WParam);
  const bool doubleClick = message.Msg == WM_NCLBUTTONDBLCLK;
  if (hit == HTSYSMENU) {
    if (doubleClick) {
      SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    }
    // The menu opens just below the icon.
    RECT window{};
    GetWindowRect(form_->Handle(), &window);
    const TRect icon = IconRect();
    if (GetActiveWindow() != form_->Handle()) SetActiveWindow(form_->Handle());
    PopupSysMenu({window.Left + icon.Left, window.Top + icon.Bottom});
    return true;
  }
  if (doubleClick && hit == HTCAPTION) {
    if (CanMaximize()) {
      const HWND w = form_->Handle();
      SendMessage(w, WM_SYSCOMMAND, IsZoomed(w) || IsIconic(w) ? SC_RESTORE : SC_MAXIMIZE, 0);
    }
    return true;
  }
  if (!ButtonForHit(hit)) return false;
  if (hit >= kExtraButtonHit) {
    // An extra title button's own handler runs first; it may close the form.
    TsTitleButton* extra = titleButtons_[hit - kExtraButtonHit];
    const std::shared_ptr<bool> alive = alive_;
    if (extra->OnMouseDown) extra->OnMouseDown(extra);
    if (!*alive) return true;
  }
  SetPressed(hit);
  return true;
}
