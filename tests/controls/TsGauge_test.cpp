// The gauge's range rules and its plain painting.
#include <gtest/gtest.h>

#include "controls/ControlsClasses.h"
#include "controls/EInvalidOperation.h"
#include "controls/TsGauge.h"
#include "framework/TApplication.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassRegistry.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

// ---- range ---------------------------------------------------------------------

TEST(TsGaugeRange, PercentAndFillFollowTheRange) {
  TsGauge gauge(nullptr);
  EXPECT_EQ(gauge.Progress(), 47);  // a new gauge is not empty
  EXPECT_EQ(gauge.PercentDone(), 47);
  gauge.SetMaxValue(3);
  gauge.SetProgress(2);
  EXPECT_EQ(gauge.PercentDone(), 66);
  EXPECT_EQ(gauge.FillLength(129), 85);  // 129 x 0.66 = 85.14
  gauge.SetMaxValue(0);  // the jugs before the first replay
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_EQ(gauge.PercentDone(), 0);
  EXPECT_EQ(gauge.FillLength(129), 0);
}

TEST(TsGaugeRange, ProgressIsClampedAndOnlyRealChangesAreAnnounced) {
  TsGauge gauge(nullptr);
  int changes = 0;
  gauge.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &gauge);
    ++changes;
  };
  gauge.SetProgress(250);
  EXPECT_EQ(gauge.Progress(), 100);
  EXPECT_EQ(changes, 1);
  gauge.SetProgress(100);
  gauge.SetProgress(500);  // clamps to the value it already has
  EXPECT_EQ(changes, 1);
  gauge.SetProgress(-3);
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_EQ(changes, 2);

  // Narrowing the range moves the progress without an announcement.
  gauge.SetProgress(80);
  changes = 0;
  gauge.SetMaxValue(50);
  EXPECT_EQ(gauge.Progress(), 50);
  gauge.SetMinValue(50);
  EXPECT_EQ(changes, 0);
}

TEST(TsGaugeRange, LimitsThatCrossAreRefusedAtRunTime) {
  TsGauge gauge(nullptr);
  try {
    gauge.SetMinValue(150);
    FAIL() << "a minimum above the maximum was accepted";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Value must be between -2147483647 and 99");
  }
  EXPECT_EQ(gauge.MinValue(), 0);
  EXPECT_EQ(gauge.Progress(), 47);

  try {
    gauge.SetMaxValue(-5);
    FAIL() << "a maximum below the minimum was accepted";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Value must be between 1 and 2147483647");
  }
  EXPECT_EQ(gauge.MaxValue(), 100);

  // Equal limits are a valid (empty) range.
  EXPECT_NO_THROW(gauge.SetMinValue(100));
  EXPECT_EQ(gauge.Progress(), 100);

  // The message cannot overflow at the ends of the range.
  TsGauge low(nullptr);
  low.SetMinValue(INT32_MIN);
  low.SetMaxValue(INT32_MIN);
  try {
    low.SetMinValue(0);
    FAIL();
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Value must be between -2147483647 and -2147483649");
  }
}

class TGaugeHolder : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  using TComponent::TComponent;
};

const TClassInfo& TGaugeHolder::StaticClassInfo() {
  static const TClassInfo info("TGaugeHolder", &TComponent::StaticClassInfo());
  return info;
}

TEST(TsGaugeRange, LimitsMayCrossWhileTheLayoutIsRead) {
  TClassRegistry registry;
  RegisterControlsClasses(registry);
  LayoutReader reader(registry, nullptr);
  TGaugeHolder holder(nullptr);
  // The same order of assignments that fails at run time.
  reader.Read(holder, "gauge.lfm", R"(object Holder: TGaugeHolder
  object Gauge: TsGauge
    MinValue = 150
    MaxValue = 200
    Progress = 10
  end
end
)");
  auto* gauge = holder.FindComponent<TsGauge>("Gauge");
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(gauge->MinValue(), 150);
  EXPECT_EQ(gauge->MaxValue(), 200);
  EXPECT_EQ(gauge->Progress(), 150);
  EXPECT_FALSE(gauge->IsLoading());
  EXPECT_THROW(gauge->SetMaxValue(100), EInvalidOperation);
}

// ---- plain painting --------------------------------------------------------------

// Gauges on a frameless white form on the headless screen.
class TsGaugePainting : public ::testing::Test {
 protected:
  TsGaugePainting() {
    app_.Initialize();
    form_ = TForm::Create<TForm>(&app_);
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(0, 0, 300, 200);
    form_->SetColor(clWhite);
  }

  TsGauge* Add(int left, int top, int width, int height) {
    auto* gauge = new TsGauge(form_);
    gauge->SetParent(form_);
    gauge->SetBounds(left, top, width, height);
    gauge->SetShowText(false);
    gauge->SetForeColor(clRed);
    gauge->SetBackColor(clYellow);
    return gauge;
  }

