#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/THintWindow.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "tests/framework/FormFixtures.h"

namespace {

// A hint window that records what it was asked to show.
class TRecordingHint : public THintWindow {
 public:
  explicit TRecordingHint(TComponent* owner) : THintWindow(owner) {}
  void ActivateHint(const TRect& rect, const std::string& text) override {
    Shown.push_back(text);
    Where = rect;
    THintWindow::ActivateHint(rect, text);
  }
  std::vector<std::string> Shown;
  TRect Where;
};

class Hints : public ::testing::Test {
 protected:
  Hints() {
    app_.Initialize();
    RegisterFormFixtures();
    app_.CreateForm(form_);
    form_->Show();
    form_->Spot1->SetHint("Убрать выбранную команду|a longer text for a status bar");
    form_->Spot1->SetShowHint(true);
    driver_.runUntilIdle();
    driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 120}));
  }

  void HoverSpot() { driver_.moveTo(driver_.clientToScreen(form_->Handle(), {210, 30})); }
  bool HintVisible() {
    THintWindow* w = app_.Hints()->HintWindow();
    return w && w->HandleAllocated() && IsWindowVisible(w->Handle());
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TFrameworkTestForm* form_ = nullptr;
};

TEST_F(Hints, AppearAfterTheHintPauseAndGoAfterTheHidePause) {
  HoverSpot();
  driver_.runFor(499);
  EXPECT_FALSE(HintVisible());
  driver_.runFor(1);
  ASSERT_TRUE(HintVisible());
  EXPECT_EQ(app_.Hints()->HintWindow()->Caption(), "Убрать выбранную команду");
  auto& n = form_->Spot1->Notices;
  EXPECT_NE(std::find(n.begin(), n.end(), CM_HINTSHOW), n.end());
  driver_.runFor(2499);
  EXPECT_TRUE(HintVisible());
  driver_.runFor(1);
  EXPECT_FALSE(HintVisible());
}

TEST_F(Hints, LeavingOrClickingHidesTheHintAndControlsWithoutHintsShowNone) {
  HoverSpot();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 120}));
  EXPECT_FALSE(HintVisible());
  HoverSpot();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  driver_.press(driver_.clientToScreen(form_->Handle(), {210, 30}));
  EXPECT_FALSE(HintVisible());
  driver_.release(driver_.clientToScreen(form_->Handle(), {210, 30}));

  form_->Spot1->SetShowHint(false);
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 120}));
  HoverSpot();
  driver_.runFor(1000);
  EXPECT_FALSE(HintVisible());
}

TEST_F(Hints, TheHandlerAndTheWindowClassAreReplaceable) {
  TRecordingHint* recorder = nullptr;
  app_.SetHintWindowClass([&](TComponent* owner) { return recorder = new TRecordingHint(owner); });
  app_.OnShowHint = [](std::string& text, bool& canShow, THintInfo& info) {
    EXPECT_NE(info.HintControl, nullptr);
    text = "[" + text + "]";
    info.HintPos = {100, 200};
    canShow = true;
  };
  app_.HintPause = 300;
  HoverSpot();
  driver_.runFor(300);
  ASSERT_NE(recorder, nullptr);
  EXPECT_EQ(recorder->Shown, std::vector<std::string>{"[Убрать выбранную команду]"});
  EXPECT_EQ(recorder->Where.TopLeft(), Point(100, 200));

  // A refusing handler: nothing is shown.
  app_.OnShowHint = [](std::string&, bool& canShow, THintInfo&) { canShow = false; };
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 120}));
  HoverSpot();
  driver_.runFor(1000);
  EXPECT_EQ(recorder->Shown.size(), 1u);
}

}  // namespace
