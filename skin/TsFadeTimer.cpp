#include "skin/TsFadeTimer.h"

#include <algorithm>

#include "framework/TApplication.h"
#include "framework/TWinControl.h"
#include "paint/primitives/BlendPrimitives.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

bool ApplicationTerminating() { return Application != nullptr && Application->Terminated(); }

bool SectionFades(const TsCommonData& skinData) {
  const TsGeneralData* section = skinData.Section();
  return section != nullptr && section->FadingEnabled;
}

void RepaintNow(TControl& control) {
  control.Invalidate();
  control.Update();
}

}  // namespace

int FadeAlpha(int step, int length) {
  if (length == 0) return 0;
  return std::clamp(255 - step * 256 / length, 0, 255);
}

TsFadeTimer::TsFadeTimer(TsCommonData& skinData) : TTimer(nullptr), SkinData(&skinData) {
  SetEnabled(false);
  OnTimer = [this](TObject*) { Tick(); };
}

TsFadeTimer::~TsFadeTimer() {
  destroying_ = true;
  SetEnabled(false);
}

void TsFadeTimer::Tick() {
  if (!SkinData || destroying_) return;
  TControl* control = SkinData->OwnerControl();
  if (!control || control->IsDestroying() || ApplicationTerminating()) {
    Direction = 0;
    return;
  }
  if (Step > FadeLength || Step < 0) {
    // The control usually stops the fade here, which frees this timer.
    try {
      SendSkinCommand(control, SKC_FADE_DONE);
    } catch (...) {
    }
    return;
  }
  if (Direction == 1) FadeStep();
}

void TsFadeTimer::FadeStep() {
  TControl* control = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!control || control->IsDestroying() || FadeLength == 0) return;
  // Disabled, or inside a disabled panel: the button cannot be used.
  if (!SkinData->OwnerLooksEnabled()) {
    SetEnabled(false);
    FadeLength = 0;
    SkinData->Invalidate();
    return;
  }
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache) return;
  // The frame bitmap lives as long as the timer: a fade shows up to 20
  // frames of one size, and a frame is the old picture with the new one
  // weighted onto it, made in one pass.
  TBitmap& frame = frame_;
  frame.SetSize(OldPicture.Width(), OldPicture.Height());
  WeightedCopyInto(frame.Pixels(), OldPicture.Pixels(), cache->Pixels(),
                   static_cast<std::uint8_t>(FadeAlpha(Step, FadeLength)));
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated()) {
    HWND window = windowed->Handle();
    HDC dc = GetWindowDC(window);
    const LRESULT shown = SendSkinCommand(control, SKC_FADE_FRAME, reinterpret_cast<LPARAM>(&frame.Pixels()));
    if (shown == 0 && dc && IsWindow(window))
      BitBlt(dc, 0, 0, frame.Width(), frame.Height(), frame.Canvas().Handle(), 0, 0, SRCCOPY);
    if (dc) ReleaseDC(window, dc);
  }
  ++Step;
}

void StopFade(TsFadeTimerSlot& slot) {
  if (!slot || slot->BeingDestroyed()) return;
  slot->SetEnabled(false);
  slot->Direction = 0;
  slot.reset();
}

void StartFade(TsFadeTimerSlot& slot, TsCommonData& skinData, bool halve, std::uint8_t direction) {
  const TsGeneralData* section = skinData.Section();
  if (!section || !section->FadingEnabled || !skinData.CacheBmp()) return;
  if (slot) {
    slot->Step = section->FadingIterations;
  } else {
    slot = std::make_unique<TsFadeTimer>(skinData);
    slot->Step = 1;
  }
  TsFadeTimer& timer = *slot;
  timer.SkinData = &skinData;
  timer.OldPicture.SetPixels(skinData.CacheBmp()->Pixels());
  timer.SetInterval(10);
  timer.FadeLength = timer.Direction == 1 ? timer.Step : section->FadingIterations;
  if (halve) timer.FadeLength /= 2;
  if (timer.Step >= timer.FadeLength || timer.Step <= 0) timer.Step = 1;
  if (TControl* control = skinData.OwnerControl()) SendSkinCommand(control, SKC_PREPARE_FADE);
  if (!slot) return;  // the control stopped the fade while preparing
  slot->Direction = direction;
  if (slot->Step < 0) slot->Step = 1;
  slot->SetEnabled(direction != 0);
}

void FadeOrRepaint(TsFadeTimerSlot& slot, TsCommonData& skinData, bool halve, std::uint8_t direction, bool allowed) {
  if (!skinData.Skinned()) return;
  // Either way the cache no longer shows the new state: a fade rebuilds it
  // while preparing, a repaint when it paints.
  if (allowed && !TsSkinManager::SkinChanging() && SectionFades(skinData) && skinData.CacheCanStartFade()) {
    skinData.MarkCacheStale();
    StartFade(slot, skinData, halve, direction);
    return;
  }
  skinData.MarkCacheStale();
  StopFade(slot);
  if (TControl* control = skinData.OwnerControl()) RepaintNow(*control);
}
