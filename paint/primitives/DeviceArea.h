#pragma once
// The primitives clip in logical pixels, then walk device rows. These turn
// what the clipping left into the device pixels of bitmaps stored at one
// scale, and show a source stored at another scale as the target sees it.
// At scale 1 every position stays as it is.
#include <optional>

#include "paint/primitives/CopyArea.h"
#include "platform/Bitmap.h"

inline CopyArea ToDevice(CopyArea a, int scale) {
  a.SrcX *= scale;
  a.SrcY *= scale;
  a.DstX *= scale;
  a.DstY *= scale;
  a.Width *= scale;
  a.Height *= scale;
  return a;
}

inline TRect ToDevice(const TRect& r, int scale) {
  return Rect(r.Left * scale, r.Top * scale, r.Right * scale, r.Bottom * scale);
}

// A source as a target at `scale` reads it: the bitmap itself when it is
// stored at that scale, else a copy at that scale (nearest pixel). The skin's
// pictures are brought to the program's scale when loaded, so the copy is
// the rare case.
class SourceAtScale {
 public:
  SourceAtScale(const Bitmap& source, int scale) : source_(source) {
    if (source.scale() != scale) copy_ = source.rescaled(scale);
  }
  const Bitmap& get() const { return copy_ ? *copy_ : source_; }

 private:
  const Bitmap& source_;
  std::optional<Bitmap> copy_;
};
