#pragma once
// A font opened with FreeType at one pixel size, with its metrics and a
// cache of rendered glyphs: each character is rasterised once per font,
// the first time it is drawn or measured.
//
// Fonts come from CreateFontIndirect (TextDrawing.h), which resolves the
// face name through fontconfig and shares equal fonts; HFONT is a shared
// pointer, so a font lives while a context or caller holds it.
//
// A font's metrics and advances are logical pixels: text is laid out with
// them at every device scale. Drawing on a bitmap of scale n takes the
// glyph pictures from the font's twin at n times the pixel size (atScale),
// rasterised by FreeType at that size, and puts each at n times its logical
// pen position.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Result.h"
#include "platform/graphics/LogFont.h"

struct FT_LibraryRec_;

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;            // ascent + descent: one line of text
  int internalLeading = 0;   // height minus the character height
  int externalLeading = 0;
  int averageCharWidth = 0;  // the face's average advance (tab stops use it)
  int maxCharWidth = 0;
  int underlinePosition = 0;   // rows below the baseline
  int underlineThickness = 1;
};

// A rendered glyph: grey-scale coverage (0..255), one byte per pixel.
struct Glyph {
  int advance = 0;  // pen movement to the next glyph
  int left = 0;     // from the pen position to the first column
  int top = 0;      // from the baseline up to the first row
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width * height, rows top to bottom
};

class Font {
 public:
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Opens face faceIndex of a font file for the request. Bold or italic is
  // synthesised when the file is not already bold or italic.
  struct Source {
    std::shared_ptr<FT_LibraryRec_> library;
    std::string path;
    int faceIndex = 0;
    std::string family;
    bool fileIsBold = false;
    bool fileIsItalic = false;
  };
  static Result<std::shared_ptr<Font>> open(const Source& source, const LogFont& request);

  // The same face at `scale` times the pixel size, opened the first time it
  // is asked for; the font itself at scale 1 or when the twin cannot be
  // opened.
  Font& atScale(int scale);

  const LogFont& logFont() const { return request_; }
  const FontMetrics& metrics() const { return metrics_; }
  const std::string& familyName() const { return family_; }
  // The glyph of a code point; characters the font lacks and control
  // characters give an empty glyph with no advance.
  const Glyph& glyph(char32_t codePoint);
  // Sum of the advances of a UTF-8 string (invalid bytes count as U+FFFD).
  int textWidth(std::string_view utf8);

 private:
  Font() = default;
  static Result<std::shared_ptr<Font>> openAtScale(const Source& source, const LogFont& request, int scale);
  Glyph render(char32_t codePoint);

  struct FaceHandle;
  std::unique_ptr<FaceHandle> face_;
  Source source_;
  LogFont request_;
  // Twins at scales 2 and 3 (index scale - 2), made on demand.
  std::shared_ptr<Font> twins_[2];
  FontMetrics metrics_;
  std::string family_;
  bool emboldenGlyphs_ = false;
  bool slantGlyphs_ = false;
  // Latin and Cyrillic by index; everything else in the map.
  std::vector<std::unique_ptr<Glyph>> lowGlyphs_;
  std::unordered_map<char32_t, std::unique_ptr<Glyph>> otherGlyphs_;
};
