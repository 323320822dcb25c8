// Closing the tube window: beside the main window it closes that one too,
// which ends the program; as the program's only window it ends the program
// by itself, once.
#include <gtest/gtest.h>

#include "controls/ControlsClasses.h"
#include "framework/FrameworkClasses.h"
#include "framework/TApplication.h"
#include "framework/streaming/TClassRegistry.h"
#include "platform/headless/HeadlessDriver.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"
#include "skin/TsSkinManager.h"

namespace {

class TubeWindowClose : public ::testing::Test {
 protected:
  TubeWindowClose() {
    app_.Initialize();
    RegisterFrameworkClasses();
    RegisterSkinClasses(TClassRegistry::Global());
    RegisterControlsClasses(TClassRegistry::Global());
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
};

}  // namespace

TEST_F(TubeWindowClose, AsTheOnlyWindowItEndsTheProgramOnce) {
  TForm3* tube = nullptr;
  app_.CreateForm(tube);
  ASSERT_EQ(app_.MainForm(), tube);
  int closes = 0;
  const auto own = tube->OnClose;
  tube->OnClose = [&](TObject* sender, TCloseAction& action) {
    ++closes;
    if (own) own(sender, action);
  };
  tube->Show();
  driver_.runUntilIdle();
  tube->Close();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(app_.Terminated());
}

TEST_F(TubeWindowClose, BesideTheMainWindowItClosesThatOneToo) {
  TForm1* first = nullptr;
  TForm3* tube = nullptr;
  app_.CreateForm(first);
  app_.CreateForm(tube);
  tube->Show();
  driver_.runUntilIdle();
  tube->Close();
  EXPECT_TRUE(app_.Terminated());
  EXPECT_FALSE(tube->Visible());
}
