#include "tools/skinart/PreviewMockup.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace PreviewMockup {

namespace {

struct Segment {
  TColor c1, c2;
  int percent;
};

std::vector<Segment> parseGradient(const std::string& text, int& mode) {
  std::vector<long> words;
  std::stringstream in(text);
  std::string w;
  while (std::getline(in, w, ';')) words.push_back(w.empty() ? 0 : std::stol(w));
  std::vector<Segment> out;
  mode = words.size() >= 4 ? static_cast<int>(words[3]) : 0;
  for (std::size_t k = 0; k + 4 <= words.size(); k += 5)
    out.push_back({static_cast<TColor>(words[k]), static_cast<TColor>(words[k + 1]), static_cast<int>(words[k + 2])});
  return out;
}

void put(Bitmap& b, int x, int y, TColor c) {
  if (b.contains(x, y)) b.setPixel(x, y, c);
}

TColor lerp(TColor a, TColor b, double t) {
  auto ch = [&](int s) {
    const int x = (a >> s) & 0xFF, y = (b >> s) & 0xFF;
    return static_cast<TColor>(std::clamp(static_cast<int>(x + (y - x) * t + 0.5), 0, 255)) << s;
  };
  return ch(0) | ch(8) | ch(16);
}

// Section background: the gradient when it has one, else its colour.
void background(Bitmap& b, const TRect& r, const OptionsText& o, const std::string& section, bool hot) {
  auto data = o.inherited(section, hot ? "HOTGRADIENTDATA" : "GRADIENTDATA");
  auto color = o.inherited(section, hot ? "HOTCOLOR" : "COLOR");
  auto transparency = o.inherited(section, hot ? "HOTTRANSPARENCY" : "TRANSPARENCY");
  if (transparency && *transparency == "100") return;
  int mode = 0;
  std::vector<Segment> segs = data ? parseGradient(*data, mode) : std::vector<Segment>{};
  const int extent = mode == 1 ? r.Width() : r.Height();
  for (int i = 0; i < extent; ++i) {
    TColor c = color ? static_cast<TColor>(std::stol(*color)) : 0xFFFFFF;
    int start = 0;
    for (std::size_t k = 0; k < segs.size(); ++k) {
      const int len = k + 1 == segs.size() ? extent - start : segs[k].percent * extent / 100;
      if (i < start + len || k + 1 == segs.size()) {
        c = lerp(segs[k].c1, segs[k].c2, len > 1 ? double(i - start) / (len - 1) : 0.0);
        break;
      }
      start += len;
    }
    if (mode == 1)
      for (int y = r.Top; y < r.Bottom; ++y) put(b, r.Left + i, y, c);
    else
      for (int x = r.Left; x < r.Right; ++x) put(b, x, r.Top + i, c);
  }
}

const MasterPiece* find(const std::vector<MasterPiece>& pieces, const std::string& key) {
  for (const MasterPiece& p : pieces)
    if (p.key == key) return &p;
  return nullptr;
}

// One source pixel onto the target: through the mask half, or skipping the key.
// In corner pieces key pixels show the parent's picture, as the engine does.
void blendPixel(Bitmap& dst, int x, int y, const MasterPiece& p, int sx, int sy, int frameHeight, const Bitmap* parent) {
  if (!dst.contains(x, y)) return;
  const TColor s = p.pixels.pixel(sx, sy);
  if (s == 0xFF00FF) {
    if (parent) dst.setPixel(x, y, parent->pixel(x, y));
    return;
  }
  if (p.maskType == 0) {
    dst.setPixel(x, y, s);
    return;
  }
  const TColor m = p.pixels.pixel(sx, sy + frameHeight);
  const TColor d = dst.pixel(x, y);
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF, mc = (m >> shift) & 0xFF;
    out |= static_cast<TColor>(std::clamp((dc * mc + sc * (256 - mc)) >> 8, 0, 255)) << shift;
  }
  dst.setPixel(x, y, out);
}

