#include "paint/primitives/VectorSteps.h"

#include <algorithm>

namespace {

VectorSteps FindSupported() {
#if defined(__GNUC__) && defined(__x86_64__)
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) return VectorSteps::Avx512;
  if (__builtin_cpu_supports("avx2")) return VectorSteps::Avx2;
#endif
  return VectorSteps::Plain;
}

VectorSteps gLimit = VectorSteps::Avx512;

}  // namespace

VectorSteps SupportedVectorSteps() {
  static const VectorSteps supported = FindSupported();
  return supported;
}

VectorSteps ActiveVectorSteps() { return std::min(SupportedVectorSteps(), gLimit); }

void LimitVectorSteps(VectorSteps widest) { gLimit = widest; }

const char* VectorStepsName(VectorSteps steps) {
  switch (steps) {
    case VectorSteps::Avx512: return "avx512";
    case VectorSteps::Avx2: return "avx2";
    case VectorSteps::Plain: break;
  }
  return "plain";
}
