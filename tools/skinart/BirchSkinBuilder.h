#pragma once
// Builds the whole Birch skin folder in memory from the options source:
// the options file with every image entry filled in, the master bitmap and
// the two bitmaps with files of their own.
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"
#include "tools/skinart/MasterPiece.h"

struct BirchSkinFiles {
  std::string options;  // Options.dat
  Bitmap master;        // Master.bmp
  Bitmap hugeButton;    // ButtonHuge.bmp
  Bitmap decoration;    // tl.bmp
  std::vector<MasterPiece> pieces;  // what the master bitmap was made of
};

namespace BirchSkinBuilder {

Result<BirchSkinFiles> build(const std::string& optionsSource);

}  // namespace BirchSkinBuilder