// Source block (sx, sy, sw, sh) over the target block: tiled, or stretched
// (nearest pixel) for plain masks with stretch flag 1.
void piece(Bitmap& dst, const TRect& to, const MasterPiece& p, int sx, int sy, int sw, int sh, int fh, bool stretch,
           const Bitmap* parent = nullptr) {
  if (sw <= 0 || sh <= 0) return;
  for (int y = to.Top; y < to.Bottom; ++y)
    for (int x = to.Left; x < to.Right; ++x) {
      const int ox = stretch ? (x - to.Left) * sw / std::max(1, to.Width()) : (x - to.Left) % sw;
      const int oy = stretch ? (y - to.Top) * sh / std::max(1, to.Height()) : (y - to.Top) % sh;
      blendPixel(dst, x, y, p, sx + ox, sy + oy, fh, parent);
    }
}

void border(Bitmap& dst, const TRect& r, const MasterPiece* p, int state, const Bitmap* parent = nullptr) {
  if (!p) return;
  if (state == 0 && (p->stretchMode & 2)) return;
  const int w = p->pixels.width() / p->imageCount, h = p->pixels.height() / (p->maskType + 1);
  state = std::min(state, p->imageCount - 1);
  const int x0 = state * w;
  int wl = p->widths.left, wt = p->widths.top, wr = p->widths.right, wb = p->widths.bottom;
  const int cw = w - wl - wr, ch = h - wt - wb;
  const bool stretch = p->maskType == 0 && (p->stretchMode & 1);
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  piece(dst, {L, T, L + wl, T + wt}, *p, x0, 0, wl, wt, h, false, parent);
  piece(dst, {R - wr, T, R, T + wt}, *p, x0 + wl + cw, 0, wr, wt, h, false, parent);
  piece(dst, {L, B - wb, L + wl, B}, *p, x0, h - wb, wl, wb, h, false, parent);
  piece(dst, {R - wr, B - wb, R, B}, *p, x0 + wl + cw, h - wb, wr, wb, h, false, parent);
  piece(dst, {L, T + wt, L + wl, B - wb}, *p, x0, wt, wl, ch, h, stretch);
  piece(dst, {R - wr, T + wt, R, B - wb}, *p, x0 + wl + cw, wt, wr, ch, h, stretch);
  piece(dst, {L + wl, T, R - wr, T + wt}, *p, x0 + wl, 0, cw, wt, h, stretch);
  piece(dst, {L + wl, B - wb, R - wr, B}, *p, x0 + wl, h - wb, cw, wb, h, stretch);
  if (p->stretchMode & 4) piece(dst, {L + wl, T + wt, R - wr, B - wb}, *p, x0 + wl, wt, cw, ch, h, stretch);
}

void glyph(Bitmap& dst, int x, int y, const MasterPiece* p, int state) {
  if (!p) return;
  const int w = p->pixels.width() / p->imageCount, h = p->pixels.height() / (p->maskType + 1);
  piece(dst, {x, y, x + w, y + h}, *p, std::min(state, p->imageCount - 1) * w, 0, w, h, h, false);
}

void item(Bitmap& dst, const TRect& r, const std::vector<MasterPiece>& pieces, const OptionsText& o,
          const std::string& section, int state) {
  const Bitmap parent = dst;
  background(dst, r, o, section, state != 0);
  std::string current = section;
  const MasterPiece* mask = nullptr;
  for (int depth = 0; depth < 4 && !mask; ++depth) {
    mask = find(pieces, current + ".BORDERSMASK");
    auto parent = o.value(current, "PARENTCLASS");
    if (!parent) break;
    current = *parent;
  }
  border(dst, r, mask, state, &parent);
}

}  // namespace

