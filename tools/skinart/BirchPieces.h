#pragma once
// Every image of the Birch skin's master bitmap, drawn: border masks of the
// controls, the title-bar buttons, check marks and grips. The keys are the
// "SECTION.KEY" names that the options source refers to as {SECTION.KEY}.
#include <vector>

#include "tools/skinart/MasterPiece.h"

namespace BirchPieces {

// Width of the master bitmap the pieces are laid out in.
constexpr int kMasterWidth = 256;

std::vector<MasterPiece> all();

}  // namespace BirchPieces
