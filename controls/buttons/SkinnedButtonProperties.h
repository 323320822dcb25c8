#pragma once
// The published settings the three skinned buttons share, with their name
// lists, and the registration of those the windowed and the glyph-carrying
// buttons have in common. A button class T supplies the accessors named here.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/TImageList.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "skin/TacAnimatEvents.h"

class TsCommonData;
class TsButtonSkinSettings;

// The look of a whole disabled button.
enum TsDisabledKindFlag : std::uint32_t { dkBlended = 1u << 0, dkGrayed = 1u << 1 };
// The look of a disabled button's glyph.
enum TsDisabledGlyphKindFlag : std::uint32_t { dgBlended = 1u << 0, dgGrayed = 1u << 1 };
using TsDisabledKind = std::uint32_t;
using TsDisabledGlyphKind = std::uint32_t;

inline std::vector<std::string> DisabledKindNames() { return {"dkBlended", "dkGrayed"}; }
inline std::vector<std::string> DisabledGlyphKindNames() { return {"dgBlended", "dgGrayed"}; }
inline std::vector<std::string> AlignmentNames() { return {"taLeftJustify", "taRightJustify", "taCenter"}; }

// SkinData, AnimatEvents and DisabledKind: every skinned button.
template <class T>
void PublishSkinnedButton(TPropertyBuilder<T>& b) {
  // Named through the settings group it lives in, as the other groups'
  // accessors are: the layout reader calls it on the group's own address.
  auto skinData = static_cast<TsCommonData& (TsButtonSkinSettings::*)()>(&T::SkinData);
  b.Object("SkinData", skinData)
      .Set("AnimatEvents", AnimatEventNames(), &T::AnimatEvents, &T::SetAnimatEvents)
      .Set("DisabledKind", DisabledKindNames(), &T::DisabledKind, &T::SetDisabledKind);
}

// Down, FocusMargin and WordWrap: the windowed buttons.
template <class T>
void PublishWindowedButton(TPropertyBuilder<T>& b) {
  b.Boolean("Down", &T::Down, &T::SetDown)
      .Integer("FocusMargin", &T::FocusMargin, &T::SetFocusMargin)
      .Boolean("WordWrap", &T::WordWrap, &T::SetWordWrap);
}

// Glyph and caption placement: the bitmap button and the speed button.
template <class T>
void PublishGlyphButton(TPropertyBuilder<T>& b) {
  b.Enumeration("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment)
      .Integer("Blend", &T::Blend, &T::SetBlend)
      .Set("DisabledGlyphKind", DisabledGlyphKindNames(), &T::DisabledGlyphKind, &T::SetDisabledGlyphKind)
      .Boolean("DrawOverBorder", &T::DrawOverBorder, &T::SetDrawOverBorder)
      .Boolean("Grayed", &T::Grayed, &T::SetGrayed)
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex)
      .template Component<TImageList>("Images", &T::Images, &T::SetImages)
      .Boolean("ShowCaption", &T::ShowCaption, &T::SetShowCaption)
      .Enumeration("TextAlignment", AlignmentNames(), &T::TextAlignment, &T::SetTextAlignment)
      .Integer("TextOffset", &T::TextOffset, &T::SetTextOffset);
}
