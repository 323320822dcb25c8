#include "controls/labels/TsLabel.h"

#include "controls/StoreChanged.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"

const TClassInfo& TsLabel::StaticClassInfo() {
  static const TClassInfo info("TsLabel", &TsCustomLabel::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsLabel>());
    TPropertyBuilder<TsLabel>(c).Boolean("UseSkinColor", &TsLabel::UseSkinColor, &TsLabel::SetUseSkinColor);
  });
  return info;
}

void TsLabel::SetUseSkinColor(bool value) {
  if (StoreChanged(useSkinColor_, value)) Changed();
}

const TFont& TsLabel::CurrentFont() {
  // Frames are never designed in this program, so only the two other
  // conditions can keep the label's own colour.
  if (IsDestroying() || !useSkinColor_) return Font();
  return TsCustomLabel::CurrentFont();
}

void TsLabel::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_SKIN_REMOVED) {
    // Only a label that follows the skin goes back to the system's text
    // colour; the message goes no further either way.
    const bool fromDefault = reinterpret_cast<TsSkinManager*>(message.LParam) == TsSkinManager::DefaultManager();
    if (!IsDestroying() && fromDefault && useSkinColor_ && Font().Color() != clWindowText)
      Font().SetColor(clWindowText);
    return;
  }
  TsCustomLabel::WndProc(message);
}
