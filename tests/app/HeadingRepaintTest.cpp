// The jugs window's texts stay as they were drawn while a replay repaints
// the window around them: a transparent label is drawn over its parent's
// current picture, never over its own previous drawing.
#include <gtest/gtest.h>

#include "framework/TControl.h"
#include "puzzles/TForm1.h"
#include "tests/app/TrainerSession.h"

namespace {

// The pixels of a control's bounds in a window picture.
Bitmap Area(const Bitmap& shot, const TRect& r) {
  Bitmap area(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) area.setPixel(x, y, shot.pixel(r.Left + x, r.Top + y));
  return area;
}

// How many pixels differ between two pictures of the same size.
int Differences(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

TEST(HeadingRepaint, TheHeadingsLookTheSameAfterReplayTicks) {
  TrainerSession session;
  TForm1* jugs = session.Program().JugsWindow();
  session.Driver().runUntilIdle();
  TControl* heading = session.Control(jugs, "sLabelFX1");  // "Задание 1:"
  TControl* task = session.Control(jugs, "sLabel1");
  ASSERT_NE(heading, nullptr);
  ASSERT_NE(task, nullptr);
  auto areaOf = [&](TControl* c) {
    const Bitmap shot = session.Driver().windowShot(jugs->Handle());
    TPoint origin = c->ClientToScreen({0, 0});
    RECT window;
    GetWindowRect(jugs->Handle(), &window);
    return Area(shot, Bounds(origin.X - window.Left, origin.Y - window.Top, c->Width(), c->Height()));
  };
  const Bitmap headingBefore = areaOf(heading);
  const Bitmap taskBefore = areaOf(task);

  session.Choose(jugs, 1);  // "Наполнить БАНКУ 2"
  session.Choose(jugs, 3);  // "Вылить БАНКУ 2"
  session.Execute(jugs);
  session.Run(60);    // the first tick
  session.Run(2000);  // the second
  EXPECT_EQ(Differences(areaOf(heading), headingBefore), 0);
  EXPECT_EQ(Differences(areaOf(task), taskBefore), 0);
}

}  // namespace
