#pragma once
// Vector forms of BlendColorRect's row loop. Each byte v of a row of 24-bit
// pixels becomes rounded((p * v + (100 - p) * k) / 100), ties to even, k the
// colour's byte of the same channel: exactly what the plain loop's table
// holds. Both forms compute it in 16-bit lanes, where p * v + (100 - p) * k
// is at most 25500.
#include <cstdint>

#include "paint/primitives/VectorSteps.h"

// The constants of one call, made once for all its rows. The forms read the
// row's bytes as 16-bit words, even bytes the low halves and odd ones the
// high halves; for a register whose first byte is channel `phase`, Even and
// Odd hold (100 - p) * k + 50 for the channel of each word's half.
struct ColorBlendTerms {
  // `percent` is 0..100; `channel` holds the colour's blue, green and red bytes.
  ColorBlendTerms(int percent, const int channel[3]);

  int Percent;
  alignas(64) std::uint16_t Even[3][32];
  alignas(64) std::uint16_t Odd[3][32];
};

// Blend the leading pixels of a row of `count` pixels and answer how many
// they did; the caller's plain loop does the rest. The AVX-512 form does the
// whole row (its last step loads and stores under a byte mask); the AVX2
// form works in groups of 32 pixels.
int BlendColorRowAvx512(std::uint8_t* row, int count, const ColorBlendTerms& terms);
int BlendColorRowAvx2(std::uint8_t* row, int count, const ColorBlendTerms& terms);

inline int BlendColorRowInSteps(std::uint8_t* row, int count, const ColorBlendTerms& terms, VectorSteps steps) {
  switch (steps) {
    case VectorSteps::Avx512: return BlendColorRowAvx512(row, count, terms);
    case VectorSteps::Avx2: return BlendColorRowAvx2(row, count, terms);
    case VectorSteps::Plain: break;
  }
  return 0;
}
