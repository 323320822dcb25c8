// Composing the skinned frame's picture of the whole window and putting its
// non-client strips and its client background on the screen.
#include <algorithm>

#include "framework/TCustomForm.h"
#include "paint/BorderMaskPainter.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/SkinTextPainter.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TacFrameMetrics.h"
#include "skin/frame/TsSkinProvider.h"

void TsSkinProvider::PrepareFrame() {
  if (!Skinned() || !form_->HandleAllocated()) return;
  TBitmap* cache = FramePicture();
  const TSize size = TacFrameMetrics::WindowSize(form_->Handle());
  if (skinData_->BackgroundChanged() || !cache || cache->Width() != size.cx || cache->Height() != size.cy)
    ComposeFrame();
}

void TsSkinProvider::ComposeFrame() {
  if (!Skinned() || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  const TSize size = TacFrameMetrics::WindowSize(window);
  TBitmap* cache = FramePicture();
  if (!cache) return;
  const bool first = cache->Width() == 0 && cache->Height() == 0;
  if (cache->Width() != size.cx || cache->Height() != size.cy) cache->SetSize(size.cx, size.cy);
  // The controls learn that they may borrow from a picture now.
  if (first) TellChildWindows(window, SM_SKINCOMMAND, SkinCommand(SKC_CACHE_MODE), 1);
  Bitmap& pixels = cache->Pixels();
  const TsSkinManager* manager = skinData_->SkinManager();
  const TsSkinContent& skin = manager->Content();
  const int state = active_ ? 1 : 0;
  const TRect whole = Rect(0, 0, size.cx, size.cy);
  skinData_->CacheRebuilt();

  if (TacFrameMetrics::HasFrame(*form_)) PaintSkinItem(*skinData_, EmptyCI(), true, false, &pixels, {0, 0}, whole, state);
  else PaintItem(skinData_->SkinIndex, skinData_->SkinSection(), EmptyCI(), -1, -1, &skin, &pixels, {0, 0}, whole, state, true);

  HDC dc = cache->Canvas().Handle();
  if (gripMode_ == gmRightBottom) {
    const int grip = skin.GetMaskIndex("GLOBALINFO", "GRIPIMAGE");
    if (skin.IsValidImgIndex(grip)) {
      const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(grip)];
      const TSize frame = skin.GetMaskFrameSize(grip);
      const TPoint offset = TacFrameMetrics::ClientOffset(*form_);
      RECT client{};
      GetClientRect(window, &client);
      DrawMaskImage(pixels, {offset.X + client.Right - frame.cx, offset.Y + client.Bottom - frame.cy}, 0, MakeCacheInfo(&pixels), mask,
                    1, skin.MasterBitmap.get());
    }
  }
  if (CaptionHeight() > 0) ComposeTitle(pixels, dc, size.cx);
}

void TsSkinProvider::ComposeTitle(Bitmap& pixels, HDC dc, int width) {
  const TsSkinContent& skin = skinData_->SkinManager()->Content();
  const int state = active_ ? 1 : 0;
  const std::string section = titleSkin_.empty() ? std::string("FORMTITLE") : titleSkin_;
  const int titleIndex = skin.GetSkinIndex(section);
  const int bandHeight = TopBorderHeight() + CaptionHeight();
  if (skin.IsValidSkinIndex(titleIndex)) {
    PaintItem(titleIndex, section, MakeCacheInfo(&pixels), skin.GetTextureIndex(titleIndex, section, "HOTPATTERN"),
              skin.GetTextureIndex(titleIndex, section, "PATTERN"), &skin, &pixels, {0, 0}, Rect(0, 0, width, bandHeight),
              state, true);
  }
  if (ShowsIcon()) DrawTitleIcon(dc);
  LayoutButtons(width);
  const bool anyButton = std::any_of(buttons_.begin(), buttons_.end(), [](const TsFrameButtonState& b) { return b.Right > b.Left; });
  const int titleBar = skin.GetMaskIndex(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBAR");
  if (anyButton && skin.IsValidImgIndex(titleBar)) {
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(titleBar)];
    const int frameWidth = skin.GetMaskFrameSize(titleBar).cx;
    const int left = width - (2 * frameWidth / 3 + TotalButtonWidth());
    PaintBorderMask(pixels, Rect(left, 0, width, bandHeight), true, false, state, mask, EmptyCI(),
                    skin.MasterBitmap.get());
  }
  DrawButtons(pixels);
  DrawCaption(dc, width);
}

