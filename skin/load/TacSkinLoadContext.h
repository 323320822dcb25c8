#pragma once
// What the three skin loaders read during one load: the options file (or,
// without one, the stored skin's collections), the source of the skin's
// files, the manager's CommonSections text and the recolouring settings.
#include <string>
#include <vector>

class TacIniFile;
class TacSkinFiles;
class TsSkinManager;
class TsStoredSkin;

struct TacSkinLoadContext {
  const TacIniFile* Ini = nullptr;       // the options file; null means the stored collections
  const TsStoredSkin* Stored = nullptr;  // read when Ini is null (may be null too: nothing to read)
  const TacSkinFiles* Files = nullptr;   // never null during a load
  std::vector<std::string> CommonSections;
  TsSkinManager* Manager = nullptr;      // stored in every mask
  int HueOffset = 0;
  int Saturation = 0;
};
