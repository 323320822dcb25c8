// What the control skin state answers and passes on, checked where a caller
// sees it: a question to a window that is gone, the registry of states by
// control, the owner's colour, the kinds without a hot look, translucent
// colours channel by channel, background answers without a picture, the
// colours an edit-like control keeps when the skin goes, the mouse leaving
// other speed buttons and a resized gradient container telling its children.
#include <gtest/gtest.h>

#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TsBackgroundRequest.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct SkinStateAnswers : ::testing::Test, SkinStateFixture {};

TColor Channels(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

}  // namespace

TEST_F(SkinStateAnswers, AWindowThatIsGoneAnswersNothing) {
  EXPECT_EQ(SendSkinCommand(static_cast<HWND>(nullptr), SKC_QUERY_SKINNED), 0);
  EXPECT_FALSE(ControlAnswersOne(static_cast<TControl*>(nullptr), SKC_QUERY_SKINNED));
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 20, 20));
  const HWND window = panel->Handle();
  ASSERT_TRUE(WindowAnswersOne(window, SKC_QUERY_SKINNED));
  delete panel;
  EXPECT_EQ(SendSkinCommand(window, SKC_QUERY_SKINNED), 0);
  EXPECT_FALSE(WindowAnswersOne(window, SKC_QUERY_SKINNED));
}

TEST(AnimatEventsWithoutAManager, TheGlobalDefaultAllowsNothing) {
  ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_FALSE(AnimatEventAllowed(aeMouseEnter, aeGlobalDef, nullptr));
  EXPECT_FALSE(AnimatEventAllowed(aeMouseUp, aeGlobalDef, nullptr));
  EXPECT_TRUE(AnimatEventAllowed(aeMouseEnter, aeMouseEnter, nullptr)) << "an event asked for by name needs no manager";
}

// Without any skin manager nothing is skinned, so nothing holds its painting.
TEST(SkinStateWithoutAManager, APictureHeldBackIsNotHeldAnyLonger) {
  ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
  TsCommonData ownerless(static_cast<TComponent*>(nullptr), true);
  ownerless.HoldPainting();
  EXPECT_FALSE(ownerless.IsUpdating());
  EXPECT_FALSE(ownerless.RecheckUpdating());
  EXPECT_FALSE(ownerless.Updating());
}

TEST_F(SkinStateAnswers, AControlsStateIsTheOneMadeLastUntilThatOneGoes) {
  TSkinnedDot* dot = AddDot(form, "GLOBALINFO", Bounds(0, 0, 5, 5));
  EXPECT_EQ(TsCommonData::Of(dot), &dot->SkinData);
  {
    auto later = std::make_unique<TsCommonData>(static_cast<TControl*>(dot), false, 200);
    EXPECT_EQ(TsCommonData::Of(dot), later.get());
    {
      TsCommonData replaced(static_cast<TControl*>(dot), false, 200);
      EXPECT_EQ(TsCommonData::Of(dot), &replaced);
    }
    EXPECT_EQ(TsCommonData::Of(dot), nullptr) << "the state made last went";
    auto again = std::make_unique<TsCommonData>(static_cast<TControl*>(dot), false, 200);
    later.reset();
    EXPECT_EQ(TsCommonData::Of(dot), again.get()) << "an older state going leaves the newer one registered";
  }
}

TEST_F(SkinStateAnswers, AStateOfAComponentThatIsNoControlAnswersTheButtonFace) {
  TComponent component(nullptr);
  TsCommonData state(&component, false, 0);
  EXPECT_EQ(state.OwnerColor(), clBtnFace);
}

TEST_F(SkinStateAnswers, PageControlsStatusBarsAndGaugesHaveNoHotLook) {
  for (int kind : {141, 143, 151, 160, 161}) EXPECT_TRUE(TsCommonData::KindHasNoHotLook(kind)) << kind;
  for (int kind : {140, 162, 165, 226}) EXPECT_FALSE(TsCommonData::KindHasNoHotLook(kind)) << kind;
  TSkinnedDot* statusBar = new TSkinnedDot(form, 151);
  statusBar->SetParent(form);
  TSkinnedDot* trackBar = new TSkinnedDot(form, 165);
  trackBar->SetParent(form);
  statusBar->Perform(CM_MOUSEENTER, 0, 0);
  trackBar->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_FALSE(statusBar->SkinData.MouseAbove());
  EXPECT_TRUE(trackBar->SkinData.MouseAbove());
}

