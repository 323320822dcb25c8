#include "skin/hook/TacDialogWnd.h"

#include <algorithm>

#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/SkinTextPainter.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TacFrameMetrics.h"

namespace {

constexpr const char* kTitleSection = "FORMTITLE";

}  // namespace

TacDialogWnd::TacDialogWnd(HWND dialog, TsSkinManager* manager) : TacAdapterWnd(dialog, "DIALOG", manager) {
  active_ = GetActiveWindow() == dialog;
}

POINT TacDialogWnd::ClientOffset() const {
  POINT offset{};
  GetClientOffset(Window(), &offset);
  return offset;
}

int TacDialogWnd::CloseMask() const {
  const TsSkinContent* skin = Skin();
  if (!skin) return -1;
  // A dialog has the small title bar: its small close button, else the big one.
  const int small = skin->GetMaskIndex("GLOBALINFO", "SICONCLOSE");
  return skin->IsValidImgIndex(small) ? small : skin->GetMaskIndex("GLOBALINFO", "BICONCLOSE");
}

RECT TacDialogWnd::CloseButton() const {
  const TsSkinContent* skin = Skin();
  const int mask = CloseMask();
  if (!skin || !skin->IsValidImgIndex(mask) || !(GetWindowLongPtr(Window(), GWL_STYLE) & WS_CAPTION)) return {};
  const TSize size = skin->GetMaskFrameSize(mask);
  const POINT offset = ClientOffset();
  const int right = TacFrameMetrics::WindowSize(Window()).cx - offset.X;
  const int top = std::max(0, (offset.Y - size.cy) / 2);
  return Rect(right - size.cx, top, right, top + size.cy);
}

TBitmap* TacDialogWnd::Picture() {
  if (!Skinned() || Destroyed()) return nullptr;
  const TSize size = TacFrameMetrics::WindowSize(Window());
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  if (stale_ || picture_->Width() != size.cx || picture_->Height() != size.cy) {
    picture_->SetSize(size.cx, size.cy);
    Compose(picture_->Pixels(), picture_->Canvas().Handle());
    stale_ = false;
  }
  return picture_.get();
}

void TacDialogWnd::Compose(Bitmap& pixels, HDC dc) {
  const TsSkinContent& skin = *Skin();
  const int state = active_ ? 1 : 0;
  const TRect whole = Rect(0, 0, pixels.width(), pixels.height());
  PaintNamedSection(skin, SkinSection().c_str(), pixels, whole, state);
  const POINT offset = ClientOffset();
  if (offset.Y <= offset.X) return;  // no caption band
  PaintNamedSection(skin, kTitleSection, pixels, Rect(0, 0, pixels.width(), offset.Y), state);
  const RECT close = CloseButton();
  if (!close.IsEmpty()) {
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(CloseMask())];
    DrawMaskImage(pixels, {close.Left, close.Top}, closeState_, MakeCacheInfo(&pixels), mask, active_ ? 1 : 2,
                  skin.MasterBitmap.get());
  }
  const std::string text = GetWindowTextString(Window());
  const int titleIndex = skin.GetSkinIndex(kTitleSection);
  const int right = close.IsEmpty() ? pixels.width() - offset.X : close.Left;
  const TRect place = Rect(offset.X + 4, 0, right - 6, offset.Y);
  if (text.empty() || place.Width() <= 0 || !skin.IsValidSkinIndex(titleIndex)) return;
  LogFont font;
  font.lfHeight = TacFrameMetrics::kCaptionFontHeight;
  font.lfWeight = FW_BOLD;
  const HFONT previous = SelectObject(dc, CreateFontIndirect(font));
  WriteTextByIndex(dc, text, true, &skin, active_, titleIndex,
                   DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX | DT_END_ELLIPSIS, place);
  SelectObject(dc, previous);
}

