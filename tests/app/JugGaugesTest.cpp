// The jugs as the pupil sees them: skinned gauges whose blue "PROGRESSV"
// part rises from the bottom as far as the jug is full.
#include <gtest/gtest.h>

#include "controls/TsGauge.h"
#include "puzzles/TForm1.h"
#include "tests/app/TrainerSession.h"

namespace {

enum JugCommand { Fill1, Fill2, Empty1, Empty2, Pour1Into2, Pour2Into1 };

class JugGaugesTest : public ::testing::Test {
 protected:
  TForm1* jugs() { return session.Program().JugsWindow(); }

  // Rows of the gauge's column 12, counted from the bottom, that show the
  // blue progress section (the gauge's own section is nearly white).
  int BlueRowsFromTheBottom(const TsGauge* gauge) {
    const Bitmap shot = session.Driver().windowShot(jugs()->Handle());
    RECT window;
    GetWindowRect(jugs()->Handle(), &window);
    int rows = 0;
    for (int y = gauge->Height() - 1; y >= 0; --y) {
      const POINT p = session.Driver().clientToScreen(jugs()->Handle(), {gauge->Left() + 12, gauge->Top() + y});
      const TColor c = shot.pixel(p.X - window.Left, p.Y - window.Top);
      const int red = c & 0xFF, blue = (c >> 16) & 0xFF;
      if (blue - red < 60) break;
      ++rows;
    }
    return rows;
  }

  TrainerSession session;
};

}  // namespace

TEST_F(JugGaugesTest, TheFillHeightsFollowTheContentsAfterEveryTick) {
  TsGauge* jug1 = jugs()->sGauge1;
  TsGauge* jug2 = jugs()->sGauge3;
  EXPECT_EQ(BlueRowsFromTheBottom(jug1), 0);
  EXPECT_EQ(BlueRowsFromTheBottom(jug2), 0);
  EXPECT_TRUE(jug1->SkinData().Skinned()) << "the jugs are painted from the skin";

  session.Choose(jugs(), Fill1);
  session.Choose(jugs(), Pour1Into2);
  session.Choose(jugs(), Fill1);
  session.Execute(jugs());
  session.Run(60);  // "Наполнить БАНКУ 1": 2 and 0 of 2 and 3
  EXPECT_EQ(BlueRowsFromTheBottom(jug1), 129) << "the full jug shows the progress section over its whole height";
  EXPECT_EQ(BlueRowsFromTheBottom(jug2), 0);

  session.Run(2000);  // "Перелить всё из БАНКИ1 В БАНКУ 2": 0 and 2
  EXPECT_EQ(BlueRowsFromTheBottom(jug1), 0);
  EXPECT_EQ(BlueRowsFromTheBottom(jug2), 85) << "2 of 3 is 66 %: 129 x 0.66 = 85.14";

  session.Run(2000);  // "Наполнить БАНКУ 1": 2 and 2
  EXPECT_EQ(BlueRowsFromTheBottom(jug1), 129);
  EXPECT_EQ(BlueRowsFromTheBottom(jug2), 85);
}
