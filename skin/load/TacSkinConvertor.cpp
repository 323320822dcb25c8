#include "skin/load/TacSkinConvertor.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/FileBytes.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacSkinPaths.h"

namespace {

// Smallest possible entry: two length fields and the shortest zlib stream
// (2 header bytes, a 2-byte empty deflate block, 4 checksum bytes).
constexpr std::size_t kMinEntryBytes = 4 + 4 + 8;

// Sequential reader over the pack bytes; running past the end is a damaged pack.
class PackCursor {
 public:
  explicit PackCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  std::span<const std::uint8_t> rest() const { return bytes_.subspan(pos_); }
  void skip(std::size_t n) { pos_ += n; }

  std::uint32_t readU32(const char* what) {
    need(4, what);
    const std::uint8_t* p = bytes_.data() + pos_;
    pos_ += 4;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }
  std::string readString(std::size_t n, const char* what) {
    need(n, what);
    std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
    pos_ += n;
    return s;
  }

 private:
  void need(std::size_t n, const char* what) const {
    if (remaining() < n) throw ESkinLoadError(std::string("Skin pack ends inside ") + what);
  }
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Inflates one zlib stream that must produce exactly `size` bytes and end
// there; returns the bytes and sets `used` to the input the stream took.
std::vector<std::uint8_t> InflateExactly(std::span<const std::uint8_t> input, std::size_t size,
                                         const std::string& name, std::size_t& used) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) throw ESkinLoadError("Cannot start the decompressor");
  struct End {
    z_stream* s;
    ~End() { inflateEnd(s); }
  } end{&zs};

  std::vector<std::uint8_t> out(size);
  std::uint8_t probe = 0;
  zs.next_in = const_cast<Bytef*>(input.data());
  zs.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), UINT_MAX));
  // zlib refuses a null output pointer, so an empty file inflates into the probe.
  zs.next_out = size > 0 ? out.data() : &probe;
  zs.avail_out = static_cast<uInt>(size);
  int rc = inflate(&zs, Z_FINISH);
  if (rc != Z_STREAM_END && zs.avail_out == 0 && (rc == Z_OK || rc == Z_BUF_ERROR)) {
    // All S bytes are there; the stream must end now without more output.
    zs.next_out = &probe;
    zs.avail_out = 1;
    rc = inflate(&zs, Z_FINISH);
    if (rc == Z_STREAM_END && zs.avail_out == 0) rc = Z_DATA_ERROR;
    if (rc != Z_STREAM_END && zs.avail_out == 0)
      throw ESkinLoadError("Skin pack entry \"" + name + "\" holds more than its stated size");
  }
  if (rc == Z_STREAM_END) {
    if (zs.total_out != size)
      throw ESkinLoadError("Skin pack entry \"" + name + "\" ends before its stated size");
    used = zs.total_in;
    return out;
  }
  if (rc == Z_BUF_ERROR || rc == Z_OK)
    throw ESkinLoadError("Skin pack entry \"" + name + "\" is truncated");
  throw ESkinLoadError("Skin pack entry \"" + name + "\" is corrupt: " + (zs.msg ? zs.msg : "bad zlib data"));
}

}  // namespace

void TacSkinConvertor::Clear() {
  while (!files_.empty()) files_.pop_back();
  options_.reset();
  lastIndex_ = -1;
  consumed_ = 0;
}

TacSkinConvertor::ParseResult TacSkinConvertor::Parse(std::span<const std::uint8_t> source) {
  Clear();
  PackCursor in(source);
  if (in.remaining() < 4 || std::memcmp(source.data(), "ASzf", 4) != 0) return ParseResult::NotPacked;
  in.skip(4);
  const auto count = static_cast<std::int32_t>(in.readU32("the file count"));
  lastIndex_ = count > 0 ? count - 1 : -1;
  if (count <= 0) {
    consumed_ = in.position();
    return ParseResult::Parsed;
  }
  if (static_cast<std::size_t>(count) > in.remaining() / kMinEntryBytes) {
    const std::string n = std::to_string(count);
    Clear();
    throw ESkinLoadError("Skin pack claims " + n + " files, more than its data can hold");
  }

  std::size_t total = 0;
  try {
    for (std::int32_t i = 0; i < count; ++i) {
      const std::uint32_t nameLength = in.readU32("an entry's name length");
      const std::string name = in.readString(nameLength, "an entry's name");
      const std::uint32_t size = in.readU32("an entry's size");
      if (size > kMaxUnpackedSize || total + size > kMaxUnpackedSize)
        throw ESkinLoadError("Skin pack entry \"" + name + "\" is too large (" + std::to_string(size) + " bytes)");
      total += size;
      std::size_t used = 0;
      std::vector<std::uint8_t> data = InflateExactly(in.rest(), size, name, used);
      in.skip(used);
      if (SkinText::UpperCase(name) == "OPTIONS.DAT") {
        // A second options file replaces the first.
        options_ = std::move(data);
      } else {
        files_.push_back({name, SkinText::UpperCase(SkinText::ExtractFileExt(name)) == ".BMP", std::move(data)});
      }
    }
  } catch (...) {
    Clear();
    throw;
  }
  consumed_ = in.position();
  return ParseResult::Parsed;
}

TacSkinConvertor::OpenResult TacSkinConvertor::OpenFile(const std::string& path) {
  if (!TacSkinPaths::FileExists(path)) return OpenResult::Missing;
  Result<std::vector<std::uint8_t>> bytes = FileBytes::read(TacSkinPaths::ToNativePath(path));
  if (!bytes) throw ESkinLoadError("Cannot read skin pack \"" + path + "\": " + bytes.error());
  return Parse(bytes.value()) == ParseResult::Parsed ? OpenResult::Parsed : OpenResult::NotPacked;
}

const TacPackedFile* TacSkinConvertor::FindFile(std::string_view searched) const {
  for (const TacPackedFile& f : files_) {
    if (SkinText::UpperCase(f.FileName) == searched) return &f;
  }
  return nullptr;
}
