#include "skin/load/TacMaskLoader.h"

#include <memory>
#include <vector>

#include "skin/load/SkinBitmaps.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacMaskNotation.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TsStoredSkin.h"

namespace {

std::shared_ptr<Bitmap> Shared24(const Bitmap& source) {
  return std::make_shared<Bitmap>(SkinBitmaps::ForPainting(source));
}

}  // namespace

void TacMaskLoader::Load() {
  content_.Masks.clear();
  content_.MasterBitmap.reset();
  if (ctx_.Ini != nullptr) {
    LoadMasterBitmap(ctx_.Ini->ReadString("GLOBALINFO", "MASTERBITMAP", ""));
    LoadIniEntries();
  } else if (ctx_.Stored != nullptr) {
    if (!ctx_.Stored->MasterBitmap.empty()) content_.MasterBitmap = Shared24(ctx_.Stored->MasterBitmap);
    LoadStoredImages();
  }
  LoadCommonSections();
}

void TacMaskLoader::LoadMasterBitmap(std::string_view name) {
  if (name.empty()) return;
  // The name is used as written: from a pack it must match the upper-cased
  // stored name.
  std::optional<Bitmap> bmp = ctx_.Files->ReadBitmap(name);
  if (!bmp) {
    ctx_.Files->Note("master bitmap \"" + std::string(name) + "\" missing or unreadable");
    return;
  }
  content_.MasterBitmap = Shared24(*bmp);
}

TsMaskData& TacMaskLoader::Append(TsMaskData mask, std::string_view section, std::string_view key) {
  mask.SectionName = std::string(section);
  mask.PropertyName = std::string(key);
  mask.Manager = ctx_.Manager;
  return content_.Masks.emplace_back(std::move(mask));
}

void TacMaskLoader::LoadIniEntries() {
  const TacIniFile& ini = *ctx_.Ini;
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      if (SkinText::SameText(section, "GLOBALINFO") && SkinText::SameText(key, "MASTERBITMAP")) continue;
      AddEntry(section, key, ini.ReadString(section, key, ""));
    }
  }
}

void TacMaskLoader::AddEntry(const std::string& section, const std::string& key, const std::string& value) {
  if (value.empty()) return;
  switch (value.front()) {
    case '!':
      AddOwnBitmap(section, key, value);
      return;
    case '@':
      Append(TacMaskNotation::ParseGlyph(value), section, key);
      return;
    case '^':
      Append(TacMaskNotation::ParseBorder(value), section, key);
      return;
    case '~':
      Append(TacMaskNotation::ParseTexture(value), section, key);
      return;
    default:
      break;
  }
  if (!SkinText::Contains(value, "#")) {
    const std::string upper = SkinText::UpperCase(value);
    if (SkinText::Contains(upper, ".BMP")) AddBitmapFile(section, key, upper);
  } else if (value != "#") {
    Append(TacMaskNotation::ParseOldNotation(value), SkinText::UpperCase(section), SkinText::UpperCase(key));
  }
}

void TacMaskLoader::AddOwnBitmap(const std::string& section, const std::string& key, const std::string& value) {
  const std::string file = TacMaskNotation::OwnBitmapFileName(value);
  if (file.empty()) return;
  std::optional<Bitmap> bmp = ctx_.Files->ReadBitmap(file);
  if (!bmp || bmp->width() == 0) {
    ctx_.Files->Note(section + " " + key + ": bitmap \"" + file + "\" missing or unreadable");
    return;
  }
  const std::optional<TacMaskNotation::OwnBitmapEntry> e = TacMaskNotation::ParseOwnBitmap(value);
  if (!e) {
    ctx_.Files->Note(section + " " + key + ": image type is not 0, 1 or 2 in \"" + value + "\"");
    return;
  }
  TsMaskData m;
  m.Bmp = e->ImgType == itisaTexture ? std::make_shared<Bitmap>(SkinBitmaps::AtProgramScale(std::move(*bmp)))
                                     : Shared24(*bmp);
  m.ImgType = e->ImgType;
  m.ImageCount = e->ImageCount;
  m.MaskType = e->MaskType;
  m.StretchMode = 4;
  m.R = {0, 0, m.Bmp->width(), m.Bmp->height()};
  if (e->HasWidths) {
    m.WL = e->WL;
    m.WT = e->WT;
    m.WR = e->WR;
    m.WB = e->WB;
  } else {
    // Same rule as an all-zero "^" entry without a border width.
    TacMaskNotation::ApplyDefaultWidths(m);
  }
  Append(std::move(m), section, key);
}

