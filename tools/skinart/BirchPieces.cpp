#include "tools/skinart/BirchPieces.h"

namespace BirchPieces {

std::vector<MasterPiece> all() {
  std::vector<MasterPiece> pieces;
  for (auto group : {globalInfo, windowFrame, controls, scrollBars})
    for (MasterPiece& p : group()) pieces.push_back(std::move(p));
  return pieces;
}

}  // namespace BirchPieces
