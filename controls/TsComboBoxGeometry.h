#pragma once
// Where the skinned combo box puts its parts: the drop-down button, the
// text, the skinned strip of a simple box. Pure arithmetic on the box size,
// so painting and mouse handling agree on it.
#include "framework/controls/TComboBox.h"
#include "platform/Geometry.h"

struct TsComboBoxGeometry {
  int Width = 0;
  int Height = 0;
  TComboBoxStyle Style = csDropDown;
  bool RightToLeft = false;
  int ItemHeight = 16;
  int ButtonWidth = 17;  // the system's vertical scroll bar width

  // Empty for csSimple, which has no button.
  TRect ButtonRect() const;
  // Where the closed box writes its text.
  TRect TextRect() const;
  // The part the section is painted over: the whole box, or the edit strip
  // of a simple box.
  TRect SectionRect() const;
};
