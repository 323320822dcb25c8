#include "paint/primitives/KeyedRows.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#include <algorithm>
#include <array>

#define TRAINER_AVX512 __attribute__((target("avx512f,avx512bw")))

namespace {

// Rows go in groups of 64 pixels, three whole registers that are loaded and
// stored without masks, then in steps of 16 pixels (48 bytes: whole pixels
// in one register, so a key pixel never straddles two steps), the last one
// under a byte mask.
constexpr int kGroup = 64;
constexpr int kStep = 16;
// The first byte of each of a step's 16 pixels.
constexpr std::uint64_t kPixelStarts = 0x249249249249ull;
// The first bytes of pixels in each register of a group: bit j of register r
// is byte 64r + j, a pixel's first byte where that is a multiple of 3.
constexpr std::uint64_t kGroupPixelStarts[3] = {0x9249249249249249ull, 0x4924924924924924ull, 0x2492492492492492ull};

__mmask64 LiveBytes(int pixels) { return (__mmask64{1} << (3 * std::min(pixels, kStep))) - 1; }

// Blue, green, red repeated over the register from channel `phase` on: the
// three bytes are put at the start of every 16-byte lane and shuffled to
// byte (j + phase) % 3 of the register.
TRAINER_AVX512 inline __m512i Repeated(const std::uint8_t bgr[3], int phase = 0) {
  static constexpr auto kOrders = [] {
    std::array<std::array<std::uint8_t, 64>, 3> orders{};
    for (int p = 0; p < 3; ++p)
      for (int j = 0; j < 64; ++j) orders[p][j] = static_cast<std::uint8_t>((j + p) % 3);
    return orders;
  }();
  const __m512i three = _mm512_set1_epi32(bgr[0] | bgr[1] << 8 | bgr[2] << 16);
  return _mm512_shuffle_epi8(three, _mm512_loadu_si512(kOrders[phase].data()));
}

// Register r of a group starts at byte 64r, which is channel r (64 = 1 mod 3).
struct GroupPattern {
  __m512i Reg[3];
  TRAINER_AVX512 explicit GroupPattern(const std::uint8_t bgr[3])
      : Reg{Repeated(bgr, 0), Repeated(bgr, 1), Repeated(bgr, 2)} {}
};

// The three bytes of every live pixel equal to the key: a pixel's first byte
// is marked where it and the next two bytes compare equal, and the mark is
// widened to three bytes by multiplying with 0b111 (marks lie three bits
// apart, so nothing carries).
TRAINER_AVX512 inline std::uint64_t KeyBytes(__m512i src, __m512i key, __mmask64 live) {
  const std::uint64_t same = _mm512_mask_cmpeq_epi8_mask(live, src, key);
  return (same & (same >> 1) & (same >> 2) & kPixelStarts) * 7;
}

// (d * m + s * (256 - m)) >> 8 in every byte, computed as s * 256 + m * (d - s)
// in 16-bit words: the true value lies in 0..65280, so the words' wrap-around
// leaves it exact. Even bytes are the words' low halves and odd ones their
// high halves; each half is weighted in place and the two are merged back.
TRAINER_AVX512 inline __m512i ThroughMask(__m512i d, __m512i s, __m512i m) {
  const __m512i low = _mm512_set1_epi16(0x00FF);
  const __m512i high = _mm512_set1_epi16(static_cast<short>(0xFF00));
  const __m512i sEven = _mm512_and_si512(s, low);
  const __m512i even = _mm512_add_epi16(
      _mm512_slli_epi16(sEven, 8),
      _mm512_mullo_epi16(_mm512_and_si512(m, low), _mm512_sub_epi16(_mm512_and_si512(d, low), sEven)));
  const __m512i odd = _mm512_add_epi16(
      _mm512_and_si512(s, high),
      _mm512_mullo_epi16(_mm512_srli_epi16(m, 8), _mm512_sub_epi16(_mm512_srli_epi16(d, 8), _mm512_srli_epi16(s, 8))));
  // (even >> 8) | (odd & 0xFF00)
  return _mm512_ternarylogic_epi32(_mm512_srli_epi16(even, 8), odd, high, 0xF8);
}

// The three bytes of every key pixel of a group, as three byte masks: the
// comparisons of the 192 bytes are read as one 192-bit number, in which a
// pixel's first byte is marked where it and the next two bytes compare
// equal; each mark is widened to its three bytes, carrying across registers.
TRAINER_AVX512 inline std::array<std::uint64_t, 3> GroupKeyBytes(const __m512i src[3], const GroupPattern& key) {
  std::uint64_t same[3];
  #pragma GCC unroll 3
  for (int r = 0; r < 3; ++r) same[r] = _mm512_cmpeq_epi8_mask(src[r], key.Reg[r]);
  std::uint64_t starts[3];
  #pragma GCC unroll 3
  for (int r = 0; r < 3; ++r) {
    const std::uint64_t after = r < 2 ? same[r + 1] : 0;
    starts[r] = same[r] & (same[r] >> 1 | after << 63) & (same[r] >> 2 | after << 62) & kGroupPixelStarts[r];
  }
  std::array<std::uint64_t, 3> bytes{};
  #pragma GCC unroll 3
  for (int r = 0; r < 3; ++r) {
    const std::uint64_t before = r > 0 ? starts[r - 1] : 0;
    bytes[r] = starts[r] | starts[r] << 1 | starts[r] << 2 | before >> 63 | before >> 62;
  }
  return bytes;
}

// Key pixels whose parent pixels do not lie in one run of a 24-bit picture
// look for theirs one by one. `starts` marks their first bytes from d on.
void FromParentOneByOne(std::uint8_t* d, std::uint64_t starts, int firstByte, const CachePictureReader& parent, int x,
                        int y) {
  for (; starts != 0; starts &= starts - 1) {
    const int i = (firstByte + __builtin_ctzll(starts)) / 3;
    if (const std::uint8_t* under = parent.At(x + i, y)) {
      d[3 * i] = under[0];
      d[3 * i + 1] = under[1];
      d[3 * i + 2] = under[2];
    }
  }
}

// A blend with no key pixels needs no pixel boundaries: 64 bytes a step.
TRAINER_AVX512 void BlendEveryPixel(const KeyedRow& row) {
  const int bytes = 3 * row.Count;
  for (int b = 0; b < bytes; b += 64) {
    const __mmask64 live = bytes - b >= 64 ? ~__mmask64{0} : (__mmask64{1} << (bytes - b)) - 1;
    const __m512i d = _mm512_maskz_loadu_epi8(live, row.Dst + b);
    const __m512i s = _mm512_maskz_loadu_epi8(live, row.Src + b);
    const __m512i m = _mm512_maskz_loadu_epi8(live, row.Mask + b);
    _mm512_mask_storeu_epi8(row.Dst + b, live, ThroughMask(d, s, m));
  }
}

// The whole groups of a row; answers the pixels they covered.
template <KeyRule Rule, bool Blends>
TRAINER_AVX512 int KeyedGroups(const KeyedRow& row, const KeyTreatment& keys) {
  const GroupPattern key(keys.Key);
  const GroupPattern fill(keys.Fill);
  const CachePictureReader* parent = keys.Parent;
  const bool packedParent = parent != nullptr && parent->BytesPerPixel() == 3;
  int i = 0;
  for (; i + kGroup <= row.Count; i += kGroup) {
    std::uint8_t* d = row.Dst + 3 * i;
    __m512i src[3], dst[3], value[3];
    #pragma GCC unroll 3
    for (int r = 0; r < 3; ++r) {
      src[r] = _mm512_loadu_si512(row.Src + 3 * i + 64 * r);
      value[r] = src[r];
      if constexpr (Blends) {
        dst[r] = _mm512_loadu_si512(d + 64 * r);
        value[r] = ThroughMask(dst[r], src[r], _mm512_loadu_si512(row.Mask + 3 * i + 64 * r));
      }
    }
    std::array<std::uint64_t, 3> keyBytes{};
    if constexpr (Rule != KeyRule::Ordinary) keyBytes = GroupKeyBytes(src, key);
    const bool anyKey = (keyBytes[0] | keyBytes[1] | keyBytes[2]) != 0;
    if constexpr (Rule == KeyRule::FromParent) {
      if (anyKey) {
        if (const std::uint8_t* under = packedParent ? parent->Run(row.DstX + i, row.DstY, kGroup) : nullptr) {
          #pragma GCC unroll 3
          for (int r = 0; r < 3; ++r)
            value[r] = _mm512_mask_blend_epi8(keyBytes[r], value[r], _mm512_loadu_si512(under + 64 * r));
        } else {
          #pragma GCC unroll 3
          for (int r = 0; r < 3; ++r) _mm512_mask_storeu_epi8(d + 64 * r, ~keyBytes[r], value[r]);
          #pragma GCC unroll 3
          for (int r = 0; r < 3; ++r)
            FromParentOneByOne(d, keyBytes[r] & kGroupPixelStarts[r], 64 * r, *parent, row.DstX + i, row.DstY);
          continue;
        }
      }
    }
    #pragma GCC unroll 3
    for (int r = 0; r < 3; ++r) {
      if constexpr (Rule == KeyRule::Fill) value[r] = _mm512_mask_blend_epi8(keyBytes[r], value[r], fill.Reg[r]);
      if constexpr (Rule == KeyRule::Keep && Blends) value[r] = _mm512_mask_blend_epi8(keyBytes[r], value[r], dst[r]);
      if constexpr (Rule == KeyRule::Keep && !Blends) {
        if (anyKey) {
          _mm512_mask_storeu_epi8(d + 64 * r, ~keyBytes[r], value[r]);
          continue;
        }
      }
      _mm512_storeu_si512(d + 64 * r, value[r]);
    }
  }
  return i;
}

// The pixels from `first` on, 16 at a time.
template <KeyRule Rule, bool Blends>
TRAINER_AVX512 void KeyedSteps(const KeyedRow& row, const KeyTreatment& keys, int first) {
  const __m512i key = Repeated(keys.Key);
  const __m512i fill = Repeated(keys.Fill);
  const CachePictureReader* parent = keys.Parent;
  const bool packedParent = parent != nullptr && parent->BytesPerPixel() == 3;
  // A blend reads the next step's destination before this step's store: a
  // load that overlaps the 64 bytes a store just covered waits until the
  // store completes, even where the store's mask leaves those bytes alone.
  __m512i nextDst =
      Blends ? _mm512_maskz_loadu_epi8(LiveBytes(row.Count - first), row.Dst + 3 * first) : _mm512_setzero_si512();
  for (int i = first; i < row.Count; i += kStep) {
    const int pixels = std::min(kStep, row.Count - i);
    const __mmask64 live = LiveBytes(pixels);
    std::uint8_t* d = row.Dst + 3 * i;
    const __m512i src = _mm512_maskz_loadu_epi8(live, row.Src + 3 * i);
    __m512i value = src;
    __m512i dst = nextDst;
    if constexpr (Blends) {
      if (row.Count - i > kStep) nextDst = _mm512_maskz_loadu_epi8(LiveBytes(row.Count - i - kStep), d + 3 * kStep);
      value = ThroughMask(dst, src, _mm512_maskz_loadu_epi8(live, row.Mask + 3 * i));
    }
    __mmask64 written = live;
    if constexpr (Rule != KeyRule::Ordinary) {
      const std::uint64_t keyBytes = KeyBytes(src, key, live);
      if constexpr (Rule == KeyRule::Keep) {
        if constexpr (Blends) value = _mm512_mask_blend_epi8(keyBytes, value, dst);
        else written = live & ~keyBytes;
      }
      if constexpr (Rule == KeyRule::Fill) value = _mm512_mask_blend_epi8(keyBytes, value, fill);
      if constexpr (Rule == KeyRule::FromParent) {
        if (keyBytes != 0) {
          const std::uint8_t* under = packedParent ? parent->Run(row.DstX + i, row.DstY, pixels) : nullptr;
          if (under == nullptr) {
            _mm512_mask_storeu_epi8(d, live & ~keyBytes, value);
            FromParentOneByOne(d, keyBytes & kPixelStarts, 0, *parent, row.DstX + i, row.DstY);
            continue;
          }
          value = _mm512_mask_blend_epi8(keyBytes, value, _mm512_maskz_loadu_epi8(live, under));
        }
      }
    }
    _mm512_mask_storeu_epi8(d, written, value);
  }
}

template <KeyRule Rule, bool Blends>
void KeyedRowOf(const KeyedRow& row, const KeyTreatment& keys) {
  KeyedSteps<Rule, Blends>(row, keys, KeyedGroups<Rule, Blends>(row, keys));
}

template <bool Blends>
void KeyedRowFor(KeyRule rule, const KeyedRow& row, const KeyTreatment& keys) {
  switch (rule) {
    case KeyRule::Ordinary: return KeyedRowOf<KeyRule::Ordinary, Blends>(row, keys);
    case KeyRule::Keep: return KeyedRowOf<KeyRule::Keep, Blends>(row, keys);
    case KeyRule::Fill: return KeyedRowOf<KeyRule::Fill, Blends>(row, keys);
    case KeyRule::FromParent: return KeyedRowOf<KeyRule::FromParent, Blends>(row, keys);
  }
}

}  // namespace

int KeyedRowAvx512(const KeyedRow& row, const KeyTreatment& keys) {
  // Without a parent picture nothing can show through: the pixel stays.
  const KeyRule rule = keys.Rule == KeyRule::FromParent && keys.Parent == nullptr ? KeyRule::Keep : keys.Rule;
  if (row.Mask == nullptr) KeyedRowFor<false>(rule, row, keys);
  else if (rule == KeyRule::Ordinary) BlendEveryPixel(row);
  else KeyedRowFor<true>(rule, row, keys);
  return row.Count;
}

#else

int KeyedRowAvx512(const KeyedRow&, const KeyTreatment&) { return 0; }

#endif
