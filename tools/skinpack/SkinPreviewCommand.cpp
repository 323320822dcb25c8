#include "tools/skinpack/SkinPreviewCommand.h"

#include <cstdio>

#include "platform/FileBytes.h"
#include "platform/PngCodec.h"
#include "tools/skinpack/PreviewSkinLoader.h"
#include "tools/skinpack/SkinPreview.h"

namespace SkinPreviewCommand {

int Run(const std::string& packOrFolder, const std::string& pngPath) {
  std::vector<std::string> notes;
  Result<TsSkinContent> skin = PreviewSkinLoader::Load(packOrFolder, &notes);
  for (const std::string& note : notes) std::fprintf(stderr, "skinpack: note: %s\n", note.c_str());
  if (!skin) {
    std::fprintf(stderr, "skinpack: cannot preview %s\n", skin.error().c_str());
    return 1;
  }
  const SkinPreview preview(skin.value());
  Result<std::vector<std::uint8_t>> png = PngCodec::encode(preview.Render());
  if (!png) {
    std::fprintf(stderr, "skinpack: %s: %s\n", pngPath.c_str(), png.error().c_str());
    return 1;
  }
  if (Result<void> written = FileBytes::write(pngPath, png.value()); !written) {
    std::fprintf(stderr, "skinpack: %s\n", written.error().c_str());
    return 1;
  }
  if (preview.LeftOut() > 0)
    std::fprintf(stderr, "skinpack: note: %zu rows or frames did not fit on the sheet and are left out\n",
                 preview.LeftOut());
  std::printf("%s: %zu sections, %zu images, %d x %d pixels\n", pngPath.c_str(), preview.Sections().size(),
              preview.Images().size(), preview.SheetSize().cx, preview.SheetSize().cy);
  return 0;
}

}  // namespace SkinPreviewCommand
