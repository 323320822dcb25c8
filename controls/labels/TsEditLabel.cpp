#include "controls/labels/TsEditLabel.h"

#include "controls/labels/TsBoundLabel.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TsEditLabel::StaticClassInfo() {
  static const TClassInfo info("TsEditLabel", &TsLabel::StaticClassInfo());
  return info;
}

TsEditLabel::TsEditLabel(TComponent* owner, TsBoundLabel* settings) : TsLabel(owner), settings_(settings) {}

TsEditLabel::~TsEditLabel() {
  if (settings_ != nullptr && settings_->Label == this) settings_->Label = nullptr;
}
