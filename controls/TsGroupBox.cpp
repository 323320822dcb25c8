#include "controls/TsGroupBox.h"

#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsSkinManager.h"

const TClassInfo& TsGroupBox::StaticClassInfo() {
  using G = TsGroupBox;
  static const TClassInfo info("TsGroupBox", &TGroupBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<G>());
    TPropertyBuilder<G>(c)
        .Enumeration("CaptionLayout", {"clTopLeft", "clTopCenter", "clTopRight"}, &G::CaptionLayout,
                     &G::SetCaptionLayout)
        .Integer("CaptionYOffset", &G::CaptionYOffset, &G::SetCaptionYOffset)
        .Object("SkinData", [](G& g) { return &g.SkinData(); })
        .String("CaptionSkin", &G::CaptionSkin, &G::SetCaptionSkin);
  });
  return info;
}

TsGroupBoxCaption TsGroupBox::CaptionGeometry() {
  TBitmap measure(1, 1);
  measure.Canvas().Font.Assign(Font());
  TsGroupBoxCaption caption;
  caption.BoxWidth = Width();
  caption.TextWidth = Caption().empty() ? 0 : measure.Canvas().TextWidth(Caption());
  caption.LetterHeight = measure.Canvas().TextHeight("W");
  caption.Layout = captionLayout_;
  caption.YOffset = captionYOffset_;
  caption.Skinned = skinData_.Skinned();
  return caption;
}

TsGroupBox::TsGroupBox(TComponent* owner) : TGroupBox(owner) { skinData_.Loaded(); }

void TsGroupBox::Loaded() {
  TGroupBox::Loaded();
  skinData_.Loaded();
}

void TsGroupBox::AdjustClientRect(TRect& rect) const {
  TGroupBox::AdjustClientRect(rect);
  rect.Top += captionYOffset_;
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayoutPos layout) {
  if (StoreChanged(captionLayout_, layout) && !Caption().empty() && !IsLoading()) skinData_.Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int offset) {
  if (StoreChanged(captionYOffset_, offset) && !IsLoading()) skinData_.Invalidate();
}

void TsGroupBox::SetCaptionSkin(const std::string& section) {
  if (StoreChanged(captionSkin_, section) && !IsLoading()) skinData_.Invalidate();
}

void TsGroupBox::PaintCache() {
  TBitmap& cache = skinData_.PrepareCache();
  const int w = cache.Width();
  const int h = cache.Height();
  if (w <= 0 || h <= 0) return;
  const TsGroupBoxCaption geometry = CaptionGeometry();
  const int captionHeight = geometry.Height();
  TsBackgroundRequest background;
  AskForBackground(background, Parent(), false);
  const TCacheInfo ci = CacheInfoFromRequest(background);
  const TPoint position = Point(Left(), Top());
  // The band behind the caption shows what lies under the box.
  const TRect band = Rect(0, 0, w, std::min(captionHeight, h));
  if (ci.Ready && ci.Bmp)
    CopyBitmapRect(cache.Pixels(), Point(0, 0), *ci.Bmp, Bounds(ci.X + Left(), ci.Y + Top(), w, band.Height()));
  else
    FillBitmapRect(cache.Pixels(), band, ColorToRGB(background.BgColor == clFuchsia ? ::ParentColor(static_cast<TControl*>(Parent())) : background.BgColor));
  const int frameTop = captionYOffset_ < 0 ? 0 : captionHeight / 2;
  PaintSkinItem(skinData_, ci, true, false, &cache.Pixels(), Point(position.X, position.Y + frameTop),
                Rect(0, frameTop, w, h), 0);
  if (!Caption().empty() && skinData_.SkinManager()) {
    const TRect r = geometry.Rect();
    const TsSkinContent& skin = skinData_.SkinManager()->Content();
    const std::string section = captionSkin_.empty() ? "CHECKBOX" : captionSkin_;
    const int index = skin.GetSkinIndex(section);
    const int state = !captionSkin_.empty() && Focused() ? 1 : 0;
    if (skin.IsValidSkinIndex(index)) {
      PaintItem(index, section, ci, skin.GetTextureIndex(index, section, "HOTPATTERN"),
                skin.GetTextureIndex(index, section, "PATTERN"), &skin, &cache.Pixels(),
                Point(position.X + r.Left, position.Y + r.Top), r, state, true);
    } else {
      FillBitmapRect(cache.Pixels(), r, ColorToRGB(::ParentColor(static_cast<TControl*>(Parent()))));
    }
    TCanvas& canvas = cache.Canvas();
    canvas.Font.Assign(Font());
    HDC dc = canvas.Handle();
    SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
    WriteSkinText(dc, Caption(), Enabled(), false, skinData_, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, r);
  }
  skinData_.CacheRebuilt();
  UpdateCorners(skinData_, 0, bcBottomLeft | bcBottomRight);
}

