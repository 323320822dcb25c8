// The skinned windowed button's messages. Each handler shows in its own lines
// the order of the three steps it takes: the plain button's handling
// (Inherited, which answers whether the button outlived it), the skin
// state's common handler (CommonHandler), and what the skinned button does
// itself. A message no handler takes goes to the plain button.
#include "controls/buttons/TsWindowedButtonSkin.h"

#include "framework/TApplication.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsCommonData.h"

bool TsWindowedButtonSkin::HandleSkinnedMessage(TMessage& message, const TWndMethod& inherited) {
  if (message.Msg == SM_SKINCOMMAND)
    return RouteSkinCommand(message, [&](TMessage& command) { return HandleSkinCommand(command, inherited); });
  if (!IsSkinned() || button_.IsLoading() || !button_.HandleAllocated()) return false;
  // Mouse and keyboard change the look only of a button that can be used.
  const bool ready = !Designing() && LooksEnabled();
  switch (message.Msg) {
    case CM_MOUSEENTER:
      if (!ready) return PointerCrossedUnusable(message, inherited);
      if (SkinState().MouseAbove()) return false;
      return MouseEntered(message, inherited);
    case CM_MOUSELEAVE:
      if (!ready) return PointerCrossedUnusable(message, inherited);
      return MouseLeft(message, inherited);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!ready) return false;
      MouseDown(message, inherited);
      return true;
    case WM_LBUTTONUP:
      if (!ready) return false;
      MouseUp(message, inherited);
      return true;
    case WM_KEYUP:
    case WM_CHAR:
      if (message.WParam != static_cast<WPARAM>(VK_SPACE)) return false;
      return SpaceReleased(message, inherited);
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_PRINTCLIENT:
    case WM_PRINT:
      regionRebuild_ = true;
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_ERASEBKGND:
      // The cache covers the whole window.
      message.Result = 1;
      return true;
    case WM_UPDATEUISTATE:
      // Keyboard cues change nothing of the skinned picture.
      return CommonHandler(message);
    case WM_ENABLE:
      return true;
    case WM_MOVE:
      return Moved(message, inherited);
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
      return Resized(message, inherited);
    case WM_SETFOCUS:
      return FocusEntered(message, inherited);
    case WM_KILLFOCUS:
      return FocusLeft(message, inherited);
    case CM_TEXTCHANGED:
      SkinState().Invalidate();
      return true;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case WM_FONTCHANGE:
      return LookChanged(message, inherited);
    default:
      return false;
  }
}

// ---- the steps ------------------------------------------------------------------

bool TsWindowedButtonSkin::Inherited(TMessage& message, const TWndMethod& inherited) {
  const std::shared_ptr<bool> alive = alive_;
  inherited(message);
  return *alive;
}

bool TsWindowedButtonSkin::CommonHandler(TMessage& message) { return SkinState().ProcessMessage(message); }

void TsWindowedButtonSkin::StateChanged(TacAnimatEvent event, bool halve) {
  TsCommonData& skinData = SkinState();
  const bool allowed = AnimatEventAllowed(event, settings_.AnimatEvents(), skinData.SkinManager());
  FadeOrRepaint(fade_, skinData, halve, 1, allowed);
}

void TsWindowedButtonSkin::RepaintNow() {
  if (!button_.HandleAllocated()) return;
  button_.Invalidate();
  button_.Update();
}

// ---- the mouse and the keyboard -----------------------------------------------------

bool TsWindowedButtonSkin::MouseEntered(TMessage& message, const TWndMethod& inherited) {
  if (!Inherited(message, inherited)) return true;
  CommonHandler(message);
  // The normal picture shown until now is where the hover fade starts.
  SkinState().AllowFadeFromCache();
  StateChanged(aeMouseEnter, false);
  return true;
}

bool TsWindowedButtonSkin::MouseLeft(TMessage& message, const TWndMethod& inherited) {
  if (!Inherited(message, inherited)) return true;
  CommonHandler(message);
  SkinState().PointerLeft();
  StateChanged(aeMouseLeave, false);
  return true;
}

bool TsWindowedButtonSkin::PointerCrossedUnusable(TMessage& message, const TWndMethod& inherited) {
  // The common handler keeps the mouse-above mark true to the pointer even
  // while the panel is disabled: a button left during a replay is normal
  // again after it, and the next hover fades as usual.
  CommonHandler(message);
  Inherited(message, inherited);
  return true;
}

void TsWindowedButtonSkin::MouseDown(TMessage& message, const TWndMethod& inherited) {
  SkinState().ResumePainting();
  // The press shows the button's own picture, not a hint over it.
  if (Application && !hintsSwitchedOff_) {
    hintsWereOn_ = Application->ShowHint;
    Application->ShowHint = false;
    Application->CancelHint();
    hintsSwitchedOff_ = true;
  }
  mousePressed_ = true;
  // The plain button takes the focus and shows itself pushed first, so the
  // new picture is the pressed one.
  if (!Inherited(message, inherited)) return;
  if (!Down()) {
    regionRebuild_ = true;
    // The focus the plain handling gave marked the picture stale, yet the
    // hot picture shown until now is where the press fades from.
    SkinState().AllowFadeFromCache();
    StateChanged(aeMouseDown, true);
  }
}

