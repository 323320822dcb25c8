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

constexpr UINT kMessage001D = 0x001D;  // clears the mouse-above and focused marks like an enabled change
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
    if (state && IsSpeedButtonKind(state->ControlKind) && state->MouseAbove) child->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

}  // namespace

bool TsCommonData::ProcessMessage(TMessage& message) {
  switch (message.Msg) {
    case SM_SKINCOMMAND:
      return HandleSkinCommand(message);
    case WM_MOVE:
      if (DependsOnParent()) {
        BackgroundChanged = true;
        if (ownerControl_) SendSkinCommand(ownerControl_, SKC_PARENT_MOVED, 0, 1);
      }
      return false;
    case WM_SIZE:
      if (Skinned()) {
        BackgroundChanged = true;
        const TsGeneralData* section = Section();
        if (TWinControl* windowed = WindowedOwner(); windowed && section && section->GradientPercent >= 1) {
          for (int i = 0; i < windowed->ControlCount(); ++i) {
            TControl* child = windowed->Controls(i);
            if (!child->IsDestroying()) SendSkinCommand(child, SKC_PARENT_MOVED, 0, 1);
          }
        }
      }
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (TWinControl* windowed = WindowedOwner(); windowed && windowed->CanFocus() && windowed->TabStop()) {
        BackgroundChanged = true;
        Focused = message.Msg == WM_SETFOCUS;
      }
      return false;
    case kMessage001D:
    case CM_ENABLEDCHANGED:
      MouseAbove = false;
      Focused = false;
      return false;
    case WM_UPDATEUISTATE:
      if (Skinned()) {
        message.Result = 1;
        return true;
      }
      return false;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE && ownerControl_) NotifyForm(*ownerControl_);
      return false;
    case CM_VISIBLECHANGED:
      if (cache_) {
        if (message.WParam != 0) {
          Updating = false;
          BackgroundChanged = true;
        } else {
          EmptyCache();
        }
      }
      return false;
    case CM_MOUSEENTER:
      HandleMouseEnter(message);
      return false;
    case CM_MOUSELEAVE:
      if (ownerControl_ && !ownerControl_->HasState(csDesigning) && !KindHasNoHotLook(ControlKind)) MouseAbove = false;
      return false;
    default:
      return false;
  }
}

void TsCommonData::HandleMouseEnter(TMessage& message) {
  if (!ownerControl_ || ownerControl_->HasState(csDesigning)) return;
  TWinControl* windowed = WindowedOwner();
  if (windowed && TsSkinManager::DefaultManager()) {
    LeaveOtherSpeedButtons(*windowed, reinterpret_cast<const TControl*>(message.LParam));
  }
  if (!KindHasNoHotLook(ControlKind)) MouseAbove = true;
  if (windowed && windowed->HandleAllocated()) {
    if (TsSkinManager* manager = TsSkinManager::DefaultManager()) manager->SetHotWindow(windowed->Handle());
  }
}

bool TsCommonData::HandleSkinCommand(TMessage& message) {
  const WORD command = SkinCommandOf(message.WParam);
  const WORD argument = SkinArgumentOf(message.WParam);
  auto answer = [&message](LRESULT value) {
    message.Result = value;
    return true;
  };
  if (AnswerIdentityQuery(message)) return true;
  switch (command) {
    case SKC_SKIN_LOADED:
      if (!FromOwnManager(message)) return answer(0);
      UpdateIndexes();
      RecomputeCacheMode(false);
      return answer(0);
    case SKC_SKIN_REMOVED:
      if (!FromOwnManager(message)) return answer(0);
      // An explicit manager is the one that sent this; one going away is forgotten.
      if (explicitManager_ && explicitManager_->IsDestroying()) explicitManager_ = nullptr;
      SkinIndex = BorderIndex = Texture = HotTexture = -1;
      Updating = true;
      EmptyCache();
      if (OwnerIsEditLike()) TakeSystemColors();
      return answer(0);
    case SKC_SKIN_CHANGED:
      if (!FromOwnManager(message)) return answer(0);
      BackgroundChanged = true;
      Updating = false;
      if (Skinned()) {
        if (OwnerIsEditLike()) TakeSectionColors();
        if (WindowedOwner() && ownerControl_) NotifyForm(*ownerControl_);
      }
      RecomputeCacheMode(false);
      return answer(0);
    case SKC_CHILD_REPAINT:
      if (Updating) {
        Updating = false;
        if (TWinControl* windowed = WindowedOwner(); windowed && windowed->HandleAllocated()) {
          RedrawWindow(windowed->Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        } else if (ownerControl_) {
          ownerControl_->Repaint();
        }
      }
      return answer(0);
    case SKC_SET_UPDATING:
      Updating = argument == 1;
      return answer(0);
    case SKC_SET_PARENT_DEPENDENT:
      ParentDependent = argument == 1;
      return answer(0);
    case SKC_QUERY_INVALID:
      return answer(BackgroundChanged || Updating ? 1 : 0);
    case SKC_QUERY_PARTLY_HIDDEN:
      return answer(PartlyHidden ? 1 : 0);
    case SKC_SET_LINKED:
      Linked = reinterpret_cast<TControl*>(message.LParam);
      return answer(0);
    case SKC_INVALIDATE:
      BackgroundChanged = true;
      return answer(0);
    case SKC_QUERY_TRANSPARENT:
      return answer(QueryTransparent());
    case SKC_PARENT_MOVED:
      ParentMoved(argument == 1);
      return answer(0);
    case SKC_GET_COLOR: {
      const std::optional<TColor> color = GetColor(static_cast<TColor>(message.LParam));
      if (!color) return false;
      return answer(static_cast<LRESULT>(*color));
    }
    case SKC_SET_PARTLY_HIDDEN:
      PartlyHidden = true;
      return answer(0);
    case SKC_GET_SKIN_INDEX:
      return answer(SkinIndex + 1);
    case SKC_GET_MANAGER:
      return answer(reinterpret_cast<LRESULT>(SkinManager()));
    case SKC_GET_BACKGROUND:
      if (auto* request = reinterpret_cast<TsBackgroundRequest*>(message.LParam)) {
        HWND window = nullptr;
        if (TWinControl* windowed = WindowedOwner(); windowed && windowed->HandleAllocated()) window = windowed->Handle();
        GetBackground(*request, ControlIsActive(), window);
      }
      return answer(0);
    case SKC_CACHE_MODE:
      if (message.LParam == 1) {
        RecomputeCacheMode(true);
        return answer(0);
      }
      return answer(PaintMode);
    default:
      // Fades, frames, scrolling and the mouse notices belong to the control.
      return false;
  }
}
