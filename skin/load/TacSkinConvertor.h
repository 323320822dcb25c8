#pragma once
// Reader of a skin pack: the "ASzf" container of zlib-compressed files.
//
//   "ASzf", file count N (u32 LE), then N entries of
//   name length L (u32), L name bytes, unpacked size S (u32), one zlib stream.
//
// The compressed length is not stored: each entry starts right after the end
// of the previous zlib stream. The options file ("Options.dat", compared
// without regard to case) is kept apart; every other file goes into the
// packed file list in pack order.
//
// A damaged pack (truncated, corrupt zlib data, sizes beyond the limits) is
// reported by ESkinLoadError. Sizes are checked before anything is allocated.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TacPackedFile {
  std::string FileName;  // as stored in the pack
  bool IsBitmap = false;  // upper-cased extension is ".BMP"
  std::vector<std::uint8_t> Data;
};

class TacSkinConvertor {
 public:
  // Largest unpacked size accepted for one file and for the whole pack.
  static constexpr std::size_t kMaxUnpackedSize = 64u << 20;
  // What the program shows (caption "Warning") when a pack has the wrong magic.
  static constexpr std::string_view kNotPackedMessage = "Loaded data is not packed Kestrel file";
  static constexpr std::string_view kWarningCaption = "Warning";

  enum class ParseResult {
    Parsed,     // the pack was read (possibly holding no files)
    NotPacked,  // wrong magic: nothing is held; the caller shows the warning
  };
  enum class OpenResult { Missing, Parsed, NotPacked };

  // Reads a pack from memory; the bytes are only borrowed during the call.
  // Whatever the reader held before is cleared first. Throws ESkinLoadError.
  [[nodiscard]] ParseResult Parse(std::span<const std::uint8_t> source);
  // Reads a pack file; does nothing (Missing) when the file does not exist.
  // Throws ESkinLoadError when it cannot be read or is damaged.
  [[nodiscard]] OpenResult OpenFile(const std::string& path);

  // Frees every unpacked file and the options file.
  void Clear();

  // The file count minus one, as the header gives it.
  int LastIndex() const { return lastIndex_; }
  const std::vector<TacPackedFile>& PackedFiles() const { return files_; }
  // The unpacked options file, or null when the pack holds none.
  const std::vector<std::uint8_t>* Options() const { return options_ ? &*options_ : nullptr; }
  // Bytes of the source taken by the header and the entries of the last parse.
  std::size_t ConsumedBytes() const { return consumed_; }

  // The first packed file whose upper-cased name equals `searched` as given
  // (a name written in lower case finds nothing); null when none.
  const TacPackedFile* FindFile(std::string_view searched) const;

 private:
  int lastIndex_ = -1;
  std::vector<TacPackedFile> files_;
  std::optional<std::vector<std::uint8_t>> options_;
  std::size_t consumed_ = 0;
};
