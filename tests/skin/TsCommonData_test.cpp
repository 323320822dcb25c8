// The control skin state: its section name rules and defaults, the
// commands it answers, the marks window messages set, and its cache.
#include <gtest/gtest.h>

#include "framework/streaming/TClassInfo.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TacSkinBroadcast.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct CommonData : ::testing::Test, SkinStateFixture {};

class TSomeWidget : public TSkinnedDot {
 public:
  TRAINER_CLASS_INFO()
  using TSkinnedDot::TSkinnedDot;
};

}  // namespace

const TClassInfo& TSomeWidget::StaticClassInfo() {
  static const TClassInfo info("TSomeWidget", &TGraphicControl::StaticClassInfo());
  return info;
}

TEST_F(CommonData, SectionNamesAreUpperCaseAndAnEmptyNameIsUnknown) {
  TSkinnedDot* dot = AddDot(form, "edit", Bounds(0, 0, 5, 5));
  EXPECT_EQ(dot->SkinData.SkinSection(), "EDIT");
  dot->SkinData.SetSkinSection("");
  EXPECT_EQ(dot->SkinData.SkinSection(), "UNKNOWN");
}

TEST_F(CommonData, LoadedTakesTheSectionOfTheKindOrTheClassName) {
  TSkinnedDot gauge(nullptr, 161);
  gauge.SkinData.Loaded();
  EXPECT_EQ(gauge.SkinData.SkinSection(), "GAUGE");
  TSomeWidget widget(nullptr, 200);
  widget.SkinData.Loaded();
  EXPECT_EQ(widget.SkinData.SkinSection(), "TSOMEWIDGET");
  TSkinnedDot button(nullptr, 93);
  button.SkinData.Loaded();
  EXPECT_EQ(button.SkinData.SkinSection(), "BUTTON");
  TSkinnedDot check(nullptr, 32);
  check.SkinData.Loaded();
  EXPECT_EQ(check.SkinData.SkinSection(), "CHECKBOX");
  EXPECT_EQ(TsCommonData::DefaultSectionForKind(97), "EDIT");
  EXPECT_EQ(TsCommonData::DefaultSectionForKind(226), "GROUPBOX");
  TSkinnedDot barTitle(nullptr, 20);
  barTitle.SkinData.Loaded();
  EXPECT_EQ(barTitle.SkinData.SkinSection(), "BARTITLE") << "the title of a bar next to the bar's own kind 19";
  EXPECT_EQ(TsCommonData::DefaultSectionForKind(19), "BAR");
  EXPECT_EQ(TsCommonData::DefaultSectionForKind(21), "") << "the kind after it has no section of its own";
}

TEST_F(CommonData, SkinIndexIsAnsweredPlusOne) {
  // GLOBALINFO is section 0.
  TSkinnedDot* unskinned = AddDot(form, "NOSUCHSECTION", Bounds(0, 0, 5, 5));
  TSkinnedDot* first = AddDot(form, "GLOBALINFO", Bounds(0, 0, 5, 5));
  EXPECT_EQ(SendSkinCommand(unskinned, SKC_GET_SKIN_INDEX), 0);
  EXPECT_EQ(SendSkinCommand(first, SKC_GET_SKIN_INDEX), 1);
  EXPECT_EQ(SendSkinCommand(first, SKC_QUERY_SKINNED), 1);
  EXPECT_EQ(SendSkinCommand(first, SKC_GET_MANAGER), reinterpret_cast<LRESULT>(&manager));
  EXPECT_EQ(SendSkinCommand(first, SKC_GET_APPLICATION), reinterpret_cast<LRESULT>(&app));
}

