// The hint manager's settings: the preset look replaces the stored one after
// loading unless it is shCustom, the application takes its hint timing, and
// the application's show-hint handler never reaches a destroyed manager.
#include <gtest/gtest.h>

#include "controls/ControlsClasses.h"
#include "controls/hints/TsHintManager.h"
#include "framework/TApplication.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassRegistry.h"

namespace {

class THintHolder : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  using TComponent::TComponent;
};

const TClassInfo& THintHolder::StaticClassInfo() {
  static const TClassInfo info("THintHolder", &TComponent::StaticClassInfo());
  return info;
}

class TsHintManagerTest : public ::testing::Test {
 protected:
  TsHintManagerTest() { RegisterControlsClasses(registry_); }

  TsHintManager* Read(const std::string& settings) {
    LayoutReader reader(registry_, nullptr);
    reader.Read(holder_, "hints.lfm",
                "object Holder: THintHolder\n  object Hints: TsHintManager\n" + settings + "  end\nend\n");
    return holder_.FindComponent<TsHintManager>("Hints");
  }

  TApplication app_{nullptr};
  TClassRegistry registry_;
  THintHolder holder_{nullptr};
};

TEST_F(TsHintManagerTest, APresetOverwritesTheStoredLookAfterLoading) {
  TsHintManager* m = Read("    Predefinitions = shComicsGradient\n    HintKind.MarginH = 30\n    HintKind.Radius = 5\n");
  ASSERT_NE(m, nullptr);
  const TsHintKind& k = m->HintKind();
  EXPECT_EQ(k.Style(), hsComics);
  EXPECT_EQ(k.MarginH, 15);
  EXPECT_EQ(k.Radius, 21);
  EXPECT_EQ(k.ExOffset, 24);
  EXPECT_EQ(k.Color, TColor{0xFFB44F});
  EXPECT_EQ(k.ShadowTransparency, 28);
  EXPECT_TRUE(k.ShadowEnabled);
  EXPECT_EQ(k.Bevel, 1);
  EXPECT_EQ(k.GradientData, "16753188;16777215;99;0;0;16777215;16777215;0;0;0");
}

TEST_F(TsHintManagerTest, ACustomPresetKeepsTheStoredLook) {
  TsHintManager* m = Read("    Predefinitions = shCustom\n    HintKind.MarginH = 30\n    HintKind.Radius = 5\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->HintKind().MarginH, 30);
  EXPECT_EQ(m->HintKind().Radius, 5);
  EXPECT_EQ(m->HintKind().Style(), hsEllipse);
  EXPECT_FALSE(m->HintKind().ShadowEnabled);
}

TEST_F(TsHintManagerTest, PresetsThatKeepAValueLeaveItAlone) {
  TsHintManager* m = Read("    Predefinitions = shSimply\n    HintKind.Radius = 5\n    HintKind.ExOffset = 9\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->HintKind().Style(), hsSimply);
  EXPECT_EQ(m->HintKind().Radius, 5);
  EXPECT_EQ(m->HintKind().ExOffset, 9);
  EXPECT_EQ(m->HintKind().MaxWidth, 240);
}

TEST_F(TsHintManagerTest, TheApplicationTakesTheManagersHintTiming) {
  app_.HintPause = 900;
  TsHintManager* m = Read("    PauseHide = 7000\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(app_.HintPause, 500);
  EXPECT_EQ(app_.HintShortPause, 200);
  EXPECT_EQ(app_.HintHidePause, 7000);
  m->SetPauseHide(3000);
  EXPECT_EQ(app_.HintHidePause, 3000);
  EXPECT_EQ(m->SkinSection(), "HINT");
  EXPECT_EQ(m->Predefinitions(), shEllipse);
}

TEST_F(TsHintManagerTest, TheShowHintHandlerRemembersThePointAndOutlivesNoManager) {
  auto* m = new TsHintManager(nullptr);
  EXPECT_EQ(m->HintPoint(), (TPoint{-1, -1}));
  int raised = 0;
  m->OnShowHint = [&](std::string&, bool&, THintInfo& info) {
    ++raised;
    info.HintPos = {info.HintPos.X + 5, info.HintPos.Y};  // moved one way only: not a new point
  };
  ASSERT_TRUE(app_.OnShowHint);
  std::string text = "hint";
  bool canShow = true;
  THintInfo info;
  info.HintPos = {40, 50};
  app_.OnShowHint(text, canShow, info);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(m->HintPoint(), (TPoint{40, 50}));

  delete m;
  app_.OnShowHint(text, canShow, info);  // must not touch the destroyed manager
  EXPECT_EQ(raised, 1);
}

}  // namespace
