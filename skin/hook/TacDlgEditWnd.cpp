#include "skin/hook/TacDlgEditWnd.h"

#include <algorithm>

#include "framework/graphics/TBitmap.h"
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
  RECT window{};
  GetWindowRect(Window(), &window);
  const int w = window.Width(), h = window.Height();
  // The border is as thick as the left offset of the client; scroll bars
  // lie inside it and stay the control's.
  const int b = std::min<int>(offset.X, offset.Y);
  if (w <= 0 || h <= 0 || b <= 0) return;
  TBitmap picture(w, h);
  PaintFrameTo(picture.Pixels());
  HDC dc = GetWindowDC(Window());
  if (!dc) return;
  HDC source = picture.Canvas().Handle();
  BitBlt(dc, 0, 0, w, b, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, b, b, h - b, source, 0, b, SRCCOPY);
  BitBlt(dc, b, h - b, w - b, b, source, b, h - b, SRCCOPY);
  BitBlt(dc, w - b, b, b, h - 2 * b, source, w - b, b, SRCCOPY);
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
