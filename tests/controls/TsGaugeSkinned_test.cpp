// The gauge painted from the skin: its own section under the indicator,
// the filled part of a bar from PROGRESSV / PROGRESSH or ProgressSkin, the
// text with its suffix, the updating mark, and the skin commands it answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "controls/TsGauge.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "tests/skin/SkinOnScreen.h"

namespace {

constexpr TColor kGaugeColor = 0x00E0E0E0;
constexpr TColor kVerticalColor = 0x00C08040;
constexpr TColor kHorizontalColor = 0x0040C080;
constexpr TColor kOtherColor = 0x000000C0;

struct SkinnedGauge : ::testing::Test, SkinOnScreen {
  TBareTestForm* form = nullptr;
  TsGauge* gauge = nullptr;

  SkinnedGauge() {
    AddSection("GLOBALINFO", 0x00F0F0F0);
    AddSection("GAUGE", kGaugeColor);
    AddSection("PROGRESSV", kVerticalColor);
    AddSection("PROGRESSH", kHorizontalColor);
    AddSection("OTHERFILL", kOtherColor);
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(30, 30, 300, 200);
    gauge = new TsGauge(form);
    gauge->SetParent(form);
    gauge->SetBounds(20, 20, 120, 129);
    gauge->SetKind(gkVerticalBar);
    gauge->SetShowText(false);
    gauge->SkinData().SetSkinSection("GAUGE");
    form->Show();
    driver.runUntilIdle();
  }

  // The gauge's picture as the form shows it.
  TColor At(int x, int y) {
    const Bitmap shot = driver.windowShot(form->Handle());
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const POINT p = driver.clientToScreen(form->Handle(), {gauge->Left() + x, gauge->Top() + y});
    return shot.pixel(p.X - window.Left, p.Y - window.Top);
  }
  int FilledRowsFromTheBottom(TColor fill) {
    int rows = 0;
    for (int y = gauge->Height() - 1; y >= 0 && At(60, y) == fill; --y) ++rows;
    return rows;
  }
};

}  // namespace

TEST_F(SkinnedGauge, AVerticalBarFillsFromTheBottomWithTheProgressSection) {
  gauge->SetMaxValue(3);
  gauge->SetProgress(2);  // 66 %: 129 x 0.66 = 85.14 rows
  driver.runUntilIdle();
  EXPECT_EQ(FilledRowsFromTheBottom(kVerticalColor), 85);
  EXPECT_EQ(At(60, 0), kGaugeColor);
  EXPECT_EQ(At(60, 129 - 86), kGaugeColor);
  EXPECT_EQ(gauge->SkinData().CacheBmp(), nullptr) << "the gauge keeps no picture between paints";
  EXPECT_FALSE(gauge->SkinData().BackgroundChanged());
}

TEST_F(SkinnedGauge, AnEmptyRangeShowsNoFilledPart) {
  gauge->SetMaxValue(0);  // MinValue = MaxValue = 0, as the jugs start
  driver.runUntilIdle();
  EXPECT_EQ(gauge->PercentDone(), 0);
  EXPECT_EQ(FilledRowsFromTheBottom(kVerticalColor), 0);
  EXPECT_EQ(At(60, 128), kGaugeColor);
}

TEST_F(SkinnedGauge, AHorizontalBarGrowsFromTheLeft) {
  gauge->SetKind(gkHorizontalBar);
  gauge->SetBounds(20, 20, 57, 14);
  gauge->SetProgress(50);  // 57 x 0.5 = 28 columns
  driver.runUntilIdle();
  EXPECT_EQ(At(0, 7), kHorizontalColor);
  EXPECT_EQ(At(27, 7), kHorizontalColor);
  EXPECT_EQ(At(28, 7), kGaugeColor);
}

TEST_F(SkinnedGauge, ProgressSkinNamesTheFillAndAMissingOneLeavesTheBarUnfilled) {
  gauge->SetProgress(100);
  gauge->SetProgressSkin("OTHERFILL");
  driver.runUntilIdle();
  EXPECT_EQ(At(60, 0), kOtherColor);
  gauge->SetProgressSkin("NOSUCHFILL");
  driver.runUntilIdle();
  EXPECT_EQ(At(60, 0), kGaugeColor) << "the gauge's own section is still painted";
  EXPECT_EQ(At(60, 128), kGaugeColor);
}

TEST_F(SkinnedGauge, WhileUpdatingOnlyTheCornerIsMarkedUntilTheContainerAsksAgain) {
  gauge->SetProgress(100);
  driver.runUntilIdle();
  SendSkinCommand(gauge, SKC_SET_UPDATING, 0, 1);
  gauge->SetProgress(0);
  driver.runUntilIdle();
  EXPECT_EQ(At(0, 0), clFuchsia);
  EXPECT_EQ(At(60, 0), ColorToRGB(form->Color())) << "nothing but the mark is painted while updating";
  SendSkinCommand(gauge, SKC_CHILD_REPAINT);
  driver.runUntilIdle();
  EXPECT_FALSE(gauge->SkinData().Updating());
  EXPECT_EQ(At(60, 0), kGaugeColor);
  EXPECT_EQ(At(0, 0), kGaugeColor);
}

