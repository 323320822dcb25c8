#include "paint/TsSkinContent.h"

#include <gtest/gtest.h>

namespace {

TsGeneralData Section(const std::string& name, const std::string& parent = "") {
  TsGeneralData d;
  d.SectionName = name;
  d.ParentClass = parent;
  return d;
}

TsMaskData Mask(const std::string& section, const std::string& property, TacImgType type = itisaBorder) {
  TsMaskData m;
  m.SectionName = section;
  m.PropertyName = property;
  m.ImgType = type;
  return m;
}

// BUTTON with a border and a texture; MYBUTTON and LOOP sections inherit.
TsSkinContent Skin() {
  TsSkinContent c;
  c.Sections = {Section("GLOBALINFO"), Section("BUTTON"), Section("MYBUTTON", "BUTTON"),
                Section("DEEP", "MYBUTTON"),  Section("LOOPA", "LOOPB"), Section("LOOPB", "LOOPA"),
                Section("SELF", "SELF"),      Section("ORPHAN", "MISSING")};
  c.Sections[0].Color = clBtnShadow;
  c.Sections[0].FontColor[0] = 0x123456;
  c.Masks = {Mask("BUTTON", "BORDERSMASK"), Mask("BUTTON", "PATTERN", itisaTexture),
             Mask("BUTTON", "HOTPATTERN"), Mask("MYBUTTON", "GLYPHMASK"), Mask("GLOBALINFO", "BOXCHECKED")};
  c.Patterns = {{nullptr, "BUTTON", "PATTERN"}};
  return c;
}

}  // namespace

