#pragma once
// The settings of the caption a list box, combo box or edit can show beside
// itself. The windows of this program leave it inactive. While active, the
// settings own a TsEditLabel placed beside the control: left of it and
// vertically centred (sclLeft), or above it at its left, middle or right;
// Indent is the gap, MaxWidth (when above 0) the widest the caption grows
// before it wraps. The label follows the control's visibility and enabled
// state.
#include <string>

#include "framework/TPersistent.h"
#include "framework/graphics/TFont.h"

class TControl;
class TsEditLabel;

// Messages after which the control's bound caption is placed again.
bool MovesBoundLabel(unsigned msg);

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  TsBoundLabel();
  ~TsBoundLabel() override;
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool Active = false;
  std::string Caption;
  int Indent = 0;
  TFont Font;
  TsCaptionLayout Layout = sclLeft;
  int MaxWidth = 0;
  bool UseSkinColor = true;
  // The caption's label while one exists, owned by these settings; its
  // parent may free it first (children go with their parent), and then it
  // clears this itself.
  TsEditLabel* Label = nullptr;

  // Makes, places or removes the label after a change of the control (its
  // bounds, visibility, enabled state) or of these settings.
  void Follow(TControl& control);
  // Drops the label (the control is going away).
  void Release();
};
