// What a damaged skin pack is refused with: the error names the entry and
// says how its stream fails (cut short, unreadable, shorter or longer than
// the size the entry states), so the message shown for a bad skin file
// points at the actual damage.
#include <gtest/gtest.h>

#include <string>

#include "SkinTestFiles.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacSkinConvertor.h"

using SkinTestFiles::Bytes;
using SkinTestFiles::Deflate;
using SkinTestFiles::PutU32;
using SkinTestFiles::RawPack;

namespace {

// The error a pack is refused with ("" when it parses).
std::string RefusalOf(const Bytes& pack) {
  TacSkinConvertor reader;
  try {
    (void)reader.Parse(pack);
  } catch (const ESkinLoadError& e) {
    return e.what();
  }
  return {};
}

}  // namespace

TEST(DamagedPackErrors, EachDamageIsNamedWithItsEntry) {
  const Bytes data = SkinTestFiles::Text(std::string(5000, 'q') + "tail");
  const Bytes stream = Deflate(data);
  const auto size = static_cast<std::uint32_t>(data.size());

  Bytes cut = RawPack(1, "a.bmp", size, stream);
  cut.resize(cut.size() - 6);
  Bytes trailerCut = RawPack(1, "a.bmp", size, stream);
  trailerCut.resize(trailerCut.size() - 2);  // every byte is there, the stream's end is not
  Bytes badTrailer = RawPack(1, "a.bmp", size, stream);
  badTrailer[badTrailer.size() - 3] ^= 0xFF;  // Adler-32 trailer
  Bytes garbage = RawPack(1, "a.bmp", size, Bytes(40, 0xAB));

  EXPECT_EQ(RefusalOf(cut), "Skin pack entry \"a.bmp\" is truncated");
  EXPECT_EQ(RefusalOf(trailerCut), "Skin pack entry \"a.bmp\" is truncated");
  EXPECT_EQ(RefusalOf(badTrailer), "Skin pack entry \"a.bmp\" is corrupt: incorrect data check");
  EXPECT_EQ(RefusalOf(garbage), "Skin pack entry \"a.bmp\" is corrupt: incorrect header check");
  EXPECT_EQ(RefusalOf(RawPack(1, "a.bmp", size + 1, stream)), "Skin pack entry \"a.bmp\" ends before its stated size");
  EXPECT_EQ(RefusalOf(RawPack(1, "a.bmp", size - 1, stream)),
            "Skin pack entry \"a.bmp\" holds more than its stated size");
  // A stream that holds one byte more than an empty entry states.
  EXPECT_EQ(RefusalOf(RawPack(1, "e.bmp", 0, Deflate({7}))), "Skin pack entry \"e.bmp\" holds more than its stated size");
}

TEST(DamagedPackErrors, ACutInTheEntryHeadersSaysWhereThePackEnds) {
  const Bytes stream = Deflate(SkinTestFiles::Text("abc"));
  Bytes nameCut = RawPack(1, "ButtonHugeSmall.bmp", 3, stream);
  nameCut.resize(8 + 4 + 14);
  Bytes sizeCut = RawPack(1, "Master.bmp", 3, stream);
  sizeCut.resize(8 + 4 + 10 + 2);
  Bytes secondMissing = RawPack(2, "a.bmp", 3, stream);
  PutU32(secondMissing, 20);
  secondMissing.resize(secondMissing.size() + 18, 'b');  // the second name is cut, with bytes enough for two entries

  EXPECT_EQ(RefusalOf(nameCut), "Skin pack ends inside an entry's name");
  EXPECT_EQ(RefusalOf(sizeCut), "Skin pack ends inside an entry's size");
  EXPECT_EQ(RefusalOf(secondMissing), "Skin pack ends inside an entry's name");
}
