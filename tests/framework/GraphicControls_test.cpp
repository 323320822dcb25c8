#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/controls/TBevel.h"
#include "framework/controls/TImage.h"
#include "framework/controls/TShape.h"
#include "framework/graphics/TBitmap.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

// A plain form with windowless controls placed in code, shown on the headless screen.
class GraphicControls : public ::testing::Test {
 protected:
  GraphicControls() {
    app_.Initialize();
    form_ = TForm::Create<TForm>(&app_);
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(0, 0, 120, 80);
    form_->SetColor(clWhite);
  }

  template <class T>
  T* Add(int left, int top, int width, int height) {
    T* control = new T(form_);
    control->SetParent(form_);
    control->SetBounds(left, top, width, height);
    return control;
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

TEST_F(GraphicControls, AnEllipseShapeFillsInsideItsOutlineOnly) {
  TShape* ball = Add<TShape>(10, 10, 28, 28);
  ball->SetShape(stEllipse);
  ball->Brush().SetColor(clYellow);
  Bitmap shot = Shot();
  EXPECT_EQ(shot.pixel(24, 24), clYellow);  // centre
  EXPECT_EQ(shot.pixel(10, 10), clWhite);   // corner of the box, outside the ellipse
  EXPECT_EQ(shot.pixel(24, 10), clBlack);   // the pen on top
  ball->Brush().SetColor(clLime);
  driver_.runUntilIdle();
  EXPECT_EQ(driver_.windowShot(form_->Handle()).pixel(24, 24), clLime);
}

TEST_F(GraphicControls, ATransparentImageLeavesOutItsKeyColour) {
  TBitmap picture(4, 2);
  picture.Pixels().fill(clBlue);
  picture.Pixels().setPixel(0, 1, clFuchsia);  // bottom-left: the transparent colour
  picture.Pixels().setPixel(3, 0, clFuchsia);
  TImage* image = Add<TImage>(20, 20, 40, 20);
  image->Picture().SetGraphic(&picture);
  image->SetTransparent(true);
  Bitmap shot = Shot();
  EXPECT_EQ(shot.pixel(21, 20), clBlue);
  EXPECT_EQ(shot.pixel(23, 20), clWhite);  // a key-colour pixel shows the form
  EXPECT_EQ(shot.pixel(30, 30), clWhite);  // beyond the picture's own size

  image->SetStretch(true);  // 4 x 2 stretched to 40 x 20
  driver_.runUntilIdle();
  shot = driver_.windowShot(form_->Handle());
  EXPECT_EQ(shot.pixel(25, 25), clBlue);
  EXPECT_EQ(shot.pixel(55, 25), clWhite);  // the stretched key-colour pixel
}

TEST_F(GraphicControls, ABevelLineIsShadowOverLight) {
  TBevel* bevel = Add<TBevel>(5, 50, 100, 2);
  bevel->SetShape(bsTopLine);
  Bitmap shot = Shot();
  EXPECT_EQ(shot.pixel(50, 50), ColorToRGB(clBtnShadow));
  EXPECT_EQ(shot.pixel(50, 51), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(shot.pixel(50, 52), clWhite);
}

}  // namespace
