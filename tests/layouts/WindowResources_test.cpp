// What the layouts take from elsewhere: resource files (pictures, the stored
// skin pack), the skin manager's and hint manager's settings, and the skin
// sections the skinned controls name.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "LayoutQuery.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

namespace {

const char* const kWindows[] = {"TForm1", "TForm2", "TForm3", "TForm4"};

void CollectResources(const std::vector<LayoutProperty>& properties, std::vector<const LayoutValue*>& out);

void CollectResources(const LayoutValue& value, std::vector<const LayoutValue*>& out) {
  if (value.Type == LayoutValue::Kind::Resource) out.push_back(&value);
  for (const LayoutValue& entry : value.Values) CollectResources(entry, out);
  for (const LayoutItem& item : value.Items) CollectResources(item.Properties, out);
}

void CollectResources(const std::vector<LayoutProperty>& properties, std::vector<const LayoutValue*>& out) {
  for (const LayoutProperty& p : properties) CollectResources(p.Value, out);
}

TEST(WindowResources, EveryReferenceNamesAnEmbeddedFile) {
  int references = 0;
  for (const char* window : kWindows) {
    LayoutQuery layout(window);
    std::vector<const LayoutValue*> found;
    CollectResources(layout.Root().Properties, found);
    for (const LayoutNode* node : layout.All()) CollectResources(node->Properties, found);
    for (const LayoutValue* ref : found) {
      EXPECT_TRUE(FindResource(ref->Text).has_value()) << window << " line " << ref->Line << ": " << ref->Text;
      ++references;
    }
  }
  // The stored skin, the river photograph, four figures and the tube.
  EXPECT_EQ(references, 7);
}

// Width and height of a BMP or JPEG resource, or (0, 0).
std::pair<int, int> PictureSize(const std::string& path) {
  auto bytes = FindResource(path);
  if (!bytes) return {0, 0};
  Result<Bitmap> bitmap = path.ends_with(".jpg") ? JpegCodec::decode(*bytes) : BmpCodec::decode(*bytes);
  if (!bitmap) return {0, 0};
  return {bitmap.value().width(), bitmap.value().height()};
}

TEST(WindowResources, PicturesDecodeAndFitTheirImages) {
  for (const char* window : {"TForm2", "TForm3"}) {
    LayoutQuery layout(window);
    for (const LayoutNode* node : layout.All()) {
      if (node->ClassName != "TImage") continue;
      SCOPED_TRACE(std::string(window) + "." + node->Name);
      const std::string path = LayoutQuery::Text(*node, "Picture.Data");
      auto [width, height] = PictureSize(path);
      ASSERT_GT(width, 0) << path << " does not decode";
      const int boxWidth = std::stoi(LayoutQuery::Text(*node, "Width"));
      const int boxHeight = std::stoi(LayoutQuery::Text(*node, "Height"));
      if (LayoutQuery::Text(*node, "Stretch") == "True") {
        // Drawn at the start-bank size without distortion.
        EXPECT_EQ(width, boxWidth);
        EXPECT_EQ(height, boxHeight);
      } else {
        EXPECT_LE(width, boxWidth);
        EXPECT_LE(height, boxHeight);
      }
    }
  }
  // The figures stand on the photograph, whose background stays opaque.
  LayoutQuery river("TForm2");
  for (const char* figure : {"Image1", "Image3", "Image4", "Image5"})
    EXPECT_EQ(LayoutQuery::Text(*river.Find(figure), "Transparent"), "True") << figure;
  EXPECT_EQ(LayoutQuery::Text(*river.Find("Image2"), "Transparent"), "<missing>");
  EXPECT_EQ(LayoutQuery::Text(*LayoutQuery("TForm3").Find("Image1"), "Transparent"), "True");
}

TEST(WindowResources, SkinManagerCarriesTheStoredSkinAndSelectsIt) {
  LayoutQuery layout("TForm1");
  const LayoutNode* manager = layout.Find("sSkinManager1");
  ASSERT_NE(manager, nullptr);

  const LayoutValue* skins = LayoutQuery::Value(*manager, "InternalSkins");
  ASSERT_NE(skins, nullptr);
  ASSERT_EQ(skins->Items.size(), 1u);
  const LayoutValue* name = LayoutQuery::Value(skins->Items[0].Properties, "Name");
  const LayoutValue* data = LayoutQuery::Value(skins->Items[0].Properties, "Data");
  ASSERT_TRUE(name && data);
  EXPECT_EQ(name->Text, "Birch (internal)");
  EXPECT_EQ(LayoutQuery::Text(*manager, "SkinName"), name->Text);
  EXPECT_EQ(LayoutQuery::Text(*manager, "SkinDirectory"), "c:\\Skins");
  ASSERT_EQ(data->Type, LayoutValue::Kind::Resource);
  auto pack = FindResource(data->Text);
  ASSERT_TRUE(pack.has_value());
  ASSERT_GE(pack->size(), 4u);
  EXPECT_EQ(std::string(pack->begin(), pack->begin() + 4), "ASzf") << data->Text << " is no skin pack";

  // Setters run in file order: the skin must exist before SkinName loads it.
  std::map<std::string, std::size_t> position;
  for (std::size_t i = 0; i < manager->Properties.size(); ++i) position[manager->Properties[i].Name] = i;
  EXPECT_LT(position["InternalSkins"], position["SkinDirectory"]);
  EXPECT_LT(position["SkinDirectory"], position["SkinName"]);

  // One blank in each of the 17 class lists.
  const char* thirdParty[] = {"ThirdEdits",       "ThirdButtons",     "ThirdBitBtns",      "ThirdCheckBoxes",
                              "ThirdGroupBoxes",  "ThirdListViews",   "ThirdPanels",       "ThirdGrids",
                              "ThirdTreeViews",   "ThirdComboBoxes",  "ThirdWWEdits",      "ThirdVirtualTrees",
                              "ThirdGridEh",      "ThirdPageControl", "ThirdTabControl",   "ThirdToolBar",
                              "ThirdStatusBar"};
  for (const char* list : thirdParty)
    EXPECT_EQ(LayoutQuery::Text(*manager, std::string("ThirdParty.") + list), " ") << list;

  // The managers are created before any control, so the skin is loaded first.
  const std::vector<const LayoutNode*> all = layout.All();
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0]->Name, "sSkinManager1");
  EXPECT_EQ(all[1]->Name, "sHintManager1");
  EXPECT_EQ(LayoutQuery::Text(*all[1], "Predefinitions"), "shComicsGradient");
}

