#pragma once
// A small RGBA drawing surface for one skin image. Shapes are painted over
// it with anti-aliased edges (source-over, premultiplied alpha); the result
// is then written into a skin bitmap either as an image with a mask half
// below it (per-channel transparency) or pre-blended over a known backdrop
// for plain images. Without a body, pixels that no paint touched are outside
// the image and become the key colour; with a body (the outline of a frame)
// pixels the body barely touches are outside, so that the engine shows the
// parent's own pixels there.
#include <functional>
#include <vector>

#include "platform/Bitmap.h"
#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Shape.h"

class ArtLayer {
 public:
  using Paint = std::function<Rgb(double x, double y)>;

  ArtLayer(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Marks the area of the image: pixels mostly inside the body are never key
  // coloured, even when nothing is painted on them (they then show what lies
  // under the image through a fully transparent mask).
  void addBody(const Shape& body);
  void paint(const Shape& shape, Rgb color, double opacity = 1.0);
  void paint(const Shape& shape, const Paint& colorAt, double opacity = 1.0);

  // Multiplies the opacity of every pixel by factor(x, y) (fades).
  void scaleAlpha(const std::function<double(double x, double y)>& factor);

  double alphaAt(int x, int y) const { return pixels_[index(x, y)].a; }
  bool isOutside(int x, int y) const;
  // The colour of a covered pixel (not premultiplied); black when empty.
  Rgb colorAt(int x, int y) const;

  // Image rows at (x, y) and the mask rows right below them (mask 0 takes
  // the image, 255 keeps what lies under it). Transparent pixels inside the
  // body carry insideColor, so that blending them changes nothing visible.
  void writeMasked(Bitmap& target, int x, int y, Rgb insideColor) const;
  // The image with its transparent parts filled in: the share of a pixel
  // outside the body shows the parent colour, the unpainted share inside the
  // body the inside colour (the section's own background). Outside pixels get
  // the key colour.
  void writePlain(Bitmap& target, int x, int y, Rgb parent, Rgb inside) const;

 private:
  struct Pixel {
    double r = 0, g = 0, b = 0, a = 0;  // premultiplied
    double body = 0;  // share of the pixel inside the body
  };
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  bool hasBody_ = false;
  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

// Vertical and horizontal two-colour gradients for ArtLayer::paint.
ArtLayer::Paint verticalGradient(Rgb top, Rgb bottom, double y0, double y1);
ArtLayer::Paint horizontalGradient(Rgb left, Rgb right, double x0, double x1);
