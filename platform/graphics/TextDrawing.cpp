#include "platform/graphics/TextDrawing.h"

#include <vector>

#include "platform/graphics/FontLibrary.h"
#include "platform/graphics/GlyphPainter.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/Utf8.h"

HFONT CreateFontIndirect(const LogFont& font) { return FontLibrary::instance().create(font); }

HFONT CreateFont(int height, int /*width*/, int /*escapement*/, int /*orientation*/, int weight, bool italic,
                 bool underline, bool strikeOut, int /*charSet*/, int /*outPrecision*/, int /*clipPrecision*/,
                 int /*quality*/, int /*pitchAndFamily*/, std::string_view faceName) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight == FW_DONTCARE ? FW_NORMAL : weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfStrikeOut = strikeOut;
  font.lfFaceName = std::string(faceName);
  return CreateFontIndirect(font);
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  if (!dc || !metrics) return false;
  const HFONT& font = dc->currentFont();
  if (!font) return false;
  const FontMetrics& m = font->metrics();
  *metrics = TEXTMETRIC{m.height,          m.ascent,          m.descent,
                        m.internalLeading, m.externalLeading, m.averageCharWidth,
                        m.maxCharWidth,    font->logFont().bold() ? FW_BOLD : FW_NORMAL,
                        font->logFont().lfItalic, font->logFont().lfUnderline};
  return true;
}

bool GetTextExtentPoint32(HDC dc, std::string_view utf8, TSize* size) {
  if (!dc || !size) return false;
  const HFONT& font = dc->currentFont();
  if (!font) return false;
  *size = TSize{font->textWidth(utf8), font->metrics().height};
  return true;
}

namespace {

// Font underline and strike-out lines over a drawn run.
void drawFontLines(DeviceContext& dc, Font& font, int x0, int x1, int top, const TRect& limit, TColor rgb) {
  const FontMetrics& m = font.metrics();
  const int baseline = top + m.ascent;
  if (font.logFont().lfUnderline)
    GlyphPainter::fillLimited(dc, TRect{x0, baseline + m.underlinePosition, x1, baseline + m.underlinePosition + m.underlineThickness},
                              limit, rgb);
  if (font.logFont().lfStrikeOut) {
    const int y = baseline - m.ascent / 3;
    GlyphPainter::fillLimited(dc, TRect{x0, y, x1, y + m.underlineThickness}, limit, rgb);
  }
}

// Far beyond any bitmap, yet its width and height still fit an int.
const TRect kNoLimit{-(1 << 29), -(1 << 29), 1 << 29, 1 << 29};

}  // namespace

bool TextOut(HDC dc, int x, int y, std::string_view utf8) {
  if (!dc) return false;
  const HFONT font = dc->currentFont();
  if (!font) return false;
  std::vector<char32_t> text;
  for (std::size_t pos = 0; pos < utf8.size();) text.push_back(Utf8::next(utf8, pos));
  const TPoint at = dc->toSurface(TPoint{x, y});
  const int width = GlyphPainter::measure(*font, text, 0);
  const DeviceContext::State& state = dc->state();
  if (state.backgroundMode == OPAQUE)
    GlyphPainter::fillLimited(*dc, TRect{at.X, at.Y, at.X + width, at.Y + font->metrics().height}, kNoLimit,
                              ColorToRGB(state.backgroundColor));
  const TColor rgb = ColorToRGB(state.textColor);
  GlyphPainter::draw(*dc, *font, text, at.X, at.Y, rgb, kNoLimit, {});
  drawFontLines(*dc, *font, at.X, at.X + width, at.Y, kNoLimit, rgb);
  return true;
}

int DrawText(HDC dc, std::string_view utf8, TRect& rect, unsigned format) {
  if (!dc) return 0;
  const HFONT font = dc->currentFont();
  if (!font) return 0;
  const TextLayout layout(*font, utf8, format, rect.Width());
  const FontMetrics& m = font->metrics();
  const int lineHeight = m.height + (format & DT_EXTERNALLEADING ? m.externalLeading : 0);
  const int textHeight = lineHeight * static_cast<int>(layout.lines().size());
  if (format & DT_CALCRECT) {
    rect.Right = rect.Left + layout.width();
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }

  int top = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      top = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (format & DT_BOTTOM)
      top = rect.Bottom - lineHeight;
  }
  const TPoint origin = dc->toSurface(TPoint{0, 0});
  const TRect limit = format & DT_NOCLIP ? kNoLimit : rect.Offset(origin.X, origin.Y);
  const DeviceContext::State& state = dc->state();
  const TColor rgb = ColorToRGB(state.textColor);
  const TColor background = ColorToRGB(state.backgroundColor);

  for (const TextLayout::Line& line : layout.lines()) {
    int left = rect.Left;
    if (format & DT_CENTER)
      left = rect.Left + (rect.Width() - line.width) / 2;
    else if (format & DT_RIGHT)
      left = rect.Right - line.width;
    const int x = left + origin.X, y = top + origin.Y;
    if (state.backgroundMode == OPAQUE)
      GlyphPainter::fillLimited(*dc, TRect{x, y, x + line.width, y + lineHeight}, limit, background);
    GlyphPainter::draw(*dc, *font, line.text, x, y, rgb, limit, GlyphPainter::TabStops{layout.tabWidth(), x});
    drawFontLines(*dc, *font, x, x + line.width, y, limit, rgb);
    // The character after an "&" is underlined.
    for (std::size_t i = 0; i < line.underlined.size(); ++i) {
      if (!line.underlined[i]) continue;
      const int x0 = x + layout.prefixWidth(line, i), x1 = x + layout.prefixWidth(line, i + 1);
      const int underlineY = y + m.ascent + m.underlinePosition;
      GlyphPainter::fillLimited(*dc, TRect{x0, underlineY, x1, underlineY + m.underlineThickness}, limit, rgb);
    }
    top += lineHeight;
  }
  return textHeight;
}
