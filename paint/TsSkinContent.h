#pragma once
// A loaded skin as plain data: the master bitmap, the mask, pattern and
// section lists, the global values and the constant indexes, together with
// every lookup that depends on nothing else. The skin manager owns one and
// the loaders fill it; the painting engine and the controls read it.
//
// Lookups never throw: a missing name or an index out of range answers -1
// (or the documented fallback value).
#include <memory>
#include <string_view>

#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

class TsSkinContent {
 public:
  std::shared_ptr<Bitmap> MasterBitmap;  // null until a skin with one is loaded
  TsMaskArray Masks;
  TsPatternArray Patterns;
  TsGeneralDataArray Sections;
  TsSkinData SkinData;
  TsConstIndexes ConstData;  // refreshed by RefreshConstIndexes()

  // Frees masks (with their bitmaps), the master bitmap, the patterns and the
  // sections. The global values and constant indexes are left as they are.
  void ClearSkin();

  // Position of the first section named exactly `name`, or -1.
  int GetSkinIndex(std::string_view name) const;

  // First mask of (section, property); when the section has none, the search
  // climbs through PARENTCLASS (the property name stays). -1 when the skin
  // index is negative or out of range, the section name is empty or nothing
  // matches.
  int GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  // As GetMaskIndex without inheritance; -1 for an empty section name.
  int GetMaskIndex(std::string_view sectionName, std::string_view propertyName) const;
  // As GetMaskIndex, counting only masks of type itisaTexture.
  int GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  // As GetMaskIndex, over the pattern list.
  int GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;

  bool IsValidSkinIndex(int i) const { return i >= 0 && i < static_cast<int>(Sections.size()); }
  bool IsValidImgIndex(int i) const { return i >= 0 && i < static_cast<int>(Masks.size()); }

  // GLOBALINFO's Color as RGB, or the system button face without GLOBALINFO.
  TColor GetGlobalColor() const;
  // GLOBALINFO's text colour as RGB, or 0xFF00FF without GLOBALINFO.
  TColor GetGlobalFontColor() const;

  // Border widths of mask i: WL/WT/WR/WB when above 0, else BorderWidth when
  // above 0, else a third of one frame of R. An ImageCount of 0 counts as 1.
  // An invalid mask index answers 0.
  int MaskWidthLeft(int i) const;
  int MaskWidthTop(int i) const;
  int MaskWidthRight(int i) const;
  int MaskWidthBottom(int i) const;

  // Size of one state frame of mask i: a third of the width and half the
  // height of an own bitmap, else R divided by ImageCount and MaskType + 1.
  // An invalid mask index answers (0, 0).
  TSize GetMaskFrameSize(int i) const;

  // Recomputes ConstData from the current lists.
  void RefreshConstIndexes();

 private:
  template <typename Matches>
  int FindWithInheritance(int skinIndex, std::string_view sectionName, Matches matches) const;
  TsSectionMasks ScrollPartIndexes(std::string_view section, bool withGlyph) const;
  std::int16_t GlobalMask(std::string_view property) const;
};
