#pragma once
// The settings the three skinned buttons share, kept once. A button class
// inherits the groups it has: every button the skin and fade settings, the
// windowed buttons their press and caption settings, the bitmap and speed
// buttons their glyph placement. Each setter repaints the button.
#include <functional>

#include <algorithm>

#include "controls/StoreChanged.h"
#include "controls/buttons/SkinnedButtonProperties.h"
#include "controls/buttons/TsGlyphPainter.h"
#include "framework/controls/TLabel.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TImageList.h"
#include "skin/TsCommonData.h"

// The paint notification of the skinned bit and speed buttons: the finished
// cache, before it is shown.
using TsButtonPaintEvent = std::function<void(TObject* sender, TBitmap& cache)>;

// A changed setting of a skinned button rebuilds its picture: the skin
// state marks its cache stale and repaints (a plain button just repaints).
template <class V>
void StoreButtonSetting(TControl& owner, V& field, V value) {
  if (!StoreChanged(field, std::move(value)) || owner.IsLoading()) return;
  if (TsCommonData* skinData = TsCommonData::Of(&owner)) skinData->Invalidate();
  else owner.Invalidate();
}

class TsButtonSkinSettings {
 public:
  TsButtonSkinSettings(TControl& owner, int controlKind) : owner_(owner), skinData_(&owner, false, controlKind) {}

  TsCommonData& SkinData() { return skinData_; }
  const TsCommonData& SkinData() const { return skinData_; }
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents events) { animatEvents_ = events; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreButtonSetting(owner_, disabledKind_, kind); }

 private:
  TControl& owner_;
  TsCommonData skinData_;
  TacAnimatEvents animatEvents_ = aeGlobalDef;
  TsDisabledKind disabledKind_ = dkBlended;
};

class TsWindowedButtonSettings {
 public:
  explicit TsWindowedButtonSettings(TControl& owner) : owner_(owner) {}

  // Shows the pressed state for good.
  bool Down() const { return down_; }
  void SetDown(bool down) { StoreButtonSetting(owner_, down_, down); }
  // How far the focus frame lies outside the caption rectangle.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int margin) { focusMargin_ = margin; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap) { StoreButtonSetting(owner_, wordWrap_, wrap); }

 private:
  TControl& owner_;
  bool down_ = false;
  int focusMargin_ = 1;
  bool wordWrap_ = true;
};

class TsGlyphButtonSettings {
 public:
  explicit TsGlyphButtonSettings(TControl& owner) : owner_(owner) {}

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { StoreButtonSetting(owner_, alignment_, alignment); }
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment alignment) { StoreButtonSetting(owner_, textAlignment_, alignment); }
  // Percent the glyph is blended with the background while not hot.
  int Blend() const { return blend_; }
  void SetBlend(int blend) { StoreButtonSetting(owner_, blend_, blend); }
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind kind) { StoreButtonSetting(owner_, disabledGlyphKind_, kind); }
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed) { StoreButtonSetting(owner_, grayed_, grayed); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { StoreButtonSetting(owner_, imageIndex_, index); }
  // The glyph taken from an image list when the glyph bitmap is empty. The
  // button forgets a list that is freed (its Notification).
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(&owner_);
    StoreButtonSetting(owner_, images_, images);
    if (images) images->FreeNotification(&owner_);
  }
  // The list's picture at ImageIndex, nullptr when there is none.
  const Bitmap* ListGlyph() const { return images_ ? images_->Image(imageIndex_) : nullptr; }
  // The glyph the button shows is a cell of its glyph bitmap (`numGlyphs`
  // cells side by side), or the list's picture while the bitmap is empty.
  TSize ShownGlyphSize(const TBitmap& glyph, int numGlyphs) const {
    if (!glyph.Empty()) return {glyph.Width() / std::max(1, numGlyphs), glyph.Height()};
    if (const Bitmap* list = ListGlyph()) return {list->width(), list->height()};
    return {};
  }
  // Draws that glyph into the cache at `at` as the button's state shows it.
  void DrawShownGlyph(Bitmap& cache, const TBitmap& glyph, int numGlyphs, TPoint at, bool enabled, int state,
                      bool down) const {
    const Bitmap* list = glyph.Empty() ? ListGlyph() : nullptr;
    TsGlyphLook look;
    look.Cells = list ? 1 : std::max(1, numGlyphs);
    look.Enabled = enabled;
    look.State = state;
    look.Down = down;
    look.Blend = blend_;
    look.DisabledKind = disabledGlyphKind_;
    look.Grayed = list && grayed_;
    look.FromGlyphBitmap = list == nullptr;
    DrawGlyph(cache, list ? *list : glyph.Pixels(), at, look);
  }
  void ForgetImages(TComponent* freed) {
    if (freed == images_) images_ = nullptr;
  }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show) { StoreButtonSetting(owner_, showCaption_, show); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool over) { StoreButtonSetting(owner_, drawOverBorder_, over); }
  // Moves the caption rectangle right by this many pixels.
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int offset) { StoreButtonSetting(owner_, textOffset_, offset); }

 private:
  TControl& owner_;
  TAlignment alignment_ = taCenter;
  TAlignment textAlignment_ = taCenter;
  int blend_ = 0;
  TsDisabledGlyphKind disabledGlyphKind_ = dgBlended;
  bool grayed_ = false;
  int imageIndex_ = -1;
  TImageList* images_ = nullptr;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
};