TEST_F(SkinStateAnswers, ATranslucentColourMixesEveryChannelOfParentAndOwn) {
  AddSection("HALF", 50, Channels(200, 100, 50));
  TSkinnedDot* dot = AddDot(form, "HALF", Bounds(0, 0, 10, 10));
  form->SetColor(Channels(0, 0, 255));
  // (50 * (parent - own) + 256 * own) >> 8 per channel: 160.9, 80.5, 90.04.
  EXPECT_EQ(SendSkinCommand(dot, SKC_GET_COLOR, clFuchsia), static_cast<LRESULT>(Channels(160, 80, 90)));
}

TEST_F(SkinStateAnswers, ATranslucentControlWithoutAPictureAnswersNoColour) {
  AddSection("HALF", 40, Channels(10, 20, 30));
  TSkinnedDot* dot = AddDot(form, "HALF", Bounds(0, 0, 10, 10));
  ASSERT_EQ(dot->SkinData.CacheBmp(), nullptr);
  TsBackgroundRequest request;
  dot->SkinData.GetBackground(request, false);
  EXPECT_EQ(request.BgKind, bgColor);
  EXPECT_EQ(request.BgColor, clFuchsia) << "the parent must be asked instead";

  // A clear section with borders too wide to borrow: its colour for the state.
  AddSection("WIDECLEAR", 100, Channels(1, 2, 3));
  AddBorderMask("WIDECLEAR", 7, 7, 7, 7);
  TSkinnedDot* wide = AddDot(form, "WIDECLEAR", Bounds(0, 0, 30, 30));
  TsBackgroundRequest clear;
  wide->SkinData.GetBackground(clear, false);
  EXPECT_EQ(clear.BgKind, bgColor);
  EXPECT_EQ(clear.BgColor, wide->SkinData.ColorForState(false));
  EXPECT_NE(clear.BgColor, clFuchsia);
}

TEST_F(SkinStateAnswers, AnEditLikeControlKeepsItsOwnFontColourWhenTheSkinGoes) {
  AddSection("EDIT", 0, Channels(250, 250, 250));
  TSkinnedPanel* list = AddPanel(form, "EDIT", Bounds(0, 0, 60, 60));
  TSkinnedPanel* plain = AddPanel(form, "EDIT", Bounds(0, 70, 60, 60));
  list->SkinData.ControlKind = 97;
  plain->SkinData.ControlKind = 97;
  list->SkinData.SetCustomFont(true);
  list->Font().SetColor(clRed);
  plain->Font().SetColor(clRed);
  for (TSkinnedPanel* p : {list, plain})
    p->Perform(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_REMOVED), reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(list->Font().Color(), clRed) << "its own colour stays";
  EXPECT_EQ(list->Color(), clWindow) << "the colour it did not choose goes back to the window colour";
  EXPECT_EQ(plain->Font().Color(), clWindowText);
}

TEST_F(SkinStateAnswers, EnteringAButtonMakesTheOtherHotSpeedButtonHearItsMouseLeave) {
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 100, 50));
  auto* speedA = new TSkinnedDot(form, 92);
  speedA->SetParent(panel);
  auto* speedB = new TSkinnedDot(form, 92);
  speedB->SetParent(panel);
  int leftA = 0, leftB = 0;
  speedA->OnMouseLeave = [&](TObject*) { ++leftA; };
  speedB->OnMouseLeave = [&](TObject*) { ++leftB; };
  speedA->SkinData.PointerEntered();
  speedB->SkinData.PointerEntered();
  panel->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(speedB));
  EXPECT_EQ(leftA, 1);
  EXPECT_EQ(leftB, 0);
}

TEST_F(SkinStateAnswers, ResizingAGradientContainerTellsEveryChild) {
  const int index = AddSection("GRADIENT", 0, Channels(10, 10, 10));
  Section(index).GradientPercent = 100;
  Section(index).GradientArray = {{Channels(0, 0, 0), Channels(255, 255, 255), 100, 0}};
  AddSection("CLEAR", 100, Channels(0, 0, 0));
  TSkinnedPanel* panel = AddPanel(form, "GRADIENT", Bounds(0, 0, 100, 60));
  TSkinnedDot* first = AddDot(panel, "CLEAR", Bounds(5, 5, 10, 10));
  TSkinnedDot* second = AddDot(panel, "CLEAR", Bounds(30, 5, 10, 10));
  form->Show();
  driver.runUntilIdle();
  first->SkinData.CacheRebuilt();
  second->SkinData.CacheRebuilt();
  panel->SetBounds(0, 0, 120, 60);
  EXPECT_TRUE(first->SkinData.BackgroundChanged());
  EXPECT_TRUE(second->SkinData.BackgroundChanged());
}
