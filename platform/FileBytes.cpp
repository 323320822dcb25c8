#include "platform/FileBytes.h"

#include <fstream>
#include <iterator>

namespace FileBytes {

Result<std::vector<std::uint8_t>> read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error{"cannot open " + path};
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return Error{"cannot read " + path};
  return bytes;
}

Result<void> write(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return Error{"cannot create " + path};
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return Error{"cannot write " + path};
  return {};
}

}  // namespace FileBytes
