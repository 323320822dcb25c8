// The three loaders over small packs built here: every image notation,
// patterns against texture masks, inherited section values, CommonSections.
#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"

using SkinTestFiles::Bytes;

namespace {

// Loads an options text and pictures packed together, as a stored skin's pack.
class PackedSkin {
 public:
  PackedSkin(const std::string& options, std::vector<std::pair<std::string, Bytes>> files = {},
             std::vector<std::string> common = {}, std::string skinPath = {}) {
    files.insert(files.begin(), {"Options.dat", SkinTestFiles::Text(options)});
    if (reader.Parse(SkinTestFiles::Pack(files)) != TacSkinConvertor::ParseResult::Parsed) throw std::logic_error("pack");
    ini = TacIniFile(std::string_view(reinterpret_cast<const char*>(reader.Options()->data()), reader.Options()->size()));
    source = std::make_unique<TacSkinFiles>(&reader, skinPath, [this](const std::string& n) { notes.push_back(n); });
    context.Ini = &ini;
    context.Files = source.get();
    context.CommonSections = std::move(common);
  }
  void Load() { TacSkinLoader::Run(content, context); }

  const TsMaskData& Mask(const std::string& section, const std::string& key) const {
    const int i = content.GetMaskIndex(section, key);
    if (i < 0) throw std::logic_error("no mask " + section + " " + key);
    return content.Masks[static_cast<std::size_t>(i)];
  }
  const TsGeneralData& Section(const std::string& name) const {
    const int i = content.GetSkinIndex(name);
    if (i < 0) throw std::logic_error("no section " + name);
    return content.Sections[static_cast<std::size_t>(i)];
  }

  TacSkinConvertor reader;
  TacIniFile ini;
  std::unique_ptr<TacSkinFiles> source;
  TacSkinLoadContext context;
  TsSkinContent content;
  std::vector<std::string> notes;
};

}  // namespace

TEST(MaskLoader, FixedColumnNotationsGiveTheirRectanglesAndWidths) {
  PackedSkin skin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
      "[EDIT]\nBORDERSMASK=^0034^0019^0041^0028^0002^0002^0002^0002^1^0^1^1\n"
      "[GRIPH]\nPATTERN=~0110~0036~0113~0042~10~1\nHOTPATTERN=~0110~0036~0113~0042~10\n"
      "[GRIPV]\nBORDERSMASK=N/A\n"
      "[SCROLLBTNTOP]\nGLYPHMASK=@0034@0000@0130@0018@3@0\n"
      "[W3]\nBORDERSMASK=^0000^0000^0060^0024^0000^0000^0000^0000^2^1^0^3\n"
      "[WR]\nBORDERSMASK=^0000^0000^0060^0024^0000^0000^0000^0000^2^1^0^0\n",
      {{"Master.bmp", SkinTestFiles::BmpFile(200, 100)}});
  skin.Load();
  ASSERT_TRUE(skin.content.MasterBitmap);
  EXPECT_EQ(skin.content.MasterBitmap->width(), 200);

  const TsMaskData& edit = skin.Mask("EDIT", "BORDERSMASK");
  EXPECT_EQ(edit.R, Rect(34, 19, 41, 28));
  EXPECT_EQ((std::array{edit.WL, edit.WT, edit.WR, edit.WB}), (std::array<std::int16_t, 4>{2, 2, 2, 2}));
  EXPECT_EQ(edit.ImageCount, 1);
  EXPECT_EQ(edit.MaskType, 0);
  EXPECT_EQ(edit.StretchMode, 1);
  EXPECT_EQ(edit.BorderWidth, 1);
  EXPECT_EQ(edit.ImgType, itisaBorder);
  EXPECT_FALSE(edit.Bmp);

  const TsMaskData& grip = skin.Mask("GRIPH", "PATTERN");
  EXPECT_EQ(grip.ImgType, itisaTexture);
  EXPECT_EQ(grip.R, Rect(110, 36, 113, 42));
  EXPECT_EQ(grip.StretchMode, 10);
  EXPECT_EQ(grip.MaskType, 1);
  EXPECT_EQ(grip.ImageCount, 1);
  EXPECT_EQ(skin.Mask("GRIPH", "HOTPATTERN").MaskType, 0);

  const TsMaskData& glyph = skin.Mask("SCROLLBTNTOP", "GLYPHMASK");
  EXPECT_EQ(glyph.ImgType, itisaGlyph);
  EXPECT_EQ(glyph.R, Rect(34, 0, 130, 18));
  EXPECT_EQ(glyph.ImageCount, 3);
  EXPECT_EQ(glyph.MaskType, 0);
  EXPECT_EQ(glyph.WL + glyph.WT + glyph.WR + glyph.WB + glyph.StretchMode + glyph.BorderWidth, 0);

  const TsMaskData& w3 = skin.Mask("W3", "BORDERSMASK");
  EXPECT_EQ((std::array{w3.WL, w3.WT, w3.WR, w3.WB}), (std::array<std::int16_t, 4>{3, 3, 3, 3}));
  const TsMaskData& wr = skin.Mask("WR", "BORDERSMASK");
  EXPECT_EQ((std::array{wr.WL, wr.WT, wr.WR, wr.WB}), (std::array<std::int16_t, 4>{10, 4, 10, 4}));

  // "N/A" and the master bitmap's own key add nothing.
  EXPECT_EQ(skin.content.GetMaskIndex("GRIPV", "BORDERSMASK"), -1);
  EXPECT_EQ(skin.content.GetMaskIndex("GLOBALINFO", "MASTERBITMAP"), -1);
  EXPECT_EQ(skin.content.Masks.size(), 6u);
}

