// The result line is written once per run: input that is still queued when
// OK has ended the program (the second click of a double click, a second
// Enter) reaches the name window before the loop stops and must not append
// the line again. Found by the monkey (seed 5).
#include <gtest/gtest.h>

#include "app/ResultFile.h"
#include "app/TForm4.h"
#include "framework/TApplication.h"
#include "framework/controls/TButton.h"
#include "puzzles/TForm1.h"
#include "tests/app/TrainerSession.h"

namespace {

class NameWindowRepeatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Program().NameWindow()->Show();
    session.Program().JugsWindow()->Hide();
    session.Driver().runUntilIdle();
    session.WorkDir().write("res.txt", ResultFile::Line("Маша"));
    session.Click(session.Program().NameWindow(), "sEdit1");
    session.Driver().typeText("Аня");
  }
  TrainerSession session;
};

TEST_F(NameWindowRepeatTest, ADoubleClickOnOkAppendsOneLine) {
  auto* ok = session.Program().NameWindow()->FindComponent<TButton>("sBitBtn1");
  ASSERT_NE(ok, nullptr);
  session.Driver().doubleClickClient(ok->Handle(), {ok->Width() / 2, ok->Height() / 2});
  session.Driver().runUntilIdle();
  EXPECT_EQ(session.WorkDir().read("res.txt"), ResultFile::Line("Маша") + ResultFile::Line("Аня"));
  EXPECT_TRUE(session.Program().Application().Terminated());
}

TEST_F(NameWindowRepeatTest, EnterTwiceAppendsOneLine) {
  session.Driver().pressKey(VK_RETURN);
  session.Driver().pressKey(VK_RETURN);
  session.Driver().runUntilIdle();
  EXPECT_EQ(session.WorkDir().read("res.txt"), ResultFile::Line("Маша") + ResultFile::Line("Аня"));
}

TEST_F(NameWindowRepeatTest, AfterAFailedAttemptOkStillWrites) {
  // Only a line that was written blocks the next one.
  std::filesystem::remove(session.WorkDir().path() / "res.txt");
  std::filesystem::create_directory(session.WorkDir().path() / "res.txt");
  session.Click(session.Program().NameWindow(), "sBitBtn1");
  session.Run(50);
  ASSERT_EQ(session.Messages().size(), 1u);
  std::filesystem::remove(session.WorkDir().path() / "res.txt");
  session.Click(session.Program().NameWindow(), "sBitBtn1");
  EXPECT_EQ(session.WorkDir().read("res.txt"), ResultFile::Line("Аня"));
  EXPECT_TRUE(session.Program().Application().Terminated());
}

}  // namespace