Bitmap window(const std::vector<MasterPiece>& pieces, const Bitmap& decoration, const OptionsText& o) {
  const int W = 460, H = 330, title = 27;
  Bitmap b(W, H);
  b.fill(0x5A6E82);  // a desktop behind the window
  const TRect win{0, 0, W, H};
  b.fill(0x5A6E82);
  background(b, win, o, "FORM", false);
  border(b, win, find(pieces, "FORM.BORDERSMASK"), 0);

  // Title bar, active, with its decoration and buttons.
  background(b, {0, 0, W, title}, o, "FORMTITLE", true);
  MasterPiece deco;
  deco.pixels = decoration;
  deco.maskType = 1;
  glyph(b, 0, 0, &deco, 0);
  border(b, {0, 0, W, title}, find(pieces, "FORMTITLE.BORDERSMASK"), 1);
  glyph(b, W - 4 - 32, 4, find(pieces, "GLOBALINFO.BICONCLOSE"), 0);
  glyph(b, W - 4 - 66, 4, find(pieces, "GLOBALINFO.BICONMAX"), 1);
  glyph(b, W - 4 - 100, 4, find(pieces, "GLOBALINFO.BICONMIN"), 0);

  // The command list with a scroll bar.
  const TRect list{16, 40, 210, 150};
  item(b, list, pieces, o, "EDIT", 0);
  const TRect bar{list.Right - 2 - 17, list.Top + 2, list.Right - 2, list.Bottom - 2};
  item(b, {bar.Left, bar.Top, bar.Right, bar.Top + 50}, pieces, o, "SCROLLBAR1V", 0);
  item(b, {bar.Left, bar.Top + 50, bar.Right, bar.Bottom}, pieces, o, "SCROLLBAR2V", 0);
  item(b, {bar.Left, bar.Top, bar.Right, bar.Top + 17}, pieces, o, "SCROLLBTNTOP", 1);
  glyph(b, bar.Left + 4, bar.Top + 4, find(pieces, "SCROLLBTNTOP.GLYPHMASK"), 1);
  item(b, {bar.Left, bar.Bottom - 17, bar.Right, bar.Bottom}, pieces, o, "SCROLLBTNBOTTOM", 0);
  glyph(b, bar.Left + 4, bar.Bottom - 13, find(pieces, "SCROLLBTNBOTTOM.GLYPHMASK"), 0);
  item(b, {bar.Left, bar.Top + 30, bar.Right, bar.Top + 70}, pieces, o, "SCROLLSLIDERV", 0);
  glyph(b, bar.Left + 5, bar.Top + 47, find(pieces, "SCROLLSLIDERV.GLYPHMASK"), 0);

  // The jugs: a tall gauge two-thirds full and a small one.
  const TRect jug{230, 40, 330, 150};
  item(b, jug, pieces, o, "GAUGE", 0);
  item(b, {jug.Left, jug.Bottom - 70, jug.Right, jug.Bottom}, pieces, o, "PROGRESSV", 0);
  const TRect small{350, 40, 407, 54};
  item(b, small, pieces, o, "GAUGE", 0);
  item(b, {small.Left, small.Top, small.Left + 30, small.Bottom}, pieces, o, "PROGRESSH", 0);

  // Check marks in their three states.
  const char* checks[] = {"GLOBALINFO.BOXCHECKED", "GLOBALINFO.RADIOCHECKED", "GLOBALINFO.BOXUNCHECKED"};
  for (int row = 0; row < 3; ++row)
    for (int s = 0; s < 3; ++s) glyph(b, 350 + s * 20, 70 + row * 20, find(pieces, checks[row]), s);
  glyph(b, W - 4 - 14, H - 4 - 14, find(pieces, "GLOBALINFO.GRIPIMAGE"), 0);

  // The control panel: combo box, and the buttons at rest, hot and pressed.
  const TRect panel{16, 165, W - 16, H - 14};
  item(b, panel, pieces, o, "GROUPBOX", 0);
  const TRect combo{30, 185, 260, 207};
  item(b, combo, pieces, o, "COMBOBOX", 0);
  const TRect btn{combo.Right - 3 - 17, combo.Top + 2, combo.Right - 3, combo.Bottom - 2};
  item(b, btn, pieces, o, "COMBOBTN", 1);
  glyph(b, btn.Left + 4, btn.Top + 7, find(pieces, "COMBOBOX.GLYPHMASK"), 1);
  for (int s = 0; s < 3; ++s) item(b, {30 + s * 110, 225, 130 + s * 110, 252}, pieces, o, "BUTTON", s);
  for (int s = 0; s < 3; ++s) item(b, {30 + s * 110, 265, 130 + s * 110, 292}, pieces, o, "TOOLBUTTON", s);
  return b;
}

}  // namespace PreviewMockup
