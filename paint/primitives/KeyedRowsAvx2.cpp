#include "paint/primitives/KeyedRows.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#define TRAINER_AVX2 __attribute__((target("avx2")))

namespace {

// 8 pixels a step. A step loads 32 bytes, its 24 and 8 of the pixels after
// it, so it runs only while 11 pixels remain; it writes those 8 bytes back
// as it found them.
constexpr int kStep = 8;
constexpr int kReach = 11;

// A step is worked with four pixels in the low 12 bytes of each 16-byte
// half: byte shuffles stay inside halves, and so reach all three bytes of
// every pixel. The first bytes of the pixels in that layout, as bits of a
// byte mask:
constexpr std::uint32_t kPixelStarts = 0x02490249u;

TRAINER_AVX2 inline __m256i Load(const std::uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

TRAINER_AVX2 inline void Store(std::uint8_t* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

TRAINER_AVX2 inline __m256i ToHalves(__m256i loaded) {
  return _mm256_permutevar8x32_epi32(loaded, _mm256_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0));
}

// Back to memory order; the last 8 bytes are the ones loaded.
TRAINER_AVX2 inline __m256i FromHalves(__m256i halves, __m256i loaded) {
  return _mm256_blend_epi32(_mm256_permutevar8x32_epi32(halves, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 0, 0)), loaded,
                            0xC0);
}

// Blue, green, red repeated over the first 12 bytes of each half.
TRAINER_AVX2 inline __m256i RepeatedInHalves(const std::uint8_t bgr[3]) {
  const __m256i order = _mm256_setr_epi8(0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0,  //
                                         0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0);
  return _mm256_shuffle_epi8(_mm256_set1_epi32(bgr[0] | bgr[1] << 8 | bgr[2] << 16), order);
}

// All-ones in the three bytes of every key pixel: each byte's comparison is
// joined with those of the two other bytes of its pixel. The four unused
// bytes of each half are cleared.
TRAINER_AVX2 inline __m256i KeyPixels(__m256i src, __m256i key) {
  const __m256i same = _mm256_cmpeq_epi8(src, key);
  const __m256i second = _mm256_setr_epi8(1, 2, 0, 4, 5, 3, 7, 8, 6, 10, 11, 9, -1, -1, -1, -1,  //
                                          1, 2, 0, 4, 5, 3, 7, 8, 6, 10, 11, 9, -1, -1, -1, -1);
  const __m256i third = _mm256_setr_epi8(2, 0, 1, 5, 3, 4, 8, 6, 7, 11, 9, 10, -1, -1, -1, -1,  //
                                         2, 0, 1, 5, 3, 4, 8, 6, 7, 11, 9, 10, -1, -1, -1, -1);
  return _mm256_and_si256(same,
                          _mm256_and_si256(_mm256_shuffle_epi8(same, second), _mm256_shuffle_epi8(same, third)));
}

// (d * m + s * (256 - m)) >> 8 in every byte, as s * 256 + m * (d - s) in
// 16-bit words (exact despite the words' wrap-around: the value lies in
// 0..65280); even bytes are the words' low halves, odd ones their high halves.
TRAINER_AVX2 inline __m256i ThroughMask(__m256i d, __m256i s, __m256i m) {
  const __m256i low = _mm256_set1_epi16(0x00FF);
  const __m256i high = _mm256_set1_epi16(static_cast<short>(0xFF00));
  const __m256i sEven = _mm256_and_si256(s, low);
  const __m256i even = _mm256_add_epi16(
      _mm256_slli_epi16(sEven, 8),
      _mm256_mullo_epi16(_mm256_and_si256(m, low), _mm256_sub_epi16(_mm256_and_si256(d, low), sEven)));
  const __m256i odd = _mm256_add_epi16(
      _mm256_and_si256(s, high),
      _mm256_mullo_epi16(_mm256_srli_epi16(m, 8), _mm256_sub_epi16(_mm256_srli_epi16(d, 8), _mm256_srli_epi16(s, 8))));
  return _mm256_or_si256(_mm256_srli_epi16(even, 8), _mm256_and_si256(odd, high));
}

// Key pixels whose parent pixels do not lie in one run of a 24-bit picture
// look for theirs one by one; `marks` are their first bytes in the halves
// layout.
void FromParentOneByOne(std::uint8_t* d, std::uint32_t marks, const CachePictureReader& parent, int x, int y) {
  for (; marks != 0; marks &= marks - 1) {
    const int bit = __builtin_ctz(marks);
    const int i = bit < 16 ? bit / 3 : 4 + (bit - 16) / 3;
    if (const std::uint8_t* under = parent.At(x + i, y)) {
      d[3 * i] = under[0];
      d[3 * i + 1] = under[1];
      d[3 * i + 2] = under[2];
    }
  }
}

template <KeyRule Rule, bool Blends>
TRAINER_AVX2 int KeyedSteps(const KeyedRow& row, const KeyTreatment& keys) {
  const __m256i key = RepeatedInHalves(keys.Key);
  const __m256i fill = RepeatedInHalves(keys.Fill);
  const CachePictureReader* parent = keys.Parent;
  const bool packedParent = parent != nullptr && parent->BytesPerPixel() == 3;
  if (row.Count < kReach) return 0;
  // Each step reads the next one's destination before its own store: a load
  // that overlaps the bytes a store just wrote waits until the store
  // completes. The 8 bytes this step writes back unchanged are the first of
  // that next load.
  __m256i nextLoaded = Load(row.Dst);
  int i = 0;
  for (; i + kReach <= row.Count; i += kStep) {
    std::uint8_t* d = row.Dst + 3 * i;
    const __m256i loaded = nextLoaded;
    if (i + kStep + kReach <= row.Count) nextLoaded = Load(d + 3 * kStep);
    const __m256i dst = ToHalves(loaded);
    const __m256i src = ToHalves(Load(row.Src + 3 * i));
    __m256i value = src;
    if constexpr (Blends) value = ThroughMask(dst, src, ToHalves(Load(row.Mask + 3 * i)));
    if constexpr (Rule != KeyRule::Ordinary) {
      const __m256i isKey = KeyPixels(src, key);
      if constexpr (Rule == KeyRule::Keep) value = _mm256_blendv_epi8(value, dst, isKey);
      if constexpr (Rule == KeyRule::Fill) value = _mm256_blendv_epi8(value, fill, isKey);
      if constexpr (Rule == KeyRule::FromParent) {
        if (!_mm256_testz_si256(isKey, isKey)) {
          const std::uint8_t* under = packedParent ? parent->Run(row.DstX + i, row.DstY, kReach) : nullptr;
          if (under == nullptr) {
            Store(d, FromHalves(_mm256_blendv_epi8(value, dst, isKey), loaded));
            const auto marks = static_cast<std::uint32_t>(_mm256_movemask_epi8(isKey)) & kPixelStarts;
            FromParentOneByOne(d, marks, *parent, row.DstX + i, row.DstY);
            continue;
          }
          value = _mm256_blendv_epi8(value, ToHalves(Load(under)), isKey);
        }
      }
    }
    Store(d, FromHalves(value, loaded));
  }
  return i;
}

template <bool Blends>
int KeyedRowFor(KeyRule rule, const KeyedRow& row, const KeyTreatment& keys) {
  switch (rule) {
    case KeyRule::Ordinary: return KeyedSteps<KeyRule::Ordinary, Blends>(row, keys);
    case KeyRule::Keep: return KeyedSteps<KeyRule::Keep, Blends>(row, keys);
    case KeyRule::Fill: return KeyedSteps<KeyRule::Fill, Blends>(row, keys);
    case KeyRule::FromParent: return KeyedSteps<KeyRule::FromParent, Blends>(row, keys);
  }
  return 0;
}

}  // namespace

int KeyedRowAvx2(const KeyedRow& row, const KeyTreatment& keys) {
  // Without a parent picture nothing can show through: the pixel stays.
  const KeyRule rule = keys.Rule == KeyRule::FromParent && keys.Parent == nullptr ? KeyRule::Keep : keys.Rule;
  return row.Mask == nullptr ? KeyedRowFor<false>(rule, row, keys) : KeyedRowFor<true>(rule, row, keys);
}

#else

int KeyedRowAvx2(const KeyedRow&, const KeyTreatment&) { return 0; }

#endif
