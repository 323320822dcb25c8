// The vector forms of the key-colour copies and the mask copy against their
// plain loops: widths around the vector steps, odd offsets, both row orders
// of source and destination, every key rule, key pixels at the row ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PaintTestSupport.h"
#include "VectorFormSupport.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/KeyedRows.h"
#include "paint/primitives/MaskCopy.h"

namespace {

// One pixel to past three of the widest steps (16 pixels, 64-pixel groups)
// and the AVX2 steps (8 pixels, 11 read).
std::vector<int> WidthsAroundTheSteps() {
  std::vector<int> widths;
  for (int w = 1; w <= 70; ++w) widths.push_back(w);
  for (int w : {95, 96, 97, 127, 128, 129, 191, 192, 193}) widths.push_back(w);
  return widths;
}

// A copy of `Width` pixels from column SrcX to column DstX, with both
// bitmaps' row orders.
struct Shape {
  int Width;
  int SrcX;
  int DstX;
  bool SrcUp;
  bool DstUp;
};

std::vector<Shape> EveryShape() {
  std::vector<Shape> shapes;
  for (int width : WidthsAroundTheSteps())
    for (auto [srcX, dstX] : {std::pair{0, 0}, std::pair{1, 3}, std::pair{5, 2}})
      for (bool srcUp : kBothOrders)
        for (bool dstUp : kBothOrders) shapes.push_back({width, srcX, dstX, srcUp, dstUp});
  return shapes;
}

std::string Describe(const Shape& s) {
  return "width=" + std::to_string(s.Width) + " srcX=" + std::to_string(s.SrcX) + " dstX=" + std::to_string(s.DstX) +
         " srcUp=" + std::to_string(s.SrcUp) + " dstUp=" + std::to_string(s.DstUp);
}

TColor Near(TColor key, int channel) { return key ^ (1u << (8 * channel)); }

// Noise with key pixels: rows of the picture take them densely, sparsely and
// not at all, and every row has one at its first and last column (the row's
// vector tail). Pixels that differ from the key in one byte are sprinkled in.
void AddKeys(Bitmap& bmp, int rows, int firstColumn, int lastColumn, TColor key, unsigned seed) {
  for (int y = 0; y < rows; ++y) {
    const int every = y % 3 == 0 ? 4 : y % 3 == 1 ? 32 : 0;
    for (int x = firstColumn; x <= lastColumn; ++x) {
      seed = seed * 1103515245u + 12345u;
      const unsigned r = (seed >> 16) % 64;
      if (every != 0 && r % every == 0) bmp.setPixel(x, y, key);
      else if (r >= 61) bmp.setPixel(x, y, Near(key, static_cast<int>(r - 61)));
    }
    bmp.setPixel(firstColumn, y, key);
    bmp.setPixel(lastColumn, y, key);
  }
}

// A source of `rows` image rows with keys over the shape's columns.
Bitmap KeyedSource(const Shape& s, int rows, unsigned seed) {
  Bitmap src = NoiseBitmap(s.SrcX + s.Width + 2, rows, seed, s.SrcUp);
  AddKeys(src, 3, s.SrcX, s.SrcX + s.Width - 1, clFuchsia, seed * 3);
  return src;
}

// A picture to lend key pixels.
Bitmap Parent(int w, int h, PixelFormat format, bool bottomUp) { return NoiseBitmap(w, h, 77, bottomUp, format); }

// What lies under the copied pixels, for one key rule: the pictures a case
// may lend from are made per shape (a 24-bit one opposite the destination's
// row order, narrower than the copy when the case says so, and a 32-bit one).
struct KeyRuleCase {
  std::string Name;
  bool UpdateCorners;
  std::function<TCacheInfo(Bitmap& dst, Bitmap& parent24, Bitmap& parent32)> Describe;
  bool NarrowParent = false;
};

TCacheInfo NotReady(TColor fill) {
  TCacheInfo ci;
  ci.FillColor = fill;
  return ci;
}

const KeyRuleCase kParent24 = {"parent 24-bit", true,
                               [](Bitmap&, Bitmap& p, Bitmap&) { return MakeCacheInfo(&p, 4, 2); }};
// Columns left and right of the picture and a row above it.
const KeyRuleCase kParentPartlyOutside = {
    "parent 24-bit partly outside", true, [](Bitmap&, Bitmap& p, Bitmap&) { return MakeCacheInfo(&p, -2, -2); }, true};
const KeyRuleCase kParent32 = {"parent 32-bit", true,
                               [](Bitmap&, Bitmap&, Bitmap& p) { return MakeCacheInfo(&p, 1, 3); }};

template <typename Paint>
void ExpectEveryShapeMatchesThePlainLoop(const std::vector<KeyRuleCase>& cases, int srcRows, Paint paint) {
  for (const KeyRuleCase& c : cases)
    for (const Shape& s : EveryShape()) {
      const Bitmap src = KeyedSource(s, srcRows, static_cast<unsigned>(s.Width * 7 + s.SrcX));
      const Bitmap dst = NoiseBitmap(s.DstX + s.Width + 3, 5, static_cast<unsigned>(s.Width + 2000), s.DstUp);
      Bitmap parent24 = Parent(c.NarrowParent ? s.Width / 2 + 3 : s.Width + 12, 9, PixelFormat::Bgr24, !s.DstUp);
      Bitmap parent32 = Parent(s.Width + 12, 9, PixelFormat::Bgrx32, s.DstUp);
      ASSERT_TRUE(FormsMatchPlain(dst, [&](Bitmap& bmp) {
        paint(bmp, src, s, c.UpdateCorners, c.Describe(bmp, parent24, parent32));
      })) << c.Name << " " << Describe(s);
    }
}

}  // namespace

