// The label family on the first program window: the link label opens its
// address when pressed and wears its hover font under the mouse; the
// heading labels write in the colour their Kind chooses.
#include <gtest/gtest.h>

#include "controls/TsLabelFX.h"
#include "controls/TsWebLabel.h"
#include "framework/TApplication.h"
#include "platform/headless/HeadlessDriver.h"
#include "tests/controls/ProgramWindows.h"

namespace {

class TsLabels : public ::testing::Test {
 protected:
  TsLabels() {
    app_.Initialize();
    TProgramWindow::RegisterClasses();
    form_ = TForm::Create<TForm1>(&app_);  // marked visible: shown at once
    driver_.runUntilIdle();
    link_ = form_->FindComponent<TsWebLabel>("sWebLabel1");
  }

  POINT OnLink() const {
    TPoint p = link_->ClientToScreen({link_->Width() / 2, link_->Height() / 2});
    return {p.X, p.Y};
  }
  POINT AwayFromLink() const {
    TPoint p = form_->ClientToScreen({300, 420});
    return {p.X, p.Y};
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TForm1* form_ = nullptr;
  TsWebLabel* link_ = nullptr;
};

TEST_F(TsLabels, TheLinkOpensItsAddressWhenClicked) {
  ASSERT_NE(link_, nullptr);
  ASSERT_TRUE(form_->Showing());
  ASSERT_FALSE(link_->URL().empty());
  driver_.click(OnLink());
  EXPECT_EQ(driver_.backend().openedUrls(), std::vector<std::string>{link_->URL()});

  // Without an address a click opens nothing.
  link_->SetURL("");
  driver_.click(OnLink());
  EXPECT_EQ(driver_.backend().openedUrls().size(), 1u);

  // A click elsewhere on the window opens nothing either.
  link_->SetURL("https://example.org/");
  driver_.click(AwayFromLink());
  EXPECT_EQ(driver_.backend().openedUrls().size(), 1u);
}

TEST_F(TsLabels, TheLinkWearsItsHoverFontUnderTheMouse) {
  ASSERT_NE(link_, nullptr);
  EXPECT_EQ(link_->Cursor(), TsWebLabel::crHandPoint);
  EXPECT_EQ(link_->Font().Style() & fsUnderline, 0u);
  EXPECT_EQ(link_->Font().Color(), clBlue);  // the normal font, copied after loading

  driver_.moveTo(OnLink());
  EXPECT_TRUE(link_->Hot());
  EXPECT_NE(link_->Font().Style() & fsUnderline, 0u);

  driver_.moveTo(AwayFromLink());
  EXPECT_FALSE(link_->Hot());
  EXPECT_EQ(link_->Font().Style() & fsUnderline, 0u);

  // A new normal font shows at once while the mouse is away.
  link_->NormalFont().SetColor(clRed);
  EXPECT_EQ(link_->Font().Color(), clRed);
}

TEST_F(TsLabels, HeadingsWriteInTheColourTheirKindChooses) {
  auto* heading = form_->FindComponent<TsLabelFX>("sLabelFX1");
  ASSERT_NE(heading, nullptr);
  heading->Font().SetColor(clGreen);
  heading->SetColor(clYellow);
  heading->Kind().SetColor(clNavy);
  EXPECT_EQ(heading->TextColor(), clNavy);  // ktCustom, as the layout sets it
  heading->Kind().SetKindType(ktSkin);
  EXPECT_EQ(heading->TextColor(), clNavy);  // the built-in skin has no TCLEFT in GLOBALINFO: the fallback
  heading->Kind().SetKindType(ktStandard);
  EXPECT_EQ(heading->TextColor(), clYellow);

  // The shadow keeps the channels of its colour for blending.
  heading->Shadow().SetColor(0x00336699);
  EXPECT_EQ(heading->Shadow().Red(), 0x99);
  EXPECT_EQ(heading->Shadow().Green(), 0x66);
  EXPECT_EQ(heading->Shadow().Blue(), 0x33);
}

}  // namespace
