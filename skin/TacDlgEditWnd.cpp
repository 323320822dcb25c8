#include "skin/TacDlgEditWnd.h"

#include "framework/TBitmap.h"
#include "paint/SkinItemPainter.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"

void TacDlgEditWnd::PaintFrameTo(Bitmap& target) {
  const TsSkinContent* skin = Skin();
  const int index = SectionIndex();
  if (!skin || !skin->IsValidSkinIndex(index) || target.empty()) return;
  const std::string& section = SkinSection();
  const int state = GetFocus() == Window() ? 1 : 0;
  PaintItem(index, section, Background(true), skin->GetTextureIndex(index, section, "HOTPATTERN"),
            skin->GetTextureIndex(index, section, "PATTERN"), skin, &target, {0, 0},
            Rect(0, 0, target.width(), target.height()), state, true);
}

void TacDlgEditWnd::PaintFrame() {
  POINT offset{};
  GetClientOffset(Window(), &offset);
  RECT window{}, client{};
  GetWindowRect(Window(), &window);
  GetClientRect(Window(), &client);
  const int w = window.Width(), h = window.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap picture(w, h);
  PaintFrameTo(picture.Pixels());
  HDC dc = GetWindowDC(Window());
  if (!dc) return;
  HDC source = picture.Canvas().Handle();
  const int right = offset.X + client.Width(), bottom = offset.Y + client.Height();
  // Only the frame: the client is the control's own.
  BitBlt(dc, 0, 0, w, offset.Y, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, offset.Y, offset.X, h - offset.Y, source, 0, offset.Y, SRCCOPY);
  BitBlt(dc, 0, bottom, w, h - bottom, source, 0, bottom, SRCCOPY);
  BitBlt(dc, right, offset.Y, w - right, h - offset.Y, source, right, offset.Y, SRCCOPY);
  ReleaseDC(Window(), dc);
}

bool TacDlgEditWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
      // Scroll bars and the like come from the control; the border from the skin.
      result = CallPrevious(msg, wParam, lParam);
      PaintFrame();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      result = CallPrevious(msg, wParam, lParam);
      PaintFrame();
      return true;
    default: return TacDlgChildWnd::Handle(msg, wParam, lParam, result);
  }
}
