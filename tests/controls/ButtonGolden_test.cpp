// Mid-fade frames of the skinned buttons with the program's own skin,
// compared pixel for pixel with pictures kept in tests/controls/golden.
// When the skin or the button painting changes on purpose, make them again:
//   TRAINER_REGENERATE_GOLDEN=1 build/tests/controls/controls_tests --gtest_filter='ButtonGolden.*'
// and look at the new PNGs before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButton.h"
#include "platform/PngCodec.h"
#include "resources/Resources.h"
#include "skin/load/TsStoredSkin.h"
#include "skin/load/TsStoredSkins.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

std::string GoldenPath(const std::string& name) {
  std::string path = TRAINER_CONTROLS_GOLDEN;
  path += '/';
  return path += name;
}

bool Regenerating() {
  const char* flag = std::getenv("TRAINER_REGENERATE_GOLDEN");
  return flag && std::string(flag) == "1";
}

// The picture matches the golden file, or becomes it while regenerating.
void ExpectGolden(const Bitmap& picture, const std::string& name) {
  const std::string path = GoldenPath(name);
  if (Regenerating()) {
    auto png = PngCodec::encode(picture);
    ASSERT_TRUE(png.ok());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.value().data()),
                                                static_cast<std::streamsize>(png.value().size()));
    return;
  }
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path << " is missing; see the command at the top of this file";
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  auto golden = PngCodec::decode(bytes);
  ASSERT_TRUE(golden.ok()) << path;
  const Bitmap& expected = golden.value();
  ASSERT_EQ(expected.width(), picture.width()) << name;
  ASSERT_EQ(expected.height(), picture.height()) << name;
  int differing = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) differing += expected.pixel(x, y) != picture.pixel(x, y);
  EXPECT_EQ(differing, 0) << name << ": pixels differ from the golden picture";
}

struct ButtonGolden : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};
  TButtonTestForm* form = nullptr;

  ButtonGolden() {
    app.Initialize();
    manager.SetProgramFolder("/nonexistent/");
    TsStoredSkin* stored = manager.InternalSkins().Add();
    stored->Name = "Birch (internal)";
    auto pack = FindResource("skins/Birch.asz");
    if (pack) stored->ReadData(*pack);
    manager.SetSkinName("Birch (internal)");
    form = TForm::Create<TButtonTestForm>(&app);
    form->SetBounds(40, 40, 320, 120);
    form->SetColor(0x00EEF3F4);
  }
  ~ButtonGolden() override { manager.Content().ClearSkin(); }

  void Focus(TWinControl* elsewhere) {
    elsewhere->SetFocus();
    driver.runUntilIdle();
  }
};

}  // namespace

TEST_F(ButtonGolden, ExecuteHalfWayIntoItsHoverFade) {
  ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded);
  auto* execute = new TsBitBtn(form);
  execute->SetParent(form);
  execute->SetBounds(8, 8, 145, 25);
  execute->SetCaption("ВЫПОЛНИТЬ");
  execute->Font().SetColor(clGreen);
  execute->Font().SetStyle(fsBold);
  execute->SkinData().SetCustomFont(true);
  execute->SkinData().SetSkinSection("BUTTON");
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(200, 60, 60, 25);
  form->Show();
  driver.runUntilIdle();
  Focus(other);
  driver.moveTo(driver.clientToScreen(execute->Handle(), {30, 12}));
  ASSERT_TRUE(execute->Fade());
  driver.runFor(100);  // frame 10 of 20
  ExpectGolden(driver.windowShot(execute->Handle()), "execute_hover_frame10.png");
}

TEST_F(ButtonGolden, ClearHalfWayIntoItsLeaveFade) {
  ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded);
  auto* clear = new TsButton(form);
  clear->SetParent(form);
  clear->SetBounds(8, 8, 75, 25);
  clear->SetCaption("Очистить");
  clear->SkinData().SetSkinSection("BUTTON");
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(200, 60, 60, 25);
  form->Show();
  driver.runUntilIdle();
  Focus(other);
  driver.moveTo(driver.clientToScreen(clear->Handle(), {30, 12}));
  driver.runFor(300);
  driver.moveTo(driver.clientToScreen(form->Handle(), {290, 100}));
  ASSERT_TRUE(clear->Fade());
  driver.runFor(50);  // frame 5 of 20
  ExpectGolden(driver.windowShot(clear->Handle()), "clear_leave_frame5.png");
}
