#include "fuzz/BuiltInSkinFiles.h"

#include <cstdlib>
#include <filesystem>
#include <span>

#include "platform/FileBytes.h"
#include "resources/Resources.h"
#include "skin/load/TacSkinConvertor.h"

namespace BuiltInSkinFiles {

const TacSkinConvertor& Pack() {
  static const TacSkinConvertor* pack = [] {
    auto* reader = new TacSkinConvertor;
    const auto bytes = FindResource("skins/Birch.asz");
    if (!bytes || reader->Parse(*bytes) != TacSkinConvertor::ParseResult::Parsed) std::abort();
    return reader;
  }();
  return *pack;
}

const std::string& Folder() {
  static const std::string* folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "trainer-fuzz-skin-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    for (const TacPackedFile& file : Pack().PackedFiles())
      if (!FileBytes::write(pattern + "/" + file.FileName, file.Data)) std::abort();
    // Left behind on purpose: the fuzzer ends the process from anywhere.
    return new std::string(pattern + "/");
  }();
  return *folder;
}

}  // namespace BuiltInSkinFiles
