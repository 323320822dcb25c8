#include "controls/hints/TsHintManager.h"

#include "controls/hints/TsBalloonHintWindow.h"
#include "controls/hints/TsComicsHintWindow.h"
#include "controls/hints/TsEllipseHintWindow.h"
#include "controls/hints/TsSimplyHintWindow.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

namespace {

// One row of the preset table. Negative numbers leave a value as it was.
struct HintPreset {
  TsHintStyle Style;
  int BevelWidth, ExOffset, MarginH, MarginV, MaxWidth, Radius;
  TColor Color;
  int Transparency;
  TColor ColorBorderTop, ColorBorderBottom;
  int GradientPercent;
  const char* GradientData;
  int ShadowBlur, ShadowOffset, ShadowTransparency;
};

constexpr int kKept = -1;

// Indexed by TsHintsPredefinitions shSimply .. shComicsTransparent.
constexpr HintPreset kPresets[] = {
    {hsSimply, 1, kKept, 4, 2, 240, kKept, clInfoBk, 0, 0, 0, 0, "", 3, 6, 40},
    {hsSimply, 1, kKept, 6, 3, 240, kKept, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, 100,
     "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;6865090;"
     "6865090;0;2;0",
     5, 6, 50},
    {hsSimply, 0, kKept, 13, 5, 240, kKept, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, 0, "", 3, 10, 70},
    {hsEllipse, 1, 16, 6, 12, 240, kKept, 0xC2FCFC, 5, 0x008080, 0, 100,
     "7728127;16777215;99;0;0;16777215;16777215;0;0;0", 4, 16, 75},
    {hsBalloon, 6, 18, 6, 6, 240, kKept, 0xC2FCFC, 10, 0x408080, 0x408080, 0, "", 6, 8, 70},
    {hsComics, 1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, 100,
     "16753188;16777215;99;0;0;16777215;16777215;0;0;0", 10, 7, 28},
    {hsComics, 1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0, 0, 0, "", 4, 7, 45},
};

void SetUnlessKept(int& field, int value) {
  if (value != kKept) field = value;
}

}  // namespace

const TClassInfo& TsHintManager::StaticClassInfo() {
  using M = TsHintManager;
  static const TClassInfo info("TsHintManager", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<M>());
    TPropertyBuilder<M>(c)
        .Boolean("Animated", &M::Animated, &M::SetAnimated)
        .Enumeration("DefaultMousePos", {"mpLeftTop", "mpLeftBottom", "mpRightTop", "mpRightBottom"},
                     &M::DefaultMousePos, &M::SetDefaultMousePos)
        .Object("HintKind", [](M& m) { return &m.HintKind(); })
        .Boolean("HTMLMode", &M::HTMLMode, &M::SetHTMLMode)
        .Integer("PauseHide", &M::PauseHide, &M::SetPauseHide)
        .Enumeration("Predefinitions",
                     {"shSimply", "shGradient", "shTransparent", "shEllipse", "shBalloon", "shComicsGradient",
                      "shComicsTransparent", "shStandard", "shNone", "shCustom"},
                     &M::Predefinitions, &M::SetPredefinitions)
        .String("SkinSection", &M::SkinSection, &M::SetSkinSection)
        .Boolean("UseSkinData", &M::UseSkinData, &M::SetUseSkinData)
        .Event("OnShowHint", &M::OnShowHint);
  });
  return info;
}

TsHintManager* TsHintManager::current_ = nullptr;

TsHintManager::TsHintManager(TComponent* owner) : TComponent(owner) {
  hintKind_.OnStyleChange = [this] {
    if (!IsLoading()) InstallWindowClass();
  };
  if (!Application) return;
  Application->HintPause = 500;
  Application->HintShortPause = 200;
  std::weak_ptr<bool> alive = alive_;
  Application->OnShowHint = [this, alive](std::string& text, bool& canShow, THintInfo& info) {
    if (alive.lock()) ShowHint(text, canShow, info);
  };
  InstallWindowClass();
}

