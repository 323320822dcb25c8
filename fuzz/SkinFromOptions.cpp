#include "fuzz/SkinFromOptions.h"

#include <string_view>

#include "fuzz/BuiltInSkinFiles.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"

bool LoadSkinFromOptions(const std::uint8_t* data, std::size_t size, TsSkinContent& content) {
  if (size == 0) return false;
  const bool fromFolder = (data[0] & 1) != 0;
  const TacIniFile ini(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  const TacSkinFiles files(fromFolder ? nullptr : &BuiltInSkinFiles::Pack(),
                           fromFolder ? BuiltInSkinFiles::Folder() : std::string());
  TacSkinLoadContext context;
  context.Ini = &ini;
  context.Files = &files;
  content.SkinData.SkinPath = files.SkinPath();
  try {
    TacSkinLoader::Run(content, context);
  } catch (const ESkinLoadError&) {
    return false;
  }
  content.RefreshConstIndexes();
  return true;
}
