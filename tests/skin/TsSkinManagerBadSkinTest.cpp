// A running program whose stored skin is bad: the user is told (a warning
// box for data that is not a pack, the error report for a damaged pack or a
// malformed number), closes the box, and the program goes on with the plain
// look. Driven headlessly from timers that fire inside the modal loops.
#include <gtest/gtest.h>

#include "SkinCommandRecorder.h"
#include "SkinTestFiles.h"
#include "framework/TApplication.h"
#include "framework/controls/MessageForm.h"
#include "framework/controls/TLabel.h"
#include "platform/controls/ControlMessages.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsSkinManager.h"

namespace {

using Texts = std::vector<std::string>;

// What the timer saw of the box it closed.
struct BoxSeen {
  std::string ClassName;
  std::string Caption;
  std::string Text;  // the framework's message form shows it in a label
  HWND Box = nullptr;
};

HeadlessDriver* driverInUse = nullptr;
BoxSeen boxSeen;

// Clicks the box's first button (OK) from inside its modal loop.
void CloseBoxWithOk(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND box = GetActiveWindow();
  boxSeen.Box = box;
  boxSeen.ClassName = GetClassNameString(box);
  boxSeen.Caption = GetWindowTextString(box);
  if (auto* form = dynamic_cast<TMessageForm*>(TWinControl::FindControl(box))) {
    boxSeen.Text = form->Message()->Caption();
  }
  const HWND ok = GetWindow(box, GW_CHILD);
  if (ok == nullptr) return;
  RECT r{};
  GetClientRect(ok, &r);
  driverInUse->clickClient(ok, {r.Width() / 2, r.Height() / 2});
}

SkinTestFiles::Bytes GoodPack(const std::string& options = "[GLOBALINFO]\nVERSION=6.02\n") {
  return SkinTestFiles::Pack({{"Options.dat", SkinTestFiles::Text(options)}});
}

// The program's first window with its manager; nothing intercepts the
// manager's reports, so the real boxes appear.
struct BadSkinFixture : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  SkinTestFiles::TempDir dir;
  SkinCommandLog log;
  TRecordingForm* form = new TRecordingForm(&app, "F", log);
  TsSkinManager* manager = new TsSkinManager(form);

  BadSkinFixture() {
    driverInUse = &driver;
    boxSeen = {};
    TsSkinManager::WindowConnections() = {};
    manager->SetProgramFolder(dir.path().string() + "/");
    manager->SetSkinDirectory(dir.path().string() + "/Skins");
    AddStored("Good", GoodPack());
    form->Show();
    driver.runUntilIdle();
  }
  void AddStored(const std::string& name, const SkinTestFiles::Bytes& data) {
    TsStoredSkin* skin = manager->InternalSkins().Add();
    skin->Name = name;
    skin->ReadData(data);
  }
  // Selects the skin while a timer waits to close whatever box comes up.
  void SelectClosingTheBox(const std::string& name) {
    SetTimer(form->Handle(), 1, 10, &CloseBoxWithOk);
    manager->SetSkinName(name);
    KillTimer(form->Handle(), 1);
  }
  // The program carries on: the window is there and takes a skin again.
  void ExpectTheProgramGoesOn() {
    EXPECT_FALSE(IsWindow(boxSeen.Box)) << "the box is closed";
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_FALSE(driver.quitSeen());
    log.Clear();
    manager->SetSkinName("Good");
    EXPECT_EQ(manager->SkinInfo(), "6.02");
    EXPECT_EQ(log.Texts(), (Texts{"F:loaded", "F:fade", "F:changed"}));
  }
};

}  // namespace

TEST_F(BadSkinFixture, DataThatIsNotAPackIsWarnedAboutAndThePlainLookStays) {
  SkinTestFiles::Bytes notPacked = GoodPack();
  notPacked[0] ^= 0xFF;
  AddStored("NotPacked", notPacked);
  SelectClosingTheBox("NotPacked");

  EXPECT_EQ(boxSeen.ClassName, "#32770");
  EXPECT_EQ(boxSeen.Caption, "Warning");
  EXPECT_EQ(manager->LastLoadOutcome(), TsSkinManager::LoadOutcome::NotPacked);
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_TRUE(manager->Content().Sections.empty());
  EXPECT_EQ(log.Texts(), (Texts{"F:removed"}));
  ExpectTheProgramGoesOn();
}

TEST_F(BadSkinFixture, DamagedPacksAndMalformedNumbersGoToTheErrorReport) {
  SkinTestFiles::Bytes truncated = GoodPack();
  truncated.resize(truncated.size() - 6);
  AddStored("Truncated", truncated);
  AddStored("BadNumber", GoodPack("[GLOBALINFO]\nVERSION=1\n[A]\nBORDERSMASK=^00x0\n"));

  for (const char* name : {"Truncated", "BadNumber"}) {
    SCOPED_TRACE(name);
    boxSeen = {};
    log.Clear();
    SelectClosingTheBox(name);
    EXPECT_EQ(boxSeen.ClassName, "TMessageForm");
    EXPECT_EQ(boxSeen.Text, manager->LastError());
    EXPECT_FALSE(boxSeen.Text.empty());
    EXPECT_EQ(manager->LastLoadOutcome(), TsSkinManager::LoadOutcome::Failed);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_EQ(log.Texts(), (Texts{"F:removed"}));
    ExpectTheProgramGoesOn();
  }
}
