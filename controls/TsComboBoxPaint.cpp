// The skinned combo box's picture: the section over the box, the button
// section with the arrow glyph, the text, the disabled look; and putting it
// on the screen around the inner edit.
#include "controls/TsComboBox.h"
#include "framework/graphics/TBitmap.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/DisabledLook.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsSkinManager.h"

namespace {
unsigned AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}
}  // namespace

TsComboBox::LookKey TsComboBox::CurrentLook() const {
  LookKey key;
  key.Text = CurrentText();
  key.Focused = skinData_.Focused();
  key.Enabled = Enabled();
  key.BoxState = skinData_.MouseAbove() || skinData_.Focused() ? 1 : 0;
  key.ButtonState = buttonPressed_ || DroppedDown() ? 2 : key.BoxState;
  return key;
}

void TsComboBox::PaintCache() {
  const TsSkinContent* skin = skinData_.Skin();
  if (!skin) return;
  TBitmap& cache = skinData_.PrepareCache();
  const int width = cache.Width(), height = cache.Height();
  if (width <= 0 || height <= 0) return;
  const LookKey look = CurrentLook();
  const TsComboBoxGeometry g = Geometry();
  TsBackgroundRequest background;
  AskForBackground(background, Parent(), false);
  const TCacheInfo ci = CacheInfoFromRequest(background);
  const TPoint position = Point(Left(), Top());
  Bitmap& pixels = cache.Pixels();
  PaintSkinItem(skinData_, ci, true, true, &pixels, position, g.SectionRect(), look.BoxState);

  if (Style() != csSimple) {
    const TRect button = g.ButtonRect();
    const TsConstIndexes& c = skin->ConstData;
    if (skin->IsValidSkinIndex(c.ComboBtnIndex))
      PaintItem(c.ComboBtnIndex, "COMBOBTN", MakeCacheInfo(&pixels), c.ComboBtnHotPattern, c.ComboBtnPattern, skin,
                &pixels, button.TopLeft(), button, look.ButtonState, true);
    if (skin->IsValidImgIndex(c.ComboGlyph)) {
      const TsMaskData& glyph = skin->Masks[static_cast<std::size_t>(c.ComboGlyph)];
      const int cellWidth = glyph.R.Width() / std::max<int>(1, glyph.ImageCount);
      const int cellHeight = glyph.R.Height() / (glyph.MaskType + 1);
      const TPoint at = Point(button.Left + (button.Width() - cellWidth) / 2, button.Top + (button.Height() - cellHeight) / 2);
      DrawMaskImage(pixels, at, look.ButtonState, MakeCacheInfo(&pixels), glyph, 1, skin->MasterBitmap.get());
    }
  }

  TCanvas& canvas = cache.Canvas();
  canvas.Font.Assign(Font());
  HDC dc = canvas.Handle();
  SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
  TRect text = g.TextRect();
  const unsigned format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | AlignmentFormat(alignment_);
  SetBkMode(dc, TRANSPARENT);
  if (Style() == csDropDownList && look.Focused && look.Enabled) {
    FillRect(dc, text, clHighlight);
    SetTextColor(dc, ColorToRGB(clHighlightText));
    TRect inner = text;
    DrawText(dc, look.Text, inner, format);
    DrawFocusRect(dc, text);
  } else {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawText(dc, look.Text, text, format);
  }

  if (!look.Enabled) {
    int flags = 0;
    if (disabledKind_ & dkGrayed) flags |= dlGray;
    if (disabledKind_ & dkBlended) flags |= dlBlendWithParent;
    PaintDisabledLook(pixels, flags, position, ci, ::ParentColor(Parent()));
  }
  builtLook_ = look;
  skinData_.CacheRebuilt();
}

void TsComboBox::RefreshCache() {
  TBitmap* cache = skinData_.CacheBmp();
  const bool stale = skinData_.BackgroundChanged() || !cache || cache->Width() != Width() ||
                     cache->Height() != Height() || !(CurrentLook() == builtLook_) ||
                     (Parent() && ControlAnswersOne(Parent(), SKC_QUERY_INVALID));
  if (stale) PaintCache();
}

void TsComboBox::PaintUnderInnerEdit(HDC dc) {
  if (!dc || !innerEdit_ || !Skinned() || skinData_.Updating()) return;
  RefreshCache();
  TBitmap* cache = skinData_.CacheBmp();
  if (!cache || cache->Width() <= 0) return;
  RECT edit{};
  GetWindowRect(innerEdit_, &edit);
  POINT corner{edit.Left, edit.Top};
  ::ScreenToClient(Handle(), &corner);
  BitBlt(dc, 0, 0, edit.Width(), edit.Height(), cache->Canvas().Handle(), corner.X, corner.Y, SRCCOPY);
}

void TsComboBox::PaintWindow(HDC dc) {
  if (!Skinned()) {
    TComboBox::PaintWindow(dc);
    return;
  }
  if (skinData_.Updating()) return;
  RefreshCache();
  TBitmap* cache = skinData_.CacheBmp();
  if (!cache || cache->Width() <= 0) return;
  // The inner edit's place is clipped out here: the edit paints it, with its
  // own text while focused, else with this picture.
  CopyCacheToScreen(*this, skinData_, Point(0, 0), dc, Rect(0, 0, cache->Width(), cache->Height()), Point(0, 0), false);
}