TEST(KeyColorCopyVectorForms, CopyTransRectMatchesThePlainLoop) {
  // A key whose three bytes differ, so that a form that compares them in the
  // wrong order differs too.
  const TColor key = RGB(10, 20, 30);
  for (const Shape& s : EveryShape()) {
    Bitmap src = NoiseBitmap(s.SrcX + s.Width + 2, 3, static_cast<unsigned>(s.Width), s.SrcUp);
    AddKeys(src, 3, s.SrcX, s.SrcX + s.Width - 1, key, static_cast<unsigned>(s.Width * 3 + s.SrcX));
    const Bitmap dst = NoiseBitmap(s.DstX + s.Width + 3, 5, static_cast<unsigned>(s.Width + 1000), s.DstUp);
    ASSERT_TRUE(FormsMatchPlain(dst, [&](Bitmap& bmp) {
      CopyTransRect(bmp, src, Point(s.DstX, 1), key, Rect(s.SrcX, 0, s.SrcX + s.Width - 1, 2));
    })) << Describe(s);
  }
}

TEST(KeyColorCopyVectorForms, CopyTransBitmapsMatchesThePlainLoopUnderEveryKeyRule) {
  const std::vector<KeyRuleCase> cases = {
      kParent24,
      kParentPartlyOutside,
      kParent32,
      {"ready, corners kept", false, [](Bitmap&, Bitmap& p, Bitmap&) { return MakeCacheInfo(&p, 4, 2); }},
      {"not ready: fill colour", false, [](Bitmap&, Bitmap&, Bitmap&) { return NotReady(clBtnFace); }},
      {"parent is the destination", true, [](Bitmap& d, Bitmap&, Bitmap&) { return MakeCacheInfo(&d, -1, 0); }},
  };
  ExpectEveryShapeMatchesThePlainLoop(cases, 3, [](Bitmap& dst, const Bitmap& src, const Shape& s, bool update,
                                                   const TCacheInfo& ci) {
    CopyTransBitmaps(dst, src, Point(s.DstX, 1), update, ci, clFuchsia, Rect(s.SrcX, 0, s.SrcX + s.Width - 1, 2));
  });
}

