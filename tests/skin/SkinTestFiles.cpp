#include "SkinTestFiles.h"

#include <zlib.h>

#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"
#include "skin/load/TacSkinPackWriter.h"

namespace SkinTestFiles {

Bitmap Filled(int width, int height, TColor color) {
  Bitmap b(width, height);
  b.fill(color);
  return b;
}

Bytes BmpFile(int width, int height, TColor color) { return BmpCodec::encode(Filled(width, height, color)); }

Bytes JpegFile(int width, int height, TColor color) {
  Result<Bytes> r = JpegCodec::encode(Filled(width, height, color));
  if (!r) throw std::runtime_error(r.error());
  return r.value();
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Pack(const std::vector<std::pair<std::string, Bytes>>& files) {
  TacSkinPackWriter writer;
  for (const auto& [name, data] : files) writer.Add(name, data);
  return writer.Build();
}

void PutU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

Bytes RawPack(std::uint32_t count, const std::string& name, std::uint32_t size, const Bytes& stream) {
  Bytes out = {'A', 'S', 'z', 'f'};
  PutU32(out, count);
  PutU32(out, static_cast<std::uint32_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  PutU32(out, size);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

Bytes Deflate(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  out.resize(size);
  return out;
}

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("skin_tests_" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::Write(const std::string& relative, const Bytes& bytes) const {
  const std::filesystem::path p = path_ / relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return p;
}

}  // namespace SkinTestFiles
