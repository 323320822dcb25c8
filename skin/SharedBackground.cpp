#include "skin/SharedBackground.h"

#include "framework/TWinControl.h"
#include "platform/graphics/Fills.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsSkinManager.h"

TColor ParentColor(TControl* control) {
  if (!control) return clFuchsia;
  if (ControlAnswersOne(control, SKC_QUERY_SKINNED))
    return ColorToRGB(static_cast<TColor>(SendSkinCommand(control, SKC_GET_COLOR, clFuchsia)));
  return ColorToRGB(control->Color());
}

TColor ParentColor(HWND window) {
  if (!window) return clFuchsia;
  TWinControl* control = TWinControl::FindControl(window);
  if (control && !WindowAnswersOne(window, SKC_QUERY_SKINNED)) return ColorToRGB(control->Color());
  return ColorToRGB(static_cast<TColor>(SendSkinCommand(window, SKC_GET_COLOR, clFuchsia)));
}

void AskForBackground(TsBackgroundRequest& request, TControl* control, bool drawNow) {
  request.BgKind = bgNotAnswered;
  request.DrawNow = drawNow;
  if (!control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  const LPARAM asked = reinterpret_cast<LPARAM>(&request);
  if (windowed && windowed->HandleAllocated()) SendSkinCommand(windowed->Handle(), SKC_GET_BACKGROUND, asked);
  else control->Perform(SM_SKINCOMMAND, SkinCommand(SKC_GET_BACKGROUND), asked);
  if (request.BgKind != bgNotAnswered) return;
  request.BgKind = bgColor;
  TColor color = ControlAnswersOne(control, SKC_QUERY_SKINNED)
                     ? static_cast<TColor>(SendSkinCommand(control, SKC_GET_COLOR, clFuchsia))
                     : 0;
  if (color == 0) color = ColorToRGB(control->Color());
  request.BgColor = color;
  if (request.DrawNow && request.TargetDC) FillRect(request.TargetDC, request.BgRect, color);
}

void AskForBackground(TsBackgroundRequest& request, HWND window, bool drawNow) {
  request.BgKind = bgNotAnswered;
  request.DrawNow = drawNow;
  if (window) SendSkinCommand(window, SKC_GET_BACKGROUND, reinterpret_cast<LPARAM>(&request));
}

int FontSectionIndex(TControl* control, int defaultIndex, TsSkinManager* manager) {
  if (!control || !manager) return defaultIndex;
  TWinControl* parent = control->Parent();
  if (!parent) return defaultIndex;
  const int index = static_cast<int>(SendSkinCommand(parent, SKC_GET_SKIN_INDEX)) - 1;
  const TsSkinContent& skin = manager->Content();
  if (index < 0 || !skin.IsValidSkinIndex(index)) return defaultIndex;
  const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(index)];
  if (section.Transparency > 50) return FontSectionIndex(parent, defaultIndex, manager);
  if (section.GiveOwnFont) return index;
  return defaultIndex;
}
