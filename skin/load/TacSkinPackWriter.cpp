#include "skin/load/TacSkinPackWriter.h"

#include <zlib.h>

#include <stdexcept>

#include "skin/load/TacSkinConvertor.h"

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

void TacSkinPackWriter::Add(const std::string& name, std::span<const std::uint8_t> data) {
  if (name.empty() || name.size() > 255 || name.find_first_of("/\\") != std::string::npos || name == "." ||
      name == "..")
    throw std::invalid_argument("not a plain file name: \"" + name + "\"");
  if (data.size() > TacSkinConvertor::kMaxUnpackedSize)
    throw std::invalid_argument("file too large for a skin pack: \"" + name + "\"");
  entries_.push_back({name, {data.begin(), data.end()}});
}

std::vector<std::uint8_t> TacSkinPackWriter::Build() const {
  std::vector<std::uint8_t> out = {'A', 'S', 'z', 'f'};
  PutU32(out, static_cast<std::uint32_t>(entries_.size()));
  for (const Entry& e : entries_) {
    PutU32(out, static_cast<std::uint32_t>(e.name.size()));
    out.insert(out.end(), e.name.begin(), e.name.end());
    PutU32(out, static_cast<std::uint32_t>(e.data.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(e.data.size()));
    std::vector<std::uint8_t> packed(packedSize);
    const int rc = compress2(packed.data(), &packedSize, e.data.data(), static_cast<uLong>(e.data.size()),
                             Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK) throw std::runtime_error("zlib could not compress \"" + e.name + "\"");
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
  }
  return out;
}
