#include "controls/labels/TsShadow.h"

#include "controls/StoreChanged.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsShadow::StaticClassInfo() {
  static const TClassInfo info("TsShadow", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsShadow>(c)
        .Enumeration("Mode", {"smNone", "smCustom", "smSkin1"}, &TsShadow::Mode, &TsShadow::SetMode)
        .Color("Color", &TsShadow::Color, &TsShadow::SetColor)
        .Integer("BlurCount", &TsShadow::BlurCount, &TsShadow::SetBlurCount)
        .Integer("Distance", &TsShadow::Distance, &TsShadow::SetDistance);
  });
  return info;
}

TsShadow::TsShadow(std::function<void()> changed) : changed_(std::move(changed)) {}

void TsShadow::Changed() {
  if (changed_) changed_();
}

void TsShadow::SetMode(TsShadowMode mode) {
  if (StoreChanged(mode_, mode)) Changed();
}

void TsShadow::SetColor(TColor color) {
  if (!StoreChanged(color_, color)) return;
  SetChannelsFrom(color);
  Changed();
}

void TsShadow::SetChannelsFrom(TColor color) {
  const TColor rgb = ColorToRGB(color);
  red_ = static_cast<std::uint8_t>(rgb & 0xFF);
  green_ = static_cast<std::uint8_t>((rgb >> 8) & 0xFF);
  blue_ = static_cast<std::uint8_t>((rgb >> 16) & 0xFF);
}

void TsShadow::SetBlurCount(int count) {
  if (StoreChanged(blurCount_, count)) Changed();
}

void TsShadow::SetDistance(int distance) {
  if (StoreChanged(distance_, distance)) Changed();
}
