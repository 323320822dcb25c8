// The manager's loading sequence: choosing the source, falling back to
// stored skins, recolouring on HueOffset, and the outcomes of bad skins.
#include "skin/TsSkinManager.h"

#include <gtest/gtest.h>

#include "SkinCommandRecorder.h"
#include "SkinTestFiles.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinList.h"
#include "skin/load/TacSkinPaths.h"

using SkinTestFiles::Bytes;

namespace {

const char* kOptions =
    "[GLOBALINFO]\nVERSION=6.02\nMASTERBITMAP=MASTER.BMP\n"
    "[BUTTON]\nCOLOR=255\nBORDERSMASK=^0000^0000^0006^0006^0000^0000^0000^0000^1^0^0^1\n";

Bytes BirchPack(const char* options = kOptions) {
  return SkinTestFiles::Pack(
      {{"Options.dat", SkinTestFiles::Text(options)}, {"Master.bmp", SkinTestFiles::BmpFile(6, 6, RGB(255, 0, 0))}});
}

// A manager reading its skin directory from a temporary folder, with the
// announcements recorded by a registered form "R" and the reports kept.
struct ManagerFixture : ::testing::Test {
  HeadlessDriver driver;
  SkinTestFiles::TempDir dir;
  SkinCommandLog log;
  std::vector<std::string> reports;
  TRecordingForm* form = new TRecordingForm(nullptr, "R", log);
  TsSkinManager manager{nullptr};

  ManagerFixture() {
    TsSkinManager::RegisterForm(form);
    manager.SetProgramFolder(dir.path().string() + "/");
    manager.SetSkinDirectory(dir.path().string() + "/Skins");
    TsSkinManager::Connections& c = TsSkinManager::WindowConnections();
    c.Warning = [this](std::string_view text, std::string_view caption) {
      reports.push_back(std::string(caption) + ": " + std::string(text));
    };
    c.LoadError = [this](TsSkinManager&, const std::string&) { reports.push_back("error"); };
  }
  ~ManagerFixture() override {
    manager.SetActive(false);  // reported while the connections still reach `reports`
    TsSkinManager::WindowConnections() = {};
    TsSkinManager::UnregisterForm(form);
    delete form;
  }
  std::vector<std::string> events() const { return log.Texts(); }
  void AddStored(const std::string& name, const Bytes& data) {
    TsStoredSkin* skin = manager.InternalSkins().Add();
    skin->Name = name;
    skin->ReadData(data);
  }
};

}  // namespace

TEST_F(ManagerFixture, StoredSkinIsUsedWhenTheSkinDirectoryHasNone) {
  AddStored("Birch (internal)", BirchPack());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  manager.SetSkinName("Birch (internal)");
  EXPECT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded);
  EXPECT_TRUE(manager.Packed());
  EXPECT_EQ(manager.SkinInfo(), "6.02");
  EXPECT_EQ(manager.Content().GetSkinIndex("BUTTON"), 1);
  ASSERT_TRUE(manager.Content().MasterBitmap);
  EXPECT_EQ(manager.Content().Masks[0].Manager, &manager);
  EXPECT_EQ(manager.Content().ConstData.GlobalInfo, 0);
  EXPECT_EQ(events(), (std::vector<std::string>{"R:loaded", "R:fade", "R:changed"}));
  EXPECT_EQ(manager.Content().SkinData.SkinPath, "");
}

