#include "platform/graphics/FontLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// The classic desktop's interface faces are not installed here; these and
// any face that is missing become a sans face with Cyrillic letters. Liberation
// Sans comes first: it keeps the widths of the classic faces, so texts laid
// out for them still fit their labels and buttons. DejaVu Sans is wider.
constexpr std::array<const char*, 2> kFallbackFamilies = {"Liberation Sans", "DejaVu Sans"};
constexpr std::array<const char*, 4> kReplacedFaces = {"ms sans serif", "ms shell dlg", "tahoma", "arial"};

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<FontLibrary::FaceFile> matchFamily(const std::string& family, const LogFont& request,
                                                  bool requireExactFamily) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, request.bold() ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, request.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;

  std::optional<FontLibrary::FaceFile> out;
  FcChar8* file = nullptr;
  FcChar8* matchedFamily = nullptr;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
      FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    const std::string found = reinterpret_cast<const char*>(matchedFamily);
    if (!requireExactFamily || lowerCase(found) == lowerCase(family)) {
      out = FontLibrary::FaceFile{reinterpret_cast<const char*>(file), index, found, weight >= FC_WEIGHT_DEMIBOLD,
                                  slant != FC_SLANT_ROMAN};
    }
  }
  FcPatternDestroy(match);
  return out;
}

}  // namespace

FontLibrary& FontLibrary::instance() {
  static FontLibrary library;
  return library;
}

FontLibrary::FontLibrary() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) freetype_.reset(library, [](FT_Library l) { FT_Done_FreeType(l); });
  FcInit();
}

// Fontconfig keeps its configuration until told to let go; fonts already
// opened do not need it any more.
FontLibrary::~FontLibrary() { FcFini(); }

std::optional<FontLibrary::FaceFile> FontLibrary::resolve(const LogFont& request) const {
  const std::string wanted = lowerCase(request.lfFaceName);
  const bool replaced = wanted.empty() ||
                        std::find(kReplacedFaces.begin(), kReplacedFaces.end(), wanted) != kReplacedFaces.end();
  if (!replaced)
    if (auto face = matchFamily(request.lfFaceName, request, true)) return face;
  for (const char* family : kFallbackFamilies)
    if (auto face = matchFamily(family, request, true)) return face;
  // Last resort: whatever sans face fontconfig offers.
  return matchFamily("sans-serif", request, false);
}

std::shared_ptr<Font> FontLibrary::create(const LogFont& request) {
  for (const auto& [key, font] : fonts_)
    if (key == request) return font;
  std::optional<FaceFile> file = resolve(request);
  if (!file) return nullptr;
  Result<std::shared_ptr<Font>> font =
      Font::open(Font::Source{freetype_, file->path, file->index, file->family, file->bold, file->italic}, request);
  if (!font) return nullptr;
  fonts_.emplace_back(request, font.value());
  return font.value();
}
