// The jugs window on the headless screen: start-up, the three stages solved
// with commands chosen from the picker, the editor's buttons, the hand-over
// to the river window, the message box's title and the link label.
#include <gtest/gtest.h>

#include "controls/TsGauge.h"
#include "controls/labels/TsWebLabel.h"
#include "framework/TApplication.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TListBox.h"
#include "framework/graphics/TFont.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/nonclient/DefaultFrame.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "skin/TsSkinManager.h"
#include "tests/app/TrainerSession.h"

namespace {

// Picker entries, in the picker's order.
enum JugCommand { Fill1, Fill2, Empty1, Empty2, Pour1Into2, Pour2Into1 };

class JugsWindowTest : public ::testing::Test {
 protected:
  TForm1* jugs() { return session.Program().JugsWindow(); }
  std::string caption(std::string_view name) { return session.Control(jugs(), name)->Caption(); }

  // Writes the algorithm with the picker, runs it to its end and answers the boxes.
  std::vector<std::string> replay(std::initializer_list<JugCommand> commands) {
    for (JugCommand c : commands) session.Choose(jugs(), c);
    session.Execute(jugs());
    session.Run(50 + 2000 * static_cast<unsigned>(commands.size()));
    return session.TakeMessages();
  }

  TrainerSession session;
};

TEST_F(JugsWindowTest, StartsWithOnlyTheJugsWindowCentredInStageOne) {
  TApplication& app = session.Program().Application();
  EXPECT_EQ(app.Title(), "Тренажёр алгоритмов");
  EXPECT_EQ(app.MainForm(), jugs());
  // Created in the order TForm1 .. TForm4.
  ASSERT_GE(app.ComponentCount(), 4);
  const char* classes[] = {"TForm1", "TForm2", "TForm3", "TForm4"};
  int seen = 0;
  for (int i = 0; i < app.ComponentCount(); ++i) {
    if (auto* form = dynamic_cast<TCustomForm*>(app.Components(i)); form && seen < 4) {
      EXPECT_EQ(form->ClassName(), classes[seen++]);
    }
  }
  EXPECT_EQ(seen, 4);
  EXPECT_EQ(session.VisibleWindows(), std::vector<TCustomForm*>{jugs()});

  RECT frame;
  GetWindowRect(jugs()->Handle(), &frame);
  EXPECT_EQ(frame.Left, (1280 - frame.Width()) / 2);
  EXPECT_EQ(frame.Top, (1024 - frame.Height()) / 2);
  EXPECT_EQ(GetWindowTextString(jugs()->Handle()), "Банки");
  EXPECT_EQ(caption("sLabelFX10"), "Первый тур");
  EXPECT_EQ(caption("sComboBox1"), "Выберите команду");
  EXPECT_TRUE(session.Lines(jugs()).empty());
  EXPECT_EQ(jugs()->Puzzle().stage(), 1);

  // Closing the main window ends the program without writing anything.
  SendMessage(jugs()->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.Terminated());
  session.Driver().runUntilIdle();
  EXPECT_TRUE(session.Driver().quitSeen());
  EXPECT_FALSE(std::filesystem::exists(session.WorkDir().path() / "res.txt"));
}

TEST_F(JugsWindowTest, ThreeStagesSolvedWithThePickerHandOverToTheRiver) {
  // Stage 1: the first tick already shows the full 3-litre jug.
  session.Choose(jugs(), Fill2);
  session.Choose(jugs(), Pour2Into1);
  EXPECT_EQ(session.Lines(jugs()), (std::vector<std::string>{"Наполнить БАНКУ 2", "Перелить всё из БАНКИ2 В БАНКУ 1"}));
  EXPECT_EQ(caption("sComboBox1"), "Перелить всё из БАНКИ2 В БАНКУ 1") << "the picker keeps the chosen text";
  session.Execute(jugs());
  EXPECT_FALSE(session.PanelEnabled(jugs()));
  session.Run(60);
  EXPECT_EQ(jugs()->sGauge3->MaxValue(), 3);
  EXPECT_EQ(jugs()->sGauge3->Progress(), 3);
  EXPECT_EQ(caption("sLabelFX7"), "3");
  EXPECT_EQ(session.SelectedLine(jugs()), 0);
  session.Run(2000);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 2"});
  EXPECT_TRUE(session.Lines(jugs()).empty()) << "the clear action ran";
  EXPECT_EQ(caption("sLabelFX6"), "0");
  EXPECT_EQ(caption("sLabelFX7"), "0");
  EXPECT_EQ(caption("sLabelFX8"), "3-х литровая");
  EXPECT_EQ(caption("sLabelFX9"), "5-ти литровая");
  EXPECT_EQ(caption("sLabelFX10"), "Второй тур");
  EXPECT_TRUE(session.PanelEnabled(jugs()));

  // Stage 2: one litre stays in jug 1.
  EXPECT_EQ(replay({Fill1, Pour1Into2, Fill1, Pour1Into2}),
            std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 1"});
  EXPECT_EQ(caption("sLabelFX10"), "Третий тур");
  EXPECT_EQ(caption("sLabelFX8"), "5-ти литровая");
  EXPECT_EQ(caption("sLabelFX9"), "8-ми литровая");
  EXPECT_EQ(session.VisibleWindows(), std::vector<TCustomForm*>{jugs()});

  // Stage 3, then the river window takes over.
  for (JugCommand c : {Fill2, Pour2Into1, Empty1, Pour2Into1, Fill2, Pour2Into1, Empty1, Pour2Into1})
    session.Choose(jugs(), c);
  session.Execute(jugs());
  session.Run(50 + 2000 * 7 + 100);
  EXPECT_EQ(session.Messages().size(), 1u);
  for (const SeenMessage& m : session.Messages()) {
    EXPECT_EQ(m.Text, "Отлично! Ты получил один литр сока в БАНКЕ 2");
    EXPECT_EQ(m.Title, "Тренажёр алгоритмов");
    EXPECT_FALSE(m.ReplayTimerRunning) << "the step timer stops before the message";
  }
  EXPECT_EQ(session.VisibleWindows(), std::vector<TCustomForm*>{session.Program().RiverWindow()});
  EXPECT_FALSE(session.StepTimerOn(jugs()));
  EXPECT_EQ(jugs()->Puzzle().stage(), JugsPuzzle::kFinished);
  session.Run(5000);
  EXPECT_EQ(session.Messages().size(), 1u) << "no tick after the hand-over";
}

TEST_F(JugsWindowTest, AListThatNeverReachesOneLitreEndsQuietlyAtItsLastLine) {
  EXPECT_TRUE(replay({Fill1, Fill2, Empty1}).empty());
  EXPECT_EQ(jugs()->sGauge1->Progress(), 0);
  EXPECT_EQ(jugs()->sGauge3->Progress(), 3);
  EXPECT_EQ(session.SelectedLine(jugs()), 2) << "the last line stays highlighted";
  EXPECT_TRUE(session.PanelEnabled(jugs()));
  EXPECT_FALSE(session.StepTimerOn(jugs()));
  EXPECT_EQ(session.Lines(jugs()).size(), 3u);
  EXPECT_EQ(jugs()->Puzzle().stage(), 1);

  // Clear empties the list and shows both jugs empty; the maxima stay.
  session.Click(jugs(), "sButton1");
  EXPECT_TRUE(session.Lines(jugs()).empty());
  EXPECT_EQ(jugs()->sGauge3->Progress(), 0);
  EXPECT_EQ(jugs()->sGauge3->MaxValue(), 3);
  EXPECT_EQ(caption("sLabelFX7"), "0");
}

TEST_F(JugsWindowTest, ExecutingAnEmptyListOnlySaysSo) {
  session.Execute(jugs());
  session.Run(5000);
  ASSERT_EQ(session.Messages().size(), 1u);
  EXPECT_EQ(session.Messages()[0].Text, "Дык нечего выполнять :)");
  EXPECT_EQ(session.Messages()[0].Title, "Тренажёр алгоритмов");
  EXPECT_FALSE(session.StepTimerOn(jugs()));
  EXPECT_TRUE(session.PanelEnabled(jugs()));
  EXPECT_EQ(jugs()->sGauge1->MaxValue(), 0) << "no tick ran";
}

TEST_F(JugsWindowTest, RemoveDeletesTheSelectedLineAndNothingWithoutASelection) {
  session.Choose(jugs(), Fill1);
  session.Choose(jugs(), Fill2);
  session.Choose(jugs(), Empty1);
  ASSERT_EQ(session.SelectedLine(jugs()), -1) << "the picker does not select";
  session.Click(jugs(), "sSpeedButton1");
  EXPECT_EQ(session.Lines(jugs()).size(), 3u);

  // Click the second line of the list, then "Убрать".
  auto* list = jugs()->sListBox1;
  session.Driver().clickClient(list->Handle(), {20, 13 + 6});
  ASSERT_EQ(session.SelectedLine(jugs()), 1);
  session.Click(jugs(), "sSpeedButton1");
  EXPECT_EQ(session.Lines(jugs()), (std::vector<std::string>{"Наполнить БАНКУ 1", "Вылить всё из БАНКИ 1"}));
  EXPECT_EQ(session.SelectedLine(jugs()), -1);
  session.Click(jugs(), "sSpeedButton1");
  EXPECT_EQ(session.Lines(jugs()).size(), 2u);
}

TEST_F(JugsWindowTest, EnterStartsTheReplayAndTypedPickerTextIsSkipped) {
  // Typing into the picker appends one line per edit; such lines do nothing.
  auto* picker = session.Control(jugs(), "sComboBox1");
  session.Driver().clickClient(jugs()->sComboBox1->Handle(), {5, picker->Height() / 2});
  session.Driver().keyDown(VK_END);
  session.Driver().keyUp(VK_END);
  session.Driver().typeText("ab");
  EXPECT_EQ(session.Lines(jugs()), (std::vector<std::string>{"Выберите командуa", "Выберите командуab"}));
  session.Choose(jugs(), Fill2);
  session.Choose(jugs(), Pour2Into1);
  session.Driver().clickClient(jugs()->sListBox1->Handle(), {20, 6});
  session.Driver().pressKey(VK_RETURN);  // the execute button is the default button
  session.Run(50 + 2000 * 3 + 10);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 2"});
  EXPECT_EQ(jugs()->Puzzle().stage(), 2);
}

TEST_F(JugsWindowTest, EnterInThePickerFieldStartsTheReplay) {
  session.Choose(jugs(), Fill2);
  session.Choose(jugs(), Pour2Into1);
  // Focus stays in the picker's text field after a choice; Enter there still
  // presses the default button.
  session.Driver().pressKey(VK_RETURN);
  session.Run(50 + 2000 * 3 + 10);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 2"});
}

}  // namespace

namespace {

// The caption's title as the frame draws it when nothing is cut off.
Bitmap TitleAsDrawn(const std::string& title, TColor background) {
  Bitmap scratch(1, 1);
  DeviceContext measure(scratch);
  SelectObject(&measure, DefaultFrame::titleFont());
  TSize size{};
  GetTextExtentPoint32(&measure, title, &size);
  Bitmap strip(size.cx, GetSystemMetrics(SM_CYCAPTION), PixelFormat::Bgrx32);
  strip.fill(background);
  DeviceContext dc(strip);
  SelectObject(&dc, DefaultFrame::titleFont());
  SetBkMode(&dc, TRANSPARENT);
  SetTextColor(&dc, clCaptionText);
  RECT r = Bounds(0, 0, strip.width(), strip.height());
  DrawText(&dc, title, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  return strip;
}

TEST_F(JugsWindowTest, AShortMessageStillShowsItsWholeTitle) {
  session.Execute(jugs());
  session.Run(100);
  ASSERT_EQ(session.Messages().size(), 1u);
  const SeenMessage& box = session.Messages()[0];
  ASSERT_EQ(box.Text, "Дык нечего выполнять :)");
  ASSERT_EQ(box.Title, "Тренажёр алгоритмов");

  // At least the title's text, the icon square before it and the close
  // button after it, inside the dialog frame.
  const Bitmap title = TitleAsDrawn(box.Title, clActiveCaption);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_GE(box.Frame.Width(), 2 * GetSystemMetrics(SM_CXDLGFRAME) + caption + title.width() + caption);
  // The whole title is in the skinned caption, not one cut short with an
  // ellipsis: the title section's text colour spans the title's whole width
  // in the caption's bold font.
  const TsSkinManager* manager = TsSkinManager::DefaultManager();
  ASSERT_NE(manager, nullptr);
  const TsSkinContent& skin = manager->Content();
  const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(skin.GetSkinIndex("FORMTITLE"))];
  const TColor text = ColorToRGB(section.HotFontColor[0]);
  int first = -1, last = -1;
  for (int x = 0; x < box.Picture.width(); ++x)
    for (int y = GetSystemMetrics(SM_CYDLGFRAME); y < GetSystemMetrics(SM_CYDLGFRAME) + caption; ++y)
      if (box.Picture.pixel(x, y) == text) {
        if (first < 0) first = x;
        last = x;
      }
  ASSERT_GE(first, 0) << "no caption text in the title section's colour";
  LogFont bold;
  bold.lfFaceName = TFont().Name();
  bold.lfHeight = -11;
  bold.lfWeight = FW_BOLD;
  Bitmap scratch(1, 1);
  DeviceContext measure(scratch);
  SelectObject(&measure, CreateFontIndirect(bold));
  TSize whole{};
  GetTextExtentPoint32(&measure, box.Title, &whole);
  EXPECT_GE(last - first + 1, whole.cx - 3) << "the caption does not show \"" << box.Title << "\" whole";
}

TEST_F(JugsWindowTest, TheLinkLabelCreditsTheProgramAndGivesNoAnswerAway) {
  auto* link = jugs()->FindComponent<TsWebLabel>("sWebLabel1");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->Left(), 0);
  EXPECT_EQ(link->Top(), 440);
  // The label sizes itself to its caption, which must fit its 62 x 13 place.
  EXPECT_LE(link->Width(), 62);
  EXPECT_LE(link->Height(), 13);
  const TSize text = link->TextSize();
  EXPECT_LE(text.cx, 62);
  EXPECT_LE(text.cy, 13);
  EXPECT_NE(link->Hint().find("Тренажёр алгоритмов"), std::string::npos) << "the hint names the program";

  // Clicking opens the target; neither the target nor the texts speak of
  // the river task's figures, whose crossing the second window asks for.
  session.Click(jugs(), "sWebLabel1");
  ASSERT_EQ(session.Driver().backend().openedUrls(), std::vector<std::string>{link->URL()});
  std::string target;
  for (std::size_t i = 0; i < link->URL().size(); ++i) {
    if (link->URL()[i] == '%' && i + 2 < link->URL().size()) {
      target += static_cast<char>(std::stoi(link->URL().substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      target += link->URL()[i];
    }
  }
  EXPECT_TRUE(target.starts_with("https://")) << target;
  for (const std::string& said : {link->Caption(), link->Hint(), target})
    for (const char* answer : {"Волк", "волк", "Коз", "коз", "Капуст", "капуст", "Перепр", "перепр", "Переправ"})
      EXPECT_EQ(said.find(answer), std::string::npos) << said << " mentions " << answer;
}

}  // namespace
