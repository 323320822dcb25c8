// The program's own texts in the layouts: captions, hints, prompts, command
// lists and task descriptions, which must match exactly (a command line only
// works when it equals a command text letter for letter).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayoutQuery.h"

namespace {

struct TextFacts {
  const char* Window;
  const char* Name;
  const char* Property;
  const char* Expected;
};

const TextFacts kTexts[] = {
    // Headings and jug labels.
    {"TForm1", "sLabelFX1", "Caption", "Задание 1:"},
    {"TForm2", "sLabelFX1", "Caption", "Задание 2:"},
    {"TForm3", "sLabelFX1", "Caption", "Задание 3:"},
    {"TForm1", "sLabelFX2", "Caption", "БАНКА 1"},
    {"TForm1", "sLabelFX3", "Caption", "БАНКА 2"},
    {"TForm1", "sLabelFX8", "Caption", "2-х литровая"},
    {"TForm1", "sLabelFX9", "Caption", "3-х литровая"},
    {"TForm1", "sLabelFX6", "Caption", "0"},
    {"TForm1", "sLabelFX7", "Caption", "0"},
    {"TForm1", "sLabelFX10", "Caption", "Первый тур"},
    // The editor.
    {"TForm1", "sLabelFX4", "Caption", "Алгоритм:"},
    {"TForm1", "sLabelFX5", "Caption", "Набор команд:"},
    {"TForm2", "sLabelFX2", "Caption", "Алгоритм:"},
    {"TForm2", "sLabelFX3", "Caption", "Набор команд:"},
    {"TForm3", "sLabelFX2", "Caption", "Алгоритм:"},
    {"TForm3", "sLabelFX3", "Caption", "Набор команд:"},
    {"TForm1", "sComboBox1", "Text", "Выберите команду"},
    {"TForm2", "sComboBox1", "Text", "Выберите, кого перевезти"},
    // The tube window's direct command buttons and delay field.
    {"TForm3", "sButton2", "Caption", "Наклонить вверх"},
    {"TForm3", "sButton3", "Caption", "< Влево"},
    {"TForm3", "sButton4", "Caption", "Вправо >"},
    {"TForm3", "sButton5", "Caption", "Наклонить вниз"},
    {"TForm3", "SpinEdit1", "Hint", "Задержка"},
    // The name window.
    {"TForm4", "sLabelFX1", "Caption", "Ваше имя:"},
    {"TForm4", "sEdit1", "Text", ""},
    {"TForm4", "sBitBtn1", "Caption", "OK"},
    {"TForm4", "sBitBtn1", "Kind", "bkOK"},
};

TEST(WindowTexts, CaptionsPromptsAndHintsAreTheProgramsOwn) {
  for (const TextFacts& t : kTexts) {
    SCOPED_TRACE(std::string(t.Window) + "." + t.Name + "." + t.Property);
    LayoutQuery layout(t.Window);
    const LayoutNode* node = layout.Find(t.Name);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(LayoutQuery::Text(*node, t.Property), t.Expected);
  }
}

TEST(WindowTexts, EveryTaskWindowHasTheSameEditorTexts) {
  for (const char* window : {"TForm1", "TForm2", "TForm3"}) {
    SCOPED_TRACE(window);
    LayoutQuery layout(window);
    const LayoutNode* panel = layout.Find("sGroupBox1");
    const LayoutNode* remove = layout.Find("sSpeedButton1");
    const LayoutNode* clear = layout.Find("sButton1");
    const LayoutNode* execute = layout.Find("sBitBtn1");
    ASSERT_TRUE(panel && remove && clear && execute);
    EXPECT_EQ(LayoutQuery::Text(*panel, "Caption"), "Панель Управления");
    EXPECT_EQ(LayoutQuery::Text(*remove, "Caption"), "Убрать");
    EXPECT_EQ(LayoutQuery::Text(*remove, "Hint"), "Убрать выбранную команду");
    EXPECT_EQ(LayoutQuery::Text(*remove, "ShowHint"), "True");
    EXPECT_EQ(LayoutQuery::Text(*remove, "Flat"), "True");
    EXPECT_EQ(LayoutQuery::Text(*clear, "Caption"), "Очистить");
    EXPECT_EQ(LayoutQuery::Text(*execute, "Caption"), "ВЫПОЛНИТЬ");
    // Enter anywhere but on a button starts the replay; the caption stays
    // green and bold under the skin.
    EXPECT_EQ(LayoutQuery::Text(*execute, "Default"), "True");
    EXPECT_EQ(LayoutQuery::Text(*execute, "Font.Color"), "clGreen");
    EXPECT_EQ(LayoutQuery::Text(*execute, "Font.Style"), "[fsBold]");
    EXPECT_EQ(LayoutQuery::Text(*execute, "SkinData.CustomFont"), "True");
  }
}

TEST(WindowTexts, PickerEntriesAreTheCommandTextsInOrder) {
  const std::vector<std::string> jugs = {
      "Наполнить БАНКУ 1",     "Наполнить БАНКУ 2",
      "Вылить всё из БАНКИ 1", "Вылить всё из БАНКИ 2",
      "Перелить всё из БАНКИ1 В БАНКУ 2", "Перелить всё из БАНКИ2 В БАНКУ 1"};
  const std::vector<std::string> river = {"Перевезти Козу", "Перевезти Волка", "Перевезти Капусту",
                                          "Переправиться один"};
  for (const auto& [window, commands] : {std::pair{"TForm1", jugs}, std::pair{"TForm2", river}}) {
    SCOPED_TRACE(window);
    LayoutQuery layout(window);
    const LayoutNode* picker = layout.Find("sComboBox1");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(LayoutQuery::Lines(*picker, "Items.Strings"), commands);
    // A drop-down with an editable field, no entry chosen, 16 rows open.
    EXPECT_EQ(LayoutQuery::Text(*picker, "Style"), "csDropDown");
    EXPECT_EQ(LayoutQuery::Text(*picker, "ItemIndex"), "<missing>");
    EXPECT_EQ(LayoutQuery::Text(*picker, "DropDownCount"), "16");
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(WindowTexts, TaskDescriptionsKeepTheirLinesExactly) {
  const std::pair<const char*, std::vector<std::string>> tasks[] = {
      {"TForm1",
       {"Даны две банки. ", "Составить алгоритм, позволяющий отмерить литр сока,", "Если можно только:",
        "- Наполнить банку доверху соком;", "- Перелить ВСЁ из банки в другую либо вылить."}},
      {"TForm2",
       {"Помогите старику решить проблему. ",
        "Ему необходимо перевезти на другой берег реки Козу, Волка и Капусту. ", "НО! Нужно учесть, что:",
        "- Лодка старика может перевезти только его и ещё кого - нибудь одного ",
        "  (капусту, или козу, или волка).",
        "- Нельзя допустить, чтобы коза осталась наедине с капустой! Она её съест!",
        "- Нельзя допустить, чтобы волк остался наедине с козой! Он тоже её съест!"}},
      {"TForm3",
       {"В узкой трубке находится 8 шариков. Четыре жёлтых и четыре зелёных.",
        "В середине трубки есть небольшая ниша, в которой может поместиться ",
        "только один шарик. получается, что в этом месте два шарика могут ",
        "расположиться рядом поперёк трубы. Левый конец трубы закрыт а в ",
        "правом имеется отверстие, через которое можно проходить любому ", "ЖЁЛТОМУ шарику, но не зелёному.",
        "Составьте алгоритм, по которому можно выкатить из трубки все",
        "ЖЁЛТЫЕ шарики. Зелёные вынимать запрещено!"}},
  };
  for (const auto& [window, lines] : tasks) {
    SCOPED_TRACE(window);
    LayoutQuery layout(window);
    const LayoutNode* label = layout.Find("sLabel1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(SplitLines(LayoutQuery::Text(*label, "Caption")), lines);
    EXPECT_EQ(LayoutQuery::Text(*label, "Font.Height"), "-16");
  }
}

TEST(WindowTexts, LinkLabelOpensARealPageAndExplainsItself) {
  LayoutQuery layout("TForm1");
  const LayoutNode* link = layout.Find("sWebLabel1");
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(LayoutQuery::Text(*link, "URL").starts_with("https://ru.wikipedia.org/wiki/"));
  EXPECT_EQ(LayoutQuery::Text(*link, "ShowHint"), "True");
  EXPECT_NE(LayoutQuery::Text(*link, "Hint"), "<missing>");
  EXPECT_NE(LayoutQuery::Text(*link, "Caption"), "<missing>");
  // Only printable ASCII may go to the shell as a link target.
  for (char ch : LayoutQuery::Text(*link, "URL")) EXPECT_TRUE(ch > ' ' && ch < 0x7F) << "in URL: " << ch;
}

}  // namespace
