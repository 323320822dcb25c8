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

// The groups all() is made of.
std::vector<MasterPiece> globalInfo();   // title buttons, check marks, grip (BirchGlobalPieces.cpp)
std::vector<MasterPiece> windowFrame();  // FORM and FORMTITLE border masks (BirchControlPieces.cpp)
std::vector<MasterPiece> controls();     // border masks and glyphs of the controls
std::vector<MasterPiece> scrollBars();   // thumbs, arrows and the grip texture

}  // namespace BirchPieces
