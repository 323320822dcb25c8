#include "skin/TsCommonData.h"

#include <algorithm>
#include <unordered_map>

#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"
#include "framework/controls/TEdit.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TsFrameSkinOwner.h"
#include "skin/load/SkinText.h"

namespace {

std::unordered_map<const TControl*, TsCommonData*>& StatesByControl() {
  static std::unordered_map<const TControl*, TsCommonData*> states;
  return states;
}

constexpr int kListBoxKind = 97;

}  // namespace

const TClassInfo& TsCommonData::StaticClassInfo() {
  using D = TsCommonData;
  static const TClassInfo info("TsCommonData", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<D>(c)
        .Boolean("CustomColor", &D::CustomColor, &D::SetCustomColor)
        .Boolean("CustomFont", &D::CustomFont, &D::SetCustomFont)
        .Component<TsSkinManager>("SkinManager", &D::ExplicitSkinManager, &D::SetSkinManager)
        .String("SkinSection", &D::SkinSection, &D::SetSkinSection);
  });
  return info;
}

TsCommonData::TsCommonData(TComponent* owner, bool withCache, int controlKind)
    : ControlKind(controlKind),
      ownerObject_(owner),
      ownerControl_(dynamic_cast<TControl*>(owner)),
      frameOwner_(dynamic_cast<TsFrameSkinOwner*>(owner)) {
  Register(withCache);
}

TsCommonData::TsCommonData(TControl* owner, bool withCache, int controlKind)
    : ControlKind(controlKind), ownerObject_(owner), ownerControl_(owner), frameOwner_(nullptr) {
  Register(withCache);
}

void TsCommonData::Register(bool withCache) {
  if (withCache) cache_ = std::make_unique<TBitmap>(0, 0);
  if (ownerControl_) StatesByControl()[ownerControl_] = this;
}

TsCommonData::~TsCommonData() {
  if (ownerControl_) {
    auto& states = StatesByControl();
    if (auto it = states.find(ownerControl_); it != states.end() && it->second == this) states.erase(it);
  }
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  linked_ = nullptr;
  explicitManager_ = nullptr;
}

TsCommonData* TsCommonData::Of(const TControl* control) {
  if (!control) return nullptr;
  auto& states = StatesByControl();
  auto it = states.find(control);
  return it == states.end() ? nullptr : it->second;
}

TPersistent* TsCommonData::GetOwner() const { return ownerObject_; }

TWinControl* TsCommonData::WindowedOwner() const { return dynamic_cast<TWinControl*>(ownerControl_); }

TColor TsCommonData::OwnerColor() const {
  if (ownerControl_) return ownerControl_->Color();
  if (frameOwner_ && frameOwner_->FrameForm()) return frameOwner_->FrameForm()->Color();
  return clBtnFace;
}

// ---- the cache -------------------------------------------------------------

TBitmap& TsCommonData::PrepareCache() {
  const int width = ownerControl_ ? std::max(0, ownerControl_->Width()) : 0;
  const int height = ownerControl_ ? std::max(0, ownerControl_->Height()) : 0;
  if (!cache_) cache_ = std::make_unique<TBitmap>(width, height);
  else if (cache_->Width() != width || cache_->Height() != height) cache_->SetSize(width, height);
  return *cache_;
}

void TsCommonData::EmptyCache() {
  if (cache_ && (cache_->Width() != 0 || cache_->Height() != 0)) cache_->SetSize(0, 0);
}

// ---- the skin ----------------------------------------------------------------

TsSkinManager* TsCommonData::SkinManager() const {
  return explicitManager_ ? explicitManager_ : TsSkinManager::DefaultManager();
}

const TsSkinContent* TsCommonData::Skin() const {
  const TsSkinManager* manager = SkinManager();
  return manager ? &manager->Content() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinContent* skin = Skin();
  if (!skin || !skin->IsValidSkinIndex(SkinIndex)) return nullptr;
  return &skin->Sections[static_cast<std::size_t>(SkinIndex)];
}

bool TsCommonData::OwnerBeingDestroyed() const { return ownerObject_ && ownerObject_->IsDestroying(); }

