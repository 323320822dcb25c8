#include "adapters/TacEditWnd.h"

#include "adapters/WindowFrame.h"
#include "framework/FrameworkMessages.h"
#include "framework/TControl.h"
#include "paint/primitives/DisabledLook.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsCommonData.h"

namespace {

bool RefreshesAfter(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
    // The framework's notices that a key went down or up in a list box.
    case CN_KEYDOWN:
    case CN_KEYUP: return true;
    default: return false;
  }
}

bool IsInputMessage(UINT msg) { return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_LBUTTONDOWN; }
}  // namespace

void TacEditWnd::BuildFramePicture() {
  TsCommonData* data = SkinData();
  if (!data || !data->OwnerControl()) return;
  TBitmap& cache = data->PrepareCache();
  if (cache.Width() <= 0 || cache.Height() <= 0) return;
  const Background background = ParentBackground();
  PaintSkinItem(*data, background.Ci, true, false, &cache.Pixels(), background.Position,
                Rect(0, 0, cache.Width(), cache.Height()), 0);
  if (!data->OwnerControl()->Enabled())
    PaintDisabledLook(cache.Pixels(), dlBlendWithParent, background.Position, background.Ci, background.Color);
  data->CacheRebuilt();
}

void TacEditWnd::PaintFrame(HDC dc) {
  TsCommonData* data = SkinData();
  TBitmap* cache = data ? data->CacheBmp() : nullptr;
  if (cache && cache->Width() > 0 && cache->Height() > 0) {
    DeviceContext source(cache->Pixels());
    const int w = cache->Width();
    const int h = cache->Height();
    // Every strip is as wide as the left edge: the frame is the same all round.
    const int e = EdgeLeft();
    BitBlt(dc, 0, 0, w, e, &source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - e, w, e, &source, 0, h - e, SRCCOPY);
    BitBlt(dc, 0, e, e, h - 2 * e, &source, 0, e, SRCCOPY);
    BitBlt(dc, w - e, e, e, h - 2 * e, &source, w - e, e, SRCCOPY);
  }
  PaintBars(dc);
}

LRESULT TacEditWnd::NcPaint() {
  if (PaintingSuppressed() || !IsWindowVisible(Window())) return 0;
  TsCommonData* data = SkinData();
  if (!data || data->Updating()) return 0;
  if (data->BackgroundChanged()) {
    data->UpdateIndexes();
    BuildFramePicture();
  }
  PaintOnWindowDC(Window(), [this](HDC dc) { PaintFrame(dc); });
  return 0;
}

LRESULT TacEditWnd::Paint(UINT msg, WPARAM wParam, LPARAM lParam) {
  TsCommonData* data = SkinData();
  if ((data && data->Updating()) || PaintingSuppressed()) {
    PAINTSTRUCT ps;
    BeginPaint(Window(), &ps);
    EndPaint(Window(), &ps);
    return 0;
  }
  PaintBars(nullptr);
  if (data) data->UpdateIndexes();
  return CallPrevious(msg, wParam, lParam);
}

LRESULT TacEditWnd::Print(HDC dc, LPARAM flags) {
  if (!dc) return 0;
  BuildFramePicture();
  const int saved = SaveDC(dc);
  PaintFrame(dc);
  RECT window{};
  GetWindowRect(Window(), &window);
  int width = window.Width() - EdgeLeft() - EdgeRight();
  int height = window.Height() - EdgeTop() - EdgeBottom();
  if (Bar(kBarVertical).Visible) width -= Thickness(Bar(kBarVertical));
  if (Bar(kBarHorizontal).Visible) height -= Thickness(Bar(kBarHorizontal));
  OffsetViewportOrgEx(dc, EdgeLeft(), EdgeLeft());
  IntersectClipRect(dc, 0, 0, width, height);
  const std::shared_ptr<bool> alive = AliveFlag();
  SendMessage(Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  // The client paints itself once, through the printing road.
  if (*alive && IsWindow(Window())) SendMessage(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_OWNED);
  RestoreDC(dc, saved);
  (void)flags;
  return 0;
}

LRESULT TacEditWnd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Detached()) return CallPrevious(msg, wParam, lParam);
  switch (msg) {
    case WM_NCPAINT: return NcPaint();
    case WM_PAINT:
      if (IsWindowVisible(Window())) return Paint(msg, wParam, lParam);
      break;
    case WM_PRINT: return Print(reinterpret_cast<HDC>(wParam), lParam);
    case WM_SIZE: {
      const std::shared_ptr<bool> alive = AliveFlag();
      const LRESULT result = TacScrollWnd::WndProc(msg, wParam, lParam);
      if (*alive && !Detached() && IsWindowVisible(Window())) SendMessage(Window(), WM_NCPAINT, 1, 0);
      return result;
    }
    case SM_SKINCOMMAND:
      switch (SkinCommandOf(wParam)) {
        case SKC_SKIN_CHANGED: {
          const std::shared_ptr<bool> alive = AliveFlag();
          const LRESULT result = TacScrollWnd::WndProc(msg, wParam, lParam);
          if (*alive && SkinData()) SkinData()->UpdateIndexes();
          return result;
        }
        case SKC_PREPARE_FADE: BuildFramePicture(); return 0;
        case SKC_GET_SKIN_INDEX: return SkinData() ? SkinData()->SkinIndex + 1 : 0;
        default: break;
      }
      break;
    default:
      if (RefreshesAfter(msg)) {
        const std::shared_ptr<bool> alive = AliveFlag();
        const LRESULT result = TacScrollWnd::WndProc(msg, wParam, lParam);
        if (*alive && !Detached() && !(IsInputMessage(msg) && Sending())) Refresh(true);
        return result;
      }
      break;
  }
  return TacScrollWnd::WndProc(msg, wParam, lParam);
}
