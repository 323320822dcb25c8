#pragma once
// What the two windowed skinned buttons (TsButton, TsBitBtn) share while a
// skin is active: the state index, the owner-drawn window, the cache made
// from the section with the caption, focus frame and disabled look, the
// window region cut at the skin's corners, the messages, and the fades
// between states. Without a skin every message goes to the plain button.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/buttons/SkinnedButtonSettings.h"
#include "framework/controls/TButton.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/Region.h"
#include "skin/TsFadeTimer.h"

class TsWindowedButtonSkin : public TsWindowedButtonSettings {
 public:
  TsWindowedButtonSkin(TButton& button, TsButtonSkinSettings& settings);
  ~TsWindowedButtonSkin();
  TsWindowedButtonSkin(const TsWindowedButtonSkin&) = delete;
  TsWindowedButtonSkin& operator=(const TsWindowedButtonSkin&) = delete;

  // Shown for the moment of a release that interrupted a press fade: every
  // windowed button in the pushed state paints itself pressed.
  static inline bool ForcedPressed = false;

  // 0 normal, 1 hot, 2 pressed.
  int StateIndex() const;
  // The button and every container it lies in are enabled: inside a
  // disabled panel it cannot be pressed, so it looks disabled too.
  bool LooksEnabled() const;
  // The button is painted from its section now.
  bool IsSkinned() const;
  // Rebuilds the cache in the current state (nothing shown).
  void PrepareCache();
  // The window style's button type while skinned.
  void AdjustCreateParams(TCreateParams& params) const;
  // The button's default-button flag changed (TButton::SetButtonStyle):
  // while skinned the owner-drawn window keeps its style and the picture
  // shows the flag. Answers whether it did; otherwise the plain button
  // switches its style.
  bool ShowDefaultFlag();

  // Handles what the skinned button does itself; `inherited` is the plain
  // button's handling. Answers whether the message was consumed; the button
  // passes what is not to its plain handling.
  bool HandleSkinnedMessage(TMessage& message, const TWndMethod& inherited);

  TsFadeTimerSlot& Fade() { return fade_; }
  bool RegionRebuild() const { return regionRebuild_; }

  // The owner draws what lies over the section (caption, glyph) into the
  // cache, and answers the caption rectangle the focus frame surrounds
  // (empty: no frame). PaintUnderBorder comes before the border pieces are
  // cut into the window region, PaintContent after them; Painted sees the
  // finished cache.
  std::function<void(TBitmap& cache, int state)> PaintUnderBorder;
  std::function<void(TBitmap& cache, int state)> PaintContent;
  std::function<TRect(int state)> FocusRect;
  std::function<void(TBitmap& cache)> Painted;

  void SetDown(bool down);

 private:
  TsCommonData& SkinState() const { return settings_.SkinData(); }
  bool Designing() const { return button_.HasState(csDesigning); }

  // The steps a message handler puts in order. Inherited runs the plain
  // button's handling and answers whether the button outlived it (a click
  // or an event handler may free it); CommonHandler is the skin state's.
  bool Inherited(TMessage& message, const TWndMethod& inherited);
  bool CommonHandler(TMessage& message);

  // The message handlers (TsWindowedButtonSkinMessages.cpp). Those that
  // answer say whether they consumed the message.
  bool HandleSkinCommand(TMessage& message, const TWndMethod& inherited);
  void FollowSkinBroadcast(TMessage& message);
  bool MouseEntered(TMessage& message, const TWndMethod& inherited);
  bool MouseLeft(TMessage& message, const TWndMethod& inherited);
  void MouseDown(TMessage& message, const TWndMethod& inherited);
  void MouseUp(TMessage& message, const TWndMethod& inherited);
  bool SpaceReleased(TMessage& message, const TWndMethod& inherited);
  bool Moved(TMessage& message, const TWndMethod& inherited);
  bool Resized(TMessage& message, const TWndMethod& inherited);
  bool FocusEntered(TMessage& message, const TWndMethod& inherited);
  bool FocusLeft(TMessage& message, const TWndMethod& inherited);
  bool LookChanged(TMessage& message, const TWndMethod& inherited);
  // A state change: a fade when the event and the section allow it, else a repaint.
  void StateChanged(TacAnimatEvent event, bool halve);
  void RepaintNow();
  // The look changed (focus, default flag): the picture is rebuilt at the
  // next paint, unless a fade or a press under way shows the change itself.
  void InvalidateUnlessAStateChangeShowsIt();
  // The mouse came or went while the button cannot be used: the marks
  // follow the pointer, the look waits until the button can be used.
  bool PointerCrossedUnusable(TMessage& message, const TWndMethod& inherited);

  // The window's paint (given: a paint or print into that context).
  void Paint(HDC given);
  void PaintOn(HDC dc);
  void ApplyRegion();
  // After the button shrank: the strips it left on a parent without a
  // picture of its own are painted again.
  void UncoverShrunkStrips();
  // The button lies wholly inside its parent's client area.
  bool InsideParent() const;
  void SetOwnerDrawn(bool ownerDrawn);
  void DropRegion();

  TButton& button_;
  TsButtonSkinSettings& settings_;
  TsFadeTimerSlot fade_;
  std::optional<Region> region_;
  bool regionRebuild_ = true;
  bool regionApplied_ = false;
  TRect shownBounds_{};  // where the button was when its region was last applied
  bool cachedEnabled_ = true;  // what the cached picture was made with
  bool mousePressed_ = false;
  bool shownDefaultFlag_ = false;  // the default-button flag the picture shows
  bool hintsSwitchedOff_ = false;
  bool hintsWereOn_ = true;
  // Turns false when the button goes: handlers that may free it (a click
  // closing its form) look before touching it again.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The dotted frame of a focused skinned button around r: black dots every
// third pixel on r's edges, white ones a pixel up and left of them.
void DrawDottedFocusFrame(Bitmap& bmp, const TRect& r);
