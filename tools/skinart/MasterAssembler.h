#pragma once
// Lays the pieces out in the master bitmap (pinned pieces first, then the
// others from the tallest down), copies their pixels in, fills every other
// pixel with the key colour and writes each piece's options-file entry.
#include <map>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"
#include "tools/skinart/MasterPiece.h"

struct AssembledMaster {
  Bitmap master;
  std::map<std::string, std::string> entries;  // key -> notation
};

namespace MasterAssembler {

Result<AssembledMaster> assemble(const std::vector<MasterPiece>& pieces, int width);

}  // namespace MasterAssembler
