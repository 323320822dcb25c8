#pragma once
// The second skin loader: JPEG pictures named by the options file. A picture
// of 90,000 pixels or more is kept as a pattern; a smaller one becomes a
// texture mask with its own bitmap. Stored skins give their Patterns items,
// and CommonSections adds the JPEG files it names on disk.
#include <string>

#include "paint/TsSkinContent.h"
#include "skin/load/TacSkinLoadContext.h"

class TacPatternLoader {
 public:
  static constexpr long kPatternMinPixels = 90000;

  TacPatternLoader(TsSkinContent& content, const TacSkinLoadContext& context) : content_(content), ctx_(context) {}

  // Frees the previous patterns, then loads.
  void Load();

 private:
  void LoadIniEntries();
  void LoadStoredPatterns();
  void LoadCommonSections();

  TsSkinContent& content_;
  const TacSkinLoadContext& ctx_;
};
