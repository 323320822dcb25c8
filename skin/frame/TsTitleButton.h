#pragma once
// An extra button in a skinned title bar, beside the form's own buttons. The
// frame lays it out after the system buttons, paints it in its state and
// calls its handlers when it is pressed and released.
#include <string>

#include "framework/Events.h"
#include "framework/TCollection.h"
#include "framework/TCollectionItem.h"
#include "framework/graphics/TBitmap.h"

// A title button's state and the span of the title bar it was last laid
// out at (window coordinates; empty until laid out).
struct TsFrameButtonState {
  int State = 0;         // 0 normal, 1 hot, 2 pressed
  int MaskIndex = -1;    // the glyph mask in the manager's list
  bool Big = true;       // taken from the big set (BICON...)
  int Left = 0;
  int Right = 0;

  bool Contains(int x) const { return Left < Right && x >= Left && x < Right; }
};

class TsTitleButton : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TsTitleButton(TCollection* collection) : TCollectionItem(collection) {}

  bool Enabled = true;
  TBitmap Glyph;
  std::string Name;
  bool UseSkinData = true;
  TNotifyEvent OnMouseDown;
  TNotifyEvent OnMouseUp;

  TsFrameButtonState Frame;

  std::string DisplayName() const override { return Name.empty() ? ClassName() : Name; }
};

class TsTitleButtons : public TCollectionOf<TsTitleButton> {
 public:
  TRAINER_CLASS_INFO()
  explicit TsTitleButtons(TPersistent* owner) : TCollectionOf<TsTitleButton>(owner) {}
};