TEST_F(SkinnedGauge, TheBordersTransparentCornersShowTheForm) {
  // A two-pixel dark border whose corner pixels are the transparent colour.
  auto picture = std::make_shared<Bitmap>(6, 6);
  picture->fill(0x00303030);
  for (const TPoint corner : {TPoint{0, 0}, TPoint{5, 0}, TPoint{0, 5}, TPoint{5, 5}})
    picture->setPixel(corner.X, corner.Y, clFuchsia);
  AddBorderPicture("GAUGE", picture, 2);
  SendSkinCommand(gauge, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(&manager));
  gauge->Invalidate();
  driver.runUntilIdle();
  const TColor formColour = ColorToRGB(form->Color());
  ASSERT_NE(formColour, kGaugeColor);
  EXPECT_EQ(At(0, 0), formColour);
  EXPECT_EQ(At(119, 0), formColour);
  EXPECT_EQ(At(0, 128), formColour);
  EXPECT_EQ(At(119, 128), formColour);
  EXPECT_EQ(At(1, 0), 0x00303030u) << "the border beside the corner";
}

TEST_F(SkinnedGauge, AnswersTheEnginesQuestionsAndFollowsTheSkinAway) {
  EXPECT_EQ(SendSkinCommand(gauge, SKC_QUERY_SKINNED), 1);
  EXPECT_EQ(SendSkinCommand(gauge, SKC_GET_APPLICATION), reinterpret_cast<LRESULT>(&app));
  EXPECT_EQ(SendSkinCommand(gauge, SKC_GET_SKIN_INDEX), 2);
  gauge->SetProgress(100);
  driver.runUntilIdle();
  EXPECT_EQ(At(60, 0), kVerticalColor);
  // Without the skin the gauge draws its plain look again.
  SendSkinCommand(gauge, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_EQ(gauge->SkinData().SkinIndex, -1);
  EXPECT_EQ(At(60, 64), gauge->ForeColor()) << "the plain bar in the fore colour";
}

TEST_F(SkinnedGauge, APieAndANeedleAreDrawnOverTheSection) {
  gauge->SetKind(gkPie);
  gauge->SetBounds(20, 20, 60, 60);
  gauge->SetProgress(25);
  driver.runUntilIdle();
  EXPECT_EQ(At(1, 1), kGaugeColor) << "outside the ellipse the section shows";
  EXPECT_EQ(At(45, 15), gauge->ForeColor()) << "a quarter filled clockwise from twelve o'clock";
  EXPECT_NE(At(15, 15), gauge->ForeColor());
  gauge->SetKind(gkNeedle);
  gauge->SetProgress(50);
  driver.runUntilIdle();
  EXPECT_EQ(At(30, 30), gauge->ForeColor()) << "the needle stands upright at half way";
  EXPECT_EQ(At(5, 5), kGaugeColor);
}

namespace {

// The columns and rows that hold anything but the background colour.
TRect InkBounds(const Bitmap& picture, const TRect& area, TColor background) {
  TRect ink = Rect(area.Right, area.Bottom, area.Left, area.Top);
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      if (picture.pixel(x, y) == background) continue;
      ink = Rect(std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1));
    }
  return ink;
}

// Where the text lands when written centred on one line in the gauge's font
// over a gauge-sized white picture.
TRect ReferenceInk(TsGauge& gauge, const std::string& text) {
  TBitmap picture;
  picture.SetSize(gauge.Width(), gauge.Height());
  TCanvas& canvas = picture.Canvas();
  canvas.Brush.SetColor(clWhite);
  canvas.FillRect(Rect(0, 0, gauge.Width(), gauge.Height()));
  canvas.Font.Assign(gauge.Font());
  canvas.Font.SetColor(clBlack);
  canvas.Brush.SetStyle(bsClear);
  TRect r = Rect(0, 0, gauge.Width(), gauge.Height());
  canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return InkBounds(picture.Pixels(), Rect(0, 0, gauge.Width(), gauge.Height()), clWhite);
}

}  // namespace

// The skinned text is the percentage followed by Suffix: "47%" with the
// default one, a bare "47" with Suffix "".
TEST_F(SkinnedGauge, TheTextIsThePercentageFollowedByTheSuffix) {
  gauge->SetKind(gkText);
  gauge->SetBounds(20, 20, 160, 40);
  gauge->Font().SetHeight(-24);
  gauge->SetShowText(true);
  ASSERT_EQ(gauge->Progress(), 47);
  ASSERT_EQ(gauge->Suffix(), "%");
  auto shownInk = [&] {
    driver.runUntilIdle();
    const Bitmap shot = driver.windowShot(form->Handle());
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const POINT p = driver.clientToScreen(form->Handle(), {gauge->Left(), gauge->Top()});
    const TRect area = Bounds(p.X - window.Left, p.Y - window.Top, gauge->Width(), gauge->Height());
    const TRect ink = InkBounds(shot, area, kGaugeColor);
    return Rect(ink.Left - area.Left, ink.Top - area.Top, ink.Right - area.Left, ink.Bottom - area.Top);
  };
  const TRect withSign = ReferenceInk(*gauge, "47%");
  const TRect bare = ReferenceInk(*gauge, "47");
  ASSERT_GT(withSign.Width(), bare.Width() + 4) << "the sign is wide enough to tell the two apart";
  EXPECT_EQ(shownInk(), withSign);
  gauge->SetSuffix("");
  EXPECT_EQ(shownInk(), bare);
}
