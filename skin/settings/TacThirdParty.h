#pragma once
// The manager's ThirdParty texts: for each kind of foreign control, the
// class names that are skinned automatically as that kind, one per line.
#include <array>
#include <string>
#include <vector>

#include "framework/TPersistent.h"

class TacThirdParty : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // Slot order of the manager's class lists (not the property order).
  enum Slot {
    Edits, Buttons, BitBtns, CheckBoxes, ComboBoxes, Grids, GroupBoxes, ListViews, Panels, TreeViews, WWEdits,
    GridEh, VirtualTrees, PageControl, TabControl, ToolBar, StatusBar, SlotCount
  };

  // Every text starts as one blank.
  std::array<std::string, SlotCount> Texts;
  TacThirdParty() { Texts.fill(" "); }

  // The class names of one slot: the non-blank lines of its text.
  std::vector<std::string> ClassNames(Slot slot) const;
};
