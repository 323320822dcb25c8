// The manager's side of the windows: who hears about a change of skin and in
// which order, the phase flags receivers see, the window under the pointer,
// the registry of skinned forms and the window hook's install points.
#include <gtest/gtest.h>

#include "SkinCommandRecorder.h"
#include "SkinTestFiles.h"
#include "framework/TApplication.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TacSkinnedForms.h"

namespace {

using Texts = std::vector<std::string>;

SkinTestFiles::Bytes BirchPack() {
  return SkinTestFiles::Pack({{"Options.dat", SkinTestFiles::Text("[GLOBALINFO]\nVERSION=6.02\n[BUTTON]\nCOLOR=255\n")}});
}

// An application with recording forms and a manager holding one stored skin.
struct WindowsFixture : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  SkinTestFiles::TempDir dir;
  SkinCommandLog log;
  TsSkinManager manager{nullptr};
  std::vector<TCustomForm*> registered;

  WindowsFixture() {
    manager.SetProgramFolder(dir.path().string() + "/");
    manager.SetSkinDirectory(dir.path().string() + "/Skins");
    TsSkinStoredAdd("Birch");
  }
  ~WindowsFixture() override {
    manager.SetActive(false);
    for (TCustomForm* form : registered) TsSkinManager::UnregisterForm(form);
    TsSkinManager::WindowConnections() = {};
  }
  void TsSkinStoredAdd(const std::string& name) {
    TsStoredSkin* skin = manager.InternalSkins().Add();
    skin->Name = name;
    skin->ReadData(BirchPack());
  }
  TRecordingForm* AppForm(const std::string& label) { return new TRecordingForm(&app, label, log); }
  TRecordingForm* RegisteredForm(const std::string& label) {
    auto* form = new TRecordingForm(&app, label, log);
    // Skinned forms skin themselves and skip the application's walk.
    form->AnswerSkinned = true;
    TsSkinManager::RegisterForm(form);
    registered.push_back(form);
    return form;
  }
  TRecordingControl* Child(TWinControl* parent, const std::string& label) {
    auto* control = new TRecordingControl(parent, label, log);
    control->SetParent(parent);
    return control;
  }
};

}  // namespace

TEST_F(WindowsFixture, BroadcastWalksApplicationFormsLastToFirstThenTheRegistry) {
  TRecordingForm* a = AppForm("A");
  TRecordingControl* a1 = Child(a, "A1");
  Child(a1, "A2");
  a->HandleNeeded();
  AppForm("B");
  AppForm("C")->AnswerSkinned = true;  // takes part in the engine: passes messages on itself
  AppForm("D")->Destroying();
  RegisteredForm("R");

  manager.SetSkinName("Birch");
  const Texts once = {"B", "A", "A1", "A2", "R"};
  Texts expected;
  for (const char* command : {":loaded", ":fade", ":changed"}) {
    for (const std::string& who : once) expected.push_back(who + command);
  }
  EXPECT_EQ(log.Texts(), expected);
  for (const SkinCommandSeen& seen : log.Entries()) {
    EXPECT_EQ(seen.Manager, reinterpret_cast<LPARAM>(&manager)) << seen.Text;
  }

  log.Clear();
  manager.SetActive(false);
  EXPECT_EQ(log.Texts(), (Texts{"B:removed", "A:removed", "A1:removed", "A2:removed", "R:removed"}));
}

TEST_F(WindowsFixture, FormsBeingDestroyedAreSkippedAndFreeingOneDuringDeliveryTellsNoFormTwice) {
  TRecordingForm* a = AppForm("A");
  TRecordingForm* b = AppForm("B");
  TRecordingForm* c = AppForm("C");
  // The last form frees the one before it while hearing of the new skin.
  c->OnCommand = [&](WORD command) {
    if (command == SKC_SKIN_LOADED && b != nullptr) {
      delete b;
      b = nullptr;
    }
  };
  RegisteredForm("R")->Destroying();
  manager.SetSkinName("Birch");
  EXPECT_EQ(log.Texts(), (Texts{"C:loaded", "A:loaded", "C:fade", "A:fade", "C:changed", "A:changed"}));
  EXPECT_EQ(app.ComponentCount(), 3);  // A, C and R
  (void)a;
}

TEST_F(WindowsFixture, ReceiversSeeWhichPhaseIsRunning) {
  AppForm("A");
  manager.SetSkinName("Birch");
  manager.SetActive(false);
  ASSERT_EQ(log.Texts(), (Texts{"A:loaded", "A:fade", "A:changed", "A:removed"}));
  const auto& seen = log.Entries();
  EXPECT_TRUE(seen[0].NewSkin);
  EXPECT_TRUE(seen[0].Changing) << "a change by SkinName";
  EXPECT_FALSE(seen[0].Removing);
  for (int i : {1, 2}) {
    EXPECT_FALSE(seen[i].NewSkin) << seen[i].Text;
    EXPECT_FALSE(seen[i].Removing) << seen[i].Text;
  }
  EXPECT_TRUE(seen[3].Removing);
  EXPECT_FALSE(seen[3].NewSkin);
  EXPECT_FALSE(seen[3].Changing) << "Active switched off is not a change of skin";
  EXPECT_FALSE(TsSkinManager::NewSkin());
  EXPECT_FALSE(TsSkinManager::Removing());
  EXPECT_FALSE(TsSkinManager::SkinChanging());
}

