#include "platform/graphics/Font.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include "platform/graphics/Utf8.h"

namespace {

// Code points below this are cached in a flat table: Latin, Greek and
// Cyrillic, everything the program writes.
constexpr char32_t kLowGlyphCount = 0x500;

// Font units to pixels, rounded to nearest.
int scale(long units, int ppem, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * ppem / unitsPerEm));
}

}  // namespace

struct Font::FaceHandle {
  std::shared_ptr<FT_LibraryRec_> library;  // outlives the face
  FT_Face face = nullptr;
  int ppem = 11;
  ~FaceHandle() {
    if (face) FT_Done_Face(face);
  }
};

Font::~Font() = default;

Result<std::shared_ptr<Font>> Font::open(const Source& source, const LogFont& request) {
  return openAtScale(source, request, 1);
}

Font& Font::atScale(int scale) {
  if (scale < 2 || scale > 3) return *this;
  std::shared_ptr<Font>& twin = twins_[scale - 2];
  if (!twin) {
    Result<std::shared_ptr<Font>> opened = openAtScale(source_, request_, scale);
    if (!opened) return *this;
    twin = opened.value();
  }
  return *twin;
}

Result<std::shared_ptr<Font>> Font::openAtScale(const Source& source, const LogFont& request, int pixelScale) {
  if (!source.library) return Error{"font: FreeType is not available"};
  std::shared_ptr<Font> font(new Font());
  font->face_ = std::make_unique<FaceHandle>();
  font->face_->library = source.library;
  if (FT_New_Face(source.library.get(), source.path.c_str(), source.faceIndex, &font->face_->face) != 0)
    return Error{"font: cannot open " + source.path};
  FT_Face face = font->face_->face;
  if (!FT_IS_SCALABLE(face)) return Error{"font: " + source.path + " is not scalable"};
  font->source_ = source;
  font->request_ = request;
  font->family_ = source.family;
  font->emboldenGlyphs_ = request.bold() && !source.fileIsBold;
  font->slantGlyphs_ = request.lfItalic && !source.fileIsItalic;

  // Ascent and descent of the classic desktop come from the OS/2 table's
  // "win" values; the hhea values stand in when it is missing.
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const long ascentUnits = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
  const long descentUnits = os2 && os2->usWinDescent ? os2->usWinDescent : -face->descender;
  const int unitsPerEm = face->units_per_EM;
  int ppem = 11;
  if (request.lfHeight < 0)
    ppem = -request.lfHeight;
  else if (request.lfHeight > 0)
    ppem = std::max(1, static_cast<int>(std::lround(static_cast<double>(request.lfHeight) * unitsPerEm /
                                                    static_cast<double>(ascentUnits + descentUnits))));
  ppem = std::clamp(ppem * pixelScale, 1, 1000 * pixelScale);
  font->face_->ppem = ppem;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) return Error{"font: cannot set the size"};
  if (font->slantGlyphs_) {
    // About 12 degrees, the slant of a typical oblique face.
    FT_Matrix shear{0x10000, 0x3800, 0, 0x10000};
    FT_Set_Transform(face, &shear, nullptr);
  }

  FontMetrics& m = font->metrics_;
  m.ascent = scale(ascentUnits, ppem, unitsPerEm);
  m.descent = scale(descentUnits, ppem, unitsPerEm);
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - ppem);
  m.externalLeading = std::max(0, scale(face->height, ppem, unitsPerEm) - m.height);
  m.averageCharWidth = os2 && os2->xAvgCharWidth > 0 ? scale(os2->xAvgCharWidth, ppem, unitsPerEm) : ppem / 2;
  m.maxCharWidth = scale(face->max_advance_width, ppem, unitsPerEm);
  m.underlinePosition = std::max(1, scale(-face->underline_position, ppem, unitsPerEm));
  m.underlineThickness = std::max(1, scale(face->underline_thickness, ppem, unitsPerEm));
  if (font->emboldenGlyphs_) m.averageCharWidth += 1;
  font->lowGlyphs_.resize(kLowGlyphCount);
  return font;
}

const Glyph& Font::glyph(char32_t codePoint) {
  if (codePoint < kLowGlyphCount) {
    std::unique_ptr<Glyph>& slot = lowGlyphs_[codePoint];
    if (!slot) slot = std::make_unique<Glyph>(render(codePoint));
    return *slot;
  }
  std::unique_ptr<Glyph>& slot = otherGlyphs_[codePoint];
  if (!slot) slot = std::make_unique<Glyph>(render(codePoint));
  return *slot;
}

Glyph Font::render(char32_t codePoint) {
  Glyph glyph;
  // Control characters take no room; callers handle tabs and line breaks.
  if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0)) return glyph;
  FT_Face face = face_->face;
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  // Light hinting keeps shapes close to the outline while snapping
  // vertical metrics to whole pixels: crisp at the small UI sizes.
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0) return glyph;
  if (emboldenGlyphs_) FT_GlyphSlot_Embolden(face->glyph);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_GlyphSlot slot = face->glyph;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return glyph;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::copy(src, src + glyph.width, glyph.coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.width);
  }
  return glyph;
}

int Font::textWidth(std::string_view utf8) {
  int width = 0;
  for (std::size_t pos = 0; pos < utf8.size();) width += glyph(Utf8::next(utf8, pos)).advance;
  return width;
}
