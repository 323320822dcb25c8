#include "skin/load/TacSkinLoader.h"

#include "skin/load/TacGeneralDataLoader.h"
#include "skin/load/TacMaskLoader.h"
#include "skin/load/TacPatternLoader.h"

namespace TacSkinLoader {

void Run(TsSkinContent& content, const TacSkinLoadContext& context) {
  TacMaskLoader(content, context).Load();
  TacPatternLoader(content, context).Load();
  TacGeneralDataLoader(content, context).Load();
}

}  // namespace TacSkinLoader
