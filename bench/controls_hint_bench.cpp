// Building one comics hint as the program shows it over "Убрать": measuring
// the text, placing the window, the shape mask, the picture (gradient, edge,
// text), the shadow map and the 32-bit composition. Beside it a plain memcpy
// of the composed picture's bytes, the floor any picture of that size costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "controls/hints/TsComicsHintWindow.h"
#include "controls/hints/TsHintManager.h"
#include "framework/TApplication.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

const char kHint[] = "Убрать выбранную команду";

struct HintFixture {
  HintFixture() {
    app.Initialize();
    manager.SetPredefinitions(shComicsGradient);
    manager.ApplyPreset();
  }
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsHintManager manager{nullptr};
  TsComicsHintWindow window{nullptr, &manager};
};

void BM_BuildComicsHintPicture(benchmark::State& state) {
  HintFixture f;
  TsHintPictures warm = f.window.BuildPictures(f.window.Layout(f.window.Measure(kHint), {600, 400}), kHint);
  for (auto _ : state) {
    const TsHintLayout layout = f.window.Layout(f.window.Measure(kHint), {600, 400});
    TsHintPictures pictures = f.window.BuildPictures(layout, kHint);
    benchmark::DoNotOptimize(pictures.Composed.bits());
  }
  state.counters["width"] = warm.Composed.width();
  state.counters["height"] = warm.Composed.height();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * warm.Composed.sizeInBytes()));
}
BENCHMARK(BM_BuildComicsHintPicture)->Unit(benchmark::kMicrosecond);

void BM_MemcpyComposedHintBytes(benchmark::State& state) {
  HintFixture f;
  const TsHintPictures pictures = f.window.BuildPictures(f.window.Layout(f.window.Measure(kHint), {600, 400}), kHint);
  std::vector<std::uint8_t> copy(pictures.Composed.sizeInBytes());
  for (auto _ : state) {
    std::memcpy(copy.data(), pictures.Composed.bits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.counters["width"] = pictures.Composed.width();
  state.counters["height"] = pictures.Composed.height();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * copy.size()));
}
BENCHMARK(BM_MemcpyComposedHintBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
