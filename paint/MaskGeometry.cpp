#include "paint/MaskGeometry.h"

#include <algorithm>

TSize MaskFrameSize(const TsMaskData& mask) {
  // An own bitmap is cut by its frame count like any other mask (a corner
  // image of one frame spans the whole picture); only one without a count
  // or a rectangle is read as three frames over a mask half.
  if (mask.Bmp && (mask.ImageCount < 1 || mask.R.IsEmpty())) return {mask.Bmp->width() / 3, mask.Bmp->height() / 2};
  const int across = std::max<int>(mask.ImageCount, 1);
  const int down = std::max(mask.MaskType + 1, 1);
  return {mask.R.Width() / across, mask.R.Height() / down};
}

const Bitmap* MaskPicture(const TsMaskData& mask, const Bitmap* master) {
  const Bitmap* picture = mask.Bmp ? mask.Bmp.get() : master;
  return picture != nullptr && !picture->empty() ? picture : nullptr;
}

int ClampMaskState(const TsMaskData& mask, int state) { return std::clamp(state, 0, std::max(mask.ImageCount - 1, 0)); }
