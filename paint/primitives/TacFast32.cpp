#include "paint/primitives/TacFast32.h"

bool TacFast32::Attach(Bitmap* bmp) {
  Bmp = bmp;
  if (bmp == nullptr || bmp->width() < 2 || bmp->height() < 2 || bmp->format() != PixelFormat::Bgrx32) {
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