TEST_F(CommonData, IndexesFollowTheSkinLoadedAndRemoved) {
  TSkinnedDot* dot = AddDot(form, "PANEL", Bounds(0, 0, 5, 5));
  EXPECT_EQ(dot->SkinData.SkinIndex, -1);
  const int panel = AddSection("PANEL");
  AddBorderMask("PANEL", 2, 2, 2, 2);
  SendSkinCommand(dot, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(dot->SkinData.SkinIndex, panel);
  EXPECT_EQ(dot->SkinData.BorderIndex, 0);
  EXPECT_TRUE(dot->SkinData.Skinned(true));

  // A command from another manager changes nothing.
  TsSkinManager other(nullptr);
  SendSkinCommand(dot, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(dot->SkinData.SkinIndex, panel);

  SendSkinCommand(dot, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(dot->SkinData.SkinIndex, -1);
  EXPECT_EQ(dot->SkinData.BorderIndex, -1);
  EXPECT_TRUE(dot->SkinData.Updating());
  EXPECT_EQ(SendSkinCommand(dot, SKC_QUERY_INVALID), 1);

  dot->SkinData.UpdateIndexes();
  dot->SkinData.CacheRebuilt();
  SendSkinCommand(dot, SKC_SKIN_CHANGED, reinterpret_cast<LPARAM>(&manager));
  EXPECT_FALSE(dot->SkinData.Updating());
  EXPECT_TRUE(dot->SkinData.BackgroundChanged());
}

TEST_F(CommonData, MarksSetByCommands) {
  TSkinnedDot* dot = AddDot(form, "GLOBALINFO", Bounds(0, 0, 5, 5));
  dot->SkinData.CacheRebuilt();
  EXPECT_EQ(SendSkinCommand(dot, SKC_QUERY_INVALID), 0);
  SendSkinCommand(dot, SKC_INVALIDATE, 0, 1);
  EXPECT_EQ(SendSkinCommand(dot, SKC_QUERY_INVALID), 1);
  SendSkinCommand(dot, SKC_SET_UPDATING, 0, 1);
  EXPECT_TRUE(dot->SkinData.Updating());
  SendSkinCommand(dot, SKC_SET_UPDATING, 0, 0);
  EXPECT_FALSE(dot->SkinData.Updating());
  SendSkinCommand(dot, SKC_SET_PARENT_DEPENDENT, 0, 1);
  EXPECT_TRUE(dot->SkinData.ParentDependent());
  dot->SkinData.SetPartlyHidden(false);
  SendSkinCommand(dot, SKC_SET_PARTLY_HIDDEN);
  EXPECT_EQ(SendSkinCommand(dot, SKC_QUERY_PARTLY_HIDDEN), 1);
  TSkinnedDot* other = AddDot(form, "GLOBALINFO", Bounds(0, 0, 5, 5));
  SendSkinCommand(dot, SKC_SET_LINKED, reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(dot->SkinData.Linked(), other);
  SendSkinCommand(dot, SKC_SET_LINKED, 0);
  EXPECT_EQ(dot->SkinData.Linked(), nullptr);
}

TEST_F(CommonData, AToolbarNeverShowsItsMouseAboveMarkButAButtonDoes) {
  TSkinnedDot* toolbar = new TSkinnedDot(form, 53);
  toolbar->SetParent(form);
  TSkinnedDot* button = new TSkinnedDot(form, 93);
  button->SetParent(form);
  toolbar->Perform(CM_MOUSEENTER, 0, 0);
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_FALSE(toolbar->SkinData.MouseAbove());
  EXPECT_TRUE(button->SkinData.MouseAbove());
  button->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button->SkinData.MouseAbove());
  EXPECT_TRUE(TsCommonData::KindHasNoHotLook(161));
  EXPECT_FALSE(TsCommonData::KindHasNoHotLook(92));
}

TEST_F(CommonData, EnteringAContainerLeavesItsOtherHotSpeedButtons) {
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 100, 50));
  auto* speedA = new TSkinnedDot(form, 92);
  speedA->SetParent(panel);
  auto* speedB = new TSkinnedDot(form, 92);
  speedB->SetParent(panel);
  speedA->SkinData.PointerEntered();
  speedB->SkinData.PointerEntered();
  panel->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(speedB));
  EXPECT_FALSE(speedA->SkinData.MouseAbove());
  EXPECT_TRUE(speedB->SkinData.MouseAbove()) << "the button entered keeps its mark";
}

