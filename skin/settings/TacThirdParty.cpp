#include "skin/settings/TacThirdParty.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "skin/load/SkinText.h"

namespace {

// Published in the property order, stored in slot order.
auto Text(TacThirdParty::Slot slot) {
  return std::make_pair([slot](const TacThirdParty& t) { return t.Texts[slot]; },
                        [slot](TacThirdParty& t, std::string value) { t.Texts[slot] = std::move(value); });
}

}  // namespace

const TClassInfo& TacThirdParty::StaticClassInfo() {
  static const TClassInfo info("TacThirdParty", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacThirdParty> b(c);
    const std::pair<const char*, Slot> order[] = {
        {"ThirdEdits", Edits},           {"ThirdButtons", Buttons},         {"ThirdBitBtns", BitBtns},
        {"ThirdCheckBoxes", CheckBoxes}, {"ThirdGroupBoxes", GroupBoxes},   {"ThirdListViews", ListViews},
        {"ThirdPanels", Panels},         {"ThirdGrids", Grids},             {"ThirdTreeViews", TreeViews},
        {"ThirdComboBoxes", ComboBoxes}, {"ThirdWWEdits", WWEdits},         {"ThirdVirtualTrees", VirtualTrees},
        {"ThirdGridEh", GridEh},         {"ThirdPageControl", PageControl}, {"ThirdTabControl", TabControl},
        {"ThirdToolBar", ToolBar},       {"ThirdStatusBar", StatusBar}};
    for (const auto& [name, slot] : order) {
      auto [get, set] = Text(slot);
      b.String(name, get, set);
    }
  });
  return info;
}

std::vector<std::string> TacThirdParty::ClassNames(Slot slot) const {
  std::vector<std::string> names;
  for (const std::string& line : SkinText::Split(Texts[slot], "\r\n", false)) {
    const std::string_view name = SkinText::Trim(line);
    if (!name.empty()) names.emplace_back(name);
  }
  return names;
}
