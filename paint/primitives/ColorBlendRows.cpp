#include "paint/primitives/ColorBlendRows.h"

ColorBlendTerms::ColorBlendTerms(int percent, const int channel[3]) : Percent(percent) {
  for (int phase = 0; phase < 3; ++phase)
    for (int w = 0; w < 32; ++w) {
      Even[phase][w] = static_cast<std::uint16_t>((100 - percent) * channel[(2 * w + phase) % 3] + 50);
      Odd[phase][w] = static_cast<std::uint16_t>((100 - percent) * channel[(2 * w + 1 + phase) % 3] + 50);
    }
}

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#define TRAINER_AVX512 __attribute__((target("avx512f,avx512bw")))
#define TRAINER_AVX2 __attribute__((target("avx2")))

namespace {

// floor(x / 100) for x <= 25550 is the high word of x * 41944, shifted
// right by 6: 41944 exceeds 2^22 / 100 by 0.96, which adds less than 0.006
// to a quotient whose fraction is at most 0.99. With n = p * v + (100 - p) * k,
// up = floor((n + 50) / 100) and down = floor((n + 49) / 100) differ only
// where n lies halfway between two hundreds, and there the even one of the
// two is wanted: down + 1 exactly when down is odd and up is not, i.e.
// down + (~up & down & 1). The terms hold (100 - p) * k + 50, so the
// sums for up and down are pv + terms and pv + terms - 1. The step adds
// that 1 at bit 6 of down's high word, before the shift.
constexpr short kReciprocal = static_cast<short>(41944);
constexpr int kDownBit = 1 << 6;

// ~a & b & c
constexpr int kAndNotAnd = 0x08;
// a | (b & c)
constexpr int kOrAnd = 0xF8;

// The high words of up and down with the tie step added, for one half.
TRAINER_AVX512 inline __m512i HalfEvenHigh512(__m512i pv, __m512i upTerms, __m512i downTerms, __m512i reciprocal) {
  const __m512i up = _mm512_mulhi_epu16(_mm512_add_epi16(pv, upTerms), reciprocal);
  const __m512i down = _mm512_mulhi_epu16(_mm512_add_epi16(pv, downTerms), reciprocal);
  return _mm512_add_epi16(down, _mm512_ternarylogic_epi32(up, down, _mm512_set1_epi16(kDownBit), kAndNotAnd));
}

// pEven holds p in the low byte of each word and pOdd in the high byte, so
// the unsigned-by-signed byte multiply-add gives p * v of the even or the odd
// bytes in each word (p <= 100 fits a signed byte; the sums stay below 2^15).
TRAINER_AVX512 inline __m512i BlendBytes512(__m512i v, __m512i pEven, __m512i pOdd, const __m512i terms[4]) {
  const __m512i reciprocal = _mm512_set1_epi16(kReciprocal);
  const __m512i low =
      _mm512_srli_epi16(HalfEvenHigh512(_mm512_maddubs_epi16(v, pEven), terms[0], terms[1], reciprocal), 6);
  // Shifted left by 2 the odd result lands in the high byte, over bits the mask clears.
  const __m512i high =
      _mm512_slli_epi16(HalfEvenHigh512(_mm512_maddubs_epi16(v, pOdd), terms[2], terms[3], reciprocal), 2);
  return _mm512_ternarylogic_epi32(low, high, _mm512_set1_epi16(static_cast<short>(0xFF00)), kOrAnd);
}

TRAINER_AVX2 inline __m256i HalfEvenHigh256(__m256i pv, __m256i upTerms, __m256i downTerms, __m256i reciprocal) {
  const __m256i up = _mm256_mulhi_epu16(_mm256_add_epi16(pv, upTerms), reciprocal);
  const __m256i down = _mm256_mulhi_epu16(_mm256_add_epi16(pv, downTerms), reciprocal);
  return _mm256_add_epi16(down, _mm256_andnot_si256(up, _mm256_and_si256(down, _mm256_set1_epi16(kDownBit))));
}

TRAINER_AVX2 inline __m256i BlendBytes256(__m256i v, __m256i pEven, __m256i pOdd, const __m256i terms[4]) {
  const __m256i reciprocal = _mm256_set1_epi16(kReciprocal);
  const __m256i low =
      _mm256_srli_epi16(HalfEvenHigh256(_mm256_maddubs_epi16(v, pEven), terms[0], terms[1], reciprocal), 6);
  const __m256i high =
      _mm256_slli_epi16(HalfEvenHigh256(_mm256_maddubs_epi16(v, pOdd), terms[2], terms[3], reciprocal), 2);
  return _mm256_or_si256(low, _mm256_and_si256(high, _mm256_set1_epi16(static_cast<short>(0xFF00))));
}

TRAINER_AVX512 int BlendRow512(std::uint8_t* row, int count, const ColorBlendTerms& terms) {
  // 64 bytes a step; 64 = 1 (mod 3), so the channel of a step's first byte
  // (its phase) cycles through 0, 1, 2. Per phase: the even bytes' terms for
  // up and down, then the odd bytes'.
  const __m512i one = _mm512_set1_epi16(1);
  __m512i phases[3][4];
  #pragma GCC unroll 3
  for (int phase = 0; phase < 3; ++phase) {
    phases[phase][0] = _mm512_load_si512(terms.Even[phase]);
    phases[phase][1] = _mm512_sub_epi16(phases[phase][0], one);
    phases[phase][2] = _mm512_load_si512(terms.Odd[phase]);
    phases[phase][3] = _mm512_sub_epi16(phases[phase][2], one);
  }
  const __m512i pEven = _mm512_set1_epi16(static_cast<short>(terms.Percent));
  const __m512i pOdd = _mm512_set1_epi16(static_cast<short>(terms.Percent << 8));
  const int bytes = 3 * count;
  int phase = 0;
  for (int b = 0; b < bytes; b += 64) {
    const __mmask64 live = bytes - b >= 64 ? ~__mmask64{0} : (__mmask64{1} << (bytes - b)) - 1;
    const __m512i v = _mm512_maskz_loadu_epi8(live, row + b);
    _mm512_mask_storeu_epi8(row + b, live, BlendBytes512(v, pEven, pOdd, phases[phase]));
    phase = phase == 2 ? 0 : phase + 1;
  }
  return count;
}

TRAINER_AVX2 int BlendRow256(std::uint8_t* row, int count, const ColorBlendTerms& terms) {
  // 96 bytes (32 pixels) a group, three registers whose first bytes are
  // channels 0, 2 and 1, so every group starts on a whole pixel.
  const __m256i one = _mm256_set1_epi16(1);
  __m256i registers[3][4];
  #pragma GCC unroll 3
  for (int r = 0; r < 3; ++r) {
    registers[r][0] = _mm256_load_si256(reinterpret_cast<const __m256i*>(terms.Even[(2 * r) % 3]));
    registers[r][1] = _mm256_sub_epi16(registers[r][0], one);
    registers[r][2] = _mm256_load_si256(reinterpret_cast<const __m256i*>(terms.Odd[(2 * r) % 3]));
    registers[r][3] = _mm256_sub_epi16(registers[r][2], one);
  }
  const __m256i pEven = _mm256_set1_epi16(static_cast<short>(terms.Percent));
  const __m256i pOdd = _mm256_set1_epi16(static_cast<short>(terms.Percent << 8));
  int x = 0;
  for (; x + 32 <= count; x += 32) {
    #pragma GCC unroll 3
    for (int r = 0; r < 3; ++r) {
      auto* at = reinterpret_cast<__m256i*>(row + 3 * x + 32 * r);
      _mm256_storeu_si256(at, BlendBytes256(_mm256_loadu_si256(at), pEven, pOdd, registers[r]));
    }
  }
  return x;
}

}  // namespace

int BlendColorRowAvx512(std::uint8_t* row, int count, const ColorBlendTerms& terms) {
  return BlendRow512(row, count, terms);
}

int BlendColorRowAvx2(std::uint8_t* row, int count, const ColorBlendTerms& terms) {
  return BlendRow256(row, count, terms);
}

#else

int BlendColorRowAvx512(std::uint8_t*, int, const ColorBlendTerms&) { return 0; }
int BlendColorRowAvx2(std::uint8_t*, int, const ColorBlendTerms&) { return 0; }

#endif
