#include "paint/TsSkinContent.h"

#include <cstddef>

namespace {

// Frame counts below 1 would divide by zero or give negative sizes; skins
// with such counts are drawn as if they held one frame.
int AtLeastOne(int count) { return count < 1 ? 1 : count; }

int ImageCountOf(const TsMaskData& m) { return AtLeastOne(m.ImageCount); }
int RowCountOf(const TsMaskData& m) { return AtLeastOne(m.MaskType + 1); }

}  // namespace

void TsSkinContent::ClearSkin() {
  Masks.clear();
  MasterBitmap.reset();
  Patterns.clear();
  Sections.clear();
}

int TsSkinContent::GetSkinIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Sections.size(); ++i) {
    if (Sections[i].SectionName == name) return static_cast<int>(i);
  }
  return -1;
}

// Searches `matches(section)` from the given section up through its
// PARENTCLASS chain. A chain can loop back to an earlier section; no chain
// without a loop is longer than the section list, so that bounds the climb.
template <typename Matches>
int TsSkinContent::FindWithInheritance(int skinIndex, std::string_view sectionName, Matches matches) const {
  if (skinIndex < 0 || sectionName.empty()) return -1;
  std::size_t steps = 0;
  while (true) {
    const int found = matches(sectionName);
    if (found >= 0) return found;
    if (!IsValidSkinIndex(skinIndex) || ++steps > Sections.size()) return -1;
    const std::string& parent = Sections[static_cast<std::size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == sectionName) return -1;
    const int parentIndex = GetSkinIndex(parent);
    if (parentIndex < 0) return -1;
    skinIndex = parentIndex;
    sectionName = Sections[static_cast<std::size_t>(parentIndex)].SectionName;
  }
}

int TsSkinContent::GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindWithInheritance(skinIndex, sectionName, [&](std::string_view section) {
    return GetMaskIndex(section, propertyName);
  });
}

int TsSkinContent::GetMaskIndex(std::string_view sectionName, std::string_view propertyName) const {
  if (sectionName.empty()) return -1;
  for (std::size_t i = 0; i < Masks.size(); ++i) {
    if (Masks[i].SectionName == sectionName && Masks[i].PropertyName == propertyName) return static_cast<int>(i);
  }
  return -1;
}

int TsSkinContent::GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  if (Masks.empty()) return -1;
  return FindWithInheritance(skinIndex, sectionName, [&](std::string_view section) {
    for (std::size_t i = 0; i < Masks.size(); ++i) {
      const TsMaskData& m = Masks[i];
      if (m.ImgType == itisaTexture && m.SectionName == section && m.PropertyName == propertyName) {
        return static_cast<int>(i);
      }
    }
    return -1;
  });
}

int TsSkinContent::GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  if (Patterns.empty()) return -1;
  return FindWithInheritance(skinIndex, sectionName, [&](std::string_view section) {
    for (std::size_t i = 0; i < Patterns.size(); ++i) {
      if (Patterns[i].SectionName == section && Patterns[i].PropertyName == propertyName) return static_cast<int>(i);
    }
    return -1;
  });
}

TColor TsSkinContent::GetGlobalColor() const {
  const int i = GetSkinIndex("GLOBALINFO");
  if (i < 0) return ColorToRGB(clBtnFace);
  return ColorToRGB(Sections[static_cast<std::size_t>(i)].Color);
}

TColor TsSkinContent::GetGlobalFontColor() const {
  const int i = GetSkinIndex("GLOBALINFO");
  if (i < 0) return clFuchsia;
  return ColorToRGB(static_cast<TColor>(Sections[static_cast<std::size_t>(i)].FontColor[0]));
}

int TsSkinContent::MaskWidthLeft(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = Masks[static_cast<std::size_t>(i)];
  if (m.WL > 0) return m.WL;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return m.R.Width() / (ImageCountOf(m) * 3);
}

int TsSkinContent::MaskWidthRight(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = Masks[static_cast<std::size_t>(i)];
  if (m.WR > 0) return m.WR;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return m.R.Width() / (ImageCountOf(m) * 3);
}

int TsSkinContent::MaskWidthTop(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = Masks[static_cast<std::size_t>(i)];
  if (m.WT > 0) return m.WT;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return m.R.Height() / (RowCountOf(m) * 3);
}

int TsSkinContent::MaskWidthBottom(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = Masks[static_cast<std::size_t>(i)];
  if (m.WB > 0) return m.WB;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return m.R.Height() / (RowCountOf(m) * 3);
}

