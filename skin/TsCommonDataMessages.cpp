// The skin state's message handling: the skin command message and the
// window messages every skinned control lets it see first.
#include "framework/TApplication.h"
#include "framework/TWinControl.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

constexpr int kSpeedButtonKinds[] = {92, 95};

bool IsSpeedButtonKind(int kind) {
  for (int k : kSpeedButtonKinds)
    if (k == kind) return true;
  return false;
}

// Children of a windowed control that the mouse may leave for another child.
void LeaveOtherSpeedButtons(TWinControl& owner, const TControl* entered) {
  for (int i = 0; i < owner.ControlCount(); ++i) {
    TControl* child = owner.Controls(i);
    if (child == &owner || child == entered) continue;
    TsCommonData* state = TsCommonData::Of(child);
    if (state && IsSpeedButtonKind(state->ControlKind) && state->MouseAbove()) child->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

bool Answer(TMessage& message, LRESULT value) {
  message.Result = value;
  return true;
}

}  // namespace

// ---- window messages ---------------------------------------------------------

bool TsCommonData::ProcessMessage(TMessage& message) {
  switch (message.Msg) {
    case SM_SKINCOMMAND:
      return RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); });
    case WM_MOVE:
      OwnerMoved();
      return false;
    case WM_SIZE:
      OwnerSized();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusMessage(message);
      return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      // Neither hot nor focused until the control hears otherwise.
      PointerLeft();
      FocusChanged(false);
      return false;
    case WM_UPDATEUISTATE:
      return Skinned() && Answer(message, 1);
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE && ownerControl_) NotifyForm(*ownerControl_);
      return false;
    case CM_VISIBLECHANGED:
      VisibilityChanged(message.WParam != 0);
      return false;
    case CM_MOUSEENTER:
      HandleMouseEnter(message);
      return false;
    case CM_MOUSELEAVE:
      HandleMouseLeave();
      return false;
    default:
      return false;
  }
}

void TsCommonData::OwnerMoved() {
  if (!DependsOnParent()) return;
  MarkCacheStale();
  if (ownerControl_) SendSkinCommand(ownerControl_, SKC_PARENT_MOVED, 0, 1);
}

void TsCommonData::OwnerSized() {
  if (!Skinned()) return;
  MarkCacheStale();
  // A gradient stretches with its control: the children's share of it moved.
  // Children anchored to the far edges move with them and hear of it
  // through their own move.
  const TsGeneralData* section = Section();
  TWinControl* windowed = WindowedOwner();
  if (!windowed || !section || section->GradientPercent < 1) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!child->IsDestroying() && !child->AnchoredToFarEdge()) SendSkinCommand(child, SKC_PARENT_MOVED, 0, 1);
  }
}

void TsCommonData::FocusMessage(const TMessage& message) {
  TWinControl* windowed = WindowedOwner();
  if (!windowed || !windowed->CanFocus() || !windowed->TabStop()) return;
  MarkCacheStale();
  FocusChanged(message.Msg == WM_SETFOCUS);
}

void TsCommonData::VisibilityChanged(bool visible) {
  if (!cache_) return;
  if (visible) {
    ResumePainting();
    MarkCacheStale();
  } else {
    EmptyCache();
  }
}

void TsCommonData::HandleMouseEnter(TMessage& message) {
  if (!ownerControl_ || ownerControl_->HasState(csDesigning)) return;
  TWinControl* windowed = WindowedOwner();
  if (windowed && TsSkinManager::DefaultManager()) {
    LeaveOtherSpeedButtons(*windowed, reinterpret_cast<const TControl*>(message.LParam));
  }
  PointerEntered();
  if (windowed && windowed->HandleAllocated()) {
    if (TsSkinManager* manager = TsSkinManager::DefaultManager()) manager->SetHotWindow(windowed->Handle());
  }
}

void TsCommonData::HandleMouseLeave() {
  if (ownerControl_ && !ownerControl_->HasState(csDesigning) && !KindHasNoHotLook(ControlKind)) PointerLeft();
}

// ---- the skin command message ------------------------------------------------------

