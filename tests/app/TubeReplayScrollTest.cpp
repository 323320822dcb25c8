// The tube's 56-line solution replayed in a command list that shows twelve
// lines: the skinned bar keeps the current line in view at every tick, and
// its thumb follows. (build/app/trainer-screenshots makes the pictures of
// the same replay that docs/ holds.)
#include <gtest/gtest.h>

#include "adapters/TacScrollWnd.h"
#include "controls/TsListBox.h"
#include "framework/TApplication.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

class TubeReplayScrollTest : public ::testing::Test {
 protected:
  TubeReplayScrollTest() {
    session.Program().TubeWindow()->Show();
    session.Program().JugsWindow()->Hide();
    session.Driver().runUntilIdle();
  }
  TForm3* tube() { return session.Program().TubeWindow(); }
  TsListBox* list() { return dynamic_cast<TsListBox*>(session.Control(tube(), "sListBox1")); }
  void press(const char* button, int times = 1) {
    for (int i = 0; i < times; ++i) session.Click(tube(), button);
  }

  TrainerSession session;
};

TEST_F(TubeReplayScrollTest, SkinnedBarKeepsTheCurrentLineInViewThroughTheWholeReplay) {
  press("sButton3");
  for (int round = 5; round <= 7; ++round) {
    press("sButton2");
    press("sButton4", round);
    press("sButton5");
    press("sButton3", round);
  }
  press("sButton2");
  press("sButton4", 12);
  ASSERT_NE(list(), nullptr);
  ASSERT_EQ(list()->Items().Count(), 56);
  TacScrollWnd* adapter = list()->ScrollAdapter();
  ASSERT_NE(adapter, nullptr) << "the command list is skinned";
  const TacScrollBar& bar = adapter->Bar(kBarVertical);
  EXPECT_TRUE(bar.Visible);
  EXPECT_EQ(bar.ScrollInfo.nMax, 55);
  const int page = static_cast<int>(bar.ScrollInfo.nPage);
  EXPECT_EQ(page, 12);

  session.Execute(tube());
  session.Run(60);
  for (int line = 0; line < 56; ++line) {
    ASSERT_EQ(session.SelectedLine(tube()), line);
    const int top = list()->TopIndex();
    EXPECT_LE(top, line) << "line " << line;
    EXPECT_LT(line, top + page) << "line " << line;
    EXPECT_EQ(bar.ScrollInfo.nPos, top) << "the bar shows where the list stands";
    const TacThumb thumb = adapter->Thumb(kBarVertical);
    const TRect r = adapter->BarRect(kBarVertical);
    EXPECT_GE(thumb.Start, r.Top + 17);
    EXPECT_LE(thumb.Start + thumb.Length, r.Bottom - 17);
    if (line == 55) {
      EXPECT_EQ(thumb.Start + thumb.Length, r.Bottom - 17) << "at the last line the thumb reaches the bottom arrow";
      break;
    }
    session.Run(1000);
  }
  session.Run(300);
  ASSERT_EQ(session.Messages().size(), 1u);
  EXPECT_EQ(session.Messages()[0].Text, "Отлично! Всё! :)");
}

}  // namespace
