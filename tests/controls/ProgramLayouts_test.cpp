// The four program windows read from their real layouts: every skinned
// control is created with its class, placed in its container and holds the
// values its layout gives (read back through the published properties).
#include <gtest/gtest.h>

#include <variant>

#include "controls/buttons/TsButton.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"
#include "platform/headless/HeadlessDriver.h"
#include "tests/controls/ProgramWindows.h"
#include "tests/controls/PropertyPath.h"

namespace {

struct Expectation {
  const char* Window;
  const char* Component;
  const char* Class;
  const char* Property;
  std::variant<std::int64_t, bool, std::string> Value;
};

// Ordinals of the enumerations in layout order.
constexpr std::int64_t gkHorizontalBar = 1, gkVerticalBar = 2, ktCustom = 1, smCustom = 1, bsTopLine = 2,
                       csDropDown = 0, shComicsGradient = 5, hsComics = 1, bkOK = 1, fsBold = 1, fsUnderline = 4;
constexpr std::int64_t kMaroon = 0x000080, kGreen = 0x008000, kRed = 0x0000FF, kBlue = 0xFF0000, kNavy = 0x800000,
                       kBlack = 0, kWhite = 0xFFFFFF;

const Expectation kExpectations[] = {
    // The jugs window.
    {"TForm1", "sSkinManager1", "TsSkinManager", "SkinName", std::string("Birch (internal)")},
    {"TForm1", "sHintManager1", "TsHintManager", "Predefinitions", shComicsGradient},
    {"TForm1", "sHintManager1", "TsHintManager", "HintKind.Style", hsComics},  // the preset after loading
    {"TForm1", "sLabelFX1", "TsLabelFX", "Caption", std::string("Задание 1:")},
    {"TForm1", "sLabelFX1", "TsLabelFX", "Kind.KindType", ktCustom},
    {"TForm1", "sLabelFX1", "TsLabelFX", "Kind.Color", kBlack},
    {"TForm1", "sLabelFX1", "TsLabelFX", "Shadow.Mode", smCustom},
    {"TForm1", "sLabelFX1", "TsLabelFX", "Shadow.Color", kMaroon},
    {"TForm1", "sLabelFX1", "TsLabelFX", "Shadow.Distance", std::int64_t{1}},
    {"TForm1", "sLabelFX4", "TsLabelFX", "Shadow.Distance", std::int64_t{2}},
    {"TForm1", "sLabelFX4", "TsLabelFX", "Shadow.Color", kBlue},
    {"TForm1", "sLabelFX2", "TsLabelFX", "Font.Style", fsBold},
    {"TForm1", "sLabel1", "TsLabel", "UseSkinColor", false},
    {"TForm1", "sLabel1", "TsLabel", "Font.Height", std::int64_t{-16}},
    {"TForm1", "sBevel1", "TsBevel", "Shape", bsTopLine},
    {"TForm1", "sGauge1", "TsGauge", "Kind", gkVerticalBar},
    {"TForm1", "sGauge1", "TsGauge", "MaxValue", std::int64_t{0}},
    {"TForm1", "sGauge1", "TsGauge", "Progress", std::int64_t{0}},
    {"TForm1", "sGauge1", "TsGauge", "ShowText", false},
    {"TForm1", "sGauge1", "TsGauge", "Height", std::int64_t{129}},
    {"TForm1", "sGauge1", "TsGauge", "SkinData.SkinSection", std::string("GAUGE")},
    {"TForm1", "sGauge4", "TsGauge", "Kind", gkHorizontalBar},
    {"TForm1", "sGauge4", "TsGauge", "MaxValue", std::int64_t{100}},
    {"TForm1", "sGauge4", "TsGauge", "Suffix", std::string("%")},
    {"TForm1", "sListBox1", "TsListBox", "ItemHeight", std::int64_t{13}},
    {"TForm1", "sListBox1", "TsListBox", "Color", kWhite},
    {"TForm1", "sListBox1", "TsListBox", "SkinData.CustomFont", true},
    {"TForm1", "sListBox1", "TsListBox", "SkinData.SkinSection", std::string("EDIT")},
    {"TForm1", "sGroupBox1", "TsGroupBox", "Caption", std::string("Панель Управления")},
    {"TForm1", "sGroupBox1", "TsGroupBox", "SkinData.SkinSection", std::string("GROUPBOX")},
    {"TForm1", "sSpeedButton1", "TsSpeedButton", "Flat", true},
    {"TForm1", "sSpeedButton1", "TsSpeedButton", "Hint", std::string("Убрать выбранную команду")},
    {"TForm1", "sSpeedButton1", "TsSpeedButton", "SkinData.SkinSection", std::string("SPEEDBUTTON")},
    {"TForm1", "sComboBox1", "TsComboBox", "Text", std::string("Выберите команду")},
    {"TForm1", "sComboBox1", "TsComboBox", "Style", csDropDown},
    {"TForm1", "sComboBox1", "TsComboBox", "DropDownCount", std::int64_t{16}},
    {"TForm1", "sComboBox1", "TsComboBox", "SkinData.SkinSection", std::string("COMBOBOX")},
    {"TForm1", "sBitBtn1", "TsBitBtn", "Default", true},
    {"TForm1", "sBitBtn1", "TsBitBtn", "Font.Color", kGreen},
    {"TForm1", "sBitBtn1", "TsBitBtn", "SkinData.CustomFont", true},
    {"TForm1", "sButton1", "TsButton", "Caption", std::string("Очистить")},
    {"TForm1", "sButton1", "TsButton", "SkinData.SkinSection", std::string("BUTTON")},
    {"TForm1", "Timer1", "TTimer", "Interval", std::int64_t{2000}},
    {"TForm1", "sWebLabel1", "TsWebLabel", "Caption", std::string("Алгоритмы")},
    {"TForm1", "sWebLabel1", "TsWebLabel", "Font.Color", kBlue},
    {"TForm1", "sWebLabel1", "TsWebLabel", "HoverFont.Style", fsUnderline},
    {"TForm1", "sWebLabel1", "TsWebLabel", "ShowHint", true},
    // The river-crossing window.
    {"TForm2", "sLabelFX1", "TsLabelFX", "Caption", std::string("Задание 2:")},
    {"TForm2", "Image2", "TImage", "Stretch", true},
    {"TForm2", "sListBox1", "TsListBox", "Width", std::int64_t{241}},
    {"TForm2", "sComboBox1", "TsComboBox", "Text", std::string("Выберите, кого перевезти")},
    {"TForm2", "sLabelFX3", "TsLabelFX", "Shadow.Color", kRed},
    {"TForm2", "sBitBtn1", "TsBitBtn", "Caption", std::string("ВЫПОЛНИТЬ")},
    // The tube window.
    {"TForm3", "SpinEdit1", "TSpinEdit", "Value", std::int64_t{1000}},
    {"TForm3", "SpinEdit1", "TSpinEdit", "MinValue", std::int64_t{300}},
    {"TForm3", "sButton2", "TsButton", "Caption", std::string("Наклонить вверх")},
    {"TForm3", "sButton2", "TsButton", "Height", std::int64_t{33}},
    {"TForm3", "sButton5", "TsButton", "SkinData.SkinSection", std::string("BUTTON")},
    {"TForm3", "sBitBtn1", "TsBitBtn", "TabOrder", std::int64_t{4}},
    {"TForm3", "Timer2", "TTimer", "Interval", std::int64_t{200}},
    // The personal-data window.
    {"TForm4", "sLabelFX1", "TsLabelFX", "Shadow.Color", kBlue},
    {"TForm4", "sEdit1", "TsEdit", "Font.Color", kNavy},
    {"TForm4", "sEdit1", "TsEdit", "SkinData.CustomFont", true},
    {"TForm4", "sEdit1", "TsEdit", "Text", std::string("")},
    {"TForm4", "sBitBtn1", "TsBitBtn", "Kind", bkOK},
    {"TForm4", "sBitBtn1", "TsBitBtn", "Caption", std::string("OK")},
    {"TForm4", "sBitBtn1", "TsBitBtn", "ModalResult", std::int64_t{0}},
};

std::string Describe(const TPropertyValue& value) {
  if (auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
  if (auto* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
  if (auto* s = std::get_if<std::string>(&value)) return "'" + *s + "'";
  return "<no such property>";
}

class ProgramLayouts : public ::testing::Test {
 protected:
  ProgramLayouts() {
    app_.Initialize();
    TProgramWindow::RegisterClasses();
  }

  TProgramWindow* Open(std::string_view window) {
    if (window == "TForm1") return form1_ ? form1_ : (form1_ = TForm::Create<TForm1>(&app_));
    if (window == "TForm2") return form2_ ? form2_ : (form2_ = TForm::Create<TForm2>(&app_));
    if (window == "TForm3") return form3_ ? form3_ : (form3_ = TForm::Create<TForm3>(&app_));
    return form4_ ? form4_ : (form4_ = TForm::Create<TForm4>(&app_));
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TProgramWindow* form1_ = nullptr;
  TProgramWindow* form2_ = nullptr;
  TProgramWindow* form3_ = nullptr;
  TProgramWindow* form4_ = nullptr;
};

TEST_F(ProgramLayouts, EveryControlLandsWithTheValuesOfItsLayout) {
  for (const Expectation& e : kExpectations) {
    SCOPED_TRACE(std::string(e.Window) + "." + e.Component + "." + e.Property);
    TProgramWindow* form = nullptr;
    ASSERT_NO_THROW(form = Open(e.Window));
    TComponent* component = form->FindComponent(e.Component);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->ClassName(), e.Class);
    TPropertyValue got = ReadPath(*component, e.Property);
    std::visit(
        [&](const auto& expected) {
          using V = std::decay_t<decltype(expected)>;
          const V* actual = std::get_if<V>(&got);
          EXPECT_TRUE(actual && *actual == expected) << "got " << Describe(got);
        },
        e.Value);
  }
}

TEST_F(ProgramLayouts, ControlsOfTheControlPanelLieInsideIt) {
  for (const char* window : {"TForm1", "TForm2", "TForm3"}) {
    SCOPED_TRACE(window);
    TProgramWindow* form = Open(window);
    auto* panel = form->FindComponent<TWinControl>("sGroupBox1");
    ASSERT_NE(panel, nullptr);
    for (const char* name : {"sSpeedButton1", "sBitBtn1", "sButton1"}) {
      auto* control = form->FindComponent<TControl>(name);
      ASSERT_NE(control, nullptr) << name;
      EXPECT_EQ(control->Parent(), panel) << name;
    }
    EXPECT_EQ(form->FindComponent<TControl>("sListBox1")->Parent(), form);
  }
}

TEST_F(ProgramLayouts, EachWindowRunsItsCreateHandlerOnceAfterLoading) {
  EXPECT_EQ(Open("TForm1")->Calls["FormCreate"], 1);
  EXPECT_EQ(Open("TForm3")->Calls["FormCreate"], 1);
  EXPECT_EQ(Open("TForm2")->Calls["FormCreate"], 0);  // the river window has no create handler
}

}  // namespace


namespace {

TEST(TsCommonData, SectionNamesAreKeptUpperCase) {
  TsButton button(nullptr);
  button.SkinData().SetSkinSection("Button");
  EXPECT_EQ(button.SkinData().SkinSection(), "BUTTON");
  EXPECT_EQ(std::get<std::string>(ReadPath(button, "SkinData.SkinSection")), "BUTTON");
}

}  // namespace
