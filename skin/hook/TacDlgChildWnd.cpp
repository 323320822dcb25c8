#include "skin/hook/TacDlgChildWnd.h"

#include "paint/SkinItemPainter.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Gdi.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"
#include "skin/hook/TacDialogWnd.h"

TacDlgChildWnd::TacDlgChildWnd(HWND child, std::string section, TsSkinManager* manager, TacDialogWnd* dialog)
    : TacAdapterWnd(child, std::move(section), manager), dialog_(dialog) {
  Remember();
}

void TacDlgChildWnd::Remember() {
  if (Destroyed()) return;
  const HWND child = Window();
  parent_ = GetParent(child);
  GetWindowRect(child, &rect_);
  size_ = {rect_.Width(), rect_.Height()};
  RECT parentRect{};
  if (parent_) GetWindowRect(parent_, &parentRect);
  // Relative to the parent's window, less where the parent says its client lies.
  const LRESULT offset = parent_ ? SendSkinCommand(parent_, SKC_GET_CLIENT_OFFSET) : 0;
  position_ = {rect_.Left - parentRect.Left - GET_X_LPARAM(offset), rect_.Top - parentRect.Top - GET_Y_LPARAM(offset)};
}

int TacDlgChildWnd::SectionIndex() const {
  const TsSkinContent* skin = Skin();
  return skin ? skin->GetSkinIndex(SkinSection()) : -1;
}

HFONT TacDlgChildWnd::ChildFont() const {
  // The layer's controls answer WM_GETFONT with their font object.
  if (auto* font = reinterpret_cast<const HFONT*>(SendMessage(Window(), WM_GETFONT, 0, 0)); font && *font) return *font;
  return CreateFontIndirect(LogFont{});
}

TCacheInfo TacDlgChildWnd::Background(bool wholeWindow) const {
  TBitmap* picture = dialog_ ? dialog_->Picture() : nullptr;
  if (!picture) return EmptyCI();
  // Where the child's client (or whole window) lies in the dialog's window picture.
  POINT origin{0, 0};
  if (wholeWindow) {
    RECT r{};
    GetWindowRect(Window(), &r);
    origin = {r.Left, r.Top};
  } else {
    ClientToScreen(Window(), &origin);
  }
  RECT window{};
  GetWindowRect(dialog_->Window(), &window);
  return MakeCacheInfo(&picture->Pixels(), origin.X - window.Left, origin.Y - window.Top);
}

void TacDlgChildWnd::PaintTo(Bitmap& target, HDC dc) {
  const TsSkinContent* skin = Skin();
  if (!skin || target.empty()) return;
  const int state = State();
  const TPoint position{0, 0};
  const TCacheInfo ci = Background(false);
  const int index = SectionIndex();
  const TRect whole = Rect(0, 0, target.width(), target.height());
  if (skin->IsValidSkinIndex(index)) {
    const std::string& section = SkinSection();
    PaintItem(index, section, ci, skin->GetTextureIndex(index, section, "HOTPATTERN"),
              skin->GetTextureIndex(index, section, "PATTERN"), skin, &target, position, whole, state, true);
  } else if (ci.Bmp) {
    CopyBitmapRect(target, {0, 0}, *ci.Bmp, Bounds(ci.X, ci.Y, target.width(), target.height()));
  }
  PaintContent(target, dc, state);
}

void TacDlgChildWnd::Repaint() {
  if (!Destroyed()) InvalidateRect(Window(), nullptr, FALSE);
}

bool TacDlgChildWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (!PaintsClient()) return false;
      result = 1;
      return true;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (!PaintsClient()) return false;
      PAINTSTRUCT ps{};
      HDC dc = msg == WM_PAINT ? BeginPaint(Window(), &ps) : reinterpret_cast<HDC>(wParam);
      RECT client{};
      GetClientRect(Window(), &client);
      if (dc && client.Width() > 0 && client.Height() > 0) {
        TBitmap picture(client.Width(), client.Height());
        PaintTo(picture.Pixels(), picture.Canvas().Handle());
        BitBlt(dc, 0, 0, client.Width(), client.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
      }
      if (msg == WM_PAINT) EndPaint(Window(), &ps);
      result = 0;
      return true;
    }
    case WM_SETTEXT:
    case WM_ENABLE:
      result = CallPrevious(msg, wParam, lParam);
      Repaint();
      return true;
    case WM_SIZE:
    case WM_MOVE:
      result = CallPrevious(msg, wParam, lParam);
      Remember();
      Repaint();
      return true;
    default: return false;
  }
}
