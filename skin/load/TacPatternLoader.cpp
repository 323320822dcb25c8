#include "skin/load/TacPatternLoader.h"

#include <memory>

#include "skin/load/SkinBitmaps.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TsStoredSkin.h"

namespace {

bool NamesJpeg(const std::string& upperValue) {
  return SkinText::Contains(upperValue, ".JPG") || SkinText::Contains(upperValue, ".JPEG");
}

}  // namespace

void TacPatternLoader::Load() {
  content_.Patterns.clear();
  if (ctx_.Ini != nullptr) {
    LoadIniEntries();
  } else if (ctx_.Stored != nullptr) {
    LoadStoredPatterns();
  }
  LoadCommonSections();
}

void TacPatternLoader::LoadIniEntries() {
  const TacIniFile& ini = *ctx_.Ini;
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      const std::string value = ini.ReadString(section, key, "-");
      const std::string upper = SkinText::UpperCase(value);
      if (!NamesJpeg(upper)) continue;
      std::optional<Bitmap> picture = ctx_.Files->ReadJpeg(ctx_.Files->Packed() ? upper : value);
      if (!picture || picture->width() == 0) {
        ctx_.Files->Note(section + " " + key + ": picture \"" + value + "\" not found");
        continue;
      }
      const long pixels = static_cast<long>(picture->width()) * picture->height();
      if (pixels >= kPatternMinPixels) {
        content_.Patterns.push_back(
            {std::make_shared<Bitmap>(std::move(*picture)), SkinText::UpperCase(section), SkinText::UpperCase(key)});
      } else {
        TsMaskData m;
        m.Bmp = std::make_shared<Bitmap>(SkinBitmaps::ForPainting(*picture));
        m.SectionName = SkinText::UpperCase(section);
        m.PropertyName = SkinText::UpperCase(key);
        m.ImgType = itisaTexture;
        m.ImageCount = 1;
        m.Manager = ctx_.Manager;
        content_.Masks.push_back(std::move(m));
      }
    }
  }
}

void TacPatternLoader::LoadStoredPatterns() {
  const TCollectionOf<TsSkinPattern>& items = ctx_.Stored->Patterns;
  for (int i = 0; i < items.Count(); ++i) {
    const TsSkinPattern* source = items[i];
    if (!source->Image || source->Image->empty()) {
      // An item without a picture shares the picture of another item of the same name.
      for (int j = 0; j < items.Count(); ++j) {
        if (j != i && items[j]->Name == items[i]->Name && items[j]->Image && !items[j]->Image->empty()) {
          source = items[j];
          break;
        }
      }
    }
    content_.Patterns.push_back({std::make_shared<Bitmap>(source->Image ? *source->Image : Bitmap()),
                                 SkinText::UpperCase(items[i]->SectionName),
                                 SkinText::UpperCase(items[i]->PropertyName)});
  }
}

void TacPatternLoader::LoadCommonSections() {
  if (ctx_.CommonSections.empty()) return;
  const TacIniFile common(ctx_.CommonSections);
  for (const std::string& section : common.ReadSections()) {
    for (const std::string& key : common.ReadSection(section)) {
      const std::string value = common.ReadString(section, key, "-");
      if (!NamesJpeg(SkinText::UpperCase(value)) || !ctx_.Files->ExistsOnDisk(value)) continue;
      std::optional<Bitmap> picture = ctx_.Files->ReadJpegFromDisk(value);
      if (!picture || picture->width() == 0) continue;
      content_.Patterns.push_back(
          {std::make_shared<Bitmap>(std::move(*picture)), SkinText::UpperCase(section), SkinText::UpperCase(key)});
    }
  }
}
