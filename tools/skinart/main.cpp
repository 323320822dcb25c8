// skinart: draws the Birch skin and writes its unpacked folder.
//
//   skinart OPTIONS_SOURCE OUT_DIR [PREVIEW_DIR]
//
// Reads the options source (resources/skin/Birch.options), draws the master
// bitmap, the huge button and the title decoration, and writes Options.dat,
// Master.bmp, ButtonHuge.bmp and tl.bmp into OUT_DIR. With PREVIEW_DIR it
// also writes enlarged PNG previews of the three bitmaps there, and a rough
// picture of a window put together from them (window.png).
#include <cstdio>
#include <string>

#include "platform/BmpCodec.h"
#include "platform/FileBytes.h"
#include "platform/PngCodec.h"
#include "tools/skinart/BirchSkinBuilder.h"
#include "tools/skinart/OptionsText.h"
#include "tools/skinart/Preview.h"
#include "tools/skinart/PreviewMockup.h"

namespace {

bool writeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  Result<void> r = FileBytes::write(path, bytes);
  if (!r) std::fprintf(stderr, "skinart: %s: %s\n", path.c_str(), r.error().c_str());
  return r.ok();
}

bool writeBmp(const std::string& path, const Bitmap& bitmap) { return writeFile(path, BmpCodec::encode(bitmap)); }

bool writePreview(const std::string& path, const Bitmap& bitmap, int scale) {
  Result<std::vector<std::uint8_t>> png = PngCodec::encode(Preview::scaleUp(bitmap, scale));
  if (!png) {
    std::fprintf(stderr, "skinart: %s: %s\n", path.c_str(), png.error().c_str());
    return false;
  }
  return writeFile(path, png.value());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fputs("usage: skinart OPTIONS_SOURCE OUT_DIR [PREVIEW_DIR]\n", stderr);
    return 2;
  }
  const std::string source = argv[1], out = argv[2];

  Result<std::vector<std::uint8_t>> text = FileBytes::read(source);
  if (!text) {
    std::fprintf(stderr, "skinart: %s: %s\n", source.c_str(), text.error().c_str());
    return 1;
  }
  Result<BirchSkinFiles> skin = BirchSkinBuilder::build(std::string(text->begin(), text->end()));
  if (!skin) {
    std::fprintf(stderr, "skinart: %s: %s\n", source.c_str(), skin.error().c_str());
    return 1;
  }

  const std::string& options = skin->options;
  bool ok = writeFile(out + "/Options.dat", {reinterpret_cast<const std::uint8_t*>(options.data()), options.size()});
  ok = writeBmp(out + "/ButtonHuge.bmp", skin->hugeButton) && ok;
  ok = writeBmp(out + "/Master.bmp", skin->master) && ok;
  ok = writeBmp(out + "/tl.bmp", skin->decoration) && ok;
  if (argc == 4) {
    const std::string preview = argv[3];
    ok = writePreview(preview + "/Master.png", skin->master, 4) && ok;
    ok = writePreview(preview + "/ButtonHuge.png", skin->hugeButton, 2) && ok;
    ok = writePreview(preview + "/tl.png", skin->decoration, 2) && ok;
    const Bitmap mockup = PreviewMockup::window(skin->pieces, skin->decoration, OptionsText(options));
    ok = writePreview(preview + "/window.png", mockup, 2) && ok;
  }
  return ok ? 0 : 1;
}
