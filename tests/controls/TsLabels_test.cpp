// The label family on the first program window: the link label opens its
// address when pressed and wears its hover font under the mouse; the
// heading labels write in the colour their Kind chooses.
#include <gtest/gtest.h>

#include "controls/labels/TsLabel.h"
#include "controls/labels/TsLabelFX.h"
#include "controls/labels/TsWebLabel.h"
#include "framework/TApplication.h"
#include "paint/primitives/ColorMath.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"
#include "tests/controls/ProgramWindows.h"

namespace {

class TsLabels : public ::testing::Test {
 protected:
  TsLabels() {
    app_.Initialize();
    TProgramWindow::RegisterClasses();
    app_.CreateForm(form_);  // the main form, as in the program
    form_->Show();           // as the program's loop shows it
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

// The shell opens the link for the main window, the opened window shown
// by ShowMode (its ordinals are the show commands).
TEST_F(TsLabels, TheLinkOpensWithItsShowModeForTheMainWindow) {
  ASSERT_NE(link_, nullptr);
  ASSERT_NE(app_.MainForm(), nullptr);
  EXPECT_EQ(link_->ShowMode(), soDefault);
  driver_.click(OnLink());
  link_->SetShowMode(soShowMinimized);
  driver_.click(OnLink());
  const auto& links = driver_.backend().openedLinks();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].Url, link_->URL());
  EXPECT_EQ(links[0].ShowCommand, 10) << "soDefault: SW_SHOWDEFAULT";
  EXPECT_EQ(links[1].ShowCommand, 2) << "soShowMinimized: SW_SHOWMINIMIZED";
  EXPECT_EQ(links[1].Owner, app_.MainForm()->Handle());
}

// Measured, a lone "&" with ShowAccelChar only marks an accelerator and
// takes the room of a space, as an empty caption does; without
// ShowAccelChar it is a letter like any other.
TEST_F(TsLabels, ALoneAmpersandIsMeasuredAsASpace) {
  auto* label = new TsLabel(form_);
  label->SetParent(form_);
  label->SetLeft(10);
  label->SetTop(10);
  label->SetCaption("x");
  label->SetCaption("");
  const TSize blank{label->Width(), label->Height()};
  ASSERT_GT(blank.cx, 0);
  label->SetCaption("&");
  EXPECT_EQ(label->Width(), blank.cx);
  EXPECT_EQ(label->Height(), blank.cy);
  label->SetShowAccelChar(false);
  EXPECT_NE(label->Width(), blank.cx) << "the ampersand's own width";
  label->SetCaption("&&");
  label->SetShowAccelChar(true);
  EXPECT_NE(label->Width(), blank.cx) << "a doubled one shows one ampersand";
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

  // A new hover font waits while the mouse is away: the label keeps the font
  // it wears; under the mouse it shows at once.
  link_->Font().SetColor(clGreen);
  link_->HoverFont().SetColor(clPurple);
  EXPECT_EQ(link_->Font().Color(), clGreen);
  driver_.moveTo(OnLink());
  EXPECT_EQ(link_->Font().Color(), clPurple);
  link_->HoverFont().SetColor(clMaroon);
  EXPECT_EQ(link_->Font().Color(), clMaroon);
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

// ---- with the window's skin ------------------------------------------------

// Where pixels of exactly `color` lie in the window picture inside `c`.
int CountIn(const Bitmap& shot, const TControl* c, TPoint origin, TColor color) {
  int count = 0;
  for (int y = 0; y < c->Height(); ++y)
    for (int x = 0; x < c->Width(); ++x) count += shot.pixel(origin.X + x, origin.Y + y) == color;
  return count;
}

class TsSkinnedLabels : public TsLabels {
 protected:
  Bitmap Shot() {
    driver_.runUntilIdle();
    return driver_.windowShot(form_->Handle());
  }
  // The control's corner in the window picture.
  TPoint Corner(const TControl* c) const {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    TPoint p = c->ClientToScreen({0, 0});
    return {p.X - window.Left, p.Y - window.Top};
  }
  TsLabel* Description() { return form_->FindComponent<TsLabel>("sLabel1"); }
  TsSkinManager* Manager() { return TsSkinManager::DefaultManager(); }
};

TEST_F(TsSkinnedLabels, LabelsThatFollowTheSkinWearItsGlobalFontColour) {
  ASSERT_NE(TsCustomLabel::ActiveSkin(), nullptr);
  const TColor global = TsCustomLabel::ActiveSkin()->GetGlobalFontColor();
  ASSERT_EQ(global, RGB(36, 42, 38));
  TsLabel* description = Description();
  ASSERT_FALSE(description->UseSkinColor());  // the layout keeps its black
  description->Invalidate();
  Shot();
  EXPECT_EQ(description->Font().Color(), clBlack);

  description->SetUseSkinColor(true);
  const Bitmap shot = Shot();
  EXPECT_EQ(description->Font().Color(), global);
  EXPECT_GT(CountIn(shot, description, Corner(description), global), 100);

  // Removing the skin gives it the system's text colour; a label that keeps
  // its own colour is left alone.
  description->Perform(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_REMOVED), reinterpret_cast<LPARAM>(Manager()));
  EXPECT_EQ(description->Font().Color(), clWindowText);
  description->SetUseSkinColor(false);
  description->Font().SetColor(clBlack);
  description->Perform(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_REMOVED), reinterpret_cast<LPARAM>(Manager()));
  EXPECT_EQ(description->Font().Color(), clBlack);
  // Another manager's announcement is not about this skin.
  description->SetUseSkinColor(true);
  description->Perform(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_REMOVED), 0);
  EXPECT_EQ(description->Font().Color(), clBlack);

  // The shadowed headings follow it in their font too (their text keeps its Kind colour).
  auto* heading = form_->FindComponent<TsLabelFX>("sLabelFX1");
  heading->Invalidate();
  Shot();
  EXPECT_EQ(heading->Font().Color(), global);
  heading->Perform(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_REMOVED), reinterpret_cast<LPARAM>(Manager()));
  EXPECT_EQ(heading->Font().Color(), clWindowText);
}

