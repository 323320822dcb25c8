#include "skin/TacAnimatEvents.h"

#include "skin/TsSkinManager.h"

bool AnimatEventAllowed(TacAnimatEvent event, TacAnimatEvents events, const TsSkinManager* manager) {
  if (events & event) return true;
  if (!(events & aeGlobalDef)) return false;
  if (!manager) manager = TsSkinManager::DefaultManager();
  if (!manager) return false;
  unsigned needed = TacBtnEffects::beMouseUp;  // a release, and the global default itself
  switch (event) {
    case aeMouseEnter: needed = TacBtnEffects::beMouseEnter; break;
    case aeMouseLeave: needed = TacBtnEffects::beMouseLeave; break;
    case aeMouseDown: needed = TacBtnEffects::beMouseDown; break;
    default: break;
  }
  return (const_cast<TsSkinManager*>(manager)->AnimEffects().Buttons.Events & needed) != 0;
}
