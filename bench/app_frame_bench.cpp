// Composing the skinned frame's picture of the program's largest window, the
// river-crossing window (701 × 497 client, 707 × 522 with its frame): the
// form section over the whole window, the title section, icon, buttons and
// caption. Beside it, a plain memcpy of as many bytes, the floor any
// composition of that picture stands on.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/TrainerProgram.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm2.h"
#include "skin/SkinCommandMessage.h"
#include "skin/frame/TsSkinProvider.h"

namespace {

struct RiverFrame {
  HeadlessDriver driver;
  TrainerProgram program;
  TsSkinProvider* frame = nullptr;

  RiverFrame() {
    program.ShowMainWindow();
    driver.runUntilIdle();
    program.RiverWindow()->Show();
    driver.runUntilIdle();
    frame = reinterpret_cast<TsSkinProvider*>(
        SendMessage(program.RiverWindow()->Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_FRAME_PROVIDER), 0));
  }
};

void BM_ComposeRiverWindowFrame(benchmark::State& state) {
  RiverFrame river;
  if (!river.frame) {
    state.SkipWithError("the river window has no skinned frame");
    return;
  }
  river.frame->ComposeFrame();
  const TBitmap* picture = river.frame->FramePicture();
  state.counters["width"] = picture->Width();
  state.counters["height"] = picture->Height();
  for (auto _ : state) {
    river.frame->ComposeFrame();
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * picture->Width() * picture->Height() * 3);
}
BENCHMARK(BM_ComposeRiverWindowFrame)->Unit(benchmark::kMicrosecond);

void BM_MemcpyRiverWindowBytes(benchmark::State& state) {
  // The river window's frame picture: 707 × 522 pixels of three bytes.
  const std::size_t bytes = std::size_t{707} * 522 * 3;
  std::vector<std::uint8_t> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MemcpyRiverWindowBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
