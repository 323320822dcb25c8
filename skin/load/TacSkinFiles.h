#pragma once
// Where the files named by a skin's options file come from: the packed file
// list of the pack being loaded, or the disk relative to the skin path.
//
// Pictures that are missing answer nothing; pictures that exist but do not
// decode answer nothing too and leave a note for the skin check.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"

class TacSkinConvertor;

class TacSkinFiles {
 public:
  using NoteSink = std::function<void(const std::string&)>;

  // `pack` may be null (files come from disk); it is borrowed.
  TacSkinFiles(const TacSkinConvertor* pack, std::string skinPath, NoteSink notes = {});

  bool Packed() const { return pack_ != nullptr; }
  const std::string& SkinPath() const { return skinPath_; }

  // A BMP or JPEG picture of the skin. From a pack, the first file whose
  // upper-cased name equals `name` as given; from disk, `name` under the
  // skin path unless it is absolute.
  std::optional<Bitmap> ReadBitmap(std::string_view name) const;
  std::optional<Bitmap> ReadJpeg(std::string_view name) const;
  // The same from disk whatever the source (the CommonSections entries).
  std::optional<Bitmap> ReadBitmapFromDisk(std::string_view name) const;
  std::optional<Bitmap> ReadJpegFromDisk(std::string_view name) const;
  bool ExistsOnDisk(std::string_view name) const;

  void Note(const std::string& text) const;

 private:
  enum class Kind { Bmp, Jpeg };
  std::optional<Bitmap> Read(std::string_view name, Kind kind, bool fromPack) const;
  std::optional<Bitmap> Decode(const std::vector<std::uint8_t>& bytes, std::string_view name, Kind kind) const;
  // The native path of a disk file, matching the file name without regard to
  // case when the exact spelling does not exist (skins were written for a
  // file system that ignores case); empty when there is no such file.
  std::string FindOnDisk(std::string_view name) const;

  const TacSkinConvertor* pack_;
  std::string skinPath_;
  NoteSink notes_;
};
