#include "tools/skinart/MaskNotation.h"

#include <cstdio>

namespace MaskNotation {

namespace {

std::string format(const char* pattern, auto... values) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, pattern, values...);
  return buffer;
}

}  // namespace

std::string border(const TRect& r, BorderWidths w, int imageCount, int maskType, int stretchMode, int borderWidth) {
  return format("^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^%d", r.Left, r.Top, r.Right, r.Bottom, w.left,
                w.top, w.right, w.bottom, imageCount, maskType, stretchMode, borderWidth);
}

std::string glyph(const TRect& r, int imageCount, int maskType) {
  return format("@%04d@%04d@%04d@%04d@%d@%d", r.Left, r.Top, r.Right, r.Bottom, imageCount, maskType);
}

std::string texture(const TRect& r, int fillMode, int maskType) {
  return format("~%04d~%04d~%04d~%04d~%02d~%d", r.Left, r.Top, r.Right, r.Bottom, fillMode, maskType);
}

std::string ownBitmap(const std::string& fileName, int imageCount, int maskType, int imgType, BorderWidths w) {
  return format("!%s!%d!%d!%d!%04d!%04d!%04d!%04d", fileName.c_str(), imageCount, maskType, imgType, w.left, w.top,
                w.right, w.bottom);
}

std::string ownBitmap(const std::string& fileName, int imageCount, int maskType, int imgType) {
  return format("!%s!%d!%d!%d", fileName.c_str(), imageCount, maskType, imgType);
}

bool fitsColumns(const TRect& r) {
  auto fits = [](int v) { return v >= 0 && v <= 9999; };
  return fits(r.Left) && fits(r.Top) && fits(r.Right) && fits(r.Bottom);
}

}  // namespace MaskNotation
