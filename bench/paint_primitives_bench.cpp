// Speed of the painting engine's hottest pixel loops on a 640 x 480 picture,
// each beside a memcpy of the same number of bytes for comparison.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "paint/CacheInfo.h"
#include "paint/GradientPainter.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/MaskCopy.h"
#include "paint/primitives/VectorSteps.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

Bitmap Noise(int w, int h, unsigned seed) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = bmp.row(y);
    for (int i = 0; i < w * 3; ++i) {
      seed = seed * 1103515245u + 12345u;
      p[i] = static_cast<std::uint8_t>(seed >> 16);
    }
  }
  return bmp;
}

// The colour blend, the key-colour copy and the mask copy run with the
// vector steps the processor offers (the label names them) and, under the
// names ending in /avx2 and /plain, capped at the narrower forms.
class StepsCap {
 public:
  StepsCap(benchmark::State& state, VectorSteps widest) {
    LimitVectorSteps(widest);
    state.SetLabel(VectorStepsName(ActiveVectorSteps()));
  }
  ~StepsCap() { LimitVectorSteps(VectorSteps::Avx512); }
};

// The bytes one pass over the picture touches, copied with memcpy.
void BM_Memcpy(benchmark::State& state) {
  const Bitmap src = Noise(kWidth, kHeight, 1);
  Bitmap dst(kWidth, kHeight);
  const std::size_t rowBytes = kWidth * 3;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y) std::memcpy(dst.row(y), src.row(y), rowBytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
BENCHMARK(BM_Memcpy);

void BM_SumBitmapRect(benchmark::State& state) {
  const Bitmap src = Noise(kWidth, kHeight, 2);
  Bitmap dst = Noise(kWidth, kHeight, 3);
  for (auto _ : state) {
    SumBitmapRect(dst, src, 127, Point(0, 0), Rect(0, 0, kWidth, kHeight));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
BENCHMARK(BM_SumBitmapRect);

void CopyByMaskAt(benchmark::State& state, VectorSteps widest) {
  const StepsCap cap(state, widest);
  // Image on top, mask half below.
  const Bitmap src = Noise(kWidth, kHeight * 2, 4);
  TsMaskData mask;
  mask.R = Rect(0, 0, kWidth, kHeight * 2);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  Bitmap dst = Noise(kWidth, kHeight, 5);
  for (auto _ : state) {
    CopyByMask(Rect(0, 0, kWidth, kHeight), Rect(0, 0, kWidth, kHeight), dst, mask, false, EmptyCI(), src);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
void BM_CopyByMask(benchmark::State& state) { CopyByMaskAt(state, VectorSteps::Avx512); }
BENCHMARK(BM_CopyByMask);
BENCHMARK_CAPTURE(CopyByMaskAt, avx2, VectorSteps::Avx2);
BENCHMARK_CAPTURE(CopyByMaskAt, plain, VectorSteps::Plain);

void BlendColorRectAt(benchmark::State& state, VectorSteps widest) {
  const StepsCap cap(state, widest);
  Bitmap dst = Noise(kWidth, kHeight, 6);
  for (auto _ : state) {
    BlendColorRect(dst, Rect(0, 0, kWidth, kHeight), 40, RGB(30, 140, 220));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
void BM_BlendColorRect(benchmark::State& state) { BlendColorRectAt(state, VectorSteps::Avx512); }
BENCHMARK(BM_BlendColorRect);
BENCHMARK_CAPTURE(BlendColorRectAt, avx2, VectorSteps::Avx2);
BENCHMARK_CAPTURE(BlendColorRectAt, plain, VectorSteps::Plain);

void CopyTransBitmapsAt(benchmark::State& state, VectorSteps widest) {
  const StepsCap cap(state, widest);
  Bitmap src = Noise(kWidth, kHeight, 7);
  // Every eighth pixel is the key colour, borrowed from the parent picture.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; x += 8) src.setPixel(x, y, clFuchsia);
  Bitmap parent = Noise(kWidth + 20, kHeight + 20, 8);
  Bitmap dst(kWidth, kHeight);
  const TCacheInfo ci = MakeCacheInfo(&parent, 10, 10);
  for (auto _ : state) {
    CopyTransBitmaps(dst, src, Point(0, 0), true, ci, clFuchsia, Rect(0, 0, kWidth - 1, kHeight - 1));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
void BM_CopyTransBitmaps(benchmark::State& state) { CopyTransBitmapsAt(state, VectorSteps::Avx512); }
BENCHMARK(BM_CopyTransBitmaps);
BENCHMARK_CAPTURE(CopyTransBitmapsAt, avx2, VectorSteps::Avx2);
BENCHMARK_CAPTURE(CopyTransBitmapsAt, plain, VectorSteps::Plain);

void BM_PaintGradVertical(benchmark::State& state) {
  Bitmap dst(kWidth, kHeight);
  TsGradArray grad(2);
  grad[0] = {RGB(255, 255, 255), RGB(200, 210, 230), 40, 0};
  grad[1] = {RGB(200, 210, 230), RGB(120, 140, 180), 60, 0};
  for (auto _ : state) {
    PaintGrad(dst, Rect(0, 0, kWidth, kHeight), grad);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 3);
}
BENCHMARK(BM_PaintGradVertical);

}  // namespace
