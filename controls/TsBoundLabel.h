#pragma once
// The settings of the caption a list box, combo box or edit can show beside
// itself. The windows of this program leave it inactive; the settings are
// kept for when a control turns it on.
#include <string>

#include "framework/TFont.h"
#include "framework/TPersistent.h"

class TsEditLabel;

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  bool Active = false;
  std::string Caption;
  int Indent = 0;
  TFont Font;
  TsCaptionLayout Layout = sclLeft;
  int MaxWidth = 0;
  bool UseSkinColor = true;
  // The caption's label while one exists; it clears this when destroyed.
  TsEditLabel* Label = nullptr;
};
