// The four windows' layouts: root classes, frames, the controls each window
// names with their classes and containers, event bindings, timers and the
// stacking order that the pictures and labels rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "LayoutQuery.h"

namespace {

const char* const kWindows[] = {"TForm1", "TForm2", "TForm3", "TForm4"};

struct WindowFacts {
  const char* Window;
  const char* Name;
  const char* Caption;
  int ClientWidth;
  int ClientHeight;
  const char* Visible;
  const char* BorderIcons;
};

const WindowFacts kWindowFacts[] = {
    {"TForm1", "Form1", "Банки", 636, 453, "True", "[biSystemMenu, biMinimize]"},
    {"TForm2", "Form2", "Волк, коза и капуста", 701, 497, "False", "[biSystemMenu, biMinimize]"},
    {"TForm3", "Form3", "Труба и шарики", 587, 510, "False", "[biSystemMenu, biMinimize]"},
    {"TForm4", "Form4", "Личные данные", 281, 118, "False", "[]"},
};

TEST(WindowLayouts, EachRootIsItsWindowClassWithItsFrame) {
  for (const WindowFacts& w : kWindowFacts) {
    SCOPED_TRACE(w.Window);
    LayoutQuery layout(w.Window);
    const LayoutNode& root = layout.Root();
    EXPECT_EQ(root.ClassName, w.Window);
    EXPECT_EQ(root.Name, w.Name);
    EXPECT_EQ(LayoutQuery::Text(root, "Caption"), w.Caption);
    EXPECT_EQ(LayoutQuery::Text(root, "ClientWidth"), std::to_string(w.ClientWidth));
    EXPECT_EQ(LayoutQuery::Text(root, "ClientHeight"), std::to_string(w.ClientHeight));
    EXPECT_EQ(LayoutQuery::Text(root, "Visible"), w.Visible);
    EXPECT_EQ(LayoutQuery::Text(root, "BorderIcons"), w.BorderIcons);
    // Single, not resizable, centred, MS Sans Serif 11 on button face.
    EXPECT_EQ(LayoutQuery::Text(root, "BorderStyle"), "bsSingle");
    EXPECT_EQ(LayoutQuery::Text(root, "Position"), "poScreenCenter");
    EXPECT_EQ(LayoutQuery::Text(root, "Color"), "clBtnFace");
    EXPECT_EQ(LayoutQuery::Text(root, "Font.Name"), "MS Sans Serif");
    EXPECT_EQ(LayoutQuery::Text(root, "Font.Height"), "-11");
  }
}

struct ControlFacts {
  const char* Window;
  const char* Name;
  const char* Class;
  const char* Parent;  // "" for the window itself
};

// The editor every task window carries.
std::vector<ControlFacts> EditorControls(const char* window) {
  return {
      {window, "sListBox1", "TsListBox", ""},          {window, "sGroupBox1", "TsGroupBox", ""},
      {window, "sSpeedButton1", "TsSpeedButton", "sGroupBox1"}, {window, "sButton1", "TsButton", "sGroupBox1"},
      {window, "sBitBtn1", "TsBitBtn", "sGroupBox1"},  {window, "Timer1", "TTimer", ""},
      {window, "sLabelFX1", "TsLabelFX", ""},          {window, "sLabel1", "TsLabel", ""},
      {window, "sBevel1", "TsBevel", ""},
  };
}

std::vector<ControlFacts> AllNamedControls() {
  std::vector<ControlFacts> all;
  for (const char* w : {"TForm1", "TForm2", "TForm3"})
    for (const ControlFacts& c : EditorControls(w)) all.push_back(c);
  const ControlFacts rest[] = {
      {"TForm1", "sSkinManager1", "TsSkinManager", ""}, {"TForm1", "sHintManager1", "TsHintManager", ""},
      {"TForm1", "sWebLabel1", "TsWebLabel", ""},       {"TForm1", "sComboBox1", "TsComboBox", "sGroupBox1"},
      {"TForm1", "sLabelFX2", "TsLabelFX", ""},         {"TForm1", "sLabelFX3", "TsLabelFX", ""},
      {"TForm1", "sLabelFX6", "TsLabelFX", ""},         {"TForm1", "sLabelFX7", "TsLabelFX", ""},
      {"TForm1", "sLabelFX8", "TsLabelFX", ""},         {"TForm1", "sLabelFX9", "TsLabelFX", ""},
      {"TForm1", "sLabelFX10", "TsLabelFX", ""},        {"TForm1", "sGauge1", "TsGauge", ""},
      {"TForm1", "sGauge2", "TsGauge", ""},             {"TForm1", "sGauge3", "TsGauge", ""},
      {"TForm1", "sGauge4", "TsGauge", ""},             {"TForm2", "sComboBox1", "TsComboBox", "sGroupBox1"},
      {"TForm2", "Image1", "TImage", ""},               {"TForm2", "Image2", "TImage", ""},
      {"TForm2", "Image3", "TImage", ""},               {"TForm2", "Image4", "TImage", ""},
      {"TForm2", "Image5", "TImage", ""},               {"TForm3", "Image1", "TImage", ""},
      {"TForm3", "SpinEdit1", "TSpinEdit", ""},         {"TForm3", "sButton2", "TsButton", "sGroupBox1"},
      {"TForm3", "sButton3", "TsButton", "sGroupBox1"}, {"TForm3", "sButton4", "TsButton", "sGroupBox1"},
      {"TForm3", "sButton5", "TsButton", "sGroupBox1"}, {"TForm3", "Timer2", "TTimer", ""},
      {"TForm4", "sLabelFX1", "TsLabelFX", ""},         {"TForm4", "sEdit1", "TsEdit", ""},
      {"TForm4", "sBitBtn1", "TsBitBtn", ""},
  };
  all.insert(all.end(), std::begin(rest), std::end(rest));
  for (int k = 1; k <= 34; ++k) all.push_back({"TForm3", nullptr, "TShape", ""});
  return all;
}

TEST(WindowLayouts, EveryNamedControlExistsWithItsClassAndContainer) {
  int shape = 0;
  for (const ControlFacts& c : AllNamedControls()) {
    std::string name = c.Name ? c.Name : "Shape" + std::to_string(++shape);
    SCOPED_TRACE(std::string(c.Window) + "." + name);
    LayoutQuery layout(c.Window);
    const LayoutNode* node = layout.Find(name);
    ASSERT_NE(node, nullptr) << "missing";
    EXPECT_EQ(node->ClassName, c.Class);
    const LayoutNode* parent = layout.ParentOf(name);
    EXPECT_EQ(parent == &layout.Root() ? std::string() : parent->Name, c.Parent);
  }
}

TEST(WindowLayouts, NamesAreUniqueAndNeverThoseOfTheWindow) {
  for (const char* window : kWindows) {
    SCOPED_TRACE(window);
    LayoutQuery layout(window);
    std::set<std::string> seen{layout.Root().Name};
    for (const LayoutNode* node : layout.All()) {
      EXPECT_FALSE(node->Name.empty()) << "an unnamed " << node->ClassName;
      EXPECT_TRUE(seen.insert(node->Name).second) << node->Name << " appears twice";
    }
  }
}

// Every "On..." binding of a window as "Object.Event=Handler".
std::set<std::string> Bindings(const LayoutQuery& layout) {
  std::set<std::string> out;
  auto add = [&](const LayoutNode& node) {
    for (const LayoutProperty& p : node.Properties)
      if (p.Name.starts_with("On")) out.insert(node.Name + "." + p.Name + "=" + p.Value.Text);
  };
  add(layout.Root());
  for (const LayoutNode* node : layout.All()) add(*node);
  return out;
}

TEST(WindowLayouts, EventsAreBoundToTheWindowsHandlersAndNothingElse) {
  const std::set<std::string> editor = {
      "sSpeedButton1.OnClick=sSpeedButton1Click", "sButton1.OnClick=sButton1Click",
      "sBitBtn1.OnClick=sBitBtn1Click", "Timer1.OnTimer=Timer1Timer"};
  auto with = [&](std::set<std::string> extra) {
    extra.insert(editor.begin(), editor.end());
    return extra;
  };
  const std::pair<const char*, std::set<std::string>> expected[] = {
      {"TForm1", with({"Form1.OnCreate=FormCreate", "sComboBox1.OnChange=sComboBox1Change"})},
      {"TForm2", with({"Form2.OnClose=FormClose", "sComboBox1.OnChange=sComboBox1Change"})},
      {"TForm3", with({"Form3.OnCreate=FormCreate", "Form3.OnClose=FormClose", "sButton2.OnClick=sButton2Click",
                       "sButton3.OnClick=sButton3Click", "sButton4.OnClick=sButton4Click",
                       "sButton5.OnClick=sButton5Click", "Timer2.OnTimer=Timer2Timer"})},
      {"TForm4", {"sBitBtn1.OnClick=sBitBtn1Click"}},
  };
  for (const auto& [window, bindings] : expected) {
    SCOPED_TRACE(window);
    EXPECT_EQ(Bindings(LayoutQuery(window)), bindings);
  }
}

TEST(WindowLayouts, TimersStartDisabledWithTheirIntervals) {
  const struct {
    const char* Window;
    const char* Timer;
    int Interval;
  } timers[] = {{"TForm1", "Timer1", 2000}, {"TForm2", "Timer1", 2000}, {"TForm3", "Timer1", 2000},
                {"TForm3", "Timer2", 200}};
  for (const auto& t : timers) {
    SCOPED_TRACE(std::string(t.Window) + "." + t.Timer);
    LayoutQuery layout(t.Window);
    const LayoutNode* timer = layout.Find(t.Timer);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(LayoutQuery::Text(*timer, "Interval"), std::to_string(t.Interval));
    EXPECT_EQ(LayoutQuery::Text(*timer, "Enabled"), "False");
  }
  // The tube window's later ticks follow the delay field: 1000 ms at start,
  // kept within 300..1000.
  LayoutQuery tube("TForm3");
  const LayoutNode* delay = tube.Find("SpinEdit1");
  ASSERT_NE(delay, nullptr);
  EXPECT_EQ(LayoutQuery::Text(*delay, "Value"), "1000");
  EXPECT_EQ(LayoutQuery::Text(*delay, "MinValue"), "300");
  EXPECT_EQ(LayoutQuery::Text(*delay, "MaxValue"), "1000");
  EXPECT_EQ(LayoutQuery::Text(*delay, "Increment"), "1");
}

// Position of `name` among the window's objects in file order, which is the
// order a window stacks its windowless controls (later ones on top).
std::ptrdiff_t StackIndex(const LayoutQuery& layout, std::string_view name) {
  std::vector<const LayoutNode*> all = layout.All();
  auto it = std::find_if(all.begin(), all.end(), [&](const LayoutNode* n) { return n->Name == name; });
  EXPECT_NE(it, all.end()) << name << " missing";
  return it - all.begin();
}

TEST(WindowLayouts, PicturesAndLabelsAreStackedAsTheWindowsShowThem) {
  // River window, bottom to top: photograph, old man, wolf, goat, cabbage.
  LayoutQuery river("TForm2");
  const char* riverOrder[] = {"Image2", "Image1", "Image3", "Image4", "Image5"};
  for (std::size_t i = 1; i < std::size(riverOrder); ++i)
    EXPECT_LT(StackIndex(river, riverOrder[i - 1]), StackIndex(river, riverOrder[i])) << riverOrder[i];

  // Jugs window: the contents labels are drawn over the jug gauges.
  LayoutQuery jugs("TForm1");
  for (const char* label : {"sLabelFX6", "sLabelFX7"})
    for (const char* gauge : {"sGauge1", "sGauge3"})
      EXPECT_LT(StackIndex(jugs, gauge), StackIndex(jugs, label)) << label << " over " << gauge;

  // Tube window: every ball lies over the tube picture.
  LayoutQuery tube("TForm3");
  for (int k = 1; k <= 34; ++k)
    EXPECT_LT(StackIndex(tube, "Image1"), StackIndex(tube, "Shape" + std::to_string(k))) << k;
}

TEST(WindowLayouts, BallShapesPairUpPerCellAndStartHidden) {
  LayoutQuery layout("TForm3");
  auto shape = [&](int k) { return layout.Find("Shape" + std::to_string(k)); };
  auto number = [](const LayoutNode& n, const char* p) { return std::stoi(LayoutQuery::Text(n, p)); };
  for (int k = 1; k <= 34; ++k) {
    SCOPED_TRACE("Shape" + std::to_string(k));
    const LayoutNode* s = shape(k);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(LayoutQuery::Text(*s, "Shape"), "stEllipse");
    EXPECT_EQ(LayoutQuery::Text(*s, "Width"), "28");
    EXPECT_EQ(LayoutQuery::Text(*s, "Height"), "28");
    EXPECT_EQ(LayoutQuery::Text(*s, "Visible"), "False");
    EXPECT_EQ(LayoutQuery::Text(*s, "Brush.Color"), k <= 17 ? "clYellow" : "clLime");
  }
  for (int k = 1; k <= 17; ++k) {
    SCOPED_TRACE("cell " + std::to_string(k));
    const LayoutNode* yellow = shape(k);
    const LayoutNode* green = shape(k + 17);
    ASSERT_TRUE(yellow && green);
    // A cell's two balls share one place.
    EXPECT_EQ(number(*yellow, "Left"), number(*green, "Left"));
    EXPECT_EQ(number(*yellow, "Top"), number(*green, "Top"));
    // The 16 cells run left to right on one row; the niche sits above cell 8.
    if (k >= 2 && k <= 16) {
      EXPECT_GT(number(*yellow, "Left"), number(*shape(k - 1), "Left"));
      EXPECT_EQ(number(*yellow, "Top"), number(*shape(1), "Top"));
    }
    if (k == 17) {
      EXPECT_EQ(number(*yellow, "Left"), number(*shape(8), "Left"));
      EXPECT_LT(number(*yellow, "Top"), number(*shape(8), "Top"));
    }
  }
}

}  // namespace
