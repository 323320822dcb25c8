#pragma once
// The fade of a windowless speed button: as the windowed fade, but each
// frame is handed to the button's parent (SKC_SET_LINKED) and painted by a
// repaint of the button, which shows Frame while it is linked.
#include <functional>
#include <memory>

#include "framework/TTimer.h"
#include "framework/graphics/TBitmap.h"

class TsCommonData;

class TsAnimTimer : public TTimer {
 public:
  explicit TsAnimTimer(TsCommonData& skinData);
  ~TsAnimTimer() override;

  TsCommonData* SkinData;
  int FadeLength = 0;
  int Step = 1;
  TBitmap OldPicture;
  TBitmap Frame;  // the frame being shown
  bool InProgress = false;

  void Tick();
  void PaintFrame();
  bool BeingDestroyed() const { return destroying_; }

 private:
  bool destroying_ = false;
};

using TsAnimTimerSlot = std::unique_ptr<TsAnimTimer>;

// Starts (or restarts, going on from where a running one was) the button's
// animation: rebuildCache paints the cache in the new state. Nothing starts
// when the section does not fade.
void StartAnimation(TsAnimTimerSlot& slot, TsCommonData& skinData, bool halve, const std::function<void()>& rebuildCache);