TEST_F(TsSkinnedLabels, OnASectionThatGivesItsFontTheLabelWearsThatSectionsNormalFontColour) {
  TsLabel* description = Description();
  description->SetUseSkinColor(true);
  const int index = static_cast<int>(SendSkinCommand(description->Parent(), SKC_GET_SKIN_INDEX)) - 1;
  ASSERT_GE(index, 0) << "the skinned form names its section";
  TsGeneralData& section = Manager()->Content().Sections[static_cast<std::size_t>(index)];
  const TsGeneralData saved = section;
  section.GiveOwnFont = true;
  section.FontColor[0] = static_cast<std::int32_t>(RGB(150, 20, 20));
  section.FontColor[1] = static_cast<std::int32_t>(RGB(20, 150, 20));
  description->Invalidate();
  const Bitmap shot = Shot();
  EXPECT_EQ(description->Font().Color(), RGB(150, 20, 20));
  EXPECT_GT(CountIn(shot, description, Corner(description), RGB(150, 20, 20)), 100);
  section = saved;
}

TEST_F(TsSkinnedLabels, TheSkinsSecondSectionLendsItsFontColourWithoutResizingTheLabel) {
  TsLabel* description = Description();
  TsGeneralData& second = Manager()->Content().Sections.at(1);
  const TsGeneralData saved = second;
  second.FontColor[0] = static_cast<std::int32_t>(RGB(150, 20, 20));
  description->SetSkinSection(second.SectionName);
  Shot();
  EXPECT_EQ(description->Font().Color(), RGB(150, 20, 20));

  // Widened and heightened by hand, the sized-to-text label keeps that box
  // when a new colour is taken while it paints: that is no change of its font.
  ASSERT_TRUE(description->AutoSize());
  const TRect wide = Rect(description->Left(), description->Top(), description->Left() + description->Width() + 60,
                          description->Top() + description->Height() + 30);
  description->SetBounds(wide.Left, wide.Top, wide.Width(), wide.Height());
  second.FontColor[0] = static_cast<std::int32_t>(RGB(20, 20, 150));
  description->Invalidate();
  Shot();
  EXPECT_EQ(description->Font().Color(), RGB(20, 20, 150));
  EXPECT_EQ(description->BoundsRect(), wide);
  second = saved;
}

