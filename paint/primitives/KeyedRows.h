#pragma once
// Vector forms of the row loops that single out key-colour source pixels:
// the key-colour copies (CopyTransBitmaps, CopyTransRect) and the copy
// through a mask half (CopyByMask). A row's pixels are either copied from
// the source or blended through the mask, each channel becoming
// (d * m + s * (256 - m)) >> 8; a source pixel equal to the key colour
// instead follows the row's key rule. The results are byte for byte those of
// the primitives' plain loops.
#include <cstdint>

#include "paint/CachePictureReader.h"
#include "paint/primitives/VectorSteps.h"

// What a key-colour source pixel leaves in the destination.
enum class KeyRule : std::uint8_t {
  Ordinary,    // nothing special: copied or blended like any pixel
  Keep,        // the destination pixel stays
  Fill,        // the fill colour
  FromParent,  // the parent picture's pixel under it; stays outside that picture
};

struct KeyTreatment {
  KeyRule Rule = KeyRule::Keep;
  std::uint8_t Key[3] = {};   // blue, green, red
  std::uint8_t Fill[3] = {};  // for KeyRule::Fill
  // For KeyRule::FromParent; it must not be the destination's picture.
  const CachePictureReader* Parent = nullptr;
};

// One row of 24-bit pixels. The destination must not overlap the source or
// the mask row.
struct KeyedRow {
  std::uint8_t* Dst = nullptr;
  const std::uint8_t* Src = nullptr;
  const std::uint8_t* Mask = nullptr;  // the mask half's row to blend through; null to copy
  int Count = 0;                       // pixels
  int DstX = 0;                        // where Dst lies in the destination, for the parent picture
  int DstY = 0;
};

// Do the leading pixels of the row and answer how many they did; the
// caller's plain loop does the rest. The AVX-512 form does the whole row
// (64 pixels a group, then 16 a step, the last step under a byte mask); the
// AVX2 form takes 8 pixels a step while 11 remain, as each step reads 32
// bytes.
int KeyedRowAvx512(const KeyedRow& row, const KeyTreatment& keys);
int KeyedRowAvx2(const KeyedRow& row, const KeyTreatment& keys);

inline int KeyedRowInSteps(const KeyedRow& row, const KeyTreatment& keys, VectorSteps steps) {
  switch (steps) {
    case VectorSteps::Avx512: return KeyedRowAvx512(row, keys);
    case VectorSteps::Avx2: return KeyedRowAvx2(row, keys);
    case VectorSteps::Plain: break;
  }
  return 0;
}

// Whether two runs of bytes share memory; the vector forms then give way to
// the plain loops, whose pixel-by-pixel order such copies rely on.
inline bool RunsOverlap(const std::uint8_t* a, const std::uint8_t* b, int bytes) {
  const auto x = reinterpret_cast<std::uintptr_t>(a), y = reinterpret_cast<std::uintptr_t>(b);
  const auto n = static_cast<std::uintptr_t>(bytes);
  return x < y + n && y < x + n;
}
