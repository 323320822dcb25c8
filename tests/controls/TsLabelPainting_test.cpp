// The labels painted on small frameless forms of the headless screen.
#include <gtest/gtest.h>

#include "controls/TsBoundLabel.h"
#include "controls/TsEditLabel.h"
#include "controls/TsLabel.h"
#include "controls/TsLabelFX.h"
#include "framework/TApplication.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

class TsLabelPainting : public ::testing::Test {
 protected:
  TsLabelPainting() {
    app_.Initialize();
    form_ = TForm::Create<TForm>(&app_);
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(0, 0, 240, 120);
    form_->SetColor(clBtnFace);  // as the program's windows are
  }

  template <typename Label>
  Label* Add(int left, int top, const std::string& caption) {
    auto* label = new Label(form_);
    label->SetParent(form_);
    label->SetLeft(left);
    label->SetTop(top);
    label->Font().SetHeight(-19);
    label->SetCaption(caption);
    return label;
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

TEST_F(TsLabelPainting, ATransparentLabelRepaintedManyTimesLooksAsAtFirst) {
  auto* heading = Add<TsLabelFX>(10, 10, "Задание 1:");
  heading->Shadow().SetMode(smCustom);
  heading->Shadow().SetColor(clMaroon);
  auto* text = Add<TsLabel>(10, 60, "Даны две банки.");
  const Bitmap first = Shot();
  for (int i = 0; i < 12; ++i) {
    heading->Invalidate();
    text->Invalidate();
    driver_.runUntilIdle();
  }
  EXPECT_EQ(driver_.windowShot(form_->Handle()), first);
  // A repaint of one label alone leaves the same picture too.
  text->Repaint();
  driver_.runUntilIdle();
  EXPECT_EQ(driver_.windowShot(form_->Handle()), first);
}

TEST_F(TsLabelPainting, RepaintsOfASiblingLeaveTheLabelsAsTheyWere) {
  // As a replay tick does: the contents label changes, the heading does not.
  auto* heading = Add<TsLabelFX>(40, 30, "БАНКА 1");
  heading->Shadow().SetMode(smCustom);
  heading->Shadow().SetColor(clGreen);
  // The two contents labels lie on both sides of the heading.
  auto* contents1 = Add<TsLabel>(2, 80, "0");
  auto* contents2 = Add<TsLabel>(200, 2, "0");
  const Bitmap first = Shot();
  for (int i = 0; i < 12; ++i) {
    contents1->SetCaption(i % 2 ? "0" : "3");
    contents2->SetCaption(i % 2 ? "0" : "2");
    driver_.runUntilIdle();
  }
  EXPECT_EQ(driver_.windowShot(form_->Handle()), first);
}

TEST(TsEditLabel, ItsSettingsForgetItWhenItGoes) {
  TsBoundLabel settings;
  auto* label = new TsEditLabel(nullptr, &settings);
  settings.Label = label;
  EXPECT_EQ(label->BoundLabel(), &settings);
  delete label;
  EXPECT_EQ(settings.Label, nullptr);
}

}  // namespace
