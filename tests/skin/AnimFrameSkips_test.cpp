// A windowless control's fade skips a frame it cannot paint: one asked for
// while another is being painted, or for a state without a control. The
// step still counts, so the fade ends on time.
#include <gtest/gtest.h>

#include "framework/graphics/TBitmap.h"
#include "platform/graphics/Fills.h"
#include "skin/CacheToScreen.h"
#include "skin/TsAnimTimer.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct AnimFrameSkips : ::testing::Test, SkinStateFixture {};

}  // namespace

TEST_F(AnimFrameSkips, AFrameAskedForWhileOneIsBeingPaintedIsOnlyCounted) {
  AddSection("DOT", 0, 0x00336699);
  TSkinnedDot* dot = AddDot(form, "DOT", Bounds(10, 10, 20, 20));
  TsAnimTimer timer(dot->SkinData);
  timer.FadeLength = 10;
  timer.Step = 3;
  timer.OldPicture.SetSize(20, 20);
  timer.InProgress = true;
  timer.PaintFrame();
  EXPECT_EQ(timer.Step, 4);
  EXPECT_TRUE(timer.InProgress) << "the frame being painted still finishes itself";
  EXPECT_EQ(timer.Frame.Width(), 0) << "no second frame was made";
}

TEST_F(AnimFrameSkips, AStateWithoutAControlOnlyCountsItsFrames) {
  TsCommonData ownerless(static_cast<TComponent*>(nullptr), true);
  TsAnimTimer timer(ownerless);
  timer.FadeLength = 10;
  timer.Step = 3;
  timer.PaintFrame();
  EXPECT_EQ(timer.Step, 4);
  EXPECT_FALSE(timer.InProgress);
}

// While a frame is shown its container leaves its own picture alone; once
// the frame is done, the container's next paint shows its whole picture.
TEST_F(AnimFrameSkips, AfterAFrameTheContainerShowsItsOwnPictureAgain) {
  AddSection("DOT", 0, 0x00336699);
  TSkinnedPanel* panel = AddPanel(form, "DOT", Bounds(0, 0, 100, 60));
  TSkinnedDot* dot = AddDot(panel, "DOT", Bounds(10, 10, 20, 20));
  form->Show();
  driver.runUntilIdle();
  TsAnimTimer timer(dot->SkinData);
  timer.FadeLength = 10;
  timer.Step = 3;
  timer.OldPicture.SetSize(20, 20);
  timer.PaintFrame();
  EXPECT_EQ(timer.Step, 4);
  EXPECT_EQ(panel->SkinData.Linked(), nullptr);
  TBitmap& cache = panel->SkinData.PrepareCache();
  FillRect(cache.Canvas().Handle(), Rect(0, 0, 100, 60), 0x0000FF00);
  TBitmap target(100, 60);
  FillRect(target.Canvas().Handle(), Rect(0, 0, 100, 60), 0x00FF0000);
  ShowContainerCache(*panel, panel->SkinData, Point(0, 0), target.Canvas().Handle(), Rect(0, 0, 100, 60));
  EXPECT_EQ(target.Pixels().pixel(60, 40), 0x0000FF00u);
}
