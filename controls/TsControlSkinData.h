#pragma once
// The published part of a skinned control's skin state, its `SkinData`
// property: the section the control is painted from and whether it keeps its
// own colour and font colour. The controls still paint in the plain look;
// the engine's per-control state (indexes, cache, marks) will grow from here
// and read these settings.
#include <string>

#include "framework/TPersistent.h"

class TControl;
class TsSkinManager;

class TsControlSkinData : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // `kind` is the control kind code the owning class declares.
  TsControlSkinData(TControl* owner, int kind) : owner_(owner), controlKind_(kind) {}

  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // The explicit manager, or null for the default one.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* manager);
  // Section names are upper-case words; whatever is given is kept upper-cased.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

  int ControlKind() const { return controlKind_; }
  TControl* OwnerControl() const { return owner_; }
  TPersistent* GetOwner() const override;

 private:
  // A changed setting changes the look: the owner repaints unless it is loading.
  void OwnerChanged();

  TControl* owner_;
  int controlKind_;
  bool customColor_ = false;
  bool customFont_ = false;
  TsSkinManager* skinManager_ = nullptr;
  std::string skinSection_;
};
