#pragma once
// The off-screen picture windowless children are painted into, kept from one
// paint to the next: allocating one of the children's size for every repaint
// costs as much as their painting. Whoever borrows it fills each part before
// drawing on it and copies out only what it filled, so what an earlier paint
// left there never shows. A paint nested in another one (a child that paints
// a window while it paints) gets a picture of its own.
#include <memory>

class TBitmap;

class KeptPicture {
 public:
  // Borrows a picture of at least width x height until destroyed.
  KeptPicture(int width, int height);
  ~KeptPicture();
  KeptPicture(const KeptPicture&) = delete;
  KeptPicture& operator=(const KeptPicture&) = delete;

  TBitmap& Picture();

 private:
  std::unique_ptr<TBitmap> own_;
  bool borrowed_ = false;
};
