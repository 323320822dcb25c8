#pragma once
// The fade of a windowed button between two states: the cache is rebuilt in
// the new state, and every 10 ms a frame mixes the old picture into it, the
// first frames close to the old state and the last one the new state. The
// control owns the timer only while a fade runs (its timer slot).
#include <cstdint>
#include <memory>

#include "framework/TTimer.h"
#include "framework/graphics/TBitmap.h"

class TsCommonData;

class TsFadeTimer : public TTimer {
 public:
  explicit TsFadeTimer(TsCommonData& skinData);
  ~TsFadeTimer() override;

  std::uint8_t Direction = 0;  // 0 idle, 1 running
  TsCommonData* SkinData;
  int FadeLength = 0;          // frames
  int Step = 1;                // the next frame, from 1
  TBitmap OldPicture;          // the cache as it was when the fade started

  // One timer tick: the next frame, or SKC_FADE_DONE after the last.
  void Tick();
  // Paints the next frame onto the control's window.
  void FadeStep();
  bool BeingDestroyed() const { return destroying_; }

 private:
  bool destroying_ = false;
  TBitmap frame_;
};

using TsFadeTimerSlot = std::unique_ptr<TsFadeTimer>;

// The weight the old picture keeps in frame `step` of `length`.
int FadeAlpha(int step, int length);

// What buttons call on every state change: a fade when it is allowed, the
// section fades and the cache may start a fade (TsCommonData::
// CacheCanStartFade), else an immediate repaint that stops a running fade.
void FadeOrRepaint(TsFadeTimerSlot& slot, TsCommonData& skinData, bool halve, std::uint8_t direction, bool allowed);
void StartFade(TsFadeTimerSlot& slot, TsCommonData& skinData, bool halve, std::uint8_t direction);
void StopFade(TsFadeTimerSlot& slot);
