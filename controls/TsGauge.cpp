#include "controls/TsGauge.h"

#include <cstdint>
#include <cstdio>

#include "controls/EInvalidOperation.h"
#include "controls/StoreChanged.h"
#include "controls/TsGaugePlainPainter.h"
#include "controls/TsGaugeSkinPainter.h"
#include "framework/TWinControl.h"
#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "skin/CacheToScreen.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"

namespace {

// The limits are reported as 64-bit numbers so that MaxValue - 1 and
// MinValue + 1 cannot overflow at the ends of the 32-bit range.
EInvalidOperation RangeError(std::int64_t low, std::int64_t high) {
  char text[80];
  std::snprintf(text, sizeof text, "Value must be between %lld and %lld", static_cast<long long>(low),
                static_cast<long long>(high));
  return EInvalidOperation(text);
}

}  // namespace

const TClassInfo& TsGauge::StaticClassInfo() {
  static const TClassInfo info("TsGauge", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsGauge>());
    TPropertyBuilder<TsGauge>(c)
        .Enumeration("Kind", {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}, &TsGauge::Kind,
                     &TsGauge::SetKind)
        .Integer("MinValue", &TsGauge::MinValue, &TsGauge::SetMinValue)
        .Integer("MaxValue", &TsGauge::MaxValue, &TsGauge::SetMaxValue)
        .Integer("Progress", &TsGauge::Progress, &TsGauge::SetProgress)
        .Boolean("ShowText", &TsGauge::ShowText, &TsGauge::SetShowText)
        .String("Suffix", &TsGauge::Suffix, &TsGauge::SetSuffix)
        .Color("ForeColor", &TsGauge::ForeColor, &TsGauge::SetForeColor)
        .Color("BackColor", &TsGauge::BackColor, &TsGauge::SetBackColor)
        .Enumeration("BorderStyle", {"bsNone", "bsSingle"}, &TsGauge::BorderStyle, &TsGauge::SetBorderStyle)
        .String("ProgressSkin", &TsGauge::ProgressSkin, &TsGauge::SetProgressSkin)
        .Object("SkinData", &TsGauge::SkinData)
        .Event("OnChange", &TsGauge::OnChange);
  });
  return info;
}

TsGauge::TsGauge(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 120, 30);
  skinData_.Loaded();
}

void TsGauge::Loaded() {
  TGraphicControl::Loaded();
  skinData_.Loaded();
}

void TsGauge::Changed() {
  if (!IsLoading()) Invalidate();
}

void TsGauge::SetKind(TsGaugeKind kind) {
  if (StoreChanged(kind_, kind)) Changed();
}

void TsGauge::SetMinValue(int value) {
  if (value == minValue_) return;
  if (value > maxValue_ && !IsLoading()) throw RangeError(-2147483647LL, std::int64_t{maxValue_} - 1);
  minValue_ = value;
  if (progress_ < value) progress_ = value;
  Changed();
}

void TsGauge::SetMaxValue(int value) {
  if (value == maxValue_) return;
  if (value < minValue_ && !IsLoading()) throw RangeError(std::int64_t{minValue_} + 1, 2147483647LL);
  maxValue_ = value;
  if (progress_ > value) progress_ = value;
  Changed();
}

void TsGauge::SetProgress(int value) {
  if (value < minValue_) value = minValue_;
  if (value > maxValue_) value = maxValue_;
  if (value == progress_) return;
  int percentBefore = PercentDone();
  progress_ = value;
  // A step inside the same whole percent looks the same: no repaint.
  if (PercentDone() != percentBefore) {
    if (!TsSkinManager::SkinChanging()) skinData_.MarkCacheStale();
    Changed();
  }
  if (OnChange) OnChange(this);
}

void TsGauge::SetShowText(bool value) {
  if (StoreChanged(showText_, value)) Changed();
}

void TsGauge::SetSuffix(const std::string& value) {
  if (StoreChanged(suffix_, value)) skinData_.Invalidate();
}

void TsGauge::SetForeColor(TColor value) {
  if (StoreChanged(foreColor_, value)) Changed();
}

void TsGauge::SetBackColor(TColor value) {
  if (StoreChanged(backColor_, value)) Changed();
}

void TsGauge::SetBorderStyle(TBorderStyle value) {
  if (StoreChanged(borderStyle_, value)) Changed();
}

void TsGauge::SetProgressSkin(const std::string& value) {
  if (!StoreChanged(progressSkin_, value)) return;
  skinData_.MarkCacheStale();
  Changed();
}

int TsGauge::PercentDone() const {
  if (maxValue_ == minValue_) return 0;
  double done = (static_cast<double>(progress_) - minValue_) * 100.0 / (static_cast<double>(maxValue_) - minValue_);
  return static_cast<int>(done);
}

int TsGauge::FillLength(int size) const { return static_cast<int>(size * PercentDone() * 0.01); }

void TsGauge::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  if (skinData_.Skinned()) {
    PaintSkinned();
    return;
  }
  TBitmap picture;
  picture.SetPixels(TsGaugePlainPainter(*this).Paint());
  Canvas().Draw(0, 0, picture);
}

void TsGauge::PaintSkinned() {
  // While the container rebuilds its own picture the gauge only marks its
  // corner; the container asks for the whole picture when it is done.
  if (skinData_.Updating()) {
    Canvas().SetPixel(0, 0, clFuchsia);
    return;
  }
  TsGaugeSkinPainter(*this, skinData_).PaintCache();
  // The corners are repaired over what the parent shows now on the way.
  CopyCacheToScreen(*this, skinData_, Point(0, 0), Canvas().Handle(), Rect(0, 0, Width(), Height()), Point(0, 0), true);
  // The gauge keeps no picture between paints.
  skinData_.ReleaseCache();
}

bool TsGauge::HandleSkinCommand(TMessage& message) {
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
      if (skinData_.FromOwnManager(message)) skinData_.ProcessMessage(message);
      return true;
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED:
      if (skinData_.FromOwnManager(message)) {
        skinData_.ProcessMessage(message);
        Repaint();
      }
      return true;
    case SKC_CHILD_REPAINT:
      if (skinData_.ResumeHeldPainting()) Repaint();
      return true;
    default:
      return false;
  }
}

void TsGauge::WndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  const bool readyToPaint = Parent() && !IsLoading() && !IsDestroying();
  if (readyToPaint && skinData_.Skinned() && skinData_.ProcessMessage(message)) return;
  TGraphicControl::WndProc(message);
}
