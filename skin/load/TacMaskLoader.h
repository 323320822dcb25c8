#pragma once
// The first of the three skin loaders: the master bitmap and every image
// entry of the options file (or of the stored skin's Images), then the
// bitmap entries of CommonSections. Appends to the content as it goes, so a
// malformed number (ESkinLoadError) leaves what was appended before.
#include <string>
#include <string_view>

#include "paint/TsSkinContent.h"
#include "skin/load/TacSkinLoadContext.h"

class TacMaskLoader {
 public:
  TacMaskLoader(TsSkinContent& content, const TacSkinLoadContext& context) : content_(content), ctx_(context) {}

  // Frees the previous masks and master bitmap, then loads.
  void Load();

 private:
  void LoadMasterBitmap(std::string_view name);
  void LoadIniEntries();
  void LoadStoredImages();
  void LoadCommonSections();
  void AddEntry(const std::string& section, const std::string& key, const std::string& value);
  void AddOwnBitmap(const std::string& section, const std::string& key, const std::string& value);
  void AddBitmapFile(const std::string& section, const std::string& key, const std::string& upperValue);
  TsMaskData& Append(TsMaskData mask, std::string_view section, std::string_view key);

  TsSkinContent& content_;
  const TacSkinLoadContext& ctx_;
};
