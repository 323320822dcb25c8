#include "skin/load/TacSkinConvertor.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "SkinTestFiles.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacSkinPackWriter.h"

using SkinTestFiles::Bytes;
using SkinTestFiles::Deflate;
using SkinTestFiles::PutU32;
using SkinTestFiles::RawPack;

TEST(TacSkinConvertor, UnpacksOptionsApartAndOtherFilesInPackOrder) {
  const Bytes options = SkinTestFiles::Text("[GLOBALINFO]\nVERSION=6.02\n");
  const Bytes huge = SkinTestFiles::BmpFile(288, 192);
  const Bytes master = SkinTestFiles::BmpFile(50, 40);
  const Bytes tl = SkinTestFiles::BmpFile(429, 600);
  const Bytes pack = SkinTestFiles::Pack(
      {{"Options.dat", options}, {"ButtonHuge.bmp", huge}, {"Master.bmp", master}, {"tl.bmp", tl}});
  // Each stream starts with the default-compression zlib header.
  EXPECT_EQ(pack[8 + 4 + 11 + 4], 0x78);
  EXPECT_EQ(pack[8 + 4 + 11 + 4 + 1], 0x9C);

  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::Parsed);
  ASSERT_NE(reader.Options(), nullptr);
  EXPECT_EQ(*reader.Options(), options);
  ASSERT_EQ(reader.PackedFiles().size(), 3u);
  EXPECT_EQ(reader.PackedFiles()[0].FileName, "ButtonHuge.bmp");
  EXPECT_EQ(reader.PackedFiles()[1].FileName, "Master.bmp");
  EXPECT_EQ(reader.PackedFiles()[2].FileName, "tl.bmp");
  EXPECT_EQ(reader.PackedFiles()[2].Data, tl);
  for (const TacPackedFile& f : reader.PackedFiles()) EXPECT_TRUE(f.IsBitmap) << f.FileName;
  EXPECT_EQ(reader.LastIndex(), 3);
  EXPECT_EQ(reader.ConsumedBytes(), pack.size());
}

TEST(TacSkinConvertor, ParseStopsExactlyAtTheEndOfTheLastStream) {
  Bytes pack = SkinTestFiles::Pack({{"a.bmp", SkinTestFiles::Text("abc")}});
  const std::size_t packSize = pack.size();
  pack.insert(pack.end(), {1, 2, 3, 4, 5});  // whatever follows is not part of the pack
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::Parsed);
  EXPECT_EQ(reader.ConsumedBytes(), packSize);
}

TEST(TacSkinConvertor, OptionsNameIgnoresCaseAndLaterOptionsReplaceEarlier) {
  for (const char* name : {"OPTIONS.DAT", "options.dat"}) {
    TacSkinConvertor reader;
    ASSERT_EQ(reader.Parse(SkinTestFiles::Pack({{name, SkinTestFiles::Text("x")}})),
              TacSkinConvertor::ParseResult::Parsed);
    ASSERT_NE(reader.Options(), nullptr) << name;
    EXPECT_TRUE(reader.PackedFiles().empty());
  }
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(SkinTestFiles::Pack(
                {{"Options.dat", SkinTestFiles::Text("first")}, {"options.DAT", SkinTestFiles::Text("second")}})),
            TacSkinConvertor::ParseResult::Parsed);
  EXPECT_EQ(*reader.Options(), SkinTestFiles::Text("second"));
}

TEST(TacSkinConvertor, JpegAndEmptyEntriesAreNotBitmaps) {
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(SkinTestFiles::Pack({{"Photo.jpg", SkinTestFiles::Text("j")}, {"Empty.BMP", {}}})),
            TacSkinConvertor::ParseResult::Parsed);
  ASSERT_EQ(reader.PackedFiles().size(), 2u);
  EXPECT_FALSE(reader.PackedFiles()[0].IsBitmap);
  EXPECT_TRUE(reader.PackedFiles()[1].IsBitmap);
  EXPECT_TRUE(reader.PackedFiles()[1].Data.empty());
}

