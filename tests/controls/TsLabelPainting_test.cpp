// The labels painted on small frameless forms of the headless screen.
#include <gtest/gtest.h>

#include "controls/labels/TsBoundLabel.h"
#include "controls/labels/TsEditLabel.h"
#include "controls/labels/TsLabel.h"
#include "controls/labels/TsLabelFX.h"
#include "framework/TApplication.h"
#include "platform/graphics/TextDrawing.h"
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

  // Where pixels of exactly `color` lie inside a control's bounds, in the
  // control's own coordinates.
  static TRect Where(const Bitmap& shot, const TControl* c, TColor color) {
    TRect box{c->Width(), c->Height(), 0, 0};
    for (int y = 0; y < c->Height(); ++y)
      for (int x = 0; x < c->Width(); ++x)
        if (shot.pixel(c->Left() + x, c->Top() + y) == color)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
  }

  TsLabelFX* Heading(int left, int top, TColor shadow) {
    auto* heading = Add<TsLabelFX>(left, top, "Задание 1:");
    heading->Kind().SetKindType(ktCustom);
    heading->Kind().SetColor(kText);
    heading->Shadow().SetMode(smCustom);
    heading->Shadow().SetColor(shadow);
    heading->AdjustBounds();  // shadow settings only repaint
    return heading;
  }

  static constexpr TColor kText = RGB(200, 0, 0);

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

TEST_F(TsLabelPainting, AShadowedLabelGrowsByEightAndWritesThreePixelsIn) {
  TsLabelFX* shadowed = Heading(10, 10, clBlue);  // four passes, one pixel away
  TsLabelFX* plain = Heading(10, 60, clBlue);
  plain->Shadow().SetMode(smNone);
  plain->Font().SetColor(kText);
  plain->AdjustBounds();
  EXPECT_EQ(shadowed->Width(), plain->Width() + 8);
  EXPECT_EQ(shadowed->Height(), plain->Height() + 8);
  EXPECT_EQ(shadowed->Margins(), (TacShadowMargins{-3, 5}));

  const Bitmap shot = Shot();
  const TRect shadowedText = Where(shot, shadowed, kText);
  const TRect plainText = Where(shot, plain, kText);
  ASSERT_FALSE(plainText.IsEmpty());
  EXPECT_EQ(shadowedText, plainText.Offset(3, 3));
  // The shadow picture covers the label; blue shows around the text.
  EXPECT_EQ(shadowed->ShadowPainter().Picture().width(), shadowed->Width());
  EXPECT_EQ(shadowed->ShadowPainter().Picture().height(), shadowed->Height());
  int bluish = 0;
  for (int y = 0; y < shadowed->Height(); ++y)
    for (int x = 0; x < shadowed->Width(); ++x) {
      const TColor c = shot.pixel(10 + x, 10 + y);
      bluish += GetBValue(c) > GetRValue(c) + 40;
    }
  EXPECT_GT(bluish, 50);
  // Away from the text only the blend's one step darker than the form shows.
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(shot.pixel(10 + shadowed->Width() - 1, 10),
            RGB(GetRValue(face) * 255 >> 8, GetGValue(face) * 255 >> 8, GetBValue(face) * 255 >> 8));
  EXPECT_EQ(shot.pixel(10 + plain->Width() - 1, 60), face);
}

TEST_F(TsLabelPainting, SwitchingAutoSizeOrWordWrapOnLaterKeepsTheShadowsRoom) {
  TsLabelFX* fromStart = Heading(10, 10, clBlue);
  const TSize wanted{fromStart->Width(), fromStart->Height()};

  TsLabelFX* late = Heading(10, 60, clBlue);
  late->SetAutoSize(false);
  late->SetBounds(10, 60, 20, 20);
  late->SetAutoSize(true);
  EXPECT_EQ(late->Width(), wanted.cx);
  EXPECT_EQ(late->Height(), wanted.cy);

  // Wrapped at a width the text fits in, the height still has the shadow's room.
  late->SetAutoSize(false);
  late->SetBounds(10, 60, wanted.cx + 20, 5);
  late->SetWordWrap(true);
  late->SetAutoSize(true);
  EXPECT_EQ(late->Width(), wanted.cx + 20);
  EXPECT_EQ(late->Height(), wanted.cy);
}

TEST_F(TsLabelPainting, NoBlurOrNoShadowColourMeansPlainTextAndNoShadowPicture) {
  TsLabelFX* noBlur = Heading(10, 10, clBlue);
  noBlur->Shadow().SetBlurCount(0);
  noBlur->Shadow().SetDistance(5);
  TsLabelFX* noColour = Heading(10, 50, clNone);
  noColour->Shadow().SetDistance(5);
  TsLabelFX* plain = Heading(130, 10, clBlue);
  plain->Shadow().SetMode(smNone);
  plain->Font().SetColor(kText);
  noBlur->AdjustBounds();
  noColour->AdjustBounds();
  plain->AdjustBounds();
  const Bitmap shot = Shot();
  for (TsLabelFX* label : {noBlur, noColour}) {
    EXPECT_TRUE(label->ShadowPainter().Picture().empty());
    EXPECT_EQ(label->Width(), plain->Width());
    EXPECT_EQ(Where(shot, label, kText), Where(shot, plain, kText));  // written at its place, not moved
  }
}

TEST_F(TsLabelPainting, ADisabledHeadingIsEngravedWithoutBlur) {
  TsLabelFX* heading = Heading(10, 10, clBlue);
  heading->SetEnabled(false);
  const Bitmap shot = Shot();
  EXPECT_TRUE(heading->ShadowPainter().Picture().empty());
  const TRect shade = Where(shot, heading, ColorToRGB(clBtnShadow));
  const TRect lit = Where(shot, heading, ColorToRGB(clBtnHighlight));
  ASSERT_FALSE(shade.IsEmpty());
  ASSERT_FALSE(lit.IsEmpty());
  EXPECT_EQ(lit.Right, shade.Right + 1);  // the highlight lies one pixel right and down
  EXPECT_EQ(lit.Bottom, shade.Bottom + 1);
  EXPECT_TRUE(Where(shot, heading, kText).IsEmpty());
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
