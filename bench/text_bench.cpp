// DrawText of a typical caption: one line of 30 Cyrillic characters in the
// program's 11-pixel font, glyphs already cached (the state while the
// program repaints its windows).
#include <benchmark/benchmark.h>

#include "platform/graphics/TextDrawing.h"

namespace {

const char kCaption[] = "Перелить всё из БАНКИ2 в БАНКУ";  // 30 characters

void BM_DrawTextSingleLineCyrillic(benchmark::State& state) {
  Bitmap bmp(300, 24);
  bmp.fill(clBtnFace);
  DeviceContext dc(bmp);
  SetBkMode(&dc, TRANSPARENT);
  TRect warm = Rect(0, 0, 300, 24);
  DrawText(&dc, kCaption, warm, DT_SINGLELINE);  // fills the glyph cache
  for (auto _ : state) {
    TRect r = Rect(0, 0, 300, 24);
    benchmark::DoNotOptimize(DrawText(&dc, kCaption, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER));
  }
  state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_DrawTextSingleLineCyrillic);

void BM_DrawTextEndEllipsis(benchmark::State& state) {
  Bitmap bmp(300, 24);
  DeviceContext dc(bmp);
  SetBkMode(&dc, TRANSPARENT);
  for (auto _ : state) {
    TRect r = Rect(0, 0, 120, 24);
    benchmark::DoNotOptimize(DrawText(&dc, kCaption, r, DT_SINGLELINE | DT_END_ELLIPSIS));
  }
}
BENCHMARK(BM_DrawTextEndEllipsis);

void BM_GetTextExtent(benchmark::State& state) {
  Bitmap bmp(1, 1);
  DeviceContext dc(bmp);
  TSize size;
  for (auto _ : state) benchmark::DoNotOptimize(GetTextExtentPoint32(&dc, kCaption, &size));
}
BENCHMARK(BM_GetTextExtent);

}  // namespace