TEST(TacSkinConvertor, FindFileComparesTheUpperCasedStoredNameWithTheNameAsGiven) {
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(SkinTestFiles::Pack({{"Master.bmp", SkinTestFiles::Text("m")},
                                              {"MASTER.BMP", SkinTestFiles::Text("second")}})),
            TacSkinConvertor::ParseResult::Parsed);
  ASSERT_NE(reader.FindFile("MASTER.BMP"), nullptr);
  EXPECT_EQ(reader.FindFile("MASTER.BMP")->Data, SkinTestFiles::Text("m"));  // the first one wins
  EXPECT_EQ(reader.FindFile("Master.bmp"), nullptr);
  EXPECT_EQ(reader.FindFile("master.bmp"), nullptr);
}

TEST(TacSkinConvertor, WrongMagicIsADistinctOutcomeAndLeavesNothing) {
  Bytes pack = SkinTestFiles::Pack({{"Options.dat", SkinTestFiles::Text("x")}});
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::Parsed);
  pack[0] = 'a';
  pack[2] = 'Z';
  pack[3] = 'F';  // "aSZF": same letters, other case
  EXPECT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::NotPacked);
  EXPECT_EQ(reader.Options(), nullptr);
  EXPECT_TRUE(reader.PackedFiles().empty());
  EXPECT_EQ(reader.LastIndex(), -1) << "no file is left to index";
  EXPECT_EQ(reader.Parse(Bytes{'A', 'S'}), TacSkinConvertor::ParseResult::NotPacked);
  EXPECT_EQ(TacSkinConvertor::kNotPackedMessage, "Loaded data is not packed Kestrel file");
}

TEST(TacSkinConvertor, CountOfZeroOrNegativeReadsNothing) {
  for (std::uint32_t count : {0u, 0x80000000u, 0xFFFFFFFFu}) {
    Bytes pack = {'A', 'S', 'z', 'f'};
    PutU32(pack, count);
    TacSkinConvertor reader;
    ASSERT_EQ(reader.Parse(pack), TacSkinConvertor::ParseResult::Parsed);
    EXPECT_TRUE(reader.PackedFiles().empty());
    EXPECT_EQ(reader.Options(), nullptr);
    EXPECT_EQ(reader.ConsumedBytes(), 8u);
  }
}

TEST(TacSkinConvertor, DamagedPacksThrowAndKeepNothing) {
  const Bytes data = SkinTestFiles::Text(std::string(5000, 'q') + "tail");
  const Bytes stream = Deflate(data);
  const auto size = static_cast<std::uint32_t>(data.size());

  Bytes truncated = RawPack(1, "a.bmp", size, stream);
  truncated.resize(truncated.size() - 6);
  Bytes corrupt = RawPack(1, "a.bmp", size, stream);
  corrupt[corrupt.size() - 3] ^= 0xFF;  // Adler-32 trailer
  Bytes garbage = RawPack(1, "a.bmp", size, Bytes(40, 0xAB));
  Bytes shortStream = RawPack(1, "a.bmp", size + 1, stream);  // stream ends before S bytes
  Bytes longStream = RawPack(1, "a.bmp", size - 1, stream);   // stream holds more than S bytes
  Bytes nameCut = RawPack(1, "a.bmp", size, stream);
  nameCut.resize(14);  // inside the name
  Bytes secondMissing = RawPack(2, "a.bmp", size, stream);
  secondMissing.resize(secondMissing.size() + 20, 0);

  for (const Bytes* pack : {&truncated, &corrupt, &garbage, &shortStream, &longStream, &nameCut, &secondMissing}) {
    TacSkinConvertor reader;
    EXPECT_THROW((void)reader.Parse(*pack), ESkinLoadError);
    EXPECT_TRUE(reader.PackedFiles().empty());
    EXPECT_EQ(reader.Options(), nullptr);
    EXPECT_EQ(reader.LastIndex(), -1);
  }
}