TEST_F(TsSkinnedLabels, TheManagersBroadcastReachesTheLabels) {
  // Switching the skin off announces its removal to every window and,
  // through them, to the windowless labels.
  TsLabel* description = Description();
  description->SetUseSkinColor(true);
  auto* heading = form_->FindComponent<TsLabelFX>("sLabelFX1");
  heading->Invalidate();
  Shot();
  ASSERT_EQ(description->Font().Color(), RGB(36, 42, 38));
  Manager()->SetActive(false);
  EXPECT_EQ(description->Font().Color(), clWindowText);
  EXPECT_EQ(heading->Font().Color(), clWindowText);
  EXPECT_EQ(TsCustomLabel::ActiveSkin(), nullptr);
  // Painted without a skin the labels keep that colour.
  description->Invalidate();
  Shot();
  EXPECT_EQ(description->Font().Color(), clWindowText);
}

TEST_F(TsSkinnedLabels, ADisabledLabelFadesIntoItsParentsColour) {
  TsLabel* description = Description();
  description->SetEnabled(false);
  const Bitmap shot = Shot();
  // 0.4 of black and 0.6 of the form's colour (the skin's global colour,
  // which the skinned frame gives its form), channel by channel.
  const TColor faded = MixColors(clBlack, ColorToRGB(form_->Color()), 0.4);
  EXPECT_GT(CountIn(shot, description, Corner(description), faded), 100);
  EXPECT_EQ(CountIn(shot, description, Corner(description), clBlack), 0);
}

TEST_F(TsSkinnedLabels, OnlyARealSectionAfterTheFirstIsPaintedBehindTheText) {
  TsLabel* description = Description();
  const TPoint corner = Corner(description);
  // A spot below the last line of text, and the label's last pixel.
  auto behind = [&](const Bitmap& shot) {
    return std::pair{shot.pixel(corner.X + description->Width() / 2, corner.Y + description->Height() - 2),
                     shot.pixel(corner.X + description->Width() - 1, corner.Y + description->Height() - 1)};
  };
  // The form's own colour (its skinned frame gives it the global colour).
  const Bitmap first = Shot();
  const TColor face = ColorToRGB(form_->Color());
  EXPECT_EQ(behind(first), std::pair(face, face));
  description->SetSkinSection("GLOBALINFO");  // the skin's first section
  EXPECT_EQ(behind(Shot()), std::pair(face, face));
  description->SetSkinSection("NO SUCH SECTION");
  EXPECT_EQ(behind(Shot()), std::pair(face, face));
  description->SetSkinSection("EDIT");  // white inside its border
  EXPECT_EQ(behind(Shot()).first, clWhite);
}

TEST_F(TsSkinnedLabels, SkinShadowsApplyOnlyWhenTheSkinHasOne) {
  auto* heading = form_->FindComponent<TsLabelFX>("sLabelFX1");
  heading->Shadow().SetMode(smSkin1);
  // The built-in skin's blur is -1: the label's own settings.
  EXPECT_EQ(heading->ShadowSettings().Color, clMaroon);
  TsSkinData& data = Manager()->Content().SkinData;
  const TsSkinData saved = data;
  data.Shadow1Blur = 2;
  data.Shadow1Offset = 3;
  data.Shadow1Color = RGB(10, 20, 30);
  const TacShadowSettings fromSkin = heading->ShadowSettings();
  EXPECT_EQ(fromSkin.Color, RGB(10, 20, 30));
  EXPECT_EQ(fromSkin.BlurCount, 2);
  EXPECT_EQ(fromSkin.Distance, 3);
  EXPECT_EQ(heading->Shadow().Blue(), 30);  // the channels follow the skin's colour
  EXPECT_EQ(heading->Shadow().Color(), clMaroon);
  // A custom shadow ignores the skin.
  heading->Shadow().SetMode(smCustom);
  EXPECT_EQ(heading->ShadowSettings().Color, clMaroon);
  data = saved;
}

TEST_F(TsSkinnedLabels, TheLinkTakesTheHoverFontsSizeUnderTheMouse) {
  link_->HoverFont().SetHeight(-16);
  const int normalWidth = link_->Width();
  driver_.moveTo(OnLink());
  EXPECT_TRUE(link_->Hot());
  EXPECT_GT(link_->Width(), normalWidth);
  EXPECT_EQ(link_->Font().Height(), -16);
  driver_.moveTo(AwayFromLink());
  EXPECT_EQ(link_->Width(), normalWidth);
}

}  // namespace
