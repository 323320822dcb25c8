// The personal-data window and the whole program from the first task to the
// result file: a full run with exactly one window on screen after each
// hand-over, the typed Cyrillic name appended to an existing "res.txt", and
// a result file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/TForm4.h"
#include "framework/TApplication.h"
#include "framework/controls/TEdit.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "tests/app/ResultFileReport.h"
#include "tests/app/TrainerSession.h"

namespace {

// " Всё сделал(а)!" and CR LF in Windows-1251, byte by byte.
const std::string kSuffix1251 = " \xC2\xF1\xB8 \xF1\xE4\xE5\xEB\xE0\xEB(\xE0)!\r\n";

class NameWindowTest : public ::testing::Test {
 protected:
  TForm4* names() { return session.Program().NameWindow(); }
  void showNameWindow() {
    names()->Show();
    session.Program().JugsWindow()->Hide();
    session.Driver().runUntilIdle();
  }
  void typeName(const std::string& name) {
    session.Click(names(), "sEdit1");
    session.Driver().typeText(name);
  }
  std::vector<TCustomForm*> only(TCustomForm* window) { return {window}; }

  TrainerSession session;
};

TEST_F(NameWindowTest, AWholeRunAppendsTheTypedNameToTheResultFile) {
  session.WorkDir().write("res.txt", "\xCC\xE0\xF8\xE0" + kSuffix1251);  // "Маша" from an earlier run
  TrainerProgram& program = session.Program();

  // The jugs, three stages, commands chosen from the picker.
  const std::vector<std::vector<int>> stages = {{1, 5}, {0, 4, 0, 4}, {1, 5, 2, 5, 1, 5, 2, 5}};
  for (const std::vector<int>& stage : stages) {
    EXPECT_EQ(session.VisibleWindows(), only(program.JugsWindow()));
    for (int entry : stage) session.Choose(program.JugsWindow(), entry);
    session.Execute(program.JugsWindow());
    session.Run(50 + 2000 * static_cast<unsigned>(stage.size()));
  }
  EXPECT_EQ(session.TakeMessages(), (std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 2",
                                                              "Отлично! Ты получил один литр сока в БАНКЕ 1",
                                                              "Отлично! Ты получил один литр сока в БАНКЕ 2"}));
  EXPECT_EQ(session.VisibleWindows(), only(program.RiverWindow()));

  // The river.
  for (int entry : {0, 3, 1, 0, 2, 3, 0}) session.Choose(program.RiverWindow(), entry);
  session.Execute(program.RiverWindow());
  session.Run(50 + 2000 * 7);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Отлично! Ты справился!"});
  EXPECT_EQ(session.VisibleWindows(), only(program.TubeWindow()));

  // The tube, written with the direct buttons.
  TForm3* tube = program.TubeWindow();
  auto press = [&](const char* button, int times) {
    for (int i = 0; i < times; ++i) session.Click(tube, button);
  };
  press("sButton3", 1);
  for (int round = 5; round <= 7; ++round) {
    press("sButton2", 1);
    press("sButton4", round);
    press("sButton5", 1);
    press("sButton3", round);
  }
  press("sButton2", 1);
  press("sButton4", 12);
  session.Execute(tube);
  session.Run(50 + 1000 * 55 + 200);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Отлично! Всё! :)"});
  EXPECT_EQ(session.VisibleWindows(), only(names()));
  EXPECT_EQ(GetWindowTextString(names()->Handle()), "Личные данные");
  EXPECT_FALSE(program.Application().Terminated());

  // The name, then Enter: the OK button is the default button.
  typeName("Вася Пупкин");
  session.Driver().pressKey(VK_RETURN);
  EXPECT_TRUE(session.Messages().empty());
  EXPECT_EQ(session.WorkDir().read("res.txt"), "\xCC\xE0\xF8\xE0" + kSuffix1251 +
                                                   "\xC2\xE0\xF1\xFF \xCF\xF3\xEF\xEA\xE8\xED" + kSuffix1251);
  EXPECT_TRUE(program.Application().Terminated());
  session.Driver().runUntilIdle();
  EXPECT_TRUE(session.Driver().quitSeen());
}

TEST_F(NameWindowTest, OkWithAnEmptyNameCreatesTheFileWithTheSuffixAlone) {
  showNameWindow();
  ASSERT_FALSE(std::filesystem::exists(session.WorkDir().path() / "res.txt"));
  session.Click(names(), "sBitBtn1");
  EXPECT_EQ(session.WorkDir().read("res.txt"), kSuffix1251);
  EXPECT_TRUE(session.Program().Application().Terminated());
}

TEST_F(NameWindowTest, NoCloseRequestTakesTheWindowAwayOnlyOkEndsTheProgram) {
  showNameWindow();
  const HWND window = names()->Handle();
  // The desktop's close request (a window manager's Alt+F4, a task bar's
  // Close), the program's own Alt+F4, and a close message from anywhere.
  session.Driver().requestClose(window);
  session.Driver().keyDown(VK_MENU);
  session.Driver().pressKey(VK_F4);
  session.Driver().keyUp(VK_MENU);
  SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  SendMessage(window, WM_CLOSE, 0, 0);
  session.Run(50);
  EXPECT_EQ(session.VisibleWindows(), only(names()));
  EXPECT_FALSE(session.Program().Application().Terminated());

  typeName("Оля");
  session.Click(names(), "sBitBtn1");
  EXPECT_EQ(session.WorkDir().read("res.txt"), "\xCE\xEB\xFF" + kSuffix1251);
  EXPECT_TRUE(session.Program().Application().Terminated());
}

TEST_F(NameWindowTest, CtrlAUnderTheRussianLayoutSelectsTheNameAndTypesNothing) {
  showNameWindow();
  typeName("Маша");
  // The key of A, with Ctrl held, under a layout that types "ф" there.
  session.Driver().keyDown(VK_CONTROL);
  session.Driver().pressKey('A');
  session.Driver().typeText("ф");
  session.Driver().keyUp(VK_CONTROL);
  session.Driver().typeText("Петя");
  session.Click(names(), "sBitBtn1");
  EXPECT_EQ(session.WorkDir().read("res.txt"), "\xCF\xE5\xF2\xFF" + kSuffix1251);
}

TEST_F(NameWindowTest, AResultFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
  showNameWindow();
  std::filesystem::create_directory(session.WorkDir().path() / "res.txt");
  typeName("Аня");
  session.Click(names(), "sBitBtn1");
  session.Run(50);
  ASSERT_EQ(session.Messages().size(), 1u);
  // Said in the pupil's language, not in the system's English ("Is a directory").
  EXPECT_EQ(session.Messages()[0].Text,
            ReportInFolder("Не удалось открыть файл результатов \"res.txt\": это папка, а не файл", session.WorkDir().path()));
  EXPECT_EQ(session.Messages()[0].Title, "Тренажёр алгоритмов");
  EXPECT_FALSE(session.Program().Application().Terminated());
  EXPECT_EQ(session.VisibleWindows(), only(names()));
  EXPECT_TRUE(std::filesystem::is_directory(session.WorkDir().path() / "res.txt"));

  // The obstacle gone, OK again writes the line and ends the program.
  std::filesystem::remove(session.WorkDir().path() / "res.txt");
  session.Click(names(), "sBitBtn1");
  EXPECT_EQ(session.WorkDir().read("res.txt"), "\xC0\xED\xFF" + kSuffix1251);
  EXPECT_TRUE(session.Program().Application().Terminated());
}

}  // namespace
