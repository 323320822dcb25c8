#include "paint/primitives/TacFast24.h"

bool TacFast24::Attach(Bitmap* bmp) {
  Bmp = bmp;
  if (bmp == nullptr || bmp->width() <= 1 || bmp->height() <= 1 || bmp->format() != PixelFormat::Bgr24) {
    Width = Height = 0;
    Start = nullptr;
    Delta = 0;
    return false;
  }
  Width = bmp->width();
  Height = bmp->height();
  Start = bmp->start();
  Delta = bmp->row(1) - bmp->row(0);
  return true;
}