void TsGroupBox::PaintClient(HDC dc) {
  if (!skinData_.Skinned()) {
    TGroupBox::PaintClient(dc);
    return;
  }
  // While a whole window is painted into one picture, only that picture.
  if (TacEngineFlags::BulkPaintTarget && dc != TacEngineFlags::BulkPaintTarget) return;
  if (skinData_.RecheckUpdating()) return;
  NotePartlyHidden();
  // A repaint for a windowless child's animation frame leaves the box's
  // own picture alone.
  const TBitmap* cache = skinData_.CacheBmp();
  const bool stale = skinData_.BackgroundChanged() || !cache || cache->Width() != Width() || cache->Height() != Height();
  if (stale && !skinData_.Linked()) {
    skinData_.BeginUpdate();
    PaintCache();
    skinData_.EndUpdate();
  }
  ShowContainerCache(*this, skinData_, Point(0, 0), dc, Rect(0, 0, Width(), Height()));
}

void TsGroupBox::NotePartlyHidden() {
  // Only a box that shows its parent's picture can show it cut.
  TWinControl* parent = Parent();
  if (!parent || skinData_.QueryTransparent() == 0) {
    skinData_.SetPartlyHidden(false);
    return;
  }
  const TRect client = parent->ClientRect();
  skinData_.SetPartlyHidden(!client.Contains(Point(Left(), Top())) ||
                            !client.Contains(Point(Left() + Width() - 1, Top() + Height() - 1)));
}

bool TsGroupBox::HandleSkinCommand(TMessage& message) {
  const WORD command = SkinCommandOf(message.WParam);
  switch (command) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED: {
      TMessage copy = message;
      TellChildren(*this, copy);
      if (skinData_.FromOwnManager(message)) {
        skinData_.ProcessMessage(message);
        if (command != SKC_SKIN_LOADED) Invalidate();
      }
      return true;
    }
    case SKC_QUERY_INVALID:
      message.Result = skinData_.BackgroundChanged() || skinData_.Updating() ? 1 : 0;
      return true;
    case SKC_GET_BACKGROUND:
      return LendOwnPicture(message);
    default:
      return false;
  }
}

bool TsGroupBox::LendOwnPicture(TMessage& message) {
  auto* request = reinterpret_cast<TsBackgroundRequest*>(message.LParam);
  if (captionSkin_.empty() || !request || !HandleAllocated() || !skinData_.Skinned()) return false;
  TBitmap* cache = skinData_.CacheBmp();
  if (skinData_.BackgroundChanged() || !cache || cache->Width() != Width() || cache->Height() != Height()) {
    PaintCache();
    cache = skinData_.CacheBmp();
  }
  if (!cache || cache->Width() <= 0 || cache->Height() <= 0) return false;
  request->BgKind = bgBitmap;
  if (request->DrawNow) {
    BitBlt(request->TargetDC, request->BgRect.Left, request->BgRect.Top, request->BgRect.Width(),
           request->BgRect.Height(), cache->Canvas().Handle(), request->BgX, request->BgY, SRCCOPY);
  } else {
    request->BgBmp = &cache->Pixels();
    request->BgX = 0;
    request->BgY = 0;
  }
  message.Result = 0;
  return true;
}

void TsGroupBox::MarkMovedBackground(const TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      skinData_.MarkCacheStale();
      return;
    case WM_MOVE:
      // A box that shows its parent's picture shows another part of it.
      if (skinData_.QueryTransparent() != 0) skinData_.MarkCacheStale();
      return;
    default:
      return;
  }
}

void TsGroupBox::WndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  const bool skinned = HandleAllocated() && !IsLoading() && !IsDestroying() && skinData_.Skinned();
  if (skinned) {
    if (message.Msg == WM_ERASEBKGND) {
      message.Result = 1;
      return;
    }
    if (skinData_.ProcessMessage(message)) return;
    MarkMovedBackground(message);
  }
  if (message.Msg == WM_SETTEXT || message.Msg == CM_FONTCHANGED) skinData_.Invalidate();
  TGroupBox::WndProc(message);
}