TEST(MaskCopyVectorForms, CopyByMaskMatchesThePlainLoopUnderEveryKeyRule) {
  const std::vector<KeyRuleCase> cases = {
      {"ready: key pixels blended", false, [](Bitmap&, Bitmap& p, Bitmap&) { return MakeCacheInfo(&p, 4, 2); }},
      kParent24,
      kParentPartlyOutside,
      kParent32,
      {"not ready: fill colour", true, [](Bitmap&, Bitmap&, Bitmap&) { return NotReady(RGB(1, 2, 3)); }},
      {"not ready: key pixels skipped", false, [](Bitmap&, Bitmap&, Bitmap&) { return NotReady(RGB(1, 2, 3)); }},
      // Key pixels take the pixel left of them, which the plain loop has
      // just blended.
      {"parent is the destination", true, [](Bitmap& d, Bitmap&, Bitmap&) { return MakeCacheInfo(&d, -1, 0); }},
  };
  // Image rows 0-2 and the mask half three rows below, with mask bytes 0
  // and 255 among the noise.
  ExpectEveryShapeMatchesThePlainLoop(cases, 6, [](Bitmap& dst, const Bitmap& image, const Shape& s, bool update,
                                                   const TCacheInfo& ci) {
    Bitmap src = image;
    for (int x = 0; x < src.width(); x += 3) {
      src.setPixel(x, 3, RGB(0, 255, 0));
      src.setPixel(x, 5, RGB(255, 0, 255));
    }
    TsMaskData mask;
    mask.ImageCount = 1;
    mask.MaskType = 1;
    mask.R = Rect(0, 0, src.width(), 6);
    CopyByMask(Bounds(s.DstX, 1, s.Width, 3), Bounds(s.SrcX, 0, s.Width, 3), dst, mask, update, ci, src);
  });
}

TEST(KeyedRowsVectorForms, RowsEndingTheBitmapsReadNothingPastThem) {
  // Source, mask half and destination rows that end their bitmaps' storage
  // (widths whose rows have no padding, every row copied): a step that reads
  // past a row's end leaves the allocation, which the sanitizer build
  // reports, and a write past it would show in the comparison.
  TsMaskData mask;
  mask.ImageCount = 1;
  mask.MaskType = 1;
  for (bool up : kBothOrders)
    for (int width : {4, 8, 12, 16, 20, 32, 44, 64, 68, 128}) {
      Bitmap image = NoiseBitmap(width, 2, 4, up);
      AddKeys(image, 2, 0, width - 1, clFuchsia, 5);
      Bitmap src = NoiseBitmap(width, 4, 6, up);  // image rows 0-1, mask rows 2-3
      AddKeys(src, 2, 0, width - 1, clFuchsia, 7);
      mask.R = Rect(0, 0, width, 4);
      Bitmap parent = Parent(width, 2, PixelFormat::Bgr24, up);
      const Bitmap dst = NoiseBitmap(width, 2, 8, !up);
      ASSERT_TRUE(FormsMatchPlain(dst, [&](Bitmap& bmp) {
        CopyTransBitmaps(bmp, image, Point(0, 0), true, MakeCacheInfo(&parent), clFuchsia, Rect(0, 0, width - 1, 1));
      })) << "width=" << width;
      ASSERT_TRUE(FormsMatchPlain(dst, [&](Bitmap& bmp) {
        CopyByMask(Rect(0, 0, width, 2), Rect(0, 0, width, 2), bmp, mask, true, MakeCacheInfo(&parent), src);
      })) << "width=" << width;
    }
}

