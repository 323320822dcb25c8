#include "paint/SkinTextPainter.h"

#include "paint/primitives/ColorMath.h"
#include "platform/graphics/TextDrawing.h"

namespace {

// Text colour and background mode as they were before, put back on exit.
class TextStateSaver {
 public:
  explicit TextStateSaver(HDC dc) : dc_(dc), color_(GetTextColor(dc)), mode_(GetBkMode(dc)) {}
  ~TextStateSaver() {
    SetTextColor(dc_, color_);
    SetBkMode(dc_, mode_);
  }
  TextStateSaver(const TextStateSaver&) = delete;
  TextStateSaver& operator=(const TextStateSaver&) = delete;

 private:
  HDC dc_;
  TColor color_;
  int mode_;
};

void DrawIn(HDC dc, std::string_view text, TRect rect, unsigned format, TColor color) {
  SetTextColor(dc, color);
  DrawText(dc, text, rect, format);
}

}  // namespace

void DrawContouredText(HDC dc, std::string_view text, const TRect& rect, unsigned format, const TsFontColors& colors) {
  if (dc == nullptr) return;
  const TextStateSaver saver(dc);
  SetBkMode(dc, TRANSPARENT);
  // Left, top, right and bottom contour: the text moved one pixel that way.
  const TPoint shifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  for (int side = 0; side < 4; ++side) {
    const std::int32_t color = colors[static_cast<std::size_t>(side + 1)];
    if (color == -1) continue;
    DrawIn(dc, text, rect.Offset(shifts[side].X, shifts[side].Y), format, static_cast<TColor>(color));
  }
  DrawIn(dc, text, rect, format, static_cast<TColor>(colors[0]));
}

void WriteTextByIndex(HDC dc, std::string_view text, bool enabled, const TsSkinContent* skin, bool hot, int skinIndex,
                      unsigned format, const TRect& rect) {
  if (dc == nullptr || skin == nullptr || !skin->IsValidSkinIndex(skinIndex)) return;
  const TsGeneralData& section = skin->Sections[static_cast<std::size_t>(skinIndex)];
  format |= DT_NOCLIP;
  if (enabled) {
    DrawContouredText(dc, text, rect, format, hot ? section.HotFontColor : section.FontColor);
    return;
  }
  const TextStateSaver saver(dc);
  SetBkMode(dc, TRANSPARENT);
  DrawIn(dc, text, rect, format, MixColors(static_cast<TColor>(section.FontColor[0]), section.Color, 0.4));
}