  Bitmap Shot() {
    form_->Show();
    driver_.runUntilIdle();
    return driver_.windowShot(form_->Handle());
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TForm* form_ = nullptr;
};

TEST_F(TsGaugePainting, AVerticalBarFillsUpwardFromTheBottom) {
  // A jug: 120 x 129 with the border; inside 118 x 127. The plain bar works
  // on extents one larger (128 high), so 66 % fill 84 rows.
  TsGauge* jug = Add(10, 10, 120, 129);
  jug->SetKind(gkVerticalBar);
  jug->SetMaxValue(3);
  jug->SetProgress(2);
  Bitmap shot = Shot();
  const int x = 10 + 60;
  EXPECT_EQ(shot.pixel(x, 10), clBlack);         // border
  EXPECT_EQ(shot.pixel(x, 10 + 1), clYellow);     // empty top
  EXPECT_EQ(shot.pixel(x, 10 + 43), clYellow);
  EXPECT_EQ(shot.pixel(x, 10 + 44), clRed);       // the first of 84 filled rows
  EXPECT_EQ(shot.pixel(x, 10 + 127), clRed);      // down to the bottom
  EXPECT_EQ(shot.pixel(x, 10 + 128), clBlack);    // border
  EXPECT_EQ(shot.pixel(10 + 1, 10 + 100), clRed);  // full width
  EXPECT_EQ(shot.pixel(10 + 118, 10 + 100), clRed);
  EXPECT_EQ(shot.pixel(10, 10 + 100), clBlack);

  // Emptying it repaints it empty.
  jug->SetProgress(0);
  driver_.runUntilIdle();
  shot = driver_.windowShot(form_->Handle());
  EXPECT_EQ(shot.pixel(x, 10 + 127), clYellow);
}

TEST_F(TsGaugePainting, AHorizontalBarFillsFromTheLeftInProportion) {
  TsGauge* lid = Add(20, 150, 57, 14);  // inside 55 x 12; extents 56 x 13
  lid->SetProgress(50);                  // 28 columns
  Bitmap shot = Shot();
  EXPECT_EQ(shot.pixel(20 + 1, 157), clRed);
  EXPECT_EQ(shot.pixel(20 + 27, 157), clRed);
  EXPECT_EQ(shot.pixel(20 + 28, 157), clYellow);
  EXPECT_EQ(shot.pixel(20 + 55, 157), clYellow);
  EXPECT_EQ(shot.pixel(20 + 56, 157), clBlack);  // border
  EXPECT_EQ(shot.pixel(30, 150), clBlack);
  EXPECT_EQ(shot.pixel(30, 163), clBlack);
}

TEST_F(TsGaugePainting, TheTextIsInvertedOverBothParts) {
  TsGauge* gauge = Add(10, 10, 200, 40);
  gauge->SetForeColor(clBlack);
  gauge->SetBackColor(clWhite);
  gauge->SetShowText(true);
  gauge->SetProgress(50);
  gauge->Font().SetHeight(-30);
  Bitmap shot = Shot();
  // Extents 199 x 39 inside the border: 99 columns filled (screen 11..108).
  // Left part black with white letters, right part white with black ones.
  int whiteOnLeft = 0;
  int blackOnRight = 0;
  for (int y = 12; y < 48; ++y)
    for (int x = 11; x < 209; ++x) {
      TColor c = shot.pixel(x, y);
      if (x < 109 && c == clWhite) ++whiteOnLeft;
      if (x >= 109 && c == clBlack) ++blackOnRight;
    }
  EXPECT_GT(whiteOnLeft, 0);
  EXPECT_GT(blackOnRight, 0);
  // Away from the centred text the bar itself shows.
  EXPECT_EQ(shot.pixel(15, 30), clBlack);
  EXPECT_EQ(shot.pixel(205, 30), clWhite);

  gauge->SetShowText(false);
  driver_.runUntilIdle();
  shot = driver_.windowShot(form_->Handle());
  for (int x = 11; x < 109; ++x) EXPECT_EQ(shot.pixel(x, 30), clBlack) << x;
}

TEST_F(TsGaugePainting, APieFillsClockwiseFromTwelveOClock) {
  TsGauge* pie = Add(10, 10, 101, 101);
  pie->SetKind(gkPie);
  pie->SetProgress(25);  // the upper-right quarter
  Bitmap shot = Shot();
  EXPECT_EQ(shot.pixel(10 + 75, 10 + 25), clRed);     // upper right
  EXPECT_EQ(shot.pixel(10 + 25, 10 + 25), clYellow);  // upper left
  EXPECT_EQ(shot.pixel(10 + 25, 10 + 75), clYellow);  // lower left
  EXPECT_EQ(shot.pixel(10 + 75, 10 + 75), clYellow);  // lower right
}

// The plain text always ends in "%": Suffix belongs to the skinned text.
TEST_F(TsGaugePainting, ThePlainTextKeepsItsPercentSignWhateverTheSuffix) {
  TsGauge* withSign = Add(10, 10, 120, 30);
  TsGauge* bare = Add(10, 60, 120, 30);
  TsGauge* silent = Add(10, 110, 120, 30);
  for (TsGauge* gauge : {withSign, bare, silent}) {
    gauge->SetKind(gkText);
    gauge->SetShowText(true);
    gauge->Font().SetHeight(-20);
  }
  bare->SetSuffix("");
  silent->SetShowText(false);
  const Bitmap shot = Shot();
  int differ = 0, written = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) {
      differ += shot.pixel(10 + x, 10 + y) != shot.pixel(10 + x, 60 + y);
      written += shot.pixel(10 + x, 10 + y) != shot.pixel(10 + x, 110 + y);
    }
  EXPECT_GT(written, 0) << "the text is there";
  EXPECT_EQ(differ, 0) << "47% with Suffix \"\" as with the default one";
}

}  // namespace