TEST(KeyedRowsVectorForms, RowsInBuffersOfTheirOwnSizeReadAndWriteNothingPastThem) {
  // Source, mask and destination rows each in an allocation of exactly
  // their bytes, so that a step reaching past a row's end leaves the
  // allocation (the sanitizer build reports it) where a bitmap's row padding
  // would hide it. The pixels a form answers for are checked against the
  // per-pixel rule: key pixels kept, others copied or blended.
  KeyTreatment keys;
  keys.Rule = KeyRule::Keep;
  keys.Key[0] = 0xFF;
  keys.Key[2] = 0xFF;
  for (VectorSteps form : VectorFormsHere())
    for (bool blends : {false, true})
      for (int count = 1; count <= 70; ++count) {
        const Bitmap noise = NoiseBitmap(count, 3, static_cast<unsigned>(count), false);
        std::vector<std::uint8_t> src(noise.row(0), noise.row(0) + 3 * count);
        const std::vector<std::uint8_t> mask(noise.row(1), noise.row(1) + 3 * count);
        std::vector<std::uint8_t> dst(noise.row(2), noise.row(2) + 3 * count);
        for (int x = 0; x < count; x += 5) std::copy(keys.Key, keys.Key + 3, src.begin() + 3 * x);
        std::copy(keys.Key, keys.Key + 3, src.end() - 3);
        const std::vector<std::uint8_t> before = dst;
        KeyedRow row;
        row.Dst = dst.data();
        row.Src = src.data();
        row.Mask = blends ? mask.data() : nullptr;
        row.Count = count;
        const int done = KeyedRowInSteps(row, keys, form);
        ASSERT_LE(done, count);
        for (int b = 0; b < 3 * count; ++b) {
          const int x = b / 3;
          const bool key = std::equal(keys.Key, keys.Key + 3, src.begin() + 3 * x);
          const int expected = x >= done || key ? before[b]
                               : blends         ? (before[b] * mask[b] + src[b] * (256 - mask[b])) >> 8
                                                : src[b];
          ASSERT_EQ(dst[b], expected) << VectorStepsName(form) << " count=" << count << " byte " << b;
        }
      }
}

TEST(KeyedRowsVectorForms, CopiesWithinOneBitmapGoPixelByPixel) {
  // A copy one pixel to the right within the same row reads pixels the
  // plain loop has just written; a vector step, which reads a whole step
  // first, would give another picture, so such rows keep the plain loop.
  TsMaskData mask;
  mask.ImageCount = 1;
  mask.MaskType = 1;
  for (bool up : kBothOrders)
    for (int width : {20, 40, 80, 200}) {
      Bitmap picture = NoiseBitmap(width + 1, 4, static_cast<unsigned>(width), up);
      AddKeys(picture, 2, 0, width - 1, clFuchsia, 3);
      mask.R = Rect(0, 0, width + 1, 4);
      ASSERT_TRUE(FormsMatchPlain(picture, [&](Bitmap& bmp) {
        CopyTransRect(bmp, bmp, Point(1, 0), clFuchsia, Rect(0, 0, width - 1, 1));
      })) << "width=" << width;
      ASSERT_TRUE(FormsMatchPlain(picture, [&](Bitmap& bmp) {
        CopyByMask(Rect(1, 0, width + 1, 2), Rect(0, 0, width, 2), bmp, mask, false, EmptyCI(), bmp);
      })) << "width=" << width;
    }
}

TEST(KeyedRowsVectorForms, ACopyFartherAlongItsRowThanTwoThirdsOfItsLengthStillGoesPixelByPixel) {
  // The run ends inside the run it writes only in its last third: the
  // pixels it reads there were written earlier in the same copy.
  for (bool up : kBothOrders)
    for (const auto& [count, shift] : {std::pair{80, 54}, std::pair{90, 61}, std::pair{150, 101}, std::pair{200, 134}}) {
      Bitmap picture = NoiseBitmap(count + shift + 1, 3, static_cast<unsigned>(count + shift), up);
      AddKeys(picture, 2, 0, count - 1, clFuchsia, 5);
      ASSERT_TRUE(FormsMatchPlain(picture, [&](Bitmap& bmp) {
        CopyTransRect(bmp, bmp, Point(shift, 0), clFuchsia, Rect(0, 0, count - 1, 1));
      })) << "count=" << count << " shift=" << shift;
    }
}
