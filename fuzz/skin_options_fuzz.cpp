// Fuzz target for the options-file loaders with every image notation: any
// options text, with the built-in pictures in a pack or in a folder, must
// give a skin or an ESkinLoadError, and the lookups the painting engine
// makes on the result must stay inside its lists.
#include <cstddef>
#include <cstdint>

#include "fuzz/SkinFromOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TsSkinContent content;
  if (!LoadSkinFromOptions(data, size, content)) return 0;
  for (const TsGeneralData& section : content.Sections) {
    const int index = content.GetSkinIndex(section.SectionName);
    for (const char* property : {"BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN"}) {
      const int mask = content.GetMaskIndex(index, section.SectionName, property);
      if (content.IsValidImgIndex(mask)) (void)content.Masks[static_cast<std::size_t>(mask)].R;
      (void)content.GetTextureIndex(index, section.SectionName, property);
    }
  }
  return 0;
}
