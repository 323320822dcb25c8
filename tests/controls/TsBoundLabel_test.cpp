// The caption an edit shows beside itself once its bound label is active:
// placed left of the field or above it, following the field when it moves,
// hides or is disabled, and gone again when made inactive.
#include <gtest/gtest.h>

#include <string>

#include "controls/TsEdit.h"
#include "controls/labels/TsEditLabel.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

class TBoundForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct BoundCaption : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TBoundForm* form = nullptr;
  TsEdit* edit = nullptr;

  BoundCaption() {
    app.Initialize();
    form = TForm::Create<TBoundForm>(&app);
    form->SetBounds(40, 40, 320, 200);
    edit = new TsEdit(form);
    edit->SetParent(form);
    edit->SetBounds(120, 60, 100, 24);
    edit->BoundLabel().Caption = "Имя:";
    edit->BoundLabel().Indent = 4;
    form->Show();
    driver.runUntilIdle();
  }
  TsEditLabel* label() { return edit->BoundLabel().Label; }
};

TEST_F(BoundCaption, ActiveCaptionSitsBesideTheFieldAndFollowsIt) {
  edit->Loaded();
  EXPECT_EQ(label(), nullptr) << "inactive: no label";

  edit->BoundLabel().Active = true;
  edit->Loaded();
  ASSERT_NE(label(), nullptr);
  EXPECT_EQ(label()->Parent(), form);
  EXPECT_EQ(label()->Caption(), "Имя:");
  EXPECT_GT(label()->Width(), 10);
  EXPECT_EQ(label()->Left() + label()->Width(), 120 - 4) << "left of the field, Indent apart";
  EXPECT_EQ(label()->Top(), 60 + (24 - label()->Height()) / 2) << "vertically centred";

  edit->SetBounds(150, 100, 100, 24);
  driver.runUntilIdle();
  EXPECT_EQ(label()->Left() + label()->Width(), 150 - 4);
  EXPECT_EQ(label()->Top(), 100 + (24 - label()->Height()) / 2);

  edit->SetVisible(false);
  driver.runUntilIdle();
  EXPECT_FALSE(label()->Visible());
  edit->SetVisible(true);
  edit->SetEnabled(false);
  driver.runUntilIdle();
  EXPECT_TRUE(label()->Visible());
  EXPECT_FALSE(label()->Enabled());

  // Above the field, centred over it.
  edit->BoundLabel().Layout = sclTopCenter;
  edit->Loaded();
  EXPECT_EQ(label()->Top() + label()->Height(), 100 - 4);
  EXPECT_EQ(label()->Left(), 150 + (100 - label()->Width()) / 2);

  edit->BoundLabel().Active = false;
  edit->Loaded();
  EXPECT_EQ(label(), nullptr);
}

TEST_F(BoundCaption, TheWindowGoesWithItsFieldAndActiveCaption) {
  edit->BoundLabel().Active = true;
  edit->Loaded();
  ASSERT_NE(label(), nullptr);
  // The form frees its children, the caption among them, before the field's
  // settings go; nothing is freed twice.
  form->Free();
  driver.runUntilIdle();
  SUCCEED();
}

}  // namespace
