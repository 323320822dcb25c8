// A windowless control's fade skips a frame it cannot paint: one asked for
// while another is being painted, or for a state without a control. The
// step still counts, so the fade ends on time.
#include <gtest/gtest.h>

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
