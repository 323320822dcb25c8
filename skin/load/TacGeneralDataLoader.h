#pragma once
// The third skin loader: the global values of [GLOBALINFO] and one section
// record per section, with values inherited through PARENTCLASS; then the
// extra sections of CommonSections; finally the recolouring.
#include <cstdint>
#include <string>
#include <string_view>

#include "paint/TsSkinContent.h"
#include "skin/load/TacSkinLoadContext.h"

class TacIniFile;

class TacGeneralDataLoader {
 public:
  TacGeneralDataLoader(TsSkinContent& content, const TacSkinLoadContext& context)
      : content_(content), ctx_(context) {}

  void Load();

  // Reading key K of section S: an integer of -1 or an absent key (and a
  // text "?" or an absent key) is looked up in the PARENTCLASS section, and
  // so on up the chain; a chain that loops back is cut off.
  static std::int32_t InheritedInteger(const TacIniFile& ini, std::string_view section, std::string_view key,
                                       std::int32_t def);
  static std::string InheritedString(const TacIniFile& ini, std::string_view section, std::string_view key,
                                     std::string_view def);

 private:
  void LoadGlobals(const TacIniFile& ini);
  void LoadSections(const TacIniFile& ini);
  void LoadStored();
  void LoadCommonSections();

  TsSkinContent& content_;
  const TacSkinLoadContext& ctx_;
};