void TsWindowedButtonSkin::MouseUp(TMessage& message, const TWndMethod& inherited) {
  if (hintsSwitchedOff_ && Application) Application->ShowHint = hintsWereOn_;
  hintsSwitchedOff_ = false;
  if (!mousePressed_ || button_.IsDestroying()) return;
  mousePressed_ = false;
  TsCommonData& skinData = SkinState();
  if (fade_ && fade_->Step < fade_->FadeLength) {
    // The press fade has not reached the pressed picture: show it for a
    // moment, so a quick click is still seen.
    StopFade(fade_);
    skinData.MarkCacheStale();
    ForcedPressed = true;
    RepaintNow();
    ForcedPressed = false;
    Sleep(30);
  }
  skinData.ResumePainting();
  regionRebuild_ = true;
  // The pressed picture shown until now is where the release fade starts.
  skinData.AllowFadeFromCache();
  // The release picture is the raised one; the plain button still holds its
  // pushed state until its own handling below clicks.
  if (button_.HandleAllocated()) SendMessage(button_.Handle(), BM_SETSTATE, FALSE, 0);
  const std::shared_ptr<bool> alive = alive_;
  StateChanged(aeMouseUp, true);
  if (*alive) inherited(message);
}

bool TsWindowedButtonSkin::SpaceReleased(TMessage& message, const TWndMethod& inherited) {
  if (!Inherited(message, inherited)) return true;
  StopFade(fade_);
  regionRebuild_ = true;
  SkinState().MarkCacheStale();
  RepaintNow();
  return true;
}

// ---- position, focus and look --------------------------------------------------------

bool TsWindowedButtonSkin::Moved(TMessage& message, const TWndMethod& inherited) {
  CommonHandler(message);
  // A translucent section shows the parent at the new place.
  TsCommonData& skinData = SkinState();
  const TsGeneralData* section = skinData.Section();
  if (section && (section->Transparency > 0 || (section->HotTransparency > 0 && skinData.ControlIsActive()))) {
    skinData.MarkCacheStale();
    button_.Invalidate();
  }
  Inherited(message, inherited);
  return true;
}

bool TsWindowedButtonSkin::Resized(TMessage& message, const TWndMethod& inherited) {
  regionRebuild_ = true;
  if (message.Msg == WM_WINDOWPOSCHANGED) SkinState().MarkCacheStale();
  CommonHandler(message);
  Inherited(message, inherited);
  return true;
}

bool TsWindowedButtonSkin::FocusEntered(TMessage& message, const TWndMethod& inherited) {
  CommonHandler(message);
  if (Inherited(message, inherited)) InvalidateUnlessAStateChangeShowsIt();
  return true;
}

bool TsWindowedButtonSkin::FocusLeft(TMessage& message, const TWndMethod& inherited) {
  if (button_.IsDestroying()) return true;
  StopFade(fade_);
  CommonHandler(message);
  // What the plain handling asks to repaint waits for the unfocused look.
  const HWND window = button_.Handle();
  SendMessage(window, WM_SETREDRAW, FALSE, 0);
  const bool alive = Inherited(message, inherited);
  if (IsWindow(window)) SendMessage(window, WM_SETREDRAW, TRUE, 0);
  if (!alive) return true;
  SkinState().FocusChanged(false);
  regionRebuild_ = true;
  SkinState().Invalidate();
  return true;
}

bool TsWindowedButtonSkin::LookChanged(TMessage& message, const TWndMethod& inherited) {
  CommonHandler(message);
  if (!Inherited(message, inherited)) return true;
  if (message.Msg == CM_ENABLEDCHANGED) StopFade(fade_);
  SkinState().ResumePainting();
  SkinState().MarkCacheStale();
  button_.Invalidate();
  return true;
}

// ---- the skin command message ---------------------------------------------------------

bool TsWindowedButtonSkin::HandleSkinCommand(TMessage& message, const TWndMethod& inherited) {
  TsCommonData& skinData = SkinState();
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED:
      FollowSkinBroadcast(message);
      return true;
    case SKC_CHILD_REPAINT:
      if (skinData.ResumeHeldPainting()) button_.Repaint();
      return true;
    case SKC_SET_PARENT_DEPENDENT:
      if (skinData.ParentDependent()) PrepareCache();
      CommonHandler(message);
      return true;
    case SKC_FADE_DONE:
      StopFade(fade_);
      button_.Invalidate();
      return true;
    case SKC_PREPARE_FADE:
      PrepareCache();
      CommonHandler(message);
      return true;
    case SKC_FADE_FRAME:
      // The frame is shown on the window as it is; the region waits.
      region_.reset();
      if (!CommonHandler(message)) message.Result = 0;
      return true;
    default:
      if (CommonHandler(message)) return true;
      Inherited(message, inherited);
      return true;
  }
}

void TsWindowedButtonSkin::FollowSkinBroadcast(TMessage& message) {
  TsCommonData& skinData = SkinState();
  // Asked before the common handler, which may forget a manager going away.
  const bool ownManager = skinData.FromOwnManager(message);
  StopFade(fade_);
  CommonHandler(message);
  if (!ownManager) return;
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
      if (!IsSkinned()) return;
      // A skin switched back on shows at once.
      skinData.ResumePainting();
      SetOwnerDrawn(true);
      regionRebuild_ = true;
      skinData.MarkCacheStale();
      button_.Invalidate();
      return;
    case SKC_SKIN_REMOVED:
      SetOwnerDrawn(false);
      DropRegion();
      button_.Invalidate();
      return;
    default:  // SKC_SKIN_CHANGED
      SetOwnerDrawn(IsSkinned());
      if (!IsSkinned()) DropRegion();
      regionRebuild_ = true;
      // A window painted into one picture right now shows the change there.
      if (!TacEngineFlags::BulkPaintTarget) button_.Invalidate();
      return;
  }
}
