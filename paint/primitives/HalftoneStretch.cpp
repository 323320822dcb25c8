#include "paint/primitives/HalftoneStretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "paint/primitives/ColorMath.h"
#include "paint/primitives/DeviceArea.h"

namespace {

// Which source pixels cover one destination pixel, and by how much. In units
// where a source pixel is dstCount long and a destination pixel srcCount
// long, the weights of one destination pixel add up to srcCount.
struct Contribution {
  int First = 0;  // index into the weight list
  int Count = 0;
};

struct AxisWeights {
  std::vector<Contribution> Pixels;
  std::vector<int> Source;
  std::vector<int> Weight;

  AxisWeights(int srcStart, int srcCount, int dstCount) {
    Pixels.resize(static_cast<std::size_t>(dstCount));
    for (int i = 0; i < dstCount; ++i) {
      const std::int64_t from = static_cast<std::int64_t>(i) * srcCount;
      const std::int64_t to = from + srcCount;
      Pixels[static_cast<std::size_t>(i)].First = static_cast<int>(Source.size());
      for (std::int64_t j = from / dstCount; j * dstCount < to && j < srcCount; ++j) {
        const std::int64_t overlap = std::min(to, (j + 1) * dstCount) - std::max(from, j * dstCount);
        if (overlap <= 0) continue;
        Source.push_back(srcStart + static_cast<int>(j));
        Weight.push_back(static_cast<int>(overlap));
      }
      Pixels[static_cast<std::size_t>(i)].Count = static_cast<int>(Source.size()) - Pixels[static_cast<std::size_t>(i)].First;
    }
  }
};

}  // namespace

void StretchBitmapRect(Bitmap& dst, const TRect& logicalDstRect, const Bitmap& picture, const TRect& srcRect,
                       const TRect* clip) {
  const TRect logicalSource = Intersect(srcRect, Rect(0, 0, picture.width(), picture.height()));
  if (logicalSource.IsEmpty() || logicalDstRect.IsEmpty()) return;
  TRect logicalVisible = Intersect(logicalDstRect, Rect(0, 0, dst.width(), dst.height()));
  if (clip != nullptr) logicalVisible = Intersect(logicalVisible, *clip);
  if (logicalVisible.IsEmpty()) return;
  // Scaled at device resolution: both rectangles in device pixels.
  const int n = dst.scale();
  const SourceAtScale source(picture, n);
  const Bitmap& src = source.get();
  const TRect s = ToDevice(logicalSource, n);
  const TRect dstRect = ToDevice(logicalDstRect, n);
  const TRect visible = ToDevice(logicalVisible, n);

  const int sw = s.Width(), sh = s.Height(), dw = dstRect.Width(), dh = dstRect.Height();
  const AxisWeights columns(s.Left, sw, dw);
  const AxisWeights rows(s.Top, sh, dh);
  const int sb = src.bytesPerPixel(), db = dst.bytesPerPixel();

  // Horizontal pass over the visible columns for each source row, sums
  // scaled by sw; then the vertical pass divides by sw * sh.
  const int vw = visible.Width();
  std::vector<std::uint32_t> across(static_cast<std::size_t>(sh) * static_cast<std::size_t>(vw) * 3);
  for (int r = 0; r < sh; ++r) {
    const std::uint8_t* sp = src.row(s.Top + r);
    std::uint32_t* out = &across[static_cast<std::size_t>(r) * static_cast<std::size_t>(vw) * 3];
    for (int x = 0; x < vw; ++x, out += 3) {
      const Contribution& c = columns.Pixels[static_cast<std::size_t>(visible.Left - dstRect.Left + x)];
      std::uint32_t b = 0, g = 0, red = 0;
      for (int k = c.First; k < c.First + c.Count; ++k) {
        const std::uint8_t* p = sp + columns.Source[static_cast<std::size_t>(k)] * sb;
        const std::uint32_t w = static_cast<std::uint32_t>(columns.Weight[static_cast<std::size_t>(k)]);
        b += p[0] * w;
        g += p[1] * w;
        red += p[2] * w;
      }
      out[0] = b;
      out[1] = g;
      out[2] = red;
    }
  }
  const std::int64_t total = static_cast<std::int64_t>(sw) * sh;
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const Contribution& c = rows.Pixels[static_cast<std::size_t>(y - dstRect.Top)];
    std::uint8_t* dp = dst.row(y) + visible.Left * db;
    for (int x = 0; x < vw; ++x, dp += db) {
      std::int64_t sum[3] = {0, 0, 0};
      for (int k = c.First; k < c.First + c.Count; ++k) {
        const std::size_t r = static_cast<std::size_t>(rows.Source[static_cast<std::size_t>(k)] - s.Top);
        const std::uint32_t* in = &across[(r * static_cast<std::size_t>(vw) + static_cast<std::size_t>(x)) * 3];
        const std::int64_t w = rows.Weight[static_cast<std::size_t>(k)];
        sum[0] += in[0] * w;
        sum[1] += in[1] * w;
        sum[2] += in[2] * w;
      }
      for (int ch = 0; ch < 3; ++ch) dp[ch] = static_cast<std::uint8_t>(DivRoundHalfEven(sum[ch], total));
    }
  }
}
