#include "skin/KeptPicture.h"

#include <algorithm>

#include "framework/graphics/TBitmap.h"
#include "platform/DeviceScale.h"

namespace {

struct Kept {
  TBitmap picture;
  bool inUse = false;
};

// Made at its first use, so it goes before what its painting used.
Kept& TheKept() {
  static Kept kept;
  return kept;
}

}  // namespace

KeptPicture::KeptPicture(int width, int height) {
  Kept& kept = TheKept();
  if (kept.inUse) {
    own_ = std::make_unique<TBitmap>(width, height);
    return;
  }
  kept.inUse = true;
  borrowed_ = true;
  // Kept from a program run at another scale (tests run several one after
  // the other): emptied, it takes the current scale with its new size.
  if (kept.picture.Pixels().scale() != DeviceScale::Current()) kept.picture.SetSize(0, 0);
  if (kept.picture.Width() < width || kept.picture.Height() < height)
    kept.picture.SetSize(std::max(kept.picture.Width(), width), std::max(kept.picture.Height(), height));
}

KeptPicture::~KeptPicture() {
  if (borrowed_) TheKept().inUse = false;
}

TBitmap& KeptPicture::Picture() { return own_ ? *own_ : TheKept().picture; }
