// Fuzz target for `skinpack preview`: a skin loaded from a fuzzed options
// text (see SkinFromOptions.h) is laid out and painted on the preview sheet,
// which must stay bounded and never touch memory outside its bitmaps.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/SkinFromOptions.h"
#include "tools/skinpack/SkinPreview.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TsSkinContent content;
  if (!LoadSkinFromOptions(data, size, content) || content.Sections.empty()) return 0;
  const SkinPreview preview(content);
  const TSize sheet = preview.SheetSize();
  if (sheet.cx > SkinPreview::kMaxSheetWidth || sheet.cy > SkinPreview::kMaxSheetHeight) std::abort();
  (void)preview.Render();
  return 0;
}
