// The program's four windows on the headless screen at device scale 2: the
// same logical layout as at 1 (the window and every control where they are),
// a picture twice as large each way in which the skin's pixel art is the 1x
// art enlarged, and the headings' text rasterised at the finer resolution
// rather than doubled.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "app/TForm4.h"
#include "app/TrainerProgram.h"
#include "framework/TControl.h"
#include "platform/DeviceScale.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "tests/app/ScaledPictureBlocks.h"
#include "tests/app/TrainerSession.h"

namespace {

struct WindowShot {
  RECT window{};
  std::map<std::string, TRect> controls;  // by name, in their parents' client coordinates
  Bitmap picture;
  RECT heading{};  // the heading label, in window coordinates
};

using WindowOf = std::function<TCustomForm*(TrainerProgram&)>;

WindowShot Shoot(int scale, const WindowOf& windowOf) {
  DeviceScale::Scoped atScale(scale);
  TrainerSession session;
  TCustomForm* form = windowOf(session.Program());
  form->Show();
  session.Driver().runUntilIdle();
  WindowShot shot;
  GetWindowRect(form->Handle(), &shot.window);
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(form->Components(i)))
      shot.controls[control->Name()] = control->BoundsRect();
  shot.picture = session.Driver().windowShot(form->Handle());
  TControl* heading = form->FindComponent<TControl>("sLabelFX1");
  if (heading != nullptr) {
    const TPoint topLeft = heading->ClientToScreen({0, 0});
    shot.heading = Bounds(topLeft.X - shot.window.Left, topLeft.Y - shot.window.Top, heading->Width(), heading->Height());
  }
  return shot;
}

void ExpectTwiceTheLayoutWithFinerText(const WindowOf& windowOf) {
  const WindowShot one = Shoot(1, windowOf);
  const WindowShot two = Shoot(2, windowOf);
  ASSERT_FALSE(one.picture.empty());
  EXPECT_EQ(one.window, two.window) << "the window's logical rectangle";
  EXPECT_EQ(one.controls, two.controls) << "every control's logical rectangle";
  ASSERT_EQ(two.picture.scale(), 2);
  EXPECT_EQ(two.picture.deviceWidth(), 2 * one.picture.width());
  EXPECT_EQ(two.picture.deviceHeight(), 2 * one.picture.height());

  // The heading's text is drawn at the screen's resolution: many of its
  // blocks hold pixels of more than one shade.
  ASSERT_GT(one.heading.Width(), 0);
  EXPECT_GT(MixedBlocks(two.picture, one.heading, 2), 40);
  // The frame's left edge below the caption is skin art only: the 1x
  // pixels enlarged.
  const RECT leftEdge = Bounds(0, 40, 3, one.picture.height() - 44);
  EXPECT_EQ(BlocksNotEnlarged(two.picture, one.picture, leftEdge, 2), 0);
  // Over the whole window, what is not the 1x picture enlarged is text,
  // curves and the shadows blurred at the finer resolution.
  const RECT whole = Bounds(0, 0, one.picture.width(), one.picture.height());
  EXPECT_LT(BlocksNotEnlarged(two.picture, one.picture, whole, 2), whole.Width() * whole.Height() / 4);
}

}  // namespace

TEST(ProgramWindowsAtTwiceTheScale, Jugs) {
  ExpectTwiceTheLayoutWithFinerText([](TrainerProgram& p) -> TCustomForm* { return p.JugsWindow(); });
}

TEST(ProgramWindowsAtTwiceTheScale, River) {
  ExpectTwiceTheLayoutWithFinerText([](TrainerProgram& p) -> TCustomForm* { return p.RiverWindow(); });
}

TEST(ProgramWindowsAtTwiceTheScale, Tube) {
  ExpectTwiceTheLayoutWithFinerText([](TrainerProgram& p) -> TCustomForm* { return p.TubeWindow(); });
}

TEST(ProgramWindowsAtTwiceTheScale, Name) {
  ExpectTwiceTheLayoutWithFinerText([](TrainerProgram& p) -> TCustomForm* { return p.NameWindow(); });
}