void TsSkinProvider::DrawTitleIcon(HDC dc) {
  const TRect place = IconRect();
  if (place.IsEmpty()) return;
  if (!titleIcon_.Glyph.Empty()) {
    const Bitmap& glyph = titleIcon_.Glyph.Pixels();
    const int standard = TacFrameMetrics::StandardIconSize(TopBorderHeight() + CaptionHeight() - 2);
    const int w = titleIcon_.Width ? titleIcon_.Width : standard;
    const int h = titleIcon_.Height ? titleIcon_.Height : standard;
    if (glyph.format() == PixelFormat::Bgrx32) {
      AlphaBlendStraight(dc, glyph, Bounds(place.Left, place.Top, w, h));
    } else {
      DeviceContext source(const_cast<Bitmap&>(glyph));
      TransparentBlt(dc, place.Left, place.Top, w, h, &source, 0, 0, glyph.width(), glyph.height(), clFuchsia);
    }
    return;
  }
  if (std::shared_ptr<const Bitmap> icon = GetWindowIcon(form_->Handle())) {
    AlphaBlendStraight(dc, *icon, place);
    return;
  }
  // No icon of its own: the plain application glyph.
  const TRect plain = place.Inflate(-1, -1);
  FillRect(dc, plain, clWhite);
  FrameRect(dc, plain, CreateSolidBrush(clBlack));
  FillRect(dc, Bounds(plain.Left, plain.Top, plain.Width(), 3), clNavy);
}

void TsSkinProvider::DrawCaption(HDC dc, int width) {
  const TsSkinContent& skin = skinData_->SkinManager()->Content();
  const std::string section = titleSkin_.empty() ? std::string("FORMTITLE") : titleSkin_;
  const int titleIndex = skin.GetSkinIndex(section);
  const std::string text = GetWindowTextString(form_->Handle());
  if (text.empty() || !skin.IsValidSkinIndex(titleIndex)) return;
  int left = SideBorderWidth() + 4;
  if (ShowsIcon()) left += IconSize().cx;
  const TRect place = Rect(left, TopBorderHeight(), width - TotalButtonWidth() - 6, CaptionHeight());
  if (place.Width() <= 0) return;
  LogFont font;
  font.lfFaceName = form_->Font().Name();
  font.lfHeight = TacFrameMetrics::kCaptionFontHeight;
  font.lfWeight = FW_BOLD;
  const HFONT previous = SelectObject(dc, CreateFontIndirect(font));
  unsigned format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (captionAlignment_ == taRightJustify) format |= DT_RIGHT;
  else if (captionAlignment_ == taCenter) format |= DT_CENTER;
  WriteTextByIndex(dc, text, true, &skin, active_, titleIndex, format, place);
  SelectObject(dc, previous);
}

// ---- on the screen ---------------------------------------------------------------

void TsSkinProvider::PaintNonClient() {
  PrepareFrame();
  TBitmap* cache = FramePicture();
  if (!cache || cache->Width() == 0) return;
  const HWND window = form_->Handle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  const TPoint offset = TacFrameMetrics::ClientOffset(*form_);
  RECT client{};
  GetClientRect(window, &client);
  const int w = cache->Width();
  const int h = cache->Height();
  HDC source = cache->Canvas().Handle();
  const int clientBottom = offset.Y + client.Height();
  const int clientRight = offset.X + client.Width();
  // Top band (border, caption, menu line), then the left, bottom and right strips.
  BitBlt(dc, 0, 0, w, offset.Y, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, offset.Y, offset.X, h - offset.Y, source, 0, offset.Y, SRCCOPY);
  BitBlt(dc, 0, clientBottom, w, h - clientBottom, source, 0, clientBottom, SRCCOPY);
  BitBlt(dc, clientRight, offset.Y, w - clientRight, h - offset.Y, source, clientRight, offset.Y, SRCCOPY);
  ReleaseDC(window, dc);
}

void TsSkinProvider::PaintClient(TMessage& message) {
  if (message.WParam) {
    ShowClient(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  const HWND window = form_->Handle();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc) ShowClient(dc);
  EndPaint(window, &ps);
}

void TsSkinProvider::ShowClient(HDC dc) {
  // While a whole window is painted into one picture, only that picture.
  if (TacEngineFlags::BulkPaintTarget && dc != TacEngineFlags::BulkPaintTarget) return;
  PrepareFrame();
  RECT client{};
  GetClientRect(form_->Handle(), &client);
  TBitmap* cache = FramePicture();
  if (!cache || cache->Width() == 0) FillRect(dc, client, form_->Color());
  ShowContainerCache(*form_, *skinData_, TacFrameMetrics::ClientOffset(*form_), dc, client);
}