TEST(TacSkinConvertor, SizesBeyondTheLimitsAreRefusedBeforeAllocating) {
  // A name length and an unpacked size far beyond the data.
  TacSkinConvertor reader;
  EXPECT_THROW((void)reader.Parse(RawPack(1, "a.bmp", 0xFFFFFFF0u, Deflate({1, 2, 3}))), ESkinLoadError);
  EXPECT_THROW((void)reader.Parse(RawPack(1, "a.bmp", TacSkinConvertor::kMaxUnpackedSize + 1, Deflate({1}))),
               ESkinLoadError);
  Bytes longName = {'A', 'S', 'z', 'f'};
  PutU32(longName, 1);
  PutU32(longName, 0xFFFFFFFFu);
  longName.resize(64, 0);
  EXPECT_THROW((void)reader.Parse(longName), ESkinLoadError);
  // More files than the bytes could hold.
  Bytes many = RawPack(1000000, "a.bmp", 1, Deflate({1}));
  EXPECT_THROW((void)reader.Parse(many), ESkinLoadError);
}

TEST(TacSkinConvertor, TotalUnpackedSizeIsLimitedToo) {
  // Two files of 40 MiB each pass one by one but not together.
  const Bytes big(40u << 20, 0);
  const Bytes stream = Deflate(big);
  Bytes pack = RawPack(2, "a.bmp", static_cast<std::uint32_t>(big.size()), stream);
  PutU32(pack, 5);
  pack.insert(pack.end(), {'b', '.', 'b', 'm', 'p'});
  PutU32(pack, static_cast<std::uint32_t>(big.size()));
  pack.insert(pack.end(), stream.begin(), stream.end());
  TacSkinConvertor reader;
  EXPECT_THROW((void)reader.Parse(pack), ESkinLoadError);
}

TEST(TacSkinConvertor, OpenFileDoesNothingForAMissingFileAndReadsAnExistingOne) {
  SkinTestFiles::TempDir dir;
  TacSkinConvertor reader;
  EXPECT_EQ(reader.OpenFile((dir.path() / "none.asz").string()), TacSkinConvertor::OpenResult::Missing);
  const auto path = dir.Write("s.asz", SkinTestFiles::Pack({{"Options.dat", SkinTestFiles::Text("[A]")}}));
  EXPECT_EQ(reader.OpenFile(path.string()), TacSkinConvertor::OpenResult::Parsed);
  EXPECT_NE(reader.Options(), nullptr);
  const auto bad = dir.Write("bad.asz", SkinTestFiles::Text("PK\3\4 not a skin"));
  EXPECT_EQ(reader.OpenFile(bad.string()), TacSkinConvertor::OpenResult::NotPacked);
}

// The writer stores plain file names only: a name that leads into another
// folder, or one longer than a file name may be, is refused by itself.
TEST(TacSkinPackWriter, RefusesEveryNameThatIsNotAPlainFileName) {
  const Bytes data = SkinTestFiles::Text("x");
  for (const std::string& name : {std::string("sub/a.bmp"), std::string("sub\\a.bmp"), std::string("/a.bmp"),
                                  std::string(256, 'a'), std::string(), std::string("."), std::string("..")}) {
    TacSkinPackWriter writer;
    EXPECT_THROW(writer.Add(name, data), std::invalid_argument) << name;
  }
  TacSkinPackWriter writer;
  EXPECT_NO_THROW(writer.Add(std::string(255, 'a'), data));
  EXPECT_NO_THROW(writer.Add("..a.bmp", data));
  TacSkinConvertor reader;
  ASSERT_EQ(reader.Parse(writer.Build()), TacSkinConvertor::ParseResult::Parsed);
  ASSERT_EQ(reader.PackedFiles().size(), 2u);
  EXPECT_EQ(reader.PackedFiles()[0].FileName, std::string(255, 'a'));
}
