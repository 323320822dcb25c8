#include "controls/TsComboBoxGeometry.h"

#include <algorithm>

TRect TsComboBoxGeometry::ButtonRect() const {
  if (Style == csSimple) return TRect{};
  if (RightToLeft) return Rect(2, 2, 2 + ButtonWidth, Height - 2);
  return Rect(Width - 3 - ButtonWidth, 2, Width - 3, Height - 2);
}

TRect TsComboBoxGeometry::TextRect() const {
  const TRect button = ButtonRect();
  TRect r = RightToLeft ? Rect(button.Width() + 4, 3, Width - 2, Height - 3)
                        : Rect(3, 3, (Style == csSimple ? Width - 2 : button.Left) - 1, Height - 3);
  // A fixed choice sits a pixel further in; an editable box's prompt a pixel
  // higher, near where its inner edit writes the text once focused.
  if (Style == csDropDown) r.Bottom -= 1;
  else r = r.Offset(1, 0);
  return r;
}

TRect TsComboBoxGeometry::SectionRect() const {
  if (Style == csSimple) return Rect(0, 0, Width, std::min(Height, ItemHeight + 8));
  return Rect(0, 0, Width, Height);
}