TEST(TsSkinContent, SectionAndMaskLookupsClimbThroughParentClass) {
  const TsSkinContent c = Skin();
  const int button = c.GetSkinIndex("BUTTON");
  const int mine = c.GetSkinIndex("MYBUTTON");
  const int deep = c.GetSkinIndex("DEEP");
  EXPECT_EQ(button, 1);
  EXPECT_EQ(c.GetSkinIndex("button"), -1);  // names compare exactly
  EXPECT_EQ(c.GetMaskIndex(button, "BUTTON", "BORDERSMASK"), 0);
  EXPECT_EQ(c.GetMaskIndex(mine, "MYBUTTON", "BORDERSMASK"), 0);
  EXPECT_EQ(c.GetMaskIndex(deep, "DEEP", "BORDERSMASK"), 0);
  EXPECT_EQ(c.GetMaskIndex(mine, "MYBUTTON", "GLYPHMASK"), 3);
  EXPECT_EQ(c.GetMaskIndex(button, "BUTTON", "GLYPHMASK"), -1);  // no climbing down
  EXPECT_EQ(c.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(c.GetMaskIndex(button, "", "BORDERSMASK"), -1);
  EXPECT_EQ(c.GetMaskIndex(99, "MYBUTTON", "BORDERSMASK"), -1);  // out of range answers -1
  EXPECT_EQ(c.GetMaskIndex(99, "BUTTON", "BORDERSMASK"), 0);     // a direct hit needs no section
  // Loops, self-references and unknown parents end the search.
  EXPECT_EQ(c.GetMaskIndex(c.GetSkinIndex("LOOPA"), "LOOPA", "BORDERSMASK"), -1);
  EXPECT_EQ(c.GetMaskIndex(c.GetSkinIndex("SELF"), "SELF", "BORDERSMASK"), -1);
  EXPECT_EQ(c.GetMaskIndex(c.GetSkinIndex("ORPHAN"), "ORPHAN", "BORDERSMASK"), -1);

  EXPECT_EQ(c.GetMaskIndex("MYBUTTON", "BORDERSMASK"), -1);  // exact lookup does not inherit
  EXPECT_EQ(c.GetMaskIndex("BUTTON", "HOTPATTERN"), 2);
  EXPECT_EQ(c.GetMaskIndex("", "HOTPATTERN"), -1);

  EXPECT_EQ(c.GetTextureIndex(mine, "MYBUTTON", "PATTERN"), 1);
  EXPECT_EQ(c.GetTextureIndex(mine, "MYBUTTON", "HOTPATTERN"), -1);  // a border, not a texture
  EXPECT_EQ(c.GetPatternIndex(deep, "DEEP", "PATTERN"), 0);
  EXPECT_EQ(c.GetPatternIndex(deep, "", "PATTERN"), -1);
  EXPECT_EQ(c.GetPatternIndex(c.GetSkinIndex("LOOPB"), "LOOPB", "PATTERN"), -1);

  EXPECT_TRUE(c.IsValidSkinIndex(7));
  EXPECT_FALSE(c.IsValidSkinIndex(8));
  EXPECT_FALSE(c.IsValidSkinIndex(-1));
  EXPECT_TRUE(c.IsValidImgIndex(4));
  EXPECT_FALSE(c.IsValidImgIndex(5));
}

TEST(TsSkinContent, GlobalColoursWithAndWithoutGlobalInfo) {
  const TsSkinContent c = Skin();
  EXPECT_EQ(c.GetGlobalColor(), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(c.GetGlobalFontColor(), 0x123456u);
  const TsSkinContent empty;
  EXPECT_EQ(empty.GetGlobalColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(empty.GetGlobalFontColor(), clFuchsia);
}

TEST(TsSkinContent, BorderWidthsAndFrameSizes) {
  TsSkinContent c;
  TsMaskData own = Mask("A", "B");
  own.Bmp = std::make_shared<Bitmap>(288, 192);
  own.R = {0, 0, 288, 192};
  TsMaskData widths = Mask("A", "C");
  widths.R = {0, 0, 60, 24};
  widths.ImageCount = 2;
  widths.MaskType = 1;
  widths.WL = 5;
  widths.WB = 7;
  TsMaskData border = widths;
  border.WL = border.WB = 0;
  border.BorderWidth = 3;
  TsMaskData zeroCount = Mask("A", "D");
  zeroCount.R = {10, 10, 40, 22};
  zeroCount.MaskType = -1;  // would divide by zero
  c.Masks = {own, widths, border, zeroCount};

  EXPECT_EQ(c.GetMaskFrameSize(0), (TSize{96, 96}));
  EXPECT_EQ(c.GetMaskFrameSize(1), (TSize{30, 12}));
  EXPECT_EQ(c.GetMaskFrameSize(3), (TSize{30, 12}));
  EXPECT_EQ(c.GetMaskFrameSize(4), (TSize{}));

  EXPECT_EQ(c.MaskWidthLeft(1), 5);
  EXPECT_EQ(c.MaskWidthRight(1), 10);  // 60 div (2 * 3)
  EXPECT_EQ(c.MaskWidthTop(1), 4);     // 24 div ((1 + 1) * 3)
  EXPECT_EQ(c.MaskWidthBottom(1), 7);
  for (int side = 0; side < 4; ++side) {
    const int w = side == 0 ? c.MaskWidthLeft(2) : side == 1 ? c.MaskWidthTop(2) : side == 2 ? c.MaskWidthRight(2)
                                                                                             : c.MaskWidthBottom(2);
    EXPECT_EQ(w, 3) << side;
  }
  EXPECT_EQ(c.MaskWidthLeft(3), 10);  // ImageCount 0 counts as 1: 30 div 3
  EXPECT_EQ(c.MaskWidthTop(3), 4);
  EXPECT_EQ(c.MaskWidthLeft(9), 0);
}

TEST(TsSkinContent, ConstantIndexes) {
  TsSkinContent none;
  none.RefreshConstIndexes();
  const TsConstIndexes& n = none.ConstData;
  EXPECT_EQ(n.GlobalInfo, -1);
  for (std::int16_t v : {n.BoxChecked, n.BoxUnchecked, n.BoxGrayed, n.RadioChecked, n.RadioUnchecked, n.RadioGrayed,
                         n.SmallChecked, n.SmallUnchecked, n.SmallGrayed})
    EXPECT_EQ(v, -1);
  const TsSectionMasks& top = n.ScrollBtnTop;
  for (std::int16_t v : {top.SkinIndex, top.BorderMask, top.GlyphMask, top.Pattern, top.HotPattern}) EXPECT_EQ(v, -1);
  EXPECT_EQ(n.ComboBtnIndex, -1);
  EXPECT_EQ(n.ComboGlyph, -1);

  TsSkinContent c;
  c.Sections = {Section("SCROLLBTNTOP", "BUTTON"), Section("GLOBALINFO"), Section("BUTTON"), Section("COMBOBTN"),
                Section("TABTOP")};
  c.Masks = {Mask("BUTTON", "BORDERSMASK"),      Mask("SCROLLBTNTOP", "GLYPHMASK"), Mask("GLOBALINFO", "BOXCHECKED"),
             Mask("COMBOBTN", "PATTERN"),          Mask("COMBOBTN", "HOTPATTERN", itisaTexture),
             Mask("COMBOBOX", "GLYPHMASK"),        Mask("TABTOP", "BORDERSMASK"),     Mask("BUTTON", "PATTERN")};
  c.RefreshConstIndexes();
  const TsConstIndexes& k = c.ConstData;
  EXPECT_EQ(k.GlobalInfo, 1);
  EXPECT_EQ(k.ScrollBtnTop.SkinIndex, 0);
  EXPECT_EQ(k.ScrollBtnTop.BorderMask, 0);  // inherited from BUTTON
  EXPECT_EQ(k.ScrollBtnTop.GlyphMask, 1);
  EXPECT_EQ(k.ScrollBtnTop.Pattern, 7);  // scroll parts take any mask type
  EXPECT_EQ(k.ScrollBtnBottom.SkinIndex, -1);
  EXPECT_EQ(k.BoxChecked, 2);
  EXPECT_EQ(k.BoxGrayed, -1);
  EXPECT_EQ(k.TabTop.SkinIndex, 4);
  EXPECT_EQ(k.TabTop.BorderMask, 6);
  EXPECT_EQ(k.ComboBtnIndex, 3);
  EXPECT_EQ(k.ComboBtnBorder, -1);
  EXPECT_EQ(k.ComboBtnPattern, -1);  // a border mask is no texture
  EXPECT_EQ(k.ComboBtnHotPattern, 4);
  EXPECT_EQ(k.ComboGlyph, 5);
}
