// The vector forms of BlendColorRect against its plain table loop.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "VectorFormSupport.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/ColorBlendRows.h"

TEST(BlendColorRectVectorForms, EveryPercentColourByteAndValueMatchThePlainLoop) {
  // Each channel of the row holds every value 0..255, and the three
  // channels take colour bytes a third of the range apart: over the calls
  // every (percent, colour byte, value) meets, halfway sums included, and a
  // form that mixes up the channels differs.
  Bitmap ramp(256, 1);
  for (int v = 0; v < 256; ++v) ramp.setPixel(v, 0, RGB(v, 255 - v, (v * 7) & 0xFF));
  for (int percent = 0; percent <= 101; ++percent)
    for (int k = 0; k < 86; ++k) {
      const TColor color = RGB(std::min(k + 171, 255), k + 86, k);
      ASSERT_TRUE(FormsMatchPlain(ramp, [&](Bitmap& bmp) {
        BlendColorRect(bmp, Rect(0, 0, 255, 0), static_cast<std::uint8_t>(percent), color);
      })) << "p=" << percent << " k=" << k;
    }
}

TEST(BlendColorRectVectorForms, WidthsAroundTheStepsOffsetsAndRowOrdersMatchThePlainLoop) {
  // Widths from one pixel to past three AVX2 groups (32 pixels) and four
  // AVX-512 steps (64 bytes), odd left edges, both row orders; the bitmap is
  // wider and taller than the rectangle, and every stored byte outside it
  // must stay.
  for (bool bottomUp : kBothOrders)
    for (int width = 1; width <= 100; ++width)
      for (int left : {0, 1, 3}) {
        const Bitmap original = NoiseBitmap(left + width + 5, 4, static_cast<unsigned>(width * 7 + left), bottomUp);
        ASSERT_TRUE(FormsMatchPlain(original, [&](Bitmap& bmp) {
          BlendColorRect(bmp, Rect(left, 1, left + width - 1, 2), 37, RGB(200, 17, 90));
        })) << "width=" << width << " left=" << left << " bottomUp=" << bottomUp;
      }
  // A rectangle reaching the bitmap's last stored byte: a read past the row
  // end leaves the allocation (the sanitizer build reports it).
  for (bool bottomUp : kBothOrders)
    for (int width : {4, 32, 36, 64, 96, 100})
      ASSERT_TRUE(FormsMatchPlain(NoiseBitmap(width, 2, 9, bottomUp),
                                  [&](Bitmap& bmp) { BlendColorRect(bmp, Rect(0, 0, width, 2), 60, clTeal); }))
          << "width=" << width;
}

TEST(BlendColorRectVectorForms, RowsInBuffersOfTheirOwnSizeReadAndWriteNothingPastThem) {
  // Each row in an allocation of exactly its bytes: a step reaching past
  // the row's end leaves it (the sanitizer build reports it). The pixels a
  // form answers for match the plain loop's table.
  const int channel[3] = {200, 17, 90};
  const ColorBlendTerms terms(37, channel);
  for (VectorSteps form : VectorFormsHere())
    for (int count = 1; count <= 100; ++count) {
      const Bitmap noise = NoiseBitmap(count, 1, static_cast<unsigned>(count), false);
      std::vector<std::uint8_t> row(noise.row(0), noise.row(0) + 3 * count);
      const int done = BlendColorRowInSteps(row.data(), count, terms, form);
      ASSERT_LE(done, count);
      Bitmap plain = noise;
      {
        VectorStepsCap cap(VectorSteps::Plain);
        BlendColorRect(plain, Rect(0, 0, done - 1, 0), 37, RGB(90, 17, 200));
      }
      for (int b = 0; b < 3 * count; ++b)
        ASSERT_EQ(row[b], plain.row(0)[b]) << VectorStepsName(form) << " count=" << count << " byte " << b;
    }
}