void TacDialogWnd::Refresh() {
  stale_ = true;
  if (!Destroyed()) RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

void TacDialogWnd::PaintFrame() {
  TBitmap* picture = Picture();
  if (!picture) return;
  HDC dc = GetWindowDC(Window());
  if (!dc) return;
  const POINT offset = ClientOffset();
  RECT client{};
  GetClientRect(Window(), &client);
  const int w = picture->Width(), h = picture->Height();
  const int clientRight = offset.X + client.Width(), clientBottom = offset.Y + client.Height();
  HDC source = picture->Canvas().Handle();
  BitBlt(dc, 0, 0, w, offset.Y, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, offset.Y, offset.X, h - offset.Y, source, 0, offset.Y, SRCCOPY);
  BitBlt(dc, 0, clientBottom, w, h - clientBottom, source, 0, clientBottom, SRCCOPY);
  BitBlt(dc, clientRight, offset.Y, w - clientRight, h - offset.Y, source, clientRight, offset.Y, SRCCOPY);
  ReleaseDC(Window(), dc);
}

void TacDialogWnd::PaintClient(HDC dc) {
  TBitmap* picture = Picture();
  if (!picture || !dc) return;
  const POINT offset = ClientOffset();
  RECT client{};
  GetClientRect(Window(), &client);
  BitBlt(dc, 0, 0, client.Width(), client.Height(), picture->Canvas().Handle(), offset.X, offset.Y, SRCCOPY);
}

int TacDialogWnd::HitTest(POINT p) const {
  const RECT close = CloseButton();
  if (!close.IsEmpty() && p.X >= close.Left && p.X < close.Right && p.Y >= close.Top && p.Y < close.Bottom)
    return HTCLOSE;
  return HTNOWHERE;
}

void TacDialogWnd::SetCloseState(int state) {
  if (state == closeState_) return;
  closeState_ = state;
  stale_ = true;
  PaintFrame();
}

bool TacDialogWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case SM_SKINCOMMAND:
      return HandleSkinCommand(wParam, result);
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PAINT:
    case WM_PRINT:
      return HandlePainting(msg, wParam, lParam, result);
    case WM_NCACTIVATE:
      // The previous procedure activates, then the frame shows it.
      active_ = wParam != 0;
      stale_ = true;
      result = CallPrevious(msg, wParam, lParam);
      PaintFrame();
      return true;
    case WM_SIZE:
    case WM_SETTEXT:
      result = CallPrevious(msg, wParam, lParam);
      Refresh();
      return true;
    default:
      return HandleCloseButton(msg, wParam, lParam, result);
  }
}

bool TacDialogWnd::HandleSkinCommand(WPARAM wParam, LRESULT& result) {
  switch (SkinCommandOf(wParam)) {
    case SKC_GET_CLIENT_OFFSET: {
      const POINT offset = ClientOffset();
      result = MAKELPARAM(offset.X, offset.Y);
      return true;
    }
    case SKC_SKIN_LOADED:
    case SKC_SKIN_CHANGED:
      Refresh();
      result = 0;
      return true;
    default: return false;
  }
}

bool TacDialogWnd::HandlePainting(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
      PaintFrame();
      result = 0;
      return true;
    case WM_ERASEBKGND:
      PaintClient(reinterpret_cast<HDC>(wParam));
      result = 1;
      return true;
    case WM_PAINT: {
      // The dialog's own painting is its plain background; the children paint themselves.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Window(), &ps);
      PaintClient(dc);
      EndPaint(Window(), &ps);
      result = 0;
      return true;
    }
    default: {  // WM_PRINT: the frame from the picture, the rest from the previous procedure
      const auto dc = reinterpret_cast<HDC>(wParam);
      TBitmap* picture = Picture();
      if (!(lParam & PRF_NONCLIENT) || !dc || !picture) return false;
      BitBlt(dc, 0, 0, picture->Width(), picture->Height(), picture->Canvas().Handle(), 0, 0, SRCCOPY);
      result = CallPrevious(msg, wParam, lParam & ~static_cast<LPARAM>(PRF_NONCLIENT));
      return true;
    }
  }
}

bool TacDialogWnd::HandleCloseButton(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCHITTEST: {
      RECT window{};
      GetWindowRect(Window(), &window);
      const int hit = HitTest({GET_X_LPARAM(lParam) - window.Left, GET_Y_LPARAM(lParam) - window.Top});
      if (!tracking_) SetCloseState(hit == HTCLOSE ? 1 : 0);
      if (hit == HTNOWHERE) return false;
      result = hit;
      return true;
    }
    case WM_NCMOUSEMOVE: {
      TRACKMOUSEEVENT tme{};
      tme.dwFlags = TME_LEAVE | TME_NONCLIENT;
      tme.hwndTrack = Window();
      TrackMouseEvent(&tme);
      return false;
    }
    case WM_NCMOUSELEAVE:
      if (!tracking_) SetCloseState(0);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wParam != HTCLOSE) return false;
      tracking_ = true;
      SetCapture(Window());
      SetCloseState(2);
      result = 0;
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (!tracking_) return false;
      TrackClosePress(msg, lParam);
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (tracking_ && reinterpret_cast<HWND>(lParam) != Window()) {
        tracking_ = false;
        SetCloseState(0);
      }
      return false;
    default: return false;
  }
}

void TacDialogWnd::TrackClosePress(UINT msg, LPARAM lParam) {
  // While the button is held the pointer comes in client coordinates.
  const POINT offset = ClientOffset();
  const bool over = HitTest({GET_X_LPARAM(lParam) + offset.X, GET_Y_LPARAM(lParam) + offset.Y}) == HTCLOSE;
  if (msg == WM_MOUSEMOVE) {
    SetCloseState(over ? 2 : 0);
    return;
  }
  tracking_ = false;
  ReleaseCapture();
  SetCloseState(over ? 1 : 0);
  if (over) PostMessage(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
}