void TacMaskLoader::AddBitmapFile(const std::string& section, const std::string& key, const std::string& upperValue) {
  std::optional<Bitmap> bmp = ctx_.Files->ReadBitmap(upperValue);
  if (!bmp || bmp->width() == 0) {
    ctx_.Files->Note(section + " " + key + ": bitmap \"" + upperValue + "\" missing or unreadable");
    return;
  }
  TsMaskData m;
  m.Bmp = Shared24(*bmp);
  m.ImageCount = 3;
  m.MaskType = 1;
  m.R = {0, 0, m.Bmp->width(), m.Bmp->height()};
  m.WL = m.WR = static_cast<std::int16_t>(m.Bmp->width() / 9);
  m.WT = m.WB = static_cast<std::int16_t>(m.Bmp->height() / 6);
  Append(std::move(m), SkinText::UpperCase(section), SkinText::UpperCase(key));
}

void TacMaskLoader::LoadStoredImages() {
  const TCollectionOf<TsSkinImage>& images = ctx_.Stored->Images;
  for (int i = 0; i < images.Count(); ++i) {
    const TsSkinImage& item = *images[i];
    TsMaskData m;
    if (item.Image && !item.Image->empty() && !item.Name.empty()) {
      m.Bmp = Shared24(*item.Image);
      m.R = {0, 0, m.Bmp->width(), m.Bmp->height()};
    } else {
      m.R = {item.Left, item.Top, item.Right, item.Bottom};
    }
    m.ImageCount = item.ImageCount;
    m.MaskType = item.MaskType;
    if (m.ImageCount == 0) {
      m.ImageCount = 3;
      m.MaskType = 1;
    }
    m.BorderWidth = item.BorderWidth;
    m.StretchMode = item.StretchMode;
    m.ImgType = item.ImgType;
    m.WL = item.WL;
    m.WT = item.WT;
    m.WR = item.WR;
    m.WB = item.WB;
    TacMaskNotation::ApplyDefaultWidths(m);
    Append(std::move(m), SkinText::UpperCase(item.SectionName), SkinText::UpperCase(item.PropertyName));
  }
}

void TacMaskLoader::LoadCommonSections() {
  if (ctx_.CommonSections.empty()) return;
  const TacIniFile common(ctx_.CommonSections);
  for (const std::string& section : common.ReadSections()) {
    if (SkinText::SameText(section, "GLOBALINFO")) continue;
    for (const std::string& key : common.ReadSection(section)) {
      const std::string value = common.ReadString(section, key, "-");
      const bool hasHash = SkinText::Contains(value, "#");
      if (!content_.MasterBitmap || !hasHash) {
        const std::string upper = SkinText::UpperCase(value);
        if (!SkinText::Contains(upper, ".BMP") || !ctx_.Files->ExistsOnDisk(upper)) continue;
        std::optional<Bitmap> bmp = ctx_.Files->ReadBitmapFromDisk(upper);
        if (!bmp || bmp->width() == 0) continue;
        TsMaskData m;
        m.Bmp = Shared24(*bmp);
        Append(std::move(m), SkinText::UpperCase(section), SkinText::UpperCase(key));
      } else if (value != "#") {
        Append(TacMaskNotation::ParseOldNotation(value), SkinText::UpperCase(section), SkinText::UpperCase(key));
      }
    }
  }
}
