// A skinned form's client area repaints as every skinned container does: the
// client part of the frame picture, then the windowless children over it,
// each told when the client shows only a part of it.
#include <gtest/gtest.h>

#include "framework/TGraphicControl.h"
#include "platform/graphics/Fills.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

constexpr TColor kChildColor = 0x000000C0;

// A windowless child that fills itself with one colour and notes whether it
// was told that it is shown only in part.
class TNoteTakingChild : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  bool ToldPartlyHidden = false;

 protected:
  void Paint() override { FillRect(Canvas().Handle(), Rect(0, 0, Width(), Height()), kChildColor); }
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_SET_PARTLY_HIDDEN)
      ToldPartlyHidden = true;
    TGraphicControl::WndProc(message);
  }
};

struct FormClientRepaint : ::testing::Test, ProgramFrameFixture {
  void SetUp() override { ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded) << manager.LastError(); }
};

}  // namespace

TEST_F(FormClientRepaint, WindowlessChildrenAreDrawnOverTheFramePictureAndACutOneIsToldSo) {
  TFrameTestForm* form = ShowForm(bsSingle, {biSystemMenu}, 300, 200);
  auto* inside = new TNoteTakingChild(form);
  inside->SetParent(form);
  inside->SetBounds(20, 20, 40, 20);
  auto* cut = new TNoteTakingChild(form);
  cut->SetParent(form);
  cut->SetBounds(280, 60, 40, 20);  // half of it lies past the client's right edge
  driver.runUntilIdle();
  form->Repaint();
  const Bitmap shot = driver.windowShot(form->Handle());
  const POINT client = driver.clientToScreen(form->Handle(), {0, 0});
  const POINT window = driver.windowToScreen(form->Handle(), {0, 0});
  const int dx = client.X - window.X, dy = client.Y - window.Y;
  EXPECT_EQ(shot.pixel(dx + 25, dy + 25), kChildColor);
  EXPECT_EQ(shot.pixel(dx + 285, dy + 65), kChildColor);
  EXPECT_NE(shot.pixel(dx + 100, dy + 100), kChildColor) << "the frame picture around them";
  EXPECT_FALSE(inside->ToldPartlyHidden);
  EXPECT_TRUE(cut->ToldPartlyHidden);
}
