#include "skin/load/TacSkinFiles.h"

#include <filesystem>

#include "platform/BmpCodec.h"
#include "platform/FileBytes.h"
#include "platform/JpegCodec.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinPaths.h"

namespace fs = std::filesystem;

TacSkinFiles::TacSkinFiles(const TacSkinConvertor* pack, std::string skinPath, NoteSink notes)
    : pack_(pack), skinPath_(std::move(skinPath)), notes_(std::move(notes)) {}

void TacSkinFiles::Note(const std::string& text) const {
  if (notes_) notes_(text);
}

std::optional<Bitmap> TacSkinFiles::ReadBitmap(std::string_view name) const { return Read(name, Kind::Bmp, Packed()); }
std::optional<Bitmap> TacSkinFiles::ReadJpeg(std::string_view name) const { return Read(name, Kind::Jpeg, Packed()); }
std::optional<Bitmap> TacSkinFiles::ReadBitmapFromDisk(std::string_view name) const {
  return Read(name, Kind::Bmp, false);
}
std::optional<Bitmap> TacSkinFiles::ReadJpegFromDisk(std::string_view name) const {
  return Read(name, Kind::Jpeg, false);
}

bool TacSkinFiles::ExistsOnDisk(std::string_view name) const { return !FindOnDisk(name).empty(); }

std::optional<Bitmap> TacSkinFiles::Read(std::string_view name, Kind kind, bool fromPack) const {
  if (name.empty()) return std::nullopt;
  if (fromPack) {
    const TacPackedFile* file = pack_->FindFile(name);
    if (file == nullptr) return std::nullopt;
    return Decode(file->Data, name, kind);
  }
  const std::string path = FindOnDisk(name);
  if (path.empty()) return std::nullopt;
  Result<std::vector<std::uint8_t>> bytes = FileBytes::read(path);
  if (!bytes) {
    Note("cannot read \"" + path + "\": " + bytes.error());
    return std::nullopt;
  }
  return Decode(bytes.value(), name, kind);
}

std::optional<Bitmap> TacSkinFiles::Decode(const std::vector<std::uint8_t>& bytes, std::string_view name,
                                           Kind kind) const {
  Result<Bitmap> picture = kind == Kind::Bmp ? BmpCodec::decode(bytes) : JpegCodec::decode(bytes);
  if (!picture) {
    Note("unreadable image \"" + std::string(name) + "\": " + picture.error());
    return std::nullopt;
  }
  return std::move(picture).value();
}

std::string TacSkinFiles::FindOnDisk(std::string_view name) const {
  const std::string native = TacSkinPaths::ToNativePath(TacSkinPaths::SkinFileName(skinPath_, name));
  std::error_code ec;
  if (fs::is_regular_file(native, ec)) return native;
  const fs::path wanted(native);
  const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
  const std::string file = wanted.filename().string();
  if (file.empty() || !fs::is_directory(folder, ec)) return {};
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (SkinText::SameText(it->path().filename().string(), file) && it->is_regular_file(ec)) return it->path().string();
  }
  return {};
}
