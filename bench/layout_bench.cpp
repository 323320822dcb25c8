// How long reading the window layouts takes: parsing the largest layout of
// the program, and finding embedded resources by path.
#include <benchmark/benchmark.h>

#include <string_view>

#include "framework/streaming/LayoutParser.h"
#include "resources/Resources.h"

namespace {

std::string_view Text(std::string_view path) {
  auto bytes = FindResource(path);
  if (!bytes) return {};
  return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
}

void BM_ParseTubeWindowLayout(benchmark::State& state) {
  std::string_view text = Text("layouts/TForm3.lfm");
  if (text.empty()) {
    state.SkipWithError("layouts/TForm3.lfm is not embedded");
    return;
  }
  for (auto _ : state) {
    LayoutNode node = LayoutParser("TForm3.lfm", text).Parse();
    benchmark::DoNotOptimize(node);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseTubeWindowLayout);

void BM_FindEmbeddedResource(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FindResource("layouts/TForm4.lfm"));
}
BENCHMARK(BM_FindEmbeddedResource);

}  // namespace