bool TsCommonData::Skinned(bool checkActive) const {
  const TsSkinManager* manager = SkinManager();
  if (!manager || SkinIndex < 0 || OwnerBeingDestroyed() || manager->IsDestroying()) return false;
  if (!manager->Content().IsValidSkinIndex(SkinIndex)) return false;
  return !checkActive || manager->Content().SkinData.Active;
}

void TsCommonData::RecomputeFillKind() {
  FillKind = 0;
  const TsGeneralData* section = Section();
  if (!section) return;
  if (section->ImagePercent > 0) FillKind |= fkTexture;
  if (section->GradientPercent > 0 && !section->GradientArray.empty()) {
    switch (section->GradientArray.front().Mode) {
      case 0: FillKind |= fkVerticalGradient; break;
      case 1: FillKind |= fkHorizontalGradient; break;
      default: FillKind |= fkTriangleGradient; break;
    }
  }
}

void TsCommonData::UpdateIndexes() {
  MarkCacheStale();
  const TsSkinManager* manager = SkinManager();
  SkinIndex = manager ? manager->Content().GetSkinIndex(skinSection_) : -1;
  RecomputeFillKind();
  PaintMode = 0;
  if (manager && manager->Content().IsValidSkinIndex(SkinIndex)) {
    const TsSkinContent& skin = manager->Content();
    BorderIndex = skin.GetMaskIndex(SkinIndex, skinSection_, "BORDERSMASK");
    Texture = skin.GetTextureIndex(SkinIndex, skinSection_, "PATTERN");
    HotTexture = skin.GetTextureIndex(SkinIndex, skinSection_, "HOTPATTERN");
    RecomputeCacheMode(false);
  } else {
    Texture = HotTexture = -1;
  }
}

// ---- published settings --------------------------------------------------------

void TsCommonData::SetSkinSection(const std::string& section) {
  const std::string stored = section.empty() ? std::string("UNKNOWN") : SkinText::UpperCase(section);
  if (stored == skinSection_) return;
  skinSection_ = stored;
  const TsSkinManager* manager = SkinManager();
  if (manager && !manager->Content().Sections.empty()) UpdateIndexes();
  else SkinIndex = -1;
  if (ownerControl_ && !ownerControl_->IsLoading() && !ownerControl_->HasState(csReading) &&
      !ownerControl_->IsDestroying() && ownerControl_->Parent()) {
    SendSkinCommand(ownerControl_, Skinned() ? SKC_SKIN_CHANGED : SKC_SKIN_REMOVED,
                    reinterpret_cast<LPARAM>(SkinManager()));
  }
  if (frameOwner_) {
    MarkCacheStale();
    frameOwner_->FrameSectionChanged();
  }
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  if (manager == TsSkinManager::DefaultManager()) manager = nullptr;
  if (manager == explicitManager_) return;
  explicitManager_ = manager;
  if (ownerControl_ && ownerControl_->IsLoading()) return;
  const TsSkinManager* current = SkinManager();
  if (current && !current->Content().Sections.empty()) UpdateIndexes();
  else SkinIndex = -1;
  if (frameOwner_) frameOwner_->FrameManagerChanged();
  if (ownerControl_ && ownerControl_->Parent() && !ownerControl_->IsDestroying()) {
    try {
      SendSkinCommand(ownerControl_, Skinned() ? SKC_SKIN_CHANGED : SKC_SKIN_REMOVED,
                      reinterpret_cast<LPARAM>(SkinManager()));
    } catch (...) {
      // The control's reaction to its new manager must not undo the setting.
    }
  }
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (Skinned() && OwnerIsEditLike() && !ownerControl_->IsLoading()) TakeSectionColors();
  Invalidate();
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  Invalidate();
}

// ---- lifecycle -------------------------------------------------------------------