TEST(MaskLoader, OwnBitmapEntriesComeFromThePack) {
  PackedSkin skin(
      "[BUTTON_HUGE]\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047\n"
      "[FORMTITLE]\nIMGTOPLEFT=!TL.BMP!1!1!2\n"
      "[LOWER]\nBORDERSMASK=!tl.bmp!1!1!2\nOTHER=!TL.bmp!1!1!2\n"
      "[MISSING]\nBORDERSMASK=!NONE.BMP!1!1!0\n"
      "[BADTYPE]\nBORDERSMASK=!TL.BMP!1!1!7\n"
      "[PLAIN]\nGRIPIMAGE=tl.bmp\n",
      {{"ButtonHuge.bmp", SkinTestFiles::BmpFile(288, 192)}, {"tl.bmp", SkinTestFiles::BmpFile(429, 600)}});
  skin.Load();

  const TsMaskData& huge = skin.Mask("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_TRUE(huge.Bmp);
  EXPECT_EQ(huge.Bmp->width(), 288);
  EXPECT_EQ(huge.Bmp->height(), 192);
  EXPECT_EQ(huge.R, Rect(0, 0, 288, 192));
  EXPECT_EQ(huge.ImageCount, 3);
  EXPECT_EQ(huge.MaskType, 1);
  EXPECT_EQ(huge.ImgType, itisaBorder);
  EXPECT_EQ(huge.StretchMode, 4);
  EXPECT_EQ((std::array{huge.WL, huge.WT, huge.WR, huge.WB}), (std::array<std::int16_t, 4>{48, 48, 47, 47}));

  const TsMaskData& tl = skin.Mask("FORMTITLE", "IMGTOPLEFT");
  ASSERT_TRUE(tl.Bmp);
  EXPECT_EQ(tl.ImgType, itisaGlyph);
  EXPECT_EQ(tl.Bmp->format(), PixelFormat::Bgr24);
  EXPECT_EQ((std::array{tl.WL, tl.WT, tl.WR, tl.WB}), (std::array<std::int16_t, 4>{143, 100, 143, 100}));

  // Names in "!" entries must contain ".BMP" and match the upper-cased stored name as written.
  EXPECT_EQ(skin.content.GetMaskIndex("LOWER", "BORDERSMASK"), -1);
  EXPECT_EQ(skin.content.GetMaskIndex("LOWER", "OTHER"), -1);
  EXPECT_EQ(skin.content.GetMaskIndex("MISSING", "BORDERSMASK"), -1);
  EXPECT_EQ(skin.content.GetMaskIndex("BADTYPE", "BORDERSMASK"), -1);

  // A plain file name is upper-cased before the search.
  const TsMaskData& plain = skin.Mask("PLAIN", "GRIPIMAGE");
  EXPECT_EQ(plain.ImageCount, 3);
  EXPECT_EQ(plain.MaskType, 1);
  EXPECT_EQ((std::array{plain.WL, plain.WT, plain.WR, plain.WB}), (std::array<std::int16_t, 4>{47, 100, 47, 100}));
  EXPECT_FALSE(skin.notes.empty());  // the missing bitmap and the bad type were noted
}

// Each of the four widths after the image type lands on its own side.
TEST(MaskLoader, OwnBitmapWidthsAreLeftTopRightBottomInThatOrder) {
  PackedSkin skin("[PANEL]\nBORDERSMASK=!PANEL.BMP!1!1!0!0011!0022!0033!0044\n",
                  {{"Panel.bmp", SkinTestFiles::BmpFile(120, 90)}});
  skin.Load();
  const TsMaskData& m = skin.Mask("PANEL", "BORDERSMASK");
  EXPECT_EQ((std::array{m.WL, m.WT, m.WR, m.WB}), (std::array<std::int16_t, 4>{11, 22, 33, 44}));
}

TEST(MaskLoader, OlderHashNotation) {
  PackedSkin skin("[Old]\nBordersMask=#name (10,20,70,44) (2,1)\nFull=#n (0,0,9,9) (0,-1,-4,7)\nHash=#\n");
  skin.Load();
  const TsMaskData& m = skin.Mask("OLD", "BORDERSMASK");  // names upper-cased
  EXPECT_EQ(m.R, Rect(10, 20, 70, 44));
  EXPECT_EQ(m.ImageCount, 2);
  EXPECT_EQ(m.MaskType, 1);
  EXPECT_EQ(m.BorderWidth, 0);
  EXPECT_EQ(m.StretchMode, 1);
  EXPECT_EQ((std::array{m.WL, m.WT, m.WR, m.WB}), (std::array<std::int16_t, 4>{10, 4, 10, 4}));
  const TsMaskData& f = skin.Mask("OLD", "FULL");
  EXPECT_EQ(f.ImageCount, 1);
  EXPECT_EQ(f.MaskType, 0);
  EXPECT_EQ(f.BorderWidth, 0);
  EXPECT_EQ(f.StretchMode, 7);
  EXPECT_EQ(skin.content.GetMaskIndex("OLD", "HASH"), -1);
}

TEST(MaskLoader, MalformedNumbersAbortTheLoadKeepingEarlierMasks) {
  for (const char* bad : {"^00x4^0019^0041^0028^0002^0002^0002^0002^1^0^1^1", "@0034@0000@0130@0018@3",
                          "~0110~0036~0113~0042~x1", "!TL.BMP!x!1!0", "#n (1,2,3) (1,1)",
                          "#n (0, 0, 9, 9) (1,1)"}) {
    PackedSkin skin(std::string("[A]\nFIRST=~0001~0001~0002~0002~00\n[B]\nBORDERSMASK=") + bad + "\n",
                    {{"tl.bmp", SkinTestFiles::BmpFile(9, 9)}});
    EXPECT_THROW(skin.Load(), ESkinLoadError) << bad;
    EXPECT_EQ(skin.content.Masks.size(), 1u) << bad;
  }
}

TEST(PatternLoader, LargeJpegsArePatternsAndSmallOnesTextureMasks) {
  PackedSkin skin("[FORM]\nPATTERN=big.jpg\nHOTPATTERN=Small.JPEG\n[PANEL]\nPATTERN=none.jpg\nCOLOR=1\n",
                  {{"BIG.JPG", SkinTestFiles::JpegFile(300, 300)}, {"small.jpeg", SkinTestFiles::JpegFile(299, 300)}});
  skin.Load();
  ASSERT_EQ(skin.content.Patterns.size(), 1u);
  EXPECT_EQ(skin.content.Patterns[0].SectionName, "FORM");
  EXPECT_EQ(skin.content.Patterns[0].PropertyName, "PATTERN");
  EXPECT_EQ(skin.content.Patterns[0].Img->width(), 300);
  const TsMaskData& small = skin.Mask("FORM", "HOTPATTERN");
  EXPECT_EQ(small.ImgType, itisaTexture);
  EXPECT_EQ(small.ImageCount, 1);
  ASSERT_TRUE(small.Bmp);
  EXPECT_EQ(small.Bmp->width(), 299);
  EXPECT_EQ(small.Bmp->height(), 300);
  EXPECT_EQ(skin.content.GetPatternIndex(skin.content.GetSkinIndex("PANEL"), "PANEL", "PATTERN"), -1);
}

TEST(GeneralDataLoader, GlobalValuesAndSectionDefaults) {
  PackedSkin skin(
      "[GLOBALINFO]\nVERSION=6.02\nAUTHOR=Me\nSHADOW1COLOR=255\nSHADOW1OFFSET=3\nBORDERCOLOR=$808080\nBISPACE=2\n"
      "[PLAIN]\nX=1\n");
  skin.Load();
  const TsSkinData& g = skin.content.SkinData;
  EXPECT_DOUBLE_EQ(g.Version, 6.02);
  EXPECT_EQ(g.Author, "Me");
  EXPECT_EQ(g.Shadow1Color, 255u);
  EXPECT_EQ(g.Shadow1Offset, 3);
  EXPECT_EQ(g.Shadow1Blur, -1);
  EXPECT_EQ(g.Shadow1Transparency, 0);
  EXPECT_EQ(g.BorderColor, 0x808080u);
  EXPECT_EQ(g.TitleButtonSpacing, 2);

  const TsGeneralData& d = skin.Section("PLAIN");
  EXPECT_EQ(d.Color, 0xFFFFFFu);
  EXPECT_EQ(d.FontColor, (TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_EQ(d.FadingIterations, 5);
  EXPECT_EQ(d.GradientData, " ");
  EXPECT_TRUE(d.GradientArray.empty());
  EXPECT_EQ(d.HotGradientData, "");
  EXPECT_FALSE(d.FadingEnabled);
  EXPECT_EQ(skin.content.Sections.size(), 2u);
}

TEST(GeneralDataLoader, GlobalValuesTheSkinLeavesOutAreZeroAndTheBlurNone) {
  PackedSkin skin("[GLOBALINFO]\nAUTHOR=Me\n[PLAIN]\nX=1\n");
  skin.Load();
  const TsSkinData& g = skin.content.SkinData;
  EXPECT_DOUBLE_EQ(g.Version, 0);
  EXPECT_EQ(g.Shadow1Color, 0u);
  EXPECT_EQ(g.Shadow1Offset, 0);
  EXPECT_EQ(g.Shadow1Blur, -1);
  EXPECT_EQ(g.BorderColor, 0u);
  EXPECT_EQ(g.TitleButtonSpacing, 0);
  EXPECT_EQ(g.TitleButtonVAlignment, 0);
}

TEST(GeneralDataLoader, NonIntegerShadowValuesAbortTheLoad) {
  for (const char* key : {"SHADOW1OFFSET=x", "SHADOW1BLUR=1.5", "SHADOW1TRANSPARENCY="}) {
    PackedSkin skin(std::string("[GLOBALINFO]\n") + key + "\n");
    EXPECT_THROW(skin.Load(), ESkinLoadError) << key;
  }
}

TEST(GeneralDataLoader, ValuesInheritThroughParentClass) {
  PackedSkin skin(
      "[BUTTON]\nCOLOR=255\nFADINGENABLED=true\nGRADIENTDATA=1;2;50;0;0\nSHOWFOCUS=yes\n"
      "[MYBUTTON]\nPARENTCLASS=BUTTON\nTRANSPARENCY=30\n"
      "[MINUS]\nPARENTCLASS=BUTTON\nCOLOR=-1\n"
      "[GRANDCHILD]\nPARENTCLASS=MYBUTTON\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\n"
      "[SYSTEM]\nCOLOR=$FF00000F\nHOTCOLOR=$FF00000F\n");
  skin.Load();
  EXPECT_EQ(skin.Section("MYBUTTON").Color, 255u);
  EXPECT_EQ(skin.Section("MYBUTTON").ParentClass, "BUTTON");
  EXPECT_TRUE(skin.Section("MYBUTTON").FadingEnabled);
  EXPECT_FALSE(skin.Section("MYBUTTON").ShowFocus);  // only "TRUE" counts
  EXPECT_EQ(skin.Section("MYBUTTON").GradientArray.size(), 1u);
  EXPECT_EQ(skin.Section("MYBUTTON").Transparency, 30);
  EXPECT_EQ(skin.Section("MINUS").Color, 255u);
  EXPECT_EQ(skin.Section("GRANDCHILD").Color, 255u);
  EXPECT_EQ(skin.Section("GRANDCHILD").ParentClass, "MYBUTTON");
  EXPECT_EQ(skin.Section("SELF").Color, 0xFFFFFFu);
  EXPECT_EQ(skin.Section("LOOPA").Color, 0xFFFFFFu);  // the loop is cut, the default used
  EXPECT_EQ(skin.Section("LOOPB").FadingIterations, 5);
  // COLOR is resolved from a system colour; HOTCOLOR is taken as written.
  EXPECT_EQ(skin.Section("SYSTEM").Color, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(skin.Section("SYSTEM").HotColor, 0xFF00000Fu);
}

TEST(GeneralDataLoader, GradientTextSegments) {
  PackedSkin skin(
      "[SCROLLSLIDERV]\nGRADIENTDATA=15987442;15329512;53;1;0;100;200;150;2;0;7;8\n"
      "HOTGRADIENTDATA=1;2;3;4\n");
  skin.Load();
  const TsGeneralData& d = skin.Section("SCROLLSLIDERV");
  ASSERT_EQ(d.GradientArray.size(), 2u);
  EXPECT_EQ(d.GradientArray[0].Color1, 15987442u);
  EXPECT_EQ(d.GradientArray[0].Color2, 15329512u);
  EXPECT_EQ(d.GradientArray[0].Percent, 53);
  EXPECT_EQ(d.GradientArray[0].Mode, 1);
  EXPECT_EQ(d.GradientArray[1].Color1, 100u);
  EXPECT_EQ(d.GradientArray[1].Percent, 100);  // 150 is stored as 100
  EXPECT_EQ(d.GradientArray[1].Mode, 2);
  EXPECT_TRUE(d.HotGradientArray.empty());  // four words make no segment
}

TEST(CommonSections, AddSectionsAndMasksFromDisk) {
  SkinTestFiles::TempDir dir;
  dir.Write("Extra.bmp", SkinTestFiles::BmpFile(12, 6));
  dir.Write("photo.jpg", SkinTestFiles::JpegFile(20, 10));
  dir.Write("photo.bin", SkinTestFiles::JpegFile(20, 10));  // a JPEG, but not named as one
  const std::string skinPath = dir.path().string() + "/";
  PackedSkin skin("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\nCOLOR=255\nFADINGITERATIONS=9\n"
                  "FONTCOLOR=1193046\nHOTFONTCOLOR=65280\n",
                  {{"Master.bmp", SkinTestFiles::BmpFile(8, 8)}},
                  {"[MYBTN]", "PARENTCLASS=button", "TRANSPARENCY=40", "TCLEFT=5", "GLYPHMASK=extra.bmp",
                   "OLD=#x (1,2,3,4) (1,0)", "[BUTTON]", "COLOR=1", "[GLOBALINFO]", "PHOTO=photo.jpg", "SCAN=photo.bin"},
                  skinPath);
  skin.Load();
  ASSERT_EQ(skin.content.Sections.size(), 3u);
  const TsGeneralData& mine = skin.Section("MYBTN");
  EXPECT_EQ(mine.ParentClass, "BUTTON");
  EXPECT_EQ(mine.Color, 255u);
  EXPECT_EQ(mine.FadingIterations, 9);
  EXPECT_EQ(mine.Transparency, 40);
  // Font colours: its own where it gives them, the parent's elsewhere.
  EXPECT_EQ(mine.FontColor, (TsFontColors{1193046, 5, -1, -1, -1}));
  EXPECT_EQ(mine.HotFontColor, (TsFontColors{65280, -1, -1, -1, -1}));
  EXPECT_EQ(skin.Section("BUTTON").Color, 255u);  // an existing section is not replaced

  EXPECT_EQ(skin.Mask("MYBTN", "OLD").R, Rect(1, 2, 3, 4));
  // With a master bitmap, a value without "#" still names a bitmap file.
  ASSERT_TRUE(skin.Mask("MYBTN", "GLYPHMASK").Bmp);
  EXPECT_EQ(skin.Mask("MYBTN", "GLYPHMASK").Bmp->width(), 12);
  // GLOBALINFO counts for patterns, without a size test; only a name ending in .jpg makes one.
  ASSERT_EQ(skin.content.Patterns.size(), 1u);
  EXPECT_EQ(skin.content.Patterns[0].SectionName, "GLOBALINFO");
}
