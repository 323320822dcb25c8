#include "skin/TsAnimTimer.h"

#include "framework/TApplication.h"
#include "framework/TWinControl.h"
#include "paint/primitives/BlendPrimitives.h"
#include "skin/CacheToScreen.h"
#include "skin/SkinCommands.h"
#include "skin/TsCommonData.h"
#include "skin/TsFadeTimer.h"

TsAnimTimer::TsAnimTimer(TsCommonData& skinData) : TTimer(nullptr), SkinData(&skinData) {
  SetEnabled(false);
  OnTimer = [this](TObject*) { Tick(); };
}

TsAnimTimer::~TsAnimTimer() {
  destroying_ = true;
  SetEnabled(false);
}

void TsAnimTimer::Tick() {
  TControl* control = SkinData ? SkinData->OwnerControl() : nullptr;
  if (destroying_ || !control || control->IsDestroying() || (Application && Application->Terminated())) return;
  // After the last frame, and for a button that can no longer be used
  // (disabled, or inside a disabled panel), the animation ends.
  if (Step < 0 || Step > FadeLength || !SkinData->OwnerLooksEnabled()) {
    SendSkinCommand(control, SKC_FADE_DONE);
    return;
  }
  PaintFrame();
}

void TsAnimTimer::PaintFrame() {
  TControl* control = SkinData ? SkinData->OwnerControl() : nullptr;
  if (InProgress || !control || control->IsDestroying() || FadeLength == 0 || Step < 0) {
    ++Step;
    return;
  }
  InProgress = true;
  TBitmap* cache = SkinData->CacheBmp();
  Frame.SetSize(OldPicture.Width(), OldPicture.Height());
  if (cache)
    WeightedCopyInto(Frame.Pixels(), OldPicture.Pixels(), cache->Pixels(),
                     static_cast<std::uint8_t>(FadeAlpha(Step, FadeLength)));
  else
    Frame.SetPixels(OldPicture.Pixels());
  TWinControl* parent = control->Parent();
  try {
    if (parent) SendSkinCommand(parent, SKC_SET_LINKED, reinterpret_cast<LPARAM>(control));
    SendSkinCommand(control, SKC_SET_UPDATING, 0, 0);
    control->Repaint();
    if (parent) SendSkinCommand(parent, SKC_SET_LINKED, 0);
  } catch (...) {
    // A frame that could not be shown is skipped; the fade goes on.
  }
  ++Step;
  InProgress = false;
}

void StartAnimation(TsAnimTimerSlot& slot, TsCommonData& skinData, bool halve, const std::function<void()>& rebuildCache) {
  int remaining = 1;
  if (slot) {
    remaining = slot->FadeLength - slot->Step;
    slot.reset();
  }
  const TsGeneralData* section = skinData.Section();
  if (!section || !section->FadingEnabled || !skinData.CacheBmp()) return;
  slot = std::make_unique<TsAnimTimer>(skinData);
  TsAnimTimer& timer = *slot;
  timer.SetInterval(10);
  timer.FadeLength = halve ? section->FadingIterations / 2 : section->FadingIterations;
  timer.Step = remaining;
  timer.OldPicture.SetPixels(skinData.CacheBmp()->Pixels());
  if (rebuildCache) rebuildCache();
  UpdateCorners(skinData, 1);
  timer.SetEnabled(true);
  timer.PaintFrame();
}
