#include "paint/GradientPainter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "paint/primitives/ColorMath.h"
#include "paint/primitives/DeviceArea.h"

namespace {

struct Rgb {
  int R, G, B;
  explicit Rgb(TColor c) {
    c = ColorToRGB(c);
    R = GetRValue(c);
    G = GetGValue(c);
    B = GetBValue(c);
  }
};

// Fills pixels [x0, x1) of a row with one colour, doubling the written run.
void FillRun(std::uint8_t* row, int x0, int x1, int bpp, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  if (x1 <= x0) return;
  std::uint8_t* p = row + x0 * bpp;
  p[0] = b;
  p[1] = g;
  p[2] = r;
  if (bpp == 4) p[3] = 0;
  const std::size_t total = static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(bpp);
  for (std::size_t done = static_cast<std::size_t>(bpp); done < total;) {
    const std::size_t n = std::min(done, total - done);
    std::memcpy(p + done, p, n);
    done += n;
  }
}

// Channel value k steps of n from a to b: rounded(a + k * (b - a) / n).
std::uint8_t Step(int a, int b, int k, int n) {
  return static_cast<std::uint8_t>(DivRoundHalfEven(static_cast<std::int64_t>(a) * (n - k) + static_cast<std::int64_t>(b) * k, n));
}

void PaintVertical(Bitmap& dst, const TRect& r, const TsGradArray& grad, int shift) {
  const int lastRow = r.Bottom - 1;  // r is already clipped to the bitmap
  const int bpp = dst.bytesPerPixel();
  int e = shift + r.Top;
  for (std::size_t i = 0; i < grad.size(); ++i) {
    const int s = e;
    e = s + grad[i].Percent * (shift + r.Height()) / 100;
    e = (i + 1 == grad.size()) ? lastRow : std::min(e, lastRow);
    const int n = e - s;
    if (n <= 0) break;  // nothing left below
    const Rgb c1(grad[i].Color1), c2(grad[i].Color2);
    for (int y = std::max(s, r.Top); y <= e; ++y) {
      const int k = y - s;
      FillRun(dst.row(y), r.Left, r.Right, bpp, Step(c1.B, c2.B, k, n), Step(c1.G, c2.G, k, n), Step(c1.R, c2.R, k, n));
    }
  }
}

void PaintHorizontal(Bitmap& dst, const TRect& r, const TsGradArray& grad) {
  const int lastColumn = r.Right - 1;
  const int bpp = dst.bytesPerPixel();
  // Every row is the same: paint the first and copy it. Only the columns
  // painted in the first row are copied, so a rectangle too narrow for any
  // step (one pixel wide) keeps the old pixels of every row.
  std::uint8_t* first = dst.row(r.Top);
  int paintedLeft = r.Right, paintedRight = r.Left - 1;
  int x = r.Left;
  for (std::size_t i = 0; i < grad.size(); ++i) {
    const int start = x;
    x = DivRoundHalfEven(static_cast<std::int64_t>(grad[i].Percent) * r.Width() + 100LL * start, 100);
    x = (i + 1 == grad.size()) ? lastColumn : std::min(x, lastColumn);
    const int n = x - start;
    if (n <= 0) continue;
    const Rgb c1(grad[i].Color1), c2(grad[i].Color2);
    paintedLeft = std::min(paintedLeft, std::max(start, r.Left));
    paintedRight = std::max(paintedRight, x);
    for (int col = std::max(start, r.Left); col <= x; ++col) {
      const int k = col - start;
      std::uint8_t* p = first + col * bpp;
      p[0] = Step(c1.B, c2.B, k, n);
      p[1] = Step(c1.G, c2.G, k, n);
      p[2] = Step(c1.R, c2.R, k, n);
    }
  }
  if (paintedRight < paintedLeft) return;
  const std::size_t bytes = static_cast<std::size_t>(paintedRight - paintedLeft + 1) * static_cast<std::size_t>(bpp);
  for (int y = r.Top + 1; y < r.Bottom; ++y)
    std::memcpy(dst.row(y) + paintedLeft * bpp, first + paintedLeft * bpp, bytes);
}

struct Vertex {
  std::int64_t X, Y;
  Rgb C;
};

// Twice the signed area of (a, b, p).
std::int64_t Edge(const Vertex& a, const Vertex& b, std::int64_t px, std::int64_t py) {
  return (b.X - a.X) * (py - a.Y) - (b.Y - a.Y) * (px - a.X);
}

// Barycentric shading: pixel (x, y) is sampled at its top-left corner, so a
// vertex pixel takes exactly the vertex colour. Answers false when the point
// is outside the triangle.
bool ShadeInTriangle(const Vertex& a, const Vertex& b, const Vertex& c, int x, int y, std::uint8_t* p) {
  std::int64_t area = Edge(a, b, c.X, c.Y);
  if (area == 0) return false;
  std::int64_t wa = Edge(b, c, x, y), wb = Edge(c, a, x, y), wc = Edge(a, b, x, y);
  if (area < 0) {
    area = -area;
    wa = -wa;
    wb = -wb;
    wc = -wc;
  }
  if (wa < 0 || wb < 0 || wc < 0) return false;
  p[0] = static_cast<std::uint8_t>(DivRoundHalfEven(wa * a.C.B + wb * b.C.B + wc * c.C.B, area));
  p[1] = static_cast<std::uint8_t>(DivRoundHalfEven(wa * a.C.G + wb * b.C.G + wc * c.C.G, area));
  p[2] = static_cast<std::uint8_t>(DivRoundHalfEven(wa * a.C.R + wb * b.C.R + wc * c.C.R, area));
  return true;
}

void PaintTriangles(Bitmap& dst, const TRect& r, const TsGradArray& grad) {
  // Corner colours: Color1 of segments 1 to 5; a missing one repeats the one before.
  TColor colors[5];
  for (std::size_t i = 0; i < 5; ++i) colors[i] = i < grad.size() ? grad[i].Color1 : colors[i - 1];
  const Vertex topLeft{r.Left, r.Top, Rgb(colors[0])};
  const Vertex centre{r.Left + r.Width() / 2, r.Top + r.Height() / 2, Rgb(colors[1])};
  const Vertex topRight{r.Right, r.Top, Rgb(colors[2])};
  const Vertex bottomRight{r.Right, r.Bottom, Rgb(colors[3])};
  const Vertex bottomLeft{r.Left, r.Bottom, Rgb(colors[4])};
  const Vertex triangles[4][3] = {{topLeft, centre, topRight},
                                  {centre, topRight, bottomRight},
                                  {topLeft, centre, bottomLeft},
                                  {bottomLeft, centre, bottomRight}};
  const int bpp = dst.bytesPerPixel();
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = dst.row(y) + r.Left * bpp;
    for (int x = r.Left; x < r.Right; ++x, p += bpp) {
      bool shaded = false;
      for (const auto& t : triangles)
        if ((shaded = ShadeInTriangle(t[0], t[1], t[2], x, y, p))) break;
      if (!shaded) {  // only in degenerate rectangles: take the top-left colour
        p[0] = static_cast<std::uint8_t>(topLeft.C.B);
        p[1] = static_cast<std::uint8_t>(topLeft.C.G);
        p[2] = static_cast<std::uint8_t>(topLeft.C.R);
      }
    }
  }
}

}  // namespace

void PaintGrad(Bitmap& dst, const TRect& rect, const TsGradArray& gradient, int startShift) {
  if (gradient.empty()) return;
  const TRect logical = Intersect(rect, Rect(0, 0, dst.width(), dst.height()));
  if (logical.IsEmpty()) return;
  // Drawn at device resolution: as many steps as the screen has rows.
  const TRect r = ToDevice(logical, dst.scale());
  switch (gradient.front().Mode) {
    case gkVertical:
      PaintVertical(dst, r, gradient, startShift * dst.scale());
      break;
    case gkHorizontal:
      PaintHorizontal(dst, r, gradient);
      break;
    case gkTriangles:
      PaintTriangles(dst, r, gradient);
      break;
    default:
      break;
  }
}
