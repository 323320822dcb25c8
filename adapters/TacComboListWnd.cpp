#include "adapters/TacComboListWnd.h"

#include <algorithm>

#include "adapters/WindowFrame.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"

TacComboListWnd::TacComboListWnd(HWND list, TsSkinManager* manager, std::string section, bool simple)
    : TacScrollWnd(list, nullptr, manager), manager_(manager), section_(std::move(section)), simple_(simple) {}

Bitmap TacComboListWnd::FramePicture() const {
  RECT window{};
  GetWindowRect(Window(), &window);
  Bitmap picture(std::max(0, window.Width()), std::max(0, window.Height()), PixelFormat::Bgr24);
  if (!manager_ || picture.width() <= 0 || picture.height() <= 0) return picture;
  const TsSkinContent& skin = manager_->Content();
  const int index = skin.GetSkinIndex(section_);
  if (!skin.IsValidSkinIndex(index)) return picture;
  // The corners show the section's own colour: there is no parent picture
  // under a floating list to borrow from.
  const TColor colour = ColorToRGB(skin.Sections[static_cast<std::size_t>(index)].Color);
  FillBitmapRect(picture, Rect(0, 0, picture.width(), picture.height()), colour);
  TCacheInfo ci;
  ci.FillColor = colour;
  PaintItem(index, section_, ci, skin.GetTextureIndex(index, section_, "HOTPATTERN"),
            skin.GetTextureIndex(index, section_, "PATTERN"), &skin, &picture, Point(0, 0),
            Rect(0, 0, picture.width(), picture.height()), 0, true);
  return picture;
}

void TacComboListWnd::PaintFrame(HDC dc) {
  Bitmap picture = FramePicture();
  const int w = picture.width();
  const int h = picture.height();
  if (w > 0 && h > 0) {
    DeviceContext source(picture);
    const int l = EdgeLeft(), t = EdgeTop(), r = EdgeRight(), b = EdgeBottom();
    BitBlt(dc, 0, 0, w, t, &source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - b, w, b, &source, 0, h - b, SRCCOPY);
    BitBlt(dc, 0, t, l, h - t - b, &source, 0, t, SRCCOPY);
    BitBlt(dc, w - r, t, r, h - t - b, &source, w - r, t, SRCCOPY);
  }
  PaintBars(dc);
}

LRESULT TacComboListWnd::NcPaint() {
  if (PaintingSuppressed() || !IsWindowVisible(Window())) return 0;
  PaintOnWindowDC(Window(), [this](HDC dc) { PaintFrame(dc); });
  return 0;
}

LRESULT TacComboListWnd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Detached()) return CallPrevious(msg, wParam, lParam);
  switch (msg) {
    case WM_NCPAINT: return NcPaint();
    case WM_LBUTTONUP: {
      const HWND list = Window();
      const bool grabbing = GetCapture() == list;
      const std::shared_ptr<bool> alive = AliveFlag();
      const LRESULT result = TacScrollWnd::WndProc(msg, wParam, lParam);
      // The end of a grab of the bar let the mouse go; the open list needs it
      // back to see the click that chooses or the click outside that closes.
      if (*alive && grabbing && !simple_ && IsWindow(list) && IsWindowVisible(list) && GetCapture() != list)
        SetCapture(list);
      return result;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX: {
      const std::shared_ptr<bool> alive = AliveFlag();
      const LRESULT result = TacScrollWnd::WndProc(msg, wParam, lParam);
      if (*alive && !Detached() && !Sending()) Refresh(true);
      return result;
    }
    default: return TacScrollWnd::WndProc(msg, wParam, lParam);
  }
}