TEST_F(CommonData, AHiddenControlsCacheIsEmptyAndShowingItAgainMarksItChanged) {
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 60, 30));
  panel->SkinData.PrepareCache();
  EXPECT_EQ(panel->SkinData.CacheBmp()->Width(), 60);
  panel->SetVisible(false);
  EXPECT_EQ(panel->SkinData.CacheBmp()->Width(), 0);
  EXPECT_EQ(panel->SkinData.CacheBmp()->Height(), 0);
  panel->SkinData.CacheRebuilt();
  panel->SkinData.HoldPainting();
  panel->SetVisible(true);
  EXPECT_TRUE(panel->SkinData.BackgroundChanged());
  EXPECT_FALSE(panel->SkinData.Updating());
}

TEST_F(CommonData, FocusAndEnabledChangesMoveTheMarks) {
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 60, 30));
  panel->SetTabStop(true);
  form->Show();
  driver.runUntilIdle();
  panel->SetFocus();
  EXPECT_TRUE(panel->SkinData.Focused());
  EXPECT_TRUE(panel->SkinData.ControlIsActive());
  panel->SetEnabled(false);
  EXPECT_FALSE(panel->SkinData.Focused());
  EXPECT_FALSE(panel->SkinData.ControlIsActive());
}

TEST_F(CommonData, ADisabledButtonUnderTheMouseDoesNotLookActive) {
  TSkinnedDot* button = new TSkinnedDot(form, 93);
  button->SetParent(form);
  button->SetEnabled(false);
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_FALSE(button->SkinData.ControlIsActive());
  button->SetEnabled(true);
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(button->SkinData.ControlIsActive()) << "enabled again, the mouse makes it hot";
}

TEST_F(CommonData, TheManagersBroadcastReachesWindowlessControls) {
  TSkinnedPanel* panel = AddPanel(form, "GLOBALINFO", Bounds(0, 0, 100, 50));
  TSkinnedDot* onForm = AddDot(form, "PANEL", Bounds(0, 60, 5, 5));
  TSkinnedDot* inPanel = AddDot(panel, "PANEL", Bounds(0, 0, 5, 5));
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(onForm->SkinData.SkinIndex, -1);
  const int index = AddSection("PANEL");
  // A stored skin announced by the manager: SKC_SKIN_LOADED to every form.
  manager.Content().RefreshConstIndexes();
  TacSkinBroadcast::Broadcast(SM_SKINCOMMAND, SkinCommand(SKC_SKIN_LOADED), reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(onForm->SkinData.SkinIndex, index);
  EXPECT_EQ(inPanel->SkinData.SkinIndex, index);
}

TEST_F(CommonData, TellChildrenDescendsThroughWindowsThatTakeNoPart) {
  // A plain container holding a skinned panel and a windowless control.
  class TPlainBox : public TCustomControl {
   public:
    using TCustomControl::TCustomControl;
  };
  auto* box = new TPlainBox(form);
  box->SetParent(form);
  box->SetBounds(0, 0, 200, 100);
  TSkinnedPanel* panel = AddPanel(box, "GLOBALINFO", Bounds(0, 0, 50, 50));
  TSkinnedDot* dot = AddDot(box, "GLOBALINFO", Bounds(60, 0, 5, 5));
  form->Show();
  driver.runUntilIdle();
  panel->SkinData.CacheRebuilt();
  dot->SkinData.CacheRebuilt();
  TMessage message{SM_SKINCOMMAND, SkinCommand(SKC_INVALIDATE, 1), 0, 0};
  TellChildren(*form, message);
  EXPECT_TRUE(panel->SkinData.BackgroundChanged());
  EXPECT_TRUE(dot->SkinData.BackgroundChanged());
}

TEST_F(CommonData, MessagesWithoutSkinStateAreNotConsumed) {
  TSkinnedDot* dot = AddDot(form, "NOSUCHSECTION", Bounds(0, 0, 5, 5));
  TMessage message{WM_UPDATEUISTATE, 0, 0, 0};
  EXPECT_FALSE(dot->SkinData.ProcessMessage(message)) << "an unskinned control leaves the UI state to others";
  dot->SkinData.SetSkinSection("GLOBALINFO");
  EXPECT_TRUE(dot->SkinData.ProcessMessage(message));
}
