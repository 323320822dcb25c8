#pragma once
// The vector instructions the pixel loops of the primitives may use, found
// once from the processor's flags. Every vector form sits beside a plain
// loop, which is the reference for its results and what runs on processors
// without the instructions.
#include <cstdint>

enum class VectorSteps : std::uint8_t {
  Plain,   // the plain loops only
  Avx2,    // 32-byte registers
  Avx512,  // 64-byte registers with byte masks (AVX-512 F and BW)
};

// The widest steps this processor runs.
VectorSteps SupportedVectorSteps();

// The steps the primitives take now: the supported ones, or fewer while a
// limit is set.
VectorSteps ActiveVectorSteps();

// Caps the steps at `widest` (never above what the processor runs), so that
// tests and benchmarks reach the narrower forms on a wide processor;
// VectorSteps::Avx512 lifts the cap again.
void LimitVectorSteps(VectorSteps widest);

// "plain", "avx2" or "avx512", for benchmark reports.
const char* VectorStepsName(VectorSteps steps);