bool TsCommonData::HandleSkinCommand(TMessage& message) {
  const WORD command = SkinCommandOf(message.WParam);
  switch (command) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED:
      if (FromOwnManager(message)) FollowSkinBroadcast(command);
      return Answer(message, 0);
    case SKC_CHILD_REPAINT:
    case SKC_SET_UPDATING:
    case SKC_SET_PARENT_DEPENDENT:
    case SKC_SET_LINKED:
    case SKC_INVALIDATE:
    case SKC_SET_PARTLY_HIDDEN:
      ChangeMarkByCommand(command, message);
      return Answer(message, 0);
    default:
      // Fades, frames, scrolling and the mouse notices belong to the control.
      return AnswerStateQuery(command, message) || AnswerSharingCommand(command, message);
  }
}

void TsCommonData::FollowSkinBroadcast(WORD command) {
  switch (command) {
    case SKC_SKIN_LOADED:
      UpdateIndexes();
      RecomputeCacheMode(false);
      return;
    case SKC_SKIN_REMOVED:
      // An explicit manager is the one that sent this; one going away is forgotten.
      if (explicitManager_ && explicitManager_->IsDestroying()) explicitManager_ = nullptr;
      SkinIndex = BorderIndex = Texture = HotTexture = -1;
      HoldPainting();
      EmptyCache();
      if (OwnerIsEditLike()) TakeSystemColors();
      return;
    case SKC_SKIN_CHANGED:
      MarkCacheStale();
      ResumePainting();
      if (Skinned()) {
        if (OwnerIsEditLike()) TakeSectionColors();
        if (WindowedOwner() && ownerControl_) NotifyForm(*ownerControl_);
      }
      RecomputeCacheMode(false);
      return;
    default:
      return;
  }
}

void TsCommonData::ChangeMarkByCommand(WORD command, const TMessage& message) {
  const bool set = SkinArgumentOf(message.WParam) == 1;
  switch (command) {
    case SKC_CHILD_REPAINT: RepaintHeldPicture(); return;
    case SKC_SET_UPDATING: updating_ = set; return;
    case SKC_SET_PARENT_DEPENDENT: parentDependent_ = set; return;
    case SKC_SET_LINKED: linked_ = reinterpret_cast<TControl*>(message.LParam); return;
    case SKC_INVALIDATE: MarkCacheStale(); return;
    case SKC_SET_PARTLY_HIDDEN: partlyHidden_ = true; return;
    default: return;
  }
}

void TsCommonData::RepaintHeldPicture() {
  if (!ResumeHeldPainting()) return;
  if (TWinControl* windowed = WindowedOwner(); windowed && windowed->HandleAllocated()) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else if (ownerControl_) {
    ownerControl_->Repaint();
  }
}

bool TsCommonData::AnswerStateQuery(WORD command, TMessage& message) {
  switch (command) {
    case SKC_QUERY_INVALID: return Answer(message, backgroundChanged_ || updating_ ? 1 : 0);
    case SKC_QUERY_PARTLY_HIDDEN: return Answer(message, partlyHidden_ ? 1 : 0);
    case SKC_GET_SKIN_INDEX: return Answer(message, SkinIndex + 1);
    case SKC_GET_MANAGER: return Answer(message, reinterpret_cast<LRESULT>(SkinManager()));
    default: return false;
  }
}

bool TsCommonData::AnswerSharingCommand(WORD command, TMessage& message) {
  switch (command) {
    case SKC_QUERY_TRANSPARENT: return Answer(message, QueryTransparent());
    case SKC_PARENT_MOVED:
      ParentMoved(SkinArgumentOf(message.WParam) == 1);
      return Answer(message, 0);
    case SKC_GET_COLOR: {
      const std::optional<TColor> color = GetColor(static_cast<TColor>(message.LParam));
      return color && Answer(message, static_cast<LRESULT>(*color));
    }
    case SKC_GET_BACKGROUND:
      if (auto* request = reinterpret_cast<TsBackgroundRequest*>(message.LParam)) {
        HWND window = nullptr;
        if (TWinControl* windowed = WindowedOwner(); windowed && windowed->HandleAllocated()) window = windowed->Handle();
        GetBackground(*request, ControlIsActive(), window);
      }
      return Answer(message, 0);
    case SKC_CACHE_MODE:
      if (message.LParam != 1) return Answer(message, PaintMode);
      RecomputeCacheMode(true);
      return Answer(message, 0);
    default:
      return false;
  }
}
