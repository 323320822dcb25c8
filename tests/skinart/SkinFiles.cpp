#include "SkinFiles.h"

#include <zlib.h>

#include <cstring>

#include "platform/BmpCodec.h"
#include "platform/FileBytes.h"

namespace SkinFiles {

std::string folder() { return std::string(SKIN_RESOURCES_DIR).append("/skin/Birch"); }
std::string packPath() { return std::string(SKIN_RESOURCES_DIR).append("/skins/Birch.asz"); }

std::vector<std::uint8_t> readBytes(const std::string& path) {
  Result<std::vector<std::uint8_t>> r = FileBytes::read(path);
  return r ? std::move(r).value() : std::vector<std::uint8_t>{};
}

std::string readText(const std::string& path) {
  std::vector<std::uint8_t> bytes = readBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

Bitmap readBitmap(const std::string& path) {
  Result<Bitmap> r = BmpCodec::decode(readBytes(path));
  return r ? std::move(r).value() : Bitmap{};
}

namespace {

// Digits at 1-based columns [first, first + count) of the value.
std::optional<int> number(const std::string& v, std::size_t first, std::size_t count) {
  if (v.size() < first - 1 + count) return std::nullopt;
  const std::string digits = v.substr(first - 1, count);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoi(digits);
}

}  // namespace

std::optional<MasterEntry> parseMasterEntry(const std::string& v) {
  if (v.empty()) return std::nullopt;
  MasterEntry e;
  e.notation = v[0];
  auto l = number(v, 2, 4), t = number(v, 7, 4), r = number(v, 12, 4), b = number(v, 17, 4);
  if (!l || !t || !r || !b) return std::nullopt;
  e.r = {*l, *t, *r, *b};
  if (e.notation == '@') {
    auto ic = number(v, 22, 1), mt = number(v, 24, 1);
    if (!ic || !mt || v.size() != 24) return std::nullopt;
    e.imageCount = *ic;
    e.maskType = *mt;
  } else if (e.notation == '^') {
    auto wl = number(v, 22, 4), wt = number(v, 27, 4), wr = number(v, 32, 4), wb = number(v, 37, 4);
    auto ic = number(v, 42, 1), mt = number(v, 44, 1), sm = number(v, 46, 1), bw = number(v, 48, 1);
    if (!wl || !wt || !wr || !wb || !ic || !mt || !sm || !bw || v.size() != 48) return std::nullopt;
    e.wl = *wl, e.wt = *wt, e.wr = *wr, e.wb = *wb;
    e.imageCount = *ic, e.maskType = *mt, e.stretchMode = *sm, e.borderWidth = *bw;
  } else if (e.notation == '~') {
    auto fill = number(v, 22, 2);
    if (!fill) return std::nullopt;
    e.imageCount = 1;
    e.stretchMode = *fill;
    e.maskType = v.size() >= 25 ? number(v, 25, 1).value_or(-1) : 0;
    if (e.maskType < 0) return std::nullopt;
  } else {
    return std::nullopt;
  }
  return e;
}

namespace {

bool readU32(const std::vector<std::uint8_t>& b, std::size_t& pos, std::uint32_t& out) {
  if (pos + 4 > b.size()) return false;
  out = b[pos] | (b[pos + 1] << 8) | (b[pos + 2] << 16) | (static_cast<std::uint32_t>(b[pos + 3]) << 24);
  pos += 4;
  return true;
}

}  // namespace

std::vector<PackedFile> unpack(const std::vector<std::uint8_t>& pack) {
  std::vector<PackedFile> files;
  std::size_t pos = 0;
  std::uint32_t count = 0;
  if (pack.size() < 8 || std::memcmp(pack.data(), "ASzf", 4) != 0) return {};
  pos = 4;
  if (!readU32(pack, pos, count)) return {};
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t nameLength = 0, size = 0;
    if (!readU32(pack, pos, nameLength) || pos + nameLength > pack.size()) return {};
    PackedFile f;
    f.name.assign(pack.begin() + pos, pack.begin() + pos + nameLength);
    pos += nameLength;
    if (!readU32(pack, pos, size)) return {};
    f.bytes.resize(size);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return {};
    z.next_in = const_cast<Bytef*>(pack.data() + pos);
    z.avail_in = static_cast<uInt>(pack.size() - pos);
    z.next_out = f.bytes.data();
    z.avail_out = size;
    const int rc = inflate(&z, Z_FINISH);
    const std::size_t used = z.total_in;
    const bool complete = rc == Z_STREAM_END && z.total_out == size;
    inflateEnd(&z);
    if (!complete) return {};
    pos += used;
    files.push_back(std::move(f));
  }
  if (pos != pack.size()) return {};
  return files;
}

}  // namespace SkinFiles
