#pragma once
// Helpers for the tests that hold the vector forms of the primitives to
// their plain loops: a cap on the vector steps for one scope, the steps this
// processor can try, noisy bitmaps and a comparison of every stored byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "paint/primitives/VectorSteps.h"
#include "platform/Bitmap.h"

// The primitives take at most `widest` while this lives.
class VectorStepsCap {
 public:
  explicit VectorStepsCap(VectorSteps widest) { LimitVectorSteps(widest); }
  ~VectorStepsCap() { LimitVectorSteps(VectorSteps::Avx512); }
  VectorStepsCap(const VectorStepsCap&) = delete;
  VectorStepsCap& operator=(const VectorStepsCap&) = delete;
};

// The vector forms this processor runs, narrowest first.
inline std::vector<VectorSteps> VectorFormsHere() {
  std::vector<VectorSteps> forms;
  for (VectorSteps s : {VectorSteps::Avx2, VectorSteps::Avx512})
    if (s <= SupportedVectorSteps()) forms.push_back(s);
  return forms;
}

// Every stored byte, the padding at the row ends included, from a seeded
// generator.
inline Bitmap NoiseBitmap(int w, int h, unsigned seed, bool bottomUp, PixelFormat format = PixelFormat::Bgr24) {
  Bitmap bmp(w, h, format, bottomUp);
  for (std::size_t i = 0; i < bmp.sizeInBytes(); ++i) {
    seed = seed * 1103515245u + 12345u;
    bmp.bits()[i] = static_cast<std::uint8_t>(seed >> 16);
  }
  return bmp;
}

// Whether two bitmaps hold the same bytes in storage, padding included, so
// that a write outside the pixels a primitive may touch shows.
inline bool SameStorage(const Bitmap& a, const Bitmap& b) {
  return a.sizeInBytes() == b.sizeInBytes() && std::equal(a.bits(), a.bits() + a.sizeInBytes(), b.bits());
}

// The first pixel (x, y) where two equally sized bitmaps differ, for failure
// messages; (-1, -1) when none does.
inline std::pair<int, int> FirstDifference(const Bitmap& a, const Bitmap& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return {x, y};
  return {-1, -1};
}

// Paints a copy of `original` with the plain loops and one with each vector
// form this processor runs: every stored byte of the results must agree.
template <typename Paint>
::testing::AssertionResult FormsMatchPlain(const Bitmap& original, Paint paint) {
  Bitmap plain = original;
  {
    VectorStepsCap cap(VectorSteps::Plain);
    paint(plain);
  }
  for (VectorSteps form : VectorFormsHere()) {
    Bitmap vector = original;
    {
      VectorStepsCap cap(form);
      paint(vector);
    }
    if (!SameStorage(plain, vector)) {
      const auto [x, y] = FirstDifference(plain, vector);
      return ::testing::AssertionFailure() << VectorStepsName(form) << " differs from the plain loop first at (" << x
                                           << ", " << y << ")" << (x < 0 ? " (a padding byte)" : "");
    }
  }
  return ::testing::AssertionSuccess();
}