TsHintManager::~TsHintManager() {
  *alive_ = false;
  // The windows of this manager go with it; the platform's window is back.
  if (current_ == this) {
    current_ = nullptr;
    if (Application) Application->SetHintWindowClass(nullptr);
  }
}

bool TsHintManager::Active() const {
  return current_ == this && hintKind_.Style() != hsStandard && hintKind_.Style() != hsNone;
}

void TsHintManager::InstallWindowClass() {
  if (!Application) return;
  current_ = this;
  switch (hintKind_.Style()) {
    case hsStandard:
      Application->SetHintWindowClass(nullptr);
      break;
    case hsComics:
      Application->SetHintWindowClass([this](TComponent* owner) { return new TsComicsHintWindow(owner, this); });
      break;
    case hsEllipse:
      Application->SetHintWindowClass([this](TComponent* owner) { return new TsEllipseHintWindow(owner, this); });
      break;
    case hsBalloon:
      Application->SetHintWindowClass([this](TComponent* owner) { return new TsBalloonHintWindow(owner, this); });
      break;
    case hsSimply:
    case hsNone:
      // hsNone keeps a drawn window in place but the manager is inactive,
      // so that window never shows.
      Application->SetHintWindowClass([this](TComponent* owner) { return new TsSimplyHintWindow(owner, this); });
      break;
  }
}

void TsHintManager::ShowHint(std::string& text, bool& canShow, THintInfo& info) {
  hintPoint_ = info.HintPos;
  if (!OnShowHint) return;
  const TPoint before = info.HintPos;
  OnShowHint(text, canShow, info);
  // Only a handler that moved the point both ways chose a new one.
  if (info.HintPos.X != before.X && info.HintPos.Y != before.Y) hintPoint_ = info.HintPos;
}

void TsHintManager::SetPauseHide(int value) {
  if (value == pauseHide_) return;
  pauseHide_ = value;
  if (Application && !IsLoading()) Application->HintHidePause = value;
}

void TsHintManager::SetUseSkinData(bool value) {
  if (value == useSkinData_) return;
  useSkinData_ = value;
  if (!value && !IsLoading()) ApplyPreset();
}

void TsHintManager::Loaded() {
  TComponent::Loaded();
  if (skinSection_.empty()) skinSection_ = kDefaultSkinSection;
  if (Application) Application->HintHidePause = pauseHide_;
  ApplyPreset();
  InstallWindowClass();
}

void TsHintManager::ApplyPreset() {
  if (predefinitions_ == shCustom) return;
  TsHintKind& k = hintKind_;
  if (predefinitions_ == shStandard || predefinitions_ == shNone) {
    k.SetStyle(predefinitions_ == shStandard ? hsStandard : hsNone);
    return;
  }
  const HintPreset& p = kPresets[predefinitions_];
  k.SetStyle(p.Style);
  k.BevelWidth = p.BevelWidth;
  SetUnlessKept(k.ExOffset, p.ExOffset);
  k.MarginH = p.MarginH;
  k.MarginV = p.MarginV;
  k.MaxWidth = p.MaxWidth;
  SetUnlessKept(k.Radius, p.Radius);
  k.Color = p.Color;
  k.Transparency = p.Transparency;
  k.ColorBorderTop = p.ColorBorderTop;
  k.ColorBorderBottom = p.ColorBorderBottom;
  k.GradientPercent = p.GradientPercent;
  k.GradientData = p.GradientData;
  k.ShadowBlur = p.ShadowBlur;
  k.ShadowOffset = p.ShadowOffset;
  k.ShadowTransparency = p.ShadowTransparency;
  k.Bevel = 1;
  k.ShadowEnabled = true;
  // The hint font starts from the default font, plain and black.
  k.Font.Assign(TFont());
  k.Font.SetStyle(0);
  k.Font.SetColor(clBlack);
}
