// One repaint of the jugs window's client area as the replay causes it: the
// skinned gauges, the shadowed headings and task texts, and the copy to the
// window, at device scale 1 and 2 (four times the pixels); beside memcpy of
// the window's own pixel bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/TrainerProgram.h"
#include "controls/TsGauge.h"
#include "platform/DeviceScale.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"

namespace {

void BM_RepaintJugsClientArea(benchmark::State& state) {
  DeviceScale::Scoped atScale(static_cast<int>(state.range(0)));
  HeadlessDriver driver;
  TrainerProgram program;
  program.ShowMainWindow();
  driver.runUntilIdle();
  TForm1* jugs = program.JugsWindow();
  // The jugs half full, as in the middle of a replay.
  jugs->sGauge1->SetMaxValue(2);
  jugs->sGauge1->SetProgress(1);
  jugs->sGauge3->SetMaxValue(3);
  jugs->sGauge3->SetProgress(2);
  driver.runUntilIdle();
  HWND window = jugs->Handle();
  for (auto _ : state) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
  state.counters["client_pixels"] = jugs->ClientWidth() * jugs->ClientHeight();
}
BENCHMARK(BM_RepaintJugsClientArea)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The 636 x 453 client area in the window's 32-bit pixels.
void BM_MemcpyJugsClientBytes(benchmark::State& state) {
  const std::size_t bytes = 636u * 453u * 4u;
  std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MemcpyJugsClientBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
