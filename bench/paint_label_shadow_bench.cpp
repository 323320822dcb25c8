// One heading's shadow: "Задание 1:" in the first window's heading font,
// sized as a shadowed label sizes itself (four passes, one pixel away),
// built and put on a transparent label's surface. Beside it, memcpy of the
// shadow picture's bytes in the same run, for the ratio.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "paint/TacLabelShadow.h"
#include "platform/graphics/TextDrawing.h"

namespace {

constexpr const char* kHeading = "Задание 1:";
constexpr unsigned kFormat = DT_NOPREFIX | DT_EXPANDTABS;

HFONT HeadingFont() {
  LogFont font;  // MS Sans Serif, as the layout names it
  font.lfHeight = -19;
  return CreateFontIndirect(font);
}

// The label's rectangle: the measured text grown by the shadow's margins.
TRect HeadingRect() {
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, HeadingFont());
  TRect r = Rect(0, 0, 0, 0);
  DrawText(&dc, kHeading, r, kFormat | DT_CALCRECT);
  const int growth = TacShadowMargins::For(1, 4).Growth();
  return Rect(0, 0, r.Width() + growth, r.Height() + growth);
}

void BM_LabelShadow(benchmark::State& state) {
  const TRect rect = HeadingRect();
  Bitmap surface(rect.Width(), rect.Height());
  DeviceContext dc(surface);
  SelectObject(&dc, HeadingFont());
  TacLabelShadow shadow;
  const TacShadowSettings maroon{clMaroon, 4, 1};
  for (auto _ : state) {
    surface.fill(clBtnFace);  // the parent's picture under the label
    shadow.Paint(&dc, kHeading, rect, kFormat, TacShadowMargins::For(1, 4), maroon, std::nullopt, clBlack);
    benchmark::ClobberMemory();
  }
  state.counters["width"] = rect.Width();
  state.counters["height"] = rect.Height();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(shadow.Picture().sizeInBytes()));
}
BENCHMARK(BM_LabelShadow);

// The plain text alone, written once as a label without shadow writes it:
// what the shadow costs on top of it.
void BM_HeadingTextOnly(benchmark::State& state) {
  const TRect rect = HeadingRect();
  Bitmap surface(rect.Width(), rect.Height());
  DeviceContext dc(surface);
  SelectObject(&dc, HeadingFont());
  SetBkMode(&dc, TRANSPARENT);
  for (auto _ : state) {
    surface.fill(clBtnFace);
    TRect place = TacShadowMargins::For(1, 4).TextRect(rect);
    DrawText(&dc, kHeading, place, kFormat);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HeadingTextOnly);

// The bytes of the same shadow picture, copied with memcpy.
void BM_MemcpyShadowPicture(benchmark::State& state) {
  const TRect rect = HeadingRect();
  const Bitmap picture(rect.Width(), rect.Height(), PixelFormat::Bgrx32);
  std::vector<std::uint8_t> target(picture.sizeInBytes());
  for (auto _ : state) {
    std::memcpy(target.data(), picture.bits(), picture.sizeInBytes());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(picture.sizeInBytes()));
}
BENCHMARK(BM_MemcpyShadowPicture);

}  // namespace