TSize TsSkinContent::GetMaskFrameSize(int i) const {
  if (!IsValidImgIndex(i)) return {};
  const TsMaskData& m = Masks[static_cast<std::size_t>(i)];
  if (m.Bmp) return {m.Bmp->width() / 3, m.Bmp->height() / 2};
  return {m.R.Width() / ImageCountOf(m), m.R.Height() / RowCountOf(m)};
}

// ---- Constant indexes --------------------------------------------------

TsSectionMasks TsSkinContent::ScrollPartIndexes(std::string_view section, bool withGlyph) const {
  TsSectionMasks r;
  const int index = GetSkinIndex(section);
  r.SkinIndex = static_cast<std::int16_t>(index);
  r.BorderMask = static_cast<std::int16_t>(GetMaskIndex(index, section, "BORDERSMASK"));
  if (withGlyph) r.GlyphMask = static_cast<std::int16_t>(GetMaskIndex(index, section, "GLYPHMASK"));
  r.Pattern = static_cast<std::int16_t>(GetMaskIndex(index, section, "PATTERN"));
  r.HotPattern = static_cast<std::int16_t>(GetMaskIndex(index, section, "HOTPATTERN"));
  return r;
}

std::int16_t TsSkinContent::GlobalMask(std::string_view property) const {
  return static_cast<std::int16_t>(GetMaskIndex(ConstData.GlobalInfo, "GLOBALINFO", property));
}

void TsSkinContent::RefreshConstIndexes() {
  TsConstIndexes& c = ConstData;
  c = TsConstIndexes{};
  c.GlobalInfo = static_cast<std::int16_t>(GetSkinIndex("GLOBALINFO"));

  auto tab = [this](std::string_view section) {
    TsSectionMasks r;
    r.SkinIndex = static_cast<std::int16_t>(GetSkinIndex(section));
    r.BorderMask = static_cast<std::int16_t>(GetMaskIndex(r.SkinIndex, section, "BORDERSMASK"));
    return r;
  };
  c.TabTop = tab("TABTOP");
  c.TabBottom = tab("TABBOTTOM");
  c.TabLeft = tab("TABLEFT");
  c.TabRight = tab("TABRIGHT");

  c.ScrollBtnTop = ScrollPartIndexes("SCROLLBTNTOP", true);
  c.ScrollBtnBottom = ScrollPartIndexes("SCROLLBTNBOTTOM", true);
  c.ScrollBtnLeft = ScrollPartIndexes("SCROLLBTNLEFT", true);
  c.ScrollBtnRight = ScrollPartIndexes("SCROLLBTNRIGHT", true);
  c.ScrollSliderV = ScrollPartIndexes("SCROLLSLIDERV", true);
  c.ScrollSliderH = ScrollPartIndexes("SCROLLSLIDERH", true);
  c.ScrollBar1H = ScrollPartIndexes("SCROLLBAR1H", false);
  c.ScrollBar1V = ScrollPartIndexes("SCROLLBAR1V", false);
  c.ScrollBar2H = ScrollPartIndexes("SCROLLBAR2H", false);
  c.ScrollBar2V = ScrollPartIndexes("SCROLLBAR2V", false);

  c.BoxChecked = GlobalMask("BOXCHECKED");
  c.BoxUnchecked = GlobalMask("BOXUNCHECKED");
  c.BoxGrayed = GlobalMask("BOXGRAYED");
  c.RadioChecked = GlobalMask("RADIOCHECKED");
  c.RadioUnchecked = GlobalMask("RADIOUNCHECKED");
  c.RadioGrayed = GlobalMask("RADIOGRAYED");
  c.SmallChecked = GlobalMask("SMALLCHECKED");
  c.SmallUnchecked = GlobalMask("SMALLUNCHECKED");
  c.SmallGrayed = GlobalMask("SMALLGRAYED");

  c.ComboBtnIndex = GetSkinIndex("COMBOBTN");
  c.ComboBtnBorder = GetMaskIndex("COMBOBTN", "BORDERSMASK");
  c.ComboBtnPattern = GetTextureIndex(c.ComboBtnIndex, "COMBOBTN", "PATTERN");
  c.ComboBtnHotPattern = GetTextureIndex(c.ComboBtnIndex, "COMBOBTN", "HOTPATTERN");
  c.ComboGlyph = GetMaskIndex("COMBOBOX", "GLYPHMASK");
}