TEST_F(ManagerFixture, PackFileThenFolderTakePrecedenceOverTheStoredSkin) {
  AddStored("Birch", BirchPack());
  dir.Write("Skins/Birch/Options.dat", SkinTestFiles::Text("[GLOBALINFO]\nVERSION=2\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "2");
  EXPECT_FALSE(manager.Packed());
  EXPECT_EQ(manager.Content().SkinData.SkinPath, dir.path().string() + "/Skins\\Birch\\");

  dir.Write("Skins/Birch.asz", BirchPack("[GLOBALINFO]\nVERSION=3.5\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "3.5");
  EXPECT_TRUE(manager.Packed());
  EXPECT_EQ(manager.Content().SkinData.SkinPath, dir.path().string() + "/Skins\\");
}

TEST_F(ManagerFixture, TheDefaultDirectoryStandsForTheDataFoldersSearchedInOrder) {
  // "c:\Skins" on Linux: <data folder>/<program>/Skins, the user's first.
  manager.SetSkinDirectory("c:\\Skins");
  manager.SetDataFolders({(dir.path() / "home").string(), (dir.path() / "local").string(),
                          (dir.path() / "system").string()});
  const std::string program = TacSkinPaths::ProgramName();
  const auto skins = [&](const char* data) { return std::string(data) + "/" + program + "/Skins/"; };
  AddStored("Birch", BirchPack("[GLOBALINFO]\nVERSION=1\n"));

  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "1") << "nothing installed: the stored skin";

  dir.Write(skins("system") + "Birch/Options.dat", SkinTestFiles::Text("[GLOBALINFO]\nVERSION=2\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "2") << "an unpacked folder in a system data folder";
  EXPECT_EQ(manager.Content().SkinData.SkinPath, (dir.path() / "system").string() + "/" + program + "/Skins\\Birch\\");

  dir.Write(skins("system") + "Birch.asz", BirchPack("[GLOBALINFO]\nVERSION=3\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "3") << "in one folder the pack comes first";

  dir.Write(skins("local") + "Birch/Options.dat", SkinTestFiles::Text("[GLOBALINFO]\nVERSION=4\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "4") << "an earlier data folder wins, even with a folder against a pack";

  dir.Write(skins("home") + "Birch.asz", BirchPack("[GLOBALINFO]\nVERSION=5\n"));
  manager.SetSkinName("Birch");
  EXPECT_EQ(manager.SkinInfo(), "5") << "the user's own folder first";
  EXPECT_TRUE(manager.Packed());
  EXPECT_EQ(manager.ResolvedSkinDirectory(), (dir.path() / "home").string() + "/" + program + "/Skins");

  // The list of skins (the "Available skins" menu) gathers all folders.
  dir.Write(skins("system") + "Oak.asz", BirchPack());
  std::vector<std::string> names;
  EXPECT_EQ(manager.GetSkinNames(names, TacSkinList::FoldersAndPacks), "Birch");
  EXPECT_EQ(names, (std::vector<std::string>{"Birch", "Birch", "Oak"}));
}

TEST_F(ManagerFixture, UnknownNameTakesTheFirstStoredSkinAndNoSkinAtAllSwitchesOff) {
  AddStored("First", BirchPack("[GLOBALINFO]\nVERSION=1\n"));
  AddStored("Second", BirchPack("[GLOBALINFO]\nVERSION=2\n"));
  manager.SetSkinName("Nothing");
  EXPECT_EQ(manager.SkinName(), "First");
  EXPECT_EQ(manager.SkinInfo(), "1");

  TsSkinManager empty(nullptr);
  empty.SetProgramFolder(dir.path().string() + "/");
  empty.SetSkinName("Nothing");
  EXPECT_FALSE(empty.Active());
  EXPECT_EQ(empty.LastLoadOutcome(), TsSkinManager::LoadOutcome::NoSource);
  EXPECT_EQ(empty.SkinInfo(), "N/A");
}

TEST_F(ManagerFixture, BadPacksLeaveTheManagerWithoutASkin) {
  AddStored("Good", BirchPack());
  manager.SetSkinName("Good");
  ASSERT_EQ(manager.SkinInfo(), "6.02");
  log.Clear();

  Bytes notPacked = BirchPack();
  notPacked[3] = 'F';
  AddStored("NotPacked", notPacked);
  manager.SetSkinName("NotPacked");
  EXPECT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::NotPacked);
  EXPECT_EQ(reports, (std::vector<std::string>{"Warning: Loaded data is not packed Kestrel file"}));
  EXPECT_EQ(events(), (std::vector<std::string>{"R:removed"}));
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_TRUE(manager.Content().Sections.empty());
  EXPECT_EQ(manager.Content().ConstData.GlobalInfo, -1);

  Bytes truncated = BirchPack();
  truncated.resize(truncated.size() - 10);
  AddStored("Truncated", truncated);
  manager.SetSkinName("Truncated");
  EXPECT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Failed);
  EXPECT_FALSE(manager.LastError().empty());
  EXPECT_EQ(reports.back(), "error");

  AddStored("BadNumber", BirchPack("[GLOBALINFO]\nVERSION=1\n[A]\nBORDERSMASK=^00x0\n"));
  manager.SetSkinName("BadNumber");
  EXPECT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Failed);
  EXPECT_TRUE(manager.Content().Sections.empty());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_TRUE(manager.Active());

  manager.SetSkinName("Good");  // a later change loads again
  EXPECT_EQ(manager.SkinInfo(), "6.02");
}

TEST_F(ManagerFixture, HueOffsetReloadsAndRecolours) {
  AddStored("Birch", BirchPack());
  manager.SetSkinName("Birch");
  log.Clear();
  manager.SetHueOffset(120);
  const TsSkinContent& c = manager.Content();
  EXPECT_EQ(c.Sections[1].Color, RGB(0, 255, 0));
  EXPECT_EQ(c.MasterBitmap->pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(events(), (std::vector<std::string>{"R:fade", "R:changed"}));
  manager.SetHueOffset(120);  // unchanged: nothing happens
  EXPECT_EQ(events().size(), 2u);
  manager.SetHueOffset(0);
  EXPECT_EQ(c.Sections[1].Color, RGB(255, 0, 0));
}

TEST_F(ManagerFixture, ActiveFalseRemovesTheSkinAndTrueLoadsItAgain) {
  AddStored("Birch", BirchPack());
  manager.SetSkinName("Birch");
  ASSERT_EQ(manager.SkinInfo(), "6.02");
  log.Clear();
  manager.SetActive(false);
  EXPECT_EQ(events(), (std::vector<std::string>{"R:removed"}));
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_TRUE(manager.Content().Masks.empty());
  EXPECT_FALSE(manager.Content().MasterBitmap);
  EXPECT_EQ(manager.Content().ConstData.GlobalInfo, -1);
  manager.SetActive(true);
  EXPECT_EQ(manager.SkinInfo(), "6.02");
  EXPECT_EQ(events(), (std::vector<std::string>{"R:removed", "R:loaded", "R:fade", "R:changed"}));
}

TEST_F(ManagerFixture, TheFirstManagerIsTheDefault) {
  EXPECT_EQ(TsSkinManager::DefaultManager(), &manager);
  {
    TsSkinManager second(nullptr);
    EXPECT_FALSE(second.IsDefault());
    second.SetIsDefault(false);  // another manager is the default: nothing changes
    EXPECT_TRUE(manager.IsDefault());
    second.SetIsDefault(true);
    EXPECT_TRUE(second.IsDefault());
    EXPECT_FALSE(manager.IsDefault());
  }
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);  // the destroyed default leaves none
  manager.SetIsDefault(false);                          // with no default, false makes it the default
  EXPECT_TRUE(manager.IsDefault());
}

TEST_F(ManagerFixture, AnActiveManagerMadeTheDefaultAnnouncesItsSkinAndRepaints) {
  AddStored("Birch", BirchPack());
  manager.SetSkinName("Birch");
  ASSERT_EQ(manager.SkinInfo(), "6.02");
  log.Clear();
  manager.SetIsDefault(true);
  EXPECT_EQ(events(), (std::vector<std::string>{"R:loaded", "R:fade", "R:changed"}))
      << "the windows take the skin and show it at once";
  log.Clear();
  manager.SetActive(false);
  manager.SetIsDefault(true);
  EXPECT_EQ(events(), (std::vector<std::string>{"R:removed", "R:removed"})) << "an inactive one has no skin to show";
}

TEST_F(ManagerFixture, CommonSectionsLoseTheirBlanksAndReloadTheSkin) {
  AddStored("Birch", BirchPack());
  manager.SetSkinName("Birch");
  manager.SetCommonSections({"[MY BTN]", "PARENT CLASS = BUTTON", "; keep my blanks", "PARENTCLASS = BUTTON"});
  EXPECT_EQ(manager.CommonSections(),
            (std::vector<std::string>{"[MYBTN]", "PARENTCLASS=BUTTON", "; keep my blanks", "PARENTCLASS=BUTTON"}));
  const int mine = manager.Content().GetSkinIndex("MYBTN");
  ASSERT_GE(mine, 0);
  EXPECT_EQ(manager.Content().Sections[static_cast<std::size_t>(mine)].Color, RGB(255, 0, 0));
}

TEST_F(ManagerFixture, StoredSkinWithoutDataReadsItsCollections) {
  TsStoredSkin* skin = manager.InternalSkins().Add();
  skin->Name = "Collections";
  skin->Version = 2.5;
  skin->Shadow1Color = RGB(1, 2, 3);
  skin->MasterBitmap = SkinTestFiles::Filled(30, 20, RGB(9, 9, 9));

  TsSkinGeneral* button = skin->GeneralData.Add();
  button->SectionName = "BUTTON";
  button->Color = RGB(255, 0, 0);
  button->FontColor = "1 2 3 4 5";
  button->HotFontColor = "1 2 3";  // not five numbers: the defaults
  button->GradientData = "1;2;150;1;0";
  TsSkinGeneral* child = skin->GeneralData.Add();
  child->SectionName = "MYBUTTON";
  child->ParentClass = "BUTTON";

  TsSkinImage* area = skin->Images.Add();
  area->SectionName = "button";
  area->PropertyName = "bordersmask";
  area->Left = 0;
  area->Right = 18;
  area->Bottom = 12;
  TsSkinImage* own = skin->Images.Add();
  own->SectionName = "BUTTON";
  own->PropertyName = "GLYPHMASK";
  own->Name = "glyph";
  *own->Image = Bitmap(6, 4, PixelFormat::Bgrx32);
  own->ImageCount = 2;
  own->WL = 1;

  TsSkinPattern* first = skin->Patterns.Add();
  first->SectionName = "form";
  first->PropertyName = "pattern";
  first->Name = "shared";
  *first->Image = SkinTestFiles::Filled(7, 7, RGB(1, 1, 1));
  TsSkinPattern* second = skin->Patterns.Add();
  second->SectionName = "FORM";
  second->PropertyName = "HOTPATTERN";
  second->Name = "shared";  // no picture: borrows the first one's

  manager.SetSkinName("Collections");
  ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded);
  EXPECT_FALSE(manager.Packed());
  const TsSkinContent& c = manager.Content();
  EXPECT_EQ(manager.SkinInfo(), "2.5");
  EXPECT_EQ(c.SkinData.Shadow1Color, RGB(1, 2, 3));
  ASSERT_TRUE(c.MasterBitmap);
  EXPECT_EQ(c.MasterBitmap->width(), 30);

  ASSERT_EQ(c.Sections.size(), 2u);
  EXPECT_EQ(c.Sections[0].FontColor, (TsFontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(c.Sections[0].HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
  ASSERT_EQ(c.Sections[0].GradientArray.size(), 1u);
  EXPECT_EQ(c.Sections[0].GradientArray[0].Percent, 100);

  // Names are upper-cased; ImageCount 0 becomes 3 frames in 2 rows, widths from R.
  const int border = c.GetMaskIndex(c.GetSkinIndex("MYBUTTON"), "MYBUTTON", "BORDERSMASK");
  ASSERT_GE(border, 0);
  const TsMaskData& m = c.Masks[static_cast<std::size_t>(border)];
  EXPECT_EQ(m.ImageCount, 3);
  EXPECT_EQ(m.MaskType, 1);
  EXPECT_EQ((std::array{m.WL, m.WT, m.WR, m.WB}), (std::array<std::int16_t, 4>{2, 2, 2, 2}));
  EXPECT_FALSE(m.Bmp);
  const TsMaskData& g = c.Masks[static_cast<std::size_t>(c.GetMaskIndex("BUTTON", "GLYPHMASK"))];
  ASSERT_TRUE(g.Bmp);
  EXPECT_EQ(g.Bmp->format(), PixelFormat::Bgr24);
  EXPECT_EQ(g.R, Rect(0, 0, 6, 4));
  EXPECT_EQ(g.WL, 1);  // widths given: kept as they are

  ASSERT_EQ(c.Patterns.size(), 2u);
  EXPECT_EQ(c.Patterns[0].SectionName, "FORM");
  EXPECT_EQ(c.Patterns[1].PropertyName, "HOTPATTERN");
  EXPECT_EQ(c.Patterns[1].Img->width(), 7);
}