std::string TsCommonData::DefaultSectionForKind(int kind) {
  switch (kind) {
    case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 10: case 41: case 76: case 78: case 83: case 84:
    case 96: case 97: case 131: case 140: case 227:
      return "EDIT";
    case 11: case 12: case 13: case 14: case 15: case 16: case 17: case 18: case 81: case 82:
      return "COMBOBOX";
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 32: case 152: return "CHECKBOX";
    case 33: return "RADIOBUTTON";
    case 51: case 59: case 68: case 73: return "PANEL";
    case 52: case 58: return "PANEL_LOW";
    case 53: case 54: case 60: return "TOOLBAR";
    case 56: return "DRAGBAR";
    case 57: return "TABSHEET";
    case 74: case 226: return "GROUPBOX";
    case 75: return "SPLITTER";
    case 92: case 95: return "SPEEDBUTTON";
    case 93: case 94: return "BUTTON";
    case 98: return "TOOLBUTTON";
    case 141: case 143: return "PAGECONTROL";
    case 151: return "STATUSBAR";
    case 161: return "GAUGE";
    case 165: return "TRACKBAR";
    default: return "";
  }
}

bool TsCommonData::KindHasNoHotLook(int kind) {
  return kind == 19 || (kind >= 51 && kind <= 74) || kind == 110 || (kind >= 141 && kind <= 161);
}

bool TsCommonData::OwnerIsEditLike() const {
  return ownerControl_ && (dynamic_cast<const TEdit*>(ownerControl_) != nullptr || ControlKind == kListBoxKind);
}

void TsCommonData::TakeSectionColors() {
  const TsGeneralData* section = Section();
  if (!section || !ownerControl_) return;
  if (!customColor_ && ownerControl_->Color() != section->Color) ownerControl_->SetColor(section->Color);
  const TColor font = static_cast<TColor>(section->FontColor[0]);
  if (!customFont_ && ownerControl_->Font().Color() != font) ownerControl_->Font().SetColor(font);
}

void TsCommonData::TakeSystemColors() {
  if (!ownerControl_) return;
  if (!customColor_ && ownerControl_->Color() != clWindow) ownerControl_->SetColor(clWindow);
  if (!customFont_ && ownerControl_->Font().Color() != clWindowText) ownerControl_->Font().SetColor(clWindowText);
}

void TsCommonData::Loaded() {
  if (skinSection_.empty()) {
    std::string section = DefaultSectionForKind(ControlKind);
    if (section.empty() && ownerObject_) section = ownerObject_->ClassName();
    SetSkinSection(section);
  } else {
    UpdateIndexes();
  }
  if (Skinned() && ownerControl_ && ownerControl_->Parent() && !ownerControl_->IsLoading()) {
    if (WindowedOwner()) NotifyForm(*ownerControl_);
    if (OwnerIsEditLike()) TakeSectionColors();
  }
}

bool TsCommonData::OwnerCanPaintNow() const {
  if (!ownerControl_ || ownerControl_->IsLoading() || ownerControl_->IsDestroying() || !ownerControl_->Parent())
    return false;
  if (TWinControl* windowed = WindowedOwner()) return windowed->HandleAllocated();
  return true;
}

void TsCommonData::Invalidate() {
  if (!ownerControl_ || ownerControl_->IsDestroying() || ownerControl_->IsLoading()) return;
  MarkCacheStale();
  if (OwnerCanPaintNow()) ownerControl_->Invalidate();
}

void TsCommonData::BeginUpdate() {
  HoldPainting();
  TControl* target = ownerControl_;
  if (!target && frameOwner_) target = frameOwner_->FrameForm();
  if (target) SendSkinCommand(target, SKC_BEGIN_UPDATE);
}

void TsCommonData::EndUpdate() {
  ResumePainting();
  TControl* target = ownerControl_;
  if (!target && frameOwner_) target = frameOwner_->FrameForm();
  if (target) SendSkinCommand(target, SKC_END_UPDATE);
}

bool TsCommonData::OwnerLooksEnabled() const {
  for (const TControl* c = ownerControl_; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

bool TsCommonData::ControlIsActive() const {
  if (!ownerControl_ || ownerControl_->IsDestroying() || !ownerControl_->Enabled()) return false;
  if (ownerControl_->HasState(csDesigning)) return false;
  bool focused = focused_;
  if (!focused) {
    if (TWinControl* windowed = WindowedOwner()) focused = windowed->Focused();
  }
  return focused || (mouseAbove_ && !KindHasNoHotLook(ControlKind));
}

bool TsCommonData::ResumeHeldPainting() {
  const bool held = updating_;
  updating_ = false;
  return held;
}

void TsCommonData::PointerEntered() {
  if (!KindHasNoHotLook(ControlKind)) mouseAbove_ = true;
}
