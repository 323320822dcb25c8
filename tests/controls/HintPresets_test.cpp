// The hint manager's predefinitions: each one sets the values of its row
// of the preset table (and leaves the ones it keeps), so the pupil sees the
// same bubble, margins and shadow every time.
#include <gtest/gtest.h>

#include "controls/hints/TsHintManager.h"
#include "framework/TApplication.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"

namespace {

struct PresetRow {
  TsHintsPredefinitions preset;
  TsHintStyle style;
  int bevelWidth, exOffset, marginH, marginV, maxWidth, radius;
  TColor color;
  int transparency;
  TColor top, bottom;
  int gradientPercent;
  const char* gradientData;
  int shadowBlur, shadowOffset, shadowTransparency;
};

constexpr int kKept = -1;

const PresetRow kRows[] = {
    {shSimply, hsSimply, 1, kKept, 4, 2, 240, kKept, clInfoBk, 0, 0, 0, 0, "", 3, 6, 40},
    {shGradient, hsSimply, 1, kKept, 6, 3, 240, kKept, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, 100,
     "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;6865090;"
     "6865090;0;2;0",
     5, 6, 50},
    {shTransparent, hsSimply, 0, kKept, 13, 5, 240, kKept, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, 0, "", 3, 10, 70},
    {shEllipse, hsEllipse, 1, 16, 6, 12, 240, kKept, 0xC2FCFC, 5, 0x008080, 0, 100,
     "7728127;16777215;99;0;0;16777215;16777215;0;0;0", 4, 16, 75},
    {shBalloon, hsBalloon, 6, 18, 6, 6, 240, kKept, 0xC2FCFC, 10, 0x408080, 0x408080, 0, "", 6, 8, 70},
    {shComicsGradient, hsComics, 1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, 100,
     "16753188;16777215;99;0;0;16777215;16777215;0;0;0", 10, 7, 28},
    {shComicsTransparent, hsComics, 1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0, 0, 0, "", 4, 7, 45},
};

}  // namespace

TEST(HintPresets, EachPresetSetsTheValuesOfItsRowAndKeepsTheRest) {
  HeadlessDriver driver;
  TApplication app(nullptr);
  app.Initialize();
  for (const PresetRow& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.preset));
    TsHintManager manager(nullptr);
    TsHintKind& k = manager.HintKind();
    k.ExOffset = 77;
    k.Radius = 55;
    k.ShadowEnabled = false;
    manager.SetPredefinitions(row.preset);
    manager.ApplyPreset();
    EXPECT_EQ(k.Style(), row.style);
    EXPECT_EQ(k.BevelWidth, row.bevelWidth);
    EXPECT_EQ(k.ExOffset, row.exOffset == kKept ? 77 : row.exOffset);
    EXPECT_EQ(k.MarginH, row.marginH);
    EXPECT_EQ(k.MarginV, row.marginV);
    EXPECT_EQ(k.MaxWidth, row.maxWidth);
    EXPECT_EQ(k.Radius, row.radius == kKept ? 55 : row.radius);
    EXPECT_EQ(k.Color, row.color);
    EXPECT_EQ(k.Transparency, row.transparency);
    EXPECT_EQ(k.ColorBorderTop, row.top);
    EXPECT_EQ(k.ColorBorderBottom, row.bottom);
    EXPECT_EQ(k.GradientPercent, row.gradientPercent);
    EXPECT_EQ(k.GradientData, row.gradientData);
    EXPECT_EQ(k.ShadowBlur, row.shadowBlur);
    EXPECT_EQ(k.ShadowOffset, row.shadowOffset);
    EXPECT_EQ(k.ShadowTransparency, row.shadowTransparency);
    EXPECT_EQ(k.Bevel, 1);
    EXPECT_TRUE(k.ShadowEnabled);
  }
}
