#include "skin/TacSkinLoader.h"

#include "skin/TacGeneralDataLoader.h"
#include "skin/TacMaskLoader.h"
#include "skin/TacPatternLoader.h"

namespace TacSkinLoader {

void Run(TsSkinContent& content, const TacSkinLoadContext& context) {
  TacMaskLoader(content, context).Load();
  TacPatternLoader(content, context).Load();
  TacGeneralDataLoader(content, context).Load();
}

}  // namespace TacSkinLoader
