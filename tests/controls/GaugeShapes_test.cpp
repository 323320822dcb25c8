// The skinned gauge's indicators pixel for pixel against the same shapes
// drawn straight with the drawing layer: the pie's one-pixel outline and
// its wedge, the needle's half ellipse and its needle, and the bars' filled
// part reaching the gauge's first and last column and row.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "controls/TsGauge.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Shapes.h"
#include "platform/windowing/WinUser.h"
#include "tests/skin/SkinOnScreen.h"

namespace {

constexpr TColor kGaugeColor = RGB(224, 224, 224);
constexpr TColor kFill = RGB(64, 128, 192);
constexpr TColor kFore = RGB(200, 0, 0);
constexpr TColor kBack = RGB(255, 255, 160);

struct GaugeShapes : ::testing::Test, SkinOnScreen {
  TBareTestForm* form = nullptr;
  TsGauge* gauge = nullptr;

  GaugeShapes() {
    AddSection("GLOBALINFO", RGB(240, 240, 240));
    AddSection("GAUGE", kGaugeColor);
    AddSection("PROGRESSV", kFill);
    AddSection("PROGRESSH", kFill);
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(30, 30, 300, 200);
    gauge = new TsGauge(form);
    gauge->SetParent(form);
    gauge->SetShowText(false);
    gauge->SetForeColor(kFore);
    gauge->SetBackColor(kBack);
    gauge->SkinData().SetSkinSection("GAUGE");
    form->Show();
    driver.runUntilIdle();
  }

  // The gauge's picture as the form shows it.
  Bitmap Picture() {
    driver.runUntilIdle();
    const Bitmap shot = driver.screenshot();
    const POINT origin = driver.clientToScreen(form->Handle(), {gauge->Left(), gauge->Top()});
    Bitmap picture(gauge->Width(), gauge->Height(), PixelFormat::Bgr24);
    for (int y = 0; y < gauge->Height(); ++y)
      for (int x = 0; x < gauge->Width(); ++x) picture.setPixel(x, y, shot.pixel(origin.X + x, origin.Y + y));
    return picture;
  }
  Bitmap Section() const {
    Bitmap bmp(gauge->Width(), gauge->Height(), PixelFormat::Bgr24);
    bmp.fill(kGaugeColor);
    return bmp;
  }
  static int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
  // Pixels that differ, with the first one named.
  static int Differing(const Bitmap& shown, const Bitmap& expected, std::string* first) {
    int n = 0;
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < expected.width(); ++x)
        if (shown.pixel(x, y) != expected.pixel(x, y)) {
          if (n++ == 0) *first = std::to_string(x) + "," + std::to_string(y);
        }
    return n;
  }
};

}  // namespace

TEST_F(GaugeShapes, APieIsAOnePixelOutlineWithTheWedgeClockwiseFromTwelve) {
  gauge->SetKind(gkPie);
  for (const auto& [w, h, progress] : {std::tuple{61, 41, 30}, std::tuple{40, 40, 80}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    gauge->SetBounds(20, 20, w, h);
    gauge->SetProgress(progress);
    Bitmap expected = Section();
    {
      DeviceContext dc(expected);
      SelectObject(&dc, CreatePen(PS_SOLID, 1, kFore));
      SelectObject(&dc, CreateSolidBrush(kBack));
      Ellipse(&dc, 0, 0, w, h);
      SelectObject(&dc, CreateSolidBrush(kFore));
      const double a = (progress / 50.0 + 0.5) * std::numbers::pi;
      Pie(&dc, 0, 0, w, h, Round(w / 2 * (1 - std::cos(a))), Round(h / 2 * (1 - std::sin(a))), w / 2, 0);
    }
    std::string first;
    EXPECT_EQ(Differing(Picture(), expected, &first), 0) << "first at " << first;
    if (progress < 50) {
      const Bitmap shown = Picture();
      EXPECT_EQ(shown.pixel(0, h / 2), kFore) << "the outline touches the left edge";
      EXPECT_EQ(shown.pixel(1, h / 2), kBack) << "one pixel thick";
    }
  }
}

TEST_F(GaugeShapes, ANeedleIsTheUpperHalfEllipseWithTheNeedleFromTheBaseCentre) {
  gauge->SetKind(gkNeedle);
  for (const auto& [w, h, progress] : {std::tuple{61, 31, 30}, std::tuple{50, 40, 75}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    gauge->SetBounds(20, 20, w, h);
    gauge->SetProgress(progress);
    Bitmap expected = Section();
    {
      DeviceContext dc(expected);
      SelectObject(&dc, CreatePen(PS_SOLID, 1, kFore));
      SelectObject(&dc, GetStockBrush(NULL_BRUSH));
      Pie(&dc, 0, 0, w, 2 * h - 1, w, h - 1, 0, h - 1);
      const double a = progress / 100.0 * std::numbers::pi;
      MoveToEx(&dc, w / 2, h - 1);
      LineTo(&dc, Round(w / 2 * (1 - std::cos(a))), Round((h - 1) * (1 - std::sin(a))));
    }
    std::string first;
    EXPECT_EQ(Differing(Picture(), expected, &first), 0) << "first at " << first;
    const Bitmap shown = Picture();
    EXPECT_EQ(shown.pixel(w / 2, 0), kFore) << "the arc's top";
    EXPECT_EQ(shown.pixel(w / 2, 1), kGaugeColor) << "one pixel thick, hollow";
  }
}

TEST_F(GaugeShapes, TheFilledPartOfABarReachesTheGaugesEdges) {
  gauge->SetKind(gkVerticalBar);
  gauge->SetBounds(20, 20, 30, 50);
  gauge->SetProgress(50);  // 25 rows
  Bitmap shown = Picture();
  for (int x : {0, 29}) {
    EXPECT_EQ(shown.pixel(x, 49), kFill) << x;
    EXPECT_EQ(shown.pixel(x, 25), kFill) << x;
    EXPECT_EQ(shown.pixel(x, 24), kGaugeColor) << x;
  }
  gauge->SetKind(gkHorizontalBar);
  gauge->SetBounds(20, 20, 50, 14);
  shown = Picture();
  for (int y : {0, 13}) {
    EXPECT_EQ(shown.pixel(0, y), kFill) << y;
    EXPECT_EQ(shown.pixel(24, y), kFill) << y;
    EXPECT_EQ(shown.pixel(25, y), kGaugeColor) << y;
  }
}

TEST(GaugeDefaults, ANewGaugeIsOneHundredTwentyByThirtyAtTheOrigin) {
  TsGauge gauge(nullptr);
  EXPECT_EQ(gauge.Left(), 0);
  EXPECT_EQ(gauge.Top(), 0);
  EXPECT_EQ(gauge.Width(), 120);
  EXPECT_EQ(gauge.Height(), 30);
  EXPECT_EQ(gauge.Progress(), 47);
}