TEST(WindowResources, SkinnedControlsNameTheirSections) {
  const std::map<std::string, std::string> sectionOfClass = {
      {"TsListBox", "EDIT"},   {"TsEdit", "EDIT"},     {"TsComboBox", "COMBOBOX"}, {"TsButton", "BUTTON"},
      {"TsBitBtn", "BUTTON"}, {"TsSpeedButton", "SPEEDBUTTON"}, {"TsGroupBox", "GROUPBOX"}, {"TsGauge", "GAUGE"}};
  int checked = 0;
  for (const char* window : kWindows) {
    LayoutQuery layout(window);
    for (const LayoutNode* node : layout.All()) {
      auto section = sectionOfClass.find(node->ClassName);
      if (section == sectionOfClass.end()) continue;
      EXPECT_EQ(LayoutQuery::Text(*node, "SkinData.SkinSection"), section->second) << window << "." << node->Name;
      ++checked;
    }
  }
  // Task windows: list, panel, remove, clear, execute (+ picker on 1 and 2,
  // four gauges on 1, four tilt buttons on 3); name window: edit and OK.
  EXPECT_EQ(checked, 6 + 4 + 6 + 9 + 2);
}

TEST(WindowResources, TextFieldsKeepTheirOwnFontColours) {
  // The command lists stay blue and bold, the name field navy, whatever the
  // skin's edit colours are.
  for (const char* window : {"TForm1", "TForm2", "TForm3"}) {
    SCOPED_TRACE(window);
    LayoutQuery layout(window);
    const LayoutNode* list = layout.Find("sListBox1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(LayoutQuery::Text(*list, "Font.Color"), "clBlue");
    EXPECT_EQ(LayoutQuery::Text(*list, "Font.Style"), "[fsBold]");
    EXPECT_EQ(LayoutQuery::Text(*list, "ItemHeight"), "13");
    EXPECT_EQ(LayoutQuery::Text(*list, "SkinData.CustomFont"), "True");
  }
  LayoutQuery names("TForm4");
  const LayoutNode* edit = names.Find("sEdit1");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(LayoutQuery::Text(*edit, "Font.Color"), "clNavy");
  EXPECT_EQ(LayoutQuery::Text(*edit, "SkinData.CustomFont"), "True");
}

}  // namespace
