// What every skinned control answers the engine about itself, skinned and
// plain, and that it follows its own manager's skin broadcasts only: another
// manager's removal leaves each control skinned, its own makes each plain.
#include <string>
#include <vector>

#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/buttons/TsButton.h"
#include "controls/buttons/TsSpeedButton.h"
#include "skin/SkinCommands.h"
#include "skin/TsCommonData.h"
#include "tests/adapters/SkinnedListFixture.h"

namespace {

// The skinned list's form with one control of every other skinned kind.
struct SkinnedControls : scroll_test::SkinnedList {
  TsComboBox* combo = nullptr;
  std::vector<TControl*> controls{list};

  SkinnedControls() {
    combo = Place(new TsComboBox(form), 170, 10, 120, 24);
    Place(new TsEdit(form), 170, 40, 120, 24);
    Place(new TsGauge(form), 170, 70, 100, 20);
    Place(new TsGroupBox(form), 170, 100, 120, 60);
    Place(new TsSpeedButton(form), 170, 170, 80, 24);
    Place(new TsButton(form), 170, 200, 80, 24);
    for (TControl* control : controls) AddMissingSection(TsCommonData::Of(control)->SkinSection());
    AddMissingSection("COMBOBTN");
    manager.Content().RefreshConstIndexes();
    for (TControl* control : controls) {
      // The broadcast reaches a windowed control through its window.
      if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->HandleNeeded();
      SendSkinCommand(control, SKC_SKIN_LOADED, Sender(manager));
    }
    driver.runUntilIdle();
  }

  template <class Control>
  Control* Place(Control* control, int x, int y, int width, int height) {
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    // As after reading a layout: the control takes its kind's section.
    static_cast<TComponent*>(control)->Loaded();
    controls.push_back(control);
    return control;
  }
  void AddMissingSection(const std::string& name) {
    for (const TsGeneralData& held : manager.Content().Sections)
      if (held.SectionName == name) return;
    AddSection(name, 0x00C0D0E0, 0x00E0D0C0);
  }
  static LPARAM Sender(const TsSkinManager& from) { return reinterpret_cast<LPARAM>(&from); }
  static std::string NameOf(const TControl* control) { return control->ClassInfo().Name(); }
  void RemoveSkin(const TsSkinManager& from) {
    for (TControl* control : controls) SendSkinCommand(control, SKC_SKIN_REMOVED, Sender(from));
    driver.runUntilIdle();
  }
  void ExpectIdentityAnswers() {
    for (TControl* control : controls) {
      SCOPED_TRACE(NameOf(control));
      EXPECT_TRUE(ControlAnswersOne(control, SKC_QUERY_SKINNED));
      EXPECT_EQ(SendSkinCommand(control, SKC_GET_APPLICATION), reinterpret_cast<LRESULT>(&app));
    }
  }
};

TEST_F(SkinnedControls, EveryControlTellsItIsSkinnableAndNamesTheApplicationSkinnedOrPlain) {
  for (TControl* control : controls) ASSERT_TRUE(TsCommonData::Of(control)->Skinned()) << NameOf(control);
  ExpectIdentityAnswers();
  RemoveSkin(manager);
  for (TControl* control : controls) ASSERT_FALSE(TsCommonData::Of(control)->Skinned()) << NameOf(control);
  ExpectIdentityAnswers();
}

TEST_F(SkinnedControls, OnlyTheirOwnManagersRemovalMakesTheControlsPlain) {
  std::vector<int> indexes;
  for (TControl* control : controls) indexes.push_back(TsCommonData::Of(control)->SkinIndex);
  const HWND comboWindow = combo->Handle();
  ASSERT_NE(list->ScrollAdapter(), nullptr);

  TsSkinManager other{nullptr};
  ASSERT_EQ(TsSkinManager::DefaultManager(), &manager);
  RemoveSkin(other);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(NameOf(controls[i]));
    EXPECT_TRUE(TsCommonData::Of(controls[i])->Skinned());
    EXPECT_EQ(TsCommonData::Of(controls[i])->SkinIndex, indexes[i]);
  }
  EXPECT_EQ(combo->Handle(), comboWindow) << "the combo box keeps its skinned window";
  ASSERT_NE(list->ScrollAdapter(), nullptr);
  EXPECT_FALSE(list->ScrollAdapter()->Detached()) << "the list keeps its skinned bars";

  RemoveSkin(manager);
  for (TControl* control : controls) {
    SCOPED_TRACE(NameOf(control));
    EXPECT_FALSE(TsCommonData::Of(control)->Skinned());
    EXPECT_EQ(TsCommonData::Of(control)->SkinIndex, -1);
  }
  EXPECT_NE(combo->Handle(), comboWindow) << "the plain combo box lays itself out in a new window";
}

}  // namespace
