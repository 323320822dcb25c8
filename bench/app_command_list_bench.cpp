// The tube window's command list holding the 56-line solution: painting its
// skinned vertical bar, and a full repaint of the list (frame, bar, lines);
// each beside memcpy of the same number of bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "adapters/TacScrollWnd.h"
#include "app/TrainerProgram.h"
#include "controls/TsListBox.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"

namespace {

struct TubeList {
  HeadlessDriver driver;
  TrainerProgram program;
  TsListBox* list = nullptr;

  TubeList() {
    program.ShowMainWindow();
    program.TubeWindow()->Show();
    program.JugsWindow()->Hide();
    driver.runUntilIdle();
    list = dynamic_cast<TsListBox*>(program.TubeWindow()->sListBox1);
    for (int i = 0; i < 56; ++i) list->Items().Add(i % 2 ? "Наклонить трубку ВПРАВО >" : "Наклонить трубку ВЛЕВО <");
    list->SetItemIndex(28);
    driver.runUntilIdle();
  }
};

void MemcpyBytes(benchmark::State& state, std::size_t bytes) {
  std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The bar's own 24-bit picture: 17 by 167 pixels, rows padded to 4 bytes.
constexpr std::size_t kBarBytes = ((17u * 3u + 3u) & ~3u) * 167u;
// The list's window in the screen's 32-bit pixels: 295 by 169.
constexpr std::size_t kListBytes = 295u * 169u * 4u;

void BM_PaintCommandListBar(benchmark::State& state) {
  TubeList tube;
  TacScrollWnd* adapter = tube.list->ScrollAdapter();
  if (!adapter || !adapter->Bar(kBarVertical).Visible) {
    state.SkipWithError("the command list has no skinned bar");
    return;
  }
  for (auto _ : state) adapter->PaintBars(nullptr);
  state.counters["bar_pixels"] = adapter->BarRect(kBarVertical).Width() * adapter->BarRect(kBarVertical).Height();
}
BENCHMARK(BM_PaintCommandListBar)->Unit(benchmark::kMicrosecond);

void BM_MemcpyBarBytes(benchmark::State& state) { MemcpyBytes(state, kBarBytes); }
BENCHMARK(BM_MemcpyBarBytes)->Unit(benchmark::kMicrosecond);

void BM_RepaintCommandList(benchmark::State& state) {
  TubeList tube;
  HWND window = tube.list->Handle();
  for (auto _ : state) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  state.counters["list_pixels"] = tube.list->Width() * tube.list->Height();
}
BENCHMARK(BM_RepaintCommandList)->Unit(benchmark::kMicrosecond);

void BM_MemcpyListBytes(benchmark::State& state) { MemcpyBytes(state, kListBytes); }
BENCHMARK(BM_MemcpyListBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
