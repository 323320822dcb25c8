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
#include "tools/skinart/BirchPieces.h"
#include "tools/skinart/DecorationArt.h"
#include "tools/skinart/MasterAssembler.h"
#include "tools/skinart/MaskNotation.h"
#include "tools/skinart/OptionsTemplate.h"
#include "tools/skinart/OptionsText.h"
#include "tools/skinart/PreviewMockup.h"
#include "tools/skinart/Preview.h"

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

  const std::vector<MasterPiece> pieces = BirchPieces::all();
  Result<AssembledMaster> master = MasterAssembler::assemble(pieces, BirchPieces::kMasterWidth);
  if (!master) {
    std::fprintf(stderr, "skinart: master bitmap: %s\n", master.error().c_str());
    return 1;
  }
  std::map<std::string, std::string> images = master->entries;
  // The two pictures with files of their own; the loader finds a pack's
  // files by their upper-cased names.
  images["BUTTON_HUGE.BORDERSMASK"] = MaskNotation::ownBitmap("BUTTONHUGE.BMP", 3, 1, 0, {48, 48, 47, 47});
  images["FORMTITLE.IMGTOPLEFT"] = MaskNotation::ownBitmap("TL.BMP", 1, 1, 2);

  const OptionsTemplate options(std::string(text->begin(), text->end()));
  Result<std::string> expanded = options.expand(images);
  if (!expanded) {
    std::fprintf(stderr, "skinart: %s: %s\n", source.c_str(), expanded.error().c_str());
    return 1;
  }

  const Bitmap hugeButton = DecorationArt::hugeButton();
  const Bitmap decoration = DecorationArt::titleDecoration();
  const std::string& optionsText = expanded.value();
  bool ok = writeFile(out + "/Options.dat", {reinterpret_cast<const std::uint8_t*>(optionsText.data()), optionsText.size()});
  ok = writeBmp(out + "/ButtonHuge.bmp", hugeButton) && ok;
  ok = writeBmp(out + "/Master.bmp", master->master) && ok;
  ok = writeBmp(out + "/tl.bmp", decoration) && ok;
  if (argc == 4) {
    const std::string preview = argv[3];
    ok = writePreview(preview + "/Master.png", master->master, 4) && ok;
    ok = writePreview(preview + "/ButtonHuge.png", hugeButton, 2) && ok;
    ok = writePreview(preview + "/tl.png", decoration, 2) && ok;
    const Bitmap mockup = PreviewMockup::window(pieces, decoration, OptionsText(optionsText));
    ok = writePreview(preview + "/window.png", mockup, 2) && ok;
  }
  return ok ? 0 : 1;
}
