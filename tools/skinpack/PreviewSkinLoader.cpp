#include "tools/skinpack/PreviewSkinLoader.h"

#include <filesystem>
#include <optional>

#include "platform/FileBytes.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"

namespace fs = std::filesystem;

namespace PreviewSkinLoader {

namespace {

TacIniFile IniFrom(const std::vector<std::uint8_t>& bytes) {
  return TacIniFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

Result<TsSkinContent> Load(const std::string& packOrFolder, std::vector<std::string>* notes) {
  std::error_code ec;
  if (!fs::exists(packOrFolder, ec)) return Error{packOrFolder + ": no such file or folder"};

  TacSkinConvertor reader;
  std::optional<TacIniFile> ini;
  std::string skinPath;
  try {
    if (fs::is_directory(packOrFolder, ec)) {
      const std::string options = (fs::path(packOrFolder) / "Options.dat").string();
      Result<std::vector<std::uint8_t>> bytes = FileBytes::read(options);
      if (!bytes) return Error{packOrFolder + ": no readable Options.dat (" + bytes.error() + ")"};
      ini.emplace(IniFrom(bytes.value()));
      skinPath = packOrFolder + "/";
    } else {
      if (reader.OpenFile(packOrFolder) != TacSkinConvertor::OpenResult::Parsed)
        return Error{packOrFolder + ": " + std::string(TacSkinConvertor::kNotPackedMessage)};
      if (reader.Options() == nullptr) return Error{packOrFolder + ": the pack holds no Options.dat"};
      ini.emplace(IniFrom(*reader.Options()));
    }

    const TacSkinFiles files(reader.Options() != nullptr ? &reader : nullptr, skinPath, [notes](const std::string& note) {
      if (notes != nullptr) notes->push_back(note);
    });
    TacSkinLoadContext context;
    context.Ini = &*ini;
    context.Files = &files;
    TsSkinContent content;
    content.SkinData.SkinPath = skinPath;
    TacSkinLoader::Run(content, context);
    if (content.Sections.empty()) return Error{packOrFolder + ": the skin has no sections"};
    content.RefreshConstIndexes();
    return content;
  } catch (const ESkinLoadError& e) {
    return Error{packOrFolder + ": " + e.what()};
  }
}

}  // namespace PreviewSkinLoader
