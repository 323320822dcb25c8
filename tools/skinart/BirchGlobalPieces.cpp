#include "tools/skinart/BirchPieces.h"

#include "tools/skinart/GlyphArt.h"
#include "tools/skinart/PieceKit.h"

namespace BirchPieces {

namespace {

using namespace Birch;
using namespace PieceKit;
using GlyphArt::Direction;

// ---------------------------------------------------------------------------
// Title bar buttons

constexpr int kBigW = 32, kBigH = 18;
constexpr int kSmallW = 24, kSmallH = 16;

// The hot and pressed backgrounds of a title button; red for close.
void titleButtonBack(ArtLayer& layer, int state, bool close) {
  if (state == 0) return;
  const Shape back = Shape::roundRect(1, 1, layer.width() - 1, layer.height() - 1, 4);
  layer.addBody(back);
  if (close)
    layer.paint(back, state == 1 ? kClose : kCloseDark);
  else if (state == 1)
    layer.paint(back, kWhite, 0.7);
  else
    layer.paint(back, kAccentPale);
}

Rgb titleGlyphColor(int state, bool close) {
  if (close) return state == 0 ? kText : kWhite;
  return state == 2 ? kAccentDark : kText;
}

std::vector<MasterPiece> titleButtons() {
  const Rgb title = titleMiddle();
  std::vector<MasterPiece> out;
  auto big = [&](const char* key, bool close, const std::function<void(ArtLayer&, double, double, Rgb)>& glyph) {
    return plainGlyph(key, threeStates(kBigW, kBigH, [&](ArtLayer& l, int s) {
      titleButtonBack(l, s, close);
      glyph(l, kBigW / 2.0, kBigH / 2.0, titleGlyphColor(s, close));
    }), title);
  };
  MasterPiece close = big("GLOBALINFO.BICONCLOSE", true, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::cross(l, x, y, 8, 1.4, c);
  });
  close.pinned = TRect{34, 0, 130, 18};
  out.push_back(std::move(close));
  out.push_back(big("GLOBALINFO.BICONMAX", false, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::maximize(l, x, y, 10, c);
  }));
  out.push_back(big("GLOBALINFO.BICONNORM", false, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::restore(l, x, y, 10, c);
  }));
  out.push_back(big("GLOBALINFO.BICONMIN", false, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::minimize(l, x, y, 10, c);
  }));
  out.push_back(big("GLOBALINFO.TITLEBUTTON", false, [](ArtLayer&, double, double, Rgb) {}));

  auto small = [&](const char* key, bool close, const std::function<void(ArtLayer&, double, double, Rgb)>& glyph) {
    return plainGlyph(key, threeStates(kSmallW, kSmallH, [&](ArtLayer& l, int s) {
      titleButtonBack(l, s, close);
      glyph(l, kSmallW / 2.0, kSmallH / 2.0, titleGlyphColor(s, close));
    }), title);
  };
  out.push_back(small("GLOBALINFO.SICONCLOSE", true, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::cross(l, x, y, 7, 1.3, c);
  }));
  out.push_back(small("GLOBALINFO.SICONMIN", false, [](ArtLayer& l, double x, double y, Rgb c) {
    GlyphArt::minimize(l, x, y, 8, c);
  }));
  return out;
}

// ---------------------------------------------------------------------------
// Check boxes, radio buttons, menu check, size grip

enum class Mark { None, Checked, Grayed };

void checkBoxFrame(ArtLayer& l, int state, bool round, Mark mark) {
  const double n = l.width();
  const Shape outer = round ? Shape::ellipse(n / 2, n / 2, n / 2 - 0.5, n / 2 - 0.5)
                            : Shape::roundRect(0.5, 0.5, n - 0.5, n - 0.5, n > 12 ? 3 : 2.5);
  const Shape inner = round ? Shape::ellipse(n / 2, n / 2, n / 2 - 1.5, n / 2 - 1.5)
                            : Shape::roundRect(1.5, 1.5, n - 1.5, n - 1.5, n > 12 ? 2 : 1.5);
  const Rgb top = state == 2 ? kAccentPale : kWhite;
  const Rgb bottom = state == 0 ? Rgb{240, 241, 236} : state == 1 ? kAccentPale : Rgb{204, 223, 244};
  l.addBody(outer);
  l.paint(inner, verticalGradient(top, bottom, 1, n - 1));
  l.paint(outer.minus(inner), stateColor(state, kBarkDark));
  const double c = n / 2;
  if (mark == Mark::Checked) {
    if (round)
      l.paint(Shape::ellipse(c, c, n * 0.22, n * 0.22), state == 2 ? kAccentDark : kAccent);
    else
      GlyphArt::checkMark(l, c, c + 0.3, n * 0.58, n > 12 ? 1.9 : 1.5, state == 2 ? kAccentDark : kAccent);
  } else if (mark == Mark::Grayed) {
    const double h = n * 0.2;
    if (round)
      l.paint(Shape::ellipse(c, c, h, h), kBark);
    else
      l.paint(Shape::roundRect(c - h, c - h, c + h, c + h, 1), kBark);
  }
}

MasterPiece checkPiece(const char* key, int size, bool round, Mark mark) {
  return maskedGlyph(key, threeStates(size, size, [&](ArtLayer& l, int s) { checkBoxFrame(l, s, round, mark); }));
}

std::vector<MasterPiece> checkMarks() {
  std::vector<MasterPiece> out;
  out.push_back(checkPiece("GLOBALINFO.BOXCHECKED", 15, false, Mark::Checked));
  out.push_back(checkPiece("GLOBALINFO.BOXUNCHECKED", 15, false, Mark::None));
  out.push_back(checkPiece("GLOBALINFO.BOXGRAYED", 15, false, Mark::Grayed));
  out.push_back(checkPiece("GLOBALINFO.RADIOCHECKED", 15, true, Mark::Checked));
  out.push_back(checkPiece("GLOBALINFO.RADIOUNCHECKED", 15, true, Mark::None));
  out.push_back(checkPiece("GLOBALINFO.RADIOGRAYED", 15, true, Mark::Grayed));
  out.push_back(checkPiece("GLOBALINFO.SMALLCHECKED", 11, false, Mark::Checked));
  out.push_back(checkPiece("GLOBALINFO.SMALLUNCHECKED", 11, false, Mark::None));
  out.push_back(checkPiece("GLOBALINFO.SMALLGRAYED", 11, false, Mark::Grayed));

  ArtLayer check(12, 12);
  GlyphArt::checkMark(check, 6, 6.3, 8, 1.7, kText);
  out.push_back(maskedGlyph("GLOBALINFO.CHECK", {check}));

  // The size grip: six embossed dots in a triangle at the bottom right.
  ArtLayer grip(14, 14);
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col) {
      const double x = 2 + col * 4, y = 2 + row * 4;
      grip.paint(box(x + 1, y + 1, x + 3, y + 3), kWhite, 0.9);
      grip.paint(box(x, y, x + 2, y + 2), kBarkDark, 0.8);
    }
  out.push_back(maskedGlyph("GLOBALINFO.GRIPIMAGE", {grip}));
  return out;
}

}  // namespace

std::vector<MasterPiece> globalInfo() {
  std::vector<MasterPiece> pieces = titleButtons();
  for (MasterPiece& p : checkMarks()) pieces.push_back(std::move(p));
  return pieces;
}

}  // namespace BirchPieces
