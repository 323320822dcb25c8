#include "paint/CacheInfo.h"

TCacheInfo MakeCacheInfo(Bitmap* bmp, int x, int y) {
  TCacheInfo ci;
  ci.Bmp = bmp;
  ci.X = x;
  ci.Y = y;
  ci.FillColor = clFuchsia;
  ci.Ready = true;
  return ci;
}

const TCacheInfo& EmptyCI() {
  static const TCacheInfo empty{};
  return empty;
}
