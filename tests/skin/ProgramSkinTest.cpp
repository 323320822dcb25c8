// The program's own skin pack, as embedded in the program: it must parse to
// its end and load into the records the engine relies on.
#include <gtest/gtest.h>

#include "resources/Resources.h"
#include "skin/TsSkinManager.h"
#include "skin/load/TacSkinConvertor.h"

namespace {

std::span<const std::uint8_t> ProgramPack() {
  auto pack = FindResource("skins/Birch.asz");
  return pack ? *pack : std::span<const std::uint8_t>{};
}

}  // namespace

TEST(ProgramSkin, PackParsesExactlyToItsEnd) {
  const std::span<const std::uint8_t> pack = ProgramPack();
  ASSERT_FALSE(pack.empty()) << "skins/Birch.asz is not embedded";
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::Parsed);
  EXPECT_EQ(reader.ConsumedBytes(), pack.size());
  ASSERT_NE(reader.Options(), nullptr);
  ASSERT_EQ(reader.PackedFiles().size(), 3u);
  EXPECT_EQ(reader.PackedFiles()[0].FileName, "ButtonHuge.bmp");
  EXPECT_EQ(reader.PackedFiles()[1].FileName, "Master.bmp");
  EXPECT_EQ(reader.PackedFiles()[2].FileName, "tl.bmp");
  for (const TacPackedFile& f : reader.PackedFiles()) EXPECT_TRUE(f.IsBitmap);
}

TEST(ProgramSkin, LoadsIntoTheRecordsTheEngineUses) {
  TsSkinManager manager(nullptr);
  manager.SetProgramFolder("/nonexistent/");
  TsStoredSkin* stored = manager.InternalSkins().Add();
  stored->Name = "Birch (internal)";
  stored->ReadData(ProgramPack());
  manager.SetSkinName("Birch (internal)");
  ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded) << manager.LastError();
  const TsSkinContent& c = manager.Content();
  EXPECT_EQ(manager.SkinInfo(), "6.02");
  ASSERT_EQ(c.Sections.size(), 64u);
  EXPECT_EQ(c.Sections.front().SectionName, "GLOBALINFO");
  EXPECT_EQ(c.Sections.back().SectionName, "DRAGBAR");
  ASSERT_TRUE(c.MasterBitmap);

  const int edit = c.GetMaskIndex(c.GetSkinIndex("EDIT"), "EDIT", "BORDERSMASK");
  ASSERT_GE(edit, 0);
  EXPECT_EQ(c.Masks[static_cast<std::size_t>(edit)].R, Rect(34, 19, 41, 28));
  EXPECT_EQ(c.MaskWidthLeft(edit), 2);

  const int huge = c.GetMaskIndex("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_GE(huge, 0);
  ASSERT_TRUE(c.Masks[static_cast<std::size_t>(huge)].Bmp);
  EXPECT_EQ(c.Masks[static_cast<std::size_t>(huge)].Bmp->width(), 288);
  EXPECT_EQ(c.Masks[static_cast<std::size_t>(huge)].Bmp->height(), 192);

  const int tl = c.GetMaskIndex("FORMTITLE", "IMGTOPLEFT");
  ASSERT_GE(tl, 0);
  const TsMaskData& corner = c.Masks[static_cast<std::size_t>(tl)];
  ASSERT_TRUE(corner.Bmp);
  EXPECT_EQ(corner.Bmp->width(), 429);
  EXPECT_EQ(corner.Bmp->height(), 600);
  EXPECT_EQ((std::array{corner.WL, corner.WT, corner.WR, corner.WB}), (std::array<std::int16_t, 4>{143, 100, 143, 100}));

  EXPECT_EQ(c.GetMaskIndex("GRIPV", "BORDERSMASK"), -1);
  EXPECT_GE(c.ConstData.GlobalInfo, 0);
  EXPECT_GE(c.ConstData.ScrollBtnTop.SkinIndex, 0);
  EXPECT_GE(c.ConstData.ComboBtnIndex, 0);
}
