#pragma once
// The records of a loaded skin: image entries (masks), large pattern
// pictures, skin sections and the skin's global values. The skin loaders
// fill them; the painting engine and the skinned controls only read them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

class TsSkinManager;

// What an image entry is used as.
enum TacImgType : std::uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2 };

// One image entry: a rectangle of the master bitmap, or a bitmap of its own.
struct TsMaskData {
  std::shared_ptr<Bitmap> Bmp;  // own bitmap, or null when the mask lives in the master bitmap
  std::string SectionName;
  std::string PropertyName;
  TRect R;                      // area of the master bitmap (or of Bmp) holding the mask
  std::int16_t ImageCount = 0;  // state frames side by side across R
  std::int16_t MaskType = 0;    // R is split into MaskType + 1 rows of equal height
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  TsSkinManager* Manager = nullptr;
  std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
};

// One large picture named by a PATTERN or HOTPATTERN key.
struct TsPatternData {
  std::shared_ptr<Bitmap> Img;
  std::string SectionName;
  std::string PropertyName;
};

// One gradient segment; Mode of the first segment decides the kind of gradient
// (0 vertical, 1 horizontal, 2 triangles).
struct TsGradPoint {
  TColor Color1 = 0;
  TColor Color2 = 0;
  std::uint8_t Percent = 0;  // at most 100
  std::int32_t Mode = 0;
};
using TsGradArray = std::vector<TsGradPoint>;

// Index 0 is the text colour; 1..4 the contour colours left, top, right,
// bottom, -1 for no contour on that side.
using TsFontColors = std::array<std::int32_t, 5>;

// The values of one skin section that a stored skin's collection item
// (skin/load/TsSkinGeneral.h) carries as they are, declared once for both.
struct TsSectionValues {
  std::string ParentClass;
  std::string SectionName;
  TColor Color = 0xFFFFFF;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData = " ";
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  std::int32_t HotImagePercent = 0;
};

// One skin section; its position in the section list is its skin index.
// Beside the values above: the text colours as numbers and the gradients
// parsed from their texts.
struct TsGeneralData : TsSectionValues {
  TsFontColors FontColor{0, -1, -1, -1, -1};
  TsFontColors HotFontColor{0, -1, -1, -1, -1};
  TsGradArray GradientArray;
  TsGradArray HotGradientArray;
};

// The global values of the skin's [GLOBALINFO] section.
struct TsSkinData {
  std::string SkinPath;
  bool Active = false;
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  TColor BorderColor = 0;
  std::int32_t TitleButtonSpacing = 0;    // BISPACE
  std::int32_t TitleButtonVAlignment = 0;  // BIVALIGN
};

// Indexes of the sections and masks that scroll bars, tabs, check boxes and
// the combo-box button use while painting, looked up once per loaded skin so
// that painting needs no search. Every entry is -1 when the skin lacks it.
struct TsSectionMasks {
  std::int16_t SkinIndex = -1;
  std::int16_t BorderMask = -1;
  std::int16_t GlyphMask = -1;   // scroll buttons and sliders only
  std::int16_t Pattern = -1;     // scroll parts only (texture)
  std::int16_t HotPattern = -1;  // scroll parts only (texture in the hot state)
};

struct TsConstIndexes {
  std::int16_t GlobalInfo = -1;
  // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT: section and BORDERSMASK.
  TsSectionMasks TabTop, TabBottom, TabLeft, TabRight;
  // SCROLLBTNTOP, SCROLLBTNBOTTOM, SCROLLBTNLEFT, SCROLLBTNRIGHT.
  TsSectionMasks ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight;
  // SCROLLSLIDERV, SCROLLSLIDERH.
  TsSectionMasks ScrollSliderV, ScrollSliderH;
  // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V (no glyph).
  TsSectionMasks ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V;
  // Check marks of [GLOBALINFO].
  std::int16_t BoxChecked = -1, BoxUnchecked = -1, BoxGrayed = -1;
  std::int16_t RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
  std::int16_t SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;
  // The combo-box button: COMBOBTN section, its BORDERSMASK (exact), PATTERN
  // and HOTPATTERN (textures), and COMBOBOX's GLYPHMASK (exact).
  std::int32_t ComboBtnIndex = -1;
  std::int32_t ComboBtnBorder = -1;
  std::int32_t ComboBtnPattern = -1;
  std::int32_t ComboBtnHotPattern = -1;
  std::int32_t ComboGlyph = -1;
};

using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;
using TsGeneralDataArray = std::vector<TsGeneralData>;
