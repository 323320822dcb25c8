#pragma once
// The image notations of the skin options file, written with the fixed
// column widths the skin loader reads: four-digit numbers for rectangles and
// border widths, one digit for frame count, mask type, stretch mode and
// border width ("^"), two digits for a texture's fill mode ("~").
#include <string>

#include "platform/Geometry.h"

namespace MaskNotation {

struct BorderWidths {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// "^L^T^R^B^WL^WT^WR^WB^I^M^S^W": a border mask in the master bitmap.
std::string border(const TRect& r, BorderWidths w, int imageCount, int maskType, int stretchMode, int borderWidth);
// "@L@T@R@B@I@M": a glyph (state frames) in the master bitmap.
std::string glyph(const TRect& r, int imageCount, int maskType);
// "~L~T~R~B~FF~M": a texture in the master bitmap with its fill mode.
std::string texture(const TRect& r, int fillMode, int maskType);
// "!FILE!I!M!T!WL!WT!WR!WB": an image in a bitmap file of its own; without
// widths ("!FILE!I!M!T") the loader derives them from the bitmap's size.
std::string ownBitmap(const std::string& fileName, int imageCount, int maskType, int imgType, BorderWidths w);
std::string ownBitmap(const std::string& fileName, int imageCount, int maskType, int imgType);

// True when every number fits its columns (no value would shift the columns
// the loader reads).
bool fitsColumns(const TRect& r);

}  // namespace MaskNotation
