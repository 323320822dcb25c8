#pragma once
// The manager's menu settings: the section of the icon line, and the extra
// line some menus show with its width and font.
#include <string>

#include "framework/TPersistent.h"
#include "framework/graphics/TFont.h"

class TacMenuSupport : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  std::string IcoLineSkin;  // "ICOLINE" when left empty by the layout
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TFont ExtraLineFont;
};
