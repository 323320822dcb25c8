#include "adapters/TacScrollAttach.h"

#include "adapters/TacEditWnd.h"
#include "framework/TControl.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsCommonData.h"

namespace {
bool OwnerBusy(const TsCommonData& skinData) {
  const TControl* owner = skinData.OwnerControl();
  return owner && (owner->IsLoading() || owner->IsDestroying() || owner->HasState(csDesigning));
}

void FreeDetached(std::unique_ptr<TacScrollWnd>& slot) {
  if (slot && slot->Detached()) slot.reset();
}
}  // namespace

void AttachScrollWnd(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& slot, HWND window) {
  if (OwnerBusy(skinData)) return;
  if (skinData.Skinned()) {
    UninitializeFlatSB(window);
    FreeDetached(slot);
    if (!slot && IsWindow(window)) {
      slot = std::make_unique<TacScrollWnd>(window, &skinData, skinData.SkinManager());
      slot->Initialize(true);
    }
  } else {
    slot.reset();
    InitializeFlatSB(window);
  }
}

void AttachEditWnd(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& slot, HWND window) {
  if (OwnerBusy(skinData)) return;
  if (skinData.Skinned()) {
    FreeDetached(slot);
    if (!slot && IsWindow(window)) {
      slot = std::make_unique<TacEditWnd>(window, &skinData, skinData.SkinManager());
      slot->Initialize(true);
    }
  } else {
    slot.reset();
  }
}