TEST_F(WindowsFixture, FramedTopLevelFormsHoldTheirRedrawingUntilTheChangeIsShown) {
  TRecordingForm* framed = RegisteredForm("F");
  framed->FrameProvider = 1;
  framed->Show();
  TRecordingForm* plain = RegisteredForm("P");  // no frame object: never held
  plain->Show();
  TRecordingForm* hidden = RegisteredForm("H");
  hidden->FrameProvider = 1;
  hidden->HandleNeeded();
  driver.runUntilIdle();
  log.Clear();
  std::vector<bool> animationFlag;
  framed->OnCommand = [&](WORD command) {
    if (command == SKC_SKIN_LOADED || command == SKC_SKIN_CHANGED) animationFlag.push_back(TsSkinManager::SkinChangeAnimation());
  };

  manager.SetSkinName("Birch");
  Texts seen;
  for (const std::string& text : log.Texts()) {
    if (text.rfind("F:", 0) == 0 || text.find("redraw") != std::string::npos) seen.push_back(text);
  }
  EXPECT_EQ(seen, (Texts{"F:redraw off", "F:loaded", "F:fade", "F:redraw off", "F:changed", "F:redraw on"}));
  // The default manager animates the change (SkinChanging is active by default).
  EXPECT_EQ(animationFlag, (std::vector<bool>{true, true}));
  EXPECT_FALSE(TsSkinManager::SkinChangeAnimation()) << "cleared once the change is shown";
}

TEST_F(WindowsFixture, HotWindowTellsTheOldWindowItWasLeftAndTheNewOneItWasEntered) {
  TRecordingForm* a = AppForm("A");
  TRecordingForm* b = AppForm("B");
  const HWND ha = a->Handle();
  const HWND hb = b->Handle();
  manager.SetHotWindow(ha);
  EXPECT_EQ(log.Texts(), (Texts{"A:enter"}));
  manager.SetHotWindow(ha);
  EXPECT_EQ(log.Texts(), (Texts{"A:enter"})) << "the same window again sends nothing";
  manager.SetHotWindow(hb);
  manager.SetHotWindow(nullptr);
  EXPECT_EQ(log.Texts(), (Texts{"A:enter", "A:leave", "B:enter", "B:leave"}));
  EXPECT_EQ(manager.HotWindow(), nullptr);
  for (const SkinCommandSeen& seen : log.Entries()) EXPECT_EQ(seen.Manager, reinterpret_cast<LPARAM>(&manager));
}

TEST_F(WindowsFixture, RegistryRemovalMovesTheLastEntryIntoTheFreedPlace) {
  TRecordingForm* a = RegisteredForm("A");
  TRecordingForm* b = RegisteredForm("B");
  TRecordingForm* c = RegisteredForm("C");
  TRecordingForm* stranger = AppForm("X");
  auto entries = [] {
    std::vector<TCustomForm*> list;
    for (std::size_t i = 0; i < TacSkinnedForms::Count(); ++i) list.push_back(TacSkinnedForms::At(i));
    return list;
  };
  ASSERT_EQ(entries(), (std::vector<TCustomForm*>{a, b, c}));
  TsSkinManager::UnregisterForm(a);
  EXPECT_EQ(entries(), (std::vector<TCustomForm*>{c, b}));
  TsSkinManager::UnregisterForm(stranger);
  EXPECT_EQ(entries(), (std::vector<TCustomForm*>{c, b}));
  TsSkinManager::UnregisterForm(b);  // the last one: the array just shortens
  EXPECT_EQ(entries(), (std::vector<TCustomForm*>{c}));
  TsSkinManager::UnregisterForm(c);
  EXPECT_EQ(TacSkinnedForms::Count(), 0u);
  EXPECT_EQ(TacSkinnedForms::At(0), nullptr);
}

TEST_F(WindowsFixture, TheDefaultManagerInstallsTheHookOnceAndRemovesItWithTheSkin) {
  int installs = 0;
  int removals = 0;
  TsSkinManager::Connections& c = TsSkinManager::WindowConnections();
  c.InstallHook = [&](TsSkinManager& m) {
    EXPECT_EQ(&m, &manager);
    ++installs;
  };
  c.RemoveHook = [&](TsSkinManager& m) {
    EXPECT_EQ(&m, &manager);
    ++removals;
  };
  ASSERT_TRUE(manager.IsDefault());
  manager.SetSkinName("Birch");
  manager.SetSkinName("Birch");
  manager.SetHueOffset(40);
  EXPECT_EQ(installs, 1);
  EXPECT_TRUE(manager.HookInstalled());

  {
    TsSkinManager other(nullptr);  // not the default: never hooks
    other.SetProgramFolder(dir.path().string() + "/");
    TsStoredSkin* skin = other.InternalSkins().Add();
    skin->Name = "Birch";
    skin->ReadData(BirchPack());
    other.SetSkinName("Birch");
    EXPECT_EQ(other.SkinInfo(), "6.02");
    EXPECT_FALSE(other.HookInstalled());
  }
  EXPECT_EQ(installs, 1);
  EXPECT_EQ(removals, 0);

  manager.SetActive(false);
  EXPECT_EQ(removals, 1);
  EXPECT_FALSE(manager.HookInstalled());
  manager.SetActive(false);
  EXPECT_EQ(removals, 1);
  manager.SetActive(true);
  EXPECT_EQ(installs, 2);
}

TEST_F(WindowsFixture, WithoutAHookLayerTheManagerStillKeepsItsHookFlag) {
  manager.SetSkinName("Birch");
  EXPECT_TRUE(manager.HookInstalled());
  manager.SetActive(false);
  EXPECT_FALSE(manager.HookInstalled());
}
