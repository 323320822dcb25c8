// Fuzz target for skin packs: any bytes must either parse or fail with
// ESkinLoadError; a pack that parses is then loaded as the skin manager
// loads one (options file, masks, patterns, sections from its own files),
// which must also end in a skin or an ESkinLoadError.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "paint/TsSkinContent.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TacSkinConvertor reader;
  try {
    if (reader.Parse(std::span<const std::uint8_t>(data, size)) != TacSkinConvertor::ParseResult::Parsed) return 0;
    for (const TacPackedFile& file : reader.PackedFiles()) (void)reader.FindFile(file.FileName);
    if (reader.Options() == nullptr) return 0;
    const std::vector<std::uint8_t>& options = *reader.Options();
    const TacIniFile ini(std::string_view(reinterpret_cast<const char*>(options.data()), options.size()));
    const TacSkinFiles files(&reader, "");
    TacSkinLoadContext context;
    context.Ini = &ini;
    context.Files = &files;
    TsSkinContent content;
    TacSkinLoader::Run(content, context);
    content.RefreshConstIndexes();
  } catch (const ESkinLoadError&) {
  }
  return 0;
}
