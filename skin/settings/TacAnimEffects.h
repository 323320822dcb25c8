#pragma once
// The manager's animation settings: button fades, the show animations of
// dialogs, forms and pages, and the animation of a change of skin.
#include "framework/TPersistent.h"
#include "skin/settings/TacBtnEffects.h"
#include "skin/settings/TacDialogShow.h"
#include "skin/settings/TacFormShow.h"
#include "skin/settings/TacPageChange.h"
#include "skin/settings/TacSkinChanging.h"

class TsSkinManager;

class TacAnimEffects : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  explicit TacAnimEffects(TsSkinManager* manager) : Manager(manager) {}

  TsSkinManager* Manager;  // the manager that owns these settings
  TacBtnEffects Buttons;
  TacDialogShow DialogShow;
  TacFormShow FormShow;
  TacPageChange PageChange;
  TacSkinChanging SkinChanging;
};
