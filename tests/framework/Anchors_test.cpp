// Children anchored to the right or bottom edge of their parent keep their
// distance to it when the parent's client area changes size; a windowless
// one hears its move and size as a window would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TGraphicControl.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinMessages.h"

namespace {

// A windowless control that notes the moves and sizes it hears.
class TAnchoredSpot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  std::vector<UINT> Heard;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_MOVE || message.Msg == WM_SIZE) Heard.push_back(message.Msg);
    TGraphicControl::WndProc(message);
  }
};

class TAnchorForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct Anchors : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TAnchorForm* form = nullptr;

  Anchors() {
    app.Initialize();
    form = TForm::Create<TAnchorForm>(&app);
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    driver.runUntilIdle();
  }
  TAnchoredSpot* Spot(TAnchors anchors, TRect bounds) {
    auto* spot = new TAnchoredSpot(form);
    spot->SetParent(form);
    spot->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    spot->SetAnchors(anchors);
    return spot;
  }
  // The form's client area grows by dw x dh.
  void Grow(int dw, int dh) {
    form->SetBounds(form->Left(), form->Top(), form->Width() + dw, form->Height() + dh);
    driver.runUntilIdle();
  }
};

}  // namespace

TEST_F(Anchors, ChildrenKeepTheirDistanceToTheEdgesTheyAreAnchoredTo) {
  TAnchoredSpot* topLeft = Spot(akLeft | akTop, Bounds(10, 10, 20, 20));
  TAnchoredSpot* right = Spot(akRight | akTop, Bounds(200, 10, 20, 20));
  TAnchoredSpot* stretched = Spot(akLeft | akRight | akTop | akBottom, Bounds(40, 40, 100, 50));
  TAnchoredSpot* bottom = Spot(akLeft | akBottom, Bounds(10, 150, 20, 10));
  Grow(30, 20);
  EXPECT_EQ(topLeft->BoundsRect(), Bounds(10, 10, 20, 20));
  EXPECT_EQ(right->BoundsRect(), Bounds(230, 10, 20, 20));
  EXPECT_EQ(stretched->BoundsRect(), Bounds(40, 40, 130, 70));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(10, 170, 20, 10));
  Grow(-30, -20);
  EXPECT_EQ(right->BoundsRect(), Bounds(200, 10, 20, 20)) << "and back when the area shrinks";
  EXPECT_EQ(stretched->BoundsRect(), Bounds(40, 40, 100, 50));

  // Minimizing reports an empty client area; nothing follows it.
  ShowWindow(form->Handle(), SW_MINIMIZE);
  driver.runUntilIdle();
  EXPECT_EQ(right->BoundsRect(), Bounds(200, 10, 20, 20));
}

TEST_F(Anchors, AWindowlessChildHearsTheMoveAndTheSizeItWasGiven) {
  TAnchoredSpot* moved = Spot(akRight | akTop, Bounds(200, 10, 20, 20));
  TAnchoredSpot* stretched = Spot(akLeft | akTop | akRight, Bounds(10, 40, 100, 20));
  TAnchoredSpot* still = Spot(akLeft | akTop, Bounds(10, 80, 20, 20));
  Grow(30, 0);
  EXPECT_EQ(moved->Heard, std::vector<UINT>{WM_MOVE});
  EXPECT_EQ(stretched->Heard, std::vector<UINT>{WM_SIZE});
  EXPECT_TRUE(still->Heard.empty());
}
