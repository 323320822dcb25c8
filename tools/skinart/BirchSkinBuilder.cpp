#include "tools/skinart/BirchSkinBuilder.h"

#include "tools/skinart/BirchPieces.h"
#include "tools/skinart/DecorationArt.h"
#include "tools/skinart/MaskNotation.h"
#include "tools/skinart/MasterAssembler.h"
#include "tools/skinart/OptionsTemplate.h"

namespace BirchSkinBuilder {

Result<BirchSkinFiles> build(const std::string& optionsSource) {
  BirchSkinFiles files;
  files.pieces = BirchPieces::all();
  Result<AssembledMaster> master = MasterAssembler::assemble(files.pieces, BirchPieces::kMasterWidth);
  if (!master) return Error{"master bitmap: " + master.error()};

  std::map<std::string, std::string> images = master->entries;
  // The two pictures with files of their own; the loader finds a pack's
  // files by their upper-cased names.
  images["BUTTON_HUGE.BORDERSMASK"] = MaskNotation::ownBitmap("BUTTONHUGE.BMP", 3, 1, 0, {48, 48, 47, 47});
  images["FORMTITLE.IMGTOPLEFT"] = MaskNotation::ownBitmap("TL.BMP", 1, 1, 2);

  Result<std::string> options = OptionsTemplate(optionsSource).expand(images);
  if (!options) return Error{options.error()};

  files.options = std::move(options).value();
  files.master = std::move(master->master);
  files.hugeButton = DecorationArt::hugeButton();
  files.decoration = DecorationArt::titleDecoration();
  return files;
}

}  // namespace BirchSkinBuilder
