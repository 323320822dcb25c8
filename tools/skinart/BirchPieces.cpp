#include "tools/skinart/BirchPieces.h"

#include <functional>

#include "tools/skinart/BirchPalette.h"
#include "tools/skinart/FrameArt.h"
#include "tools/skinart/GlyphArt.h"

namespace BirchPieces {

namespace {

using namespace Birch;
using GlyphArt::Direction;
using Widths = MaskNotation::BorderWidths;

// ---------------------------------------------------------------------------
// Piece constructors

MasterPiece maskedBorder(std::string key, const std::vector<FrameStyle>& states, Widths widths, int stretchMode,
                         Rgb inside = kFace) {
  std::vector<ArtLayer> frames;
  for (const FrameStyle& s : states) frames.push_back(drawFrame(s));
  MasterPiece p;
  p.key = std::move(key);
  p.kind = MasterPiece::Kind::Border;
  p.pixels = joinMasked(frames, inside);
  p.imageCount = static_cast<int>(states.size());
  p.maskType = 1;
  p.stretchMode = stretchMode;
  p.widths = widths;
  return p;
}

MasterPiece plainBorder(std::string key, const std::vector<ArtLayer>& frames, Widths widths, int stretchMode,
                        Rgb parent, Rgb inside) {
  MasterPiece p;
  p.key = std::move(key);
  p.kind = MasterPiece::Kind::Border;
  p.pixels = joinPlain(frames, parent, inside);
  p.imageCount = static_cast<int>(frames.size());
  p.maskType = 0;
  p.stretchMode = stretchMode;
  p.widths = widths;
  return p;
}

MasterPiece maskedGlyph(std::string key, const std::vector<ArtLayer>& frames, Rgb inside = kFace) {
  MasterPiece p;
  p.key = std::move(key);
  p.kind = MasterPiece::Kind::Glyph;
  p.pixels = joinMasked(frames, inside);
  p.imageCount = static_cast<int>(frames.size());
  p.maskType = 1;
  return p;
}

MasterPiece plainGlyph(std::string key, const std::vector<ArtLayer>& frames, Rgb backdrop) {
  MasterPiece p;
  p.key = std::move(key);
  p.kind = MasterPiece::Kind::Glyph;
  p.pixels = joinPlain(frames, backdrop, backdrop);
  p.imageCount = static_cast<int>(frames.size());
  p.maskType = 0;
  return p;
}

// Three layers of one size drawn by one function for the states 0, 1, 2.
std::vector<ArtLayer> threeStates(int w, int h, const std::function<void(ArtLayer&, int state)>& draw) {
  std::vector<ArtLayer> frames;
  for (int state = 0; state < 3; ++state) {
    ArtLayer layer(w, h);
    draw(layer, state);
    frames.push_back(std::move(layer));
  }
  return frames;
}

Shape box(double l, double t, double r, double b) { return Shape::roundRect(l, t, r, b, 0); }

// ---------------------------------------------------------------------------
// Frame styles shared by several controls

FrameStyle frame(int size, double radius, Rgb outline) {
  FrameStyle s;
  s.width = s.height = size;
  s.radius = {radius, radius, radius, radius};
  s.outline = outline;
  return s;
}

// Raised push button: at rest, under the pointer (blue outline with a soft
// glow) and pressed (darker blue, shadow inside the top edge).
std::vector<FrameStyle> pushButtonStates(int size, double radius) {
  FrameStyle normal = frame(size, radius, kBark);
  normal.highlightOpacity = 0.9;
  FrameStyle hot = frame(size, radius, kAccent);
  hot.highlightOpacity = 0.9;
  hot.innerLine = kAccent;
  hot.innerLineOpacity = 0.18;
  FrameStyle pressed = frame(size, radius, kAccentDark);
  pressed.innerLine = kAccent;
  pressed.innerLineOpacity = 0.3;
  pressed.shadeOpacity = 0.24;
  return {normal, hot, pressed};
}

// Flat parts (arrows, the combo box button, menu items) show no frame at
// rest; the engine skips state 0 (stretch flag 2), so frame 0 only needs to
// exist.
std::vector<FrameStyle> flatButtonStates(int size, double radius) {
  FrameStyle normal = frame(size, radius, kAccentSoft);
  normal.outlineOpacity = 0;
  FrameStyle hot = frame(size, radius, kAccentSoft);
  hot.highlightOpacity = 0.6;
  FrameStyle pressed = frame(size, radius, kAccent);
  pressed.shadeOpacity = 0.1;
  return {normal, hot, pressed};
}

Rgb stateColor(int state, Rgb rest) { return state == 0 ? rest : state == 1 ? kAccent : kAccentDark; }

// ---------------------------------------------------------------------------
// GLOBALINFO: title bar buttons

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
// GLOBALINFO: check boxes, radio buttons, menu check, size grip

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

// ---------------------------------------------------------------------------
// Window frame and title bar

MasterPiece formFrame() {
  // Three pixels, the border of the program's fixed-size windows and dialogs
  // (a sizeable window's fourth pixel shows the face colour): an outer edge,
  // the frame and a line that sets the client area off. Square outer
  // corners: the desktop behind a window is unknown, so a rounded corner
  // could not be blended against it.
  ArtLayer l(7, 7);
  l.addBody(box(0, 0, 7, 7));
  l.paint(box(0, 0, 7, 7), kFrameOutline);
  l.paint(box(1, 1, 6, 6), kFrame);
  l.paint(box(2, 2, 5, 5), kBarkLight);
  l.paint(box(3, 3, 4, 4), kFace);
  return plainBorder("FORM.BORDERSMASK", {l}, {3, 3, 3, 3}, 1, kFace, kFace);
}

MasterPiece titleFrame() {
  // Frame 0 for an inactive window, frame 1 for the active one: an outer
  // edge, a light line along the top and a line under the bar.
  std::vector<ArtLayer> frames;
  for (int active = 0; active < 2; ++active) {
    const Rgb top = active ? kTitleTop : kTitleIdleTop;
    ArtLayer l(6, 6);
    l.addBody(box(0, 0, 6, 6));
    l.paint(box(0, 0, 6, 6), top);
    l.paint(box(1, 1, 5, 2), kWhite, 0.65);
    l.paint(box(0, 5, 6, 6), active ? kTitleLine : kBarkLight);
    l.paint(box(0, 0, 6, 6).minus(box(1, 1, 5, 6)), kFrameOutline);
    frames.push_back(std::move(l));
  }
  return plainBorder("FORMTITLE.BORDERSMASK", frames, {1, 2, 1, 1}, 1, kFace, kTitleTop);
}

// ---------------------------------------------------------------------------
// Control border masks

std::vector<MasterPiece> controlBorders() {
  std::vector<MasterPiece> out;

  // The edit field: rectangle and widths are fixed by the program's data.
  {
    FrameStyle edit = frame(7, 2, kBark);
    edit.width = 7;
    edit.height = 9;
    edit.shadeOpacity = 0.06;
    MasterPiece p = plainBorder("EDIT.BORDERSMASK", {drawFrame(edit)}, {2, 2, 2, 2}, 1, kFace, kWindow);
    p.borderWidth = 1;
    p.pinned = TRect{34, 19, 41, 28};
    out.push_back(std::move(p));
  }

  out.push_back(maskedBorder("BUTTON.BORDERSMASK", pushButtonStates(14, 4), {5, 5, 5, 5}, 0));
  out.push_back(maskedBorder("TOOLBUTTON.BORDERSMASK", pushButtonStates(14, 4), {5, 5, 5, 5}, 2));

  {
    FrameStyle normal = frame(10, 3, kBark);
    normal.shadeOpacity = 0.05;
    FrameStyle hot = frame(10, 3, kAccent);
    hot.innerLine = kAccent;
    hot.innerLineOpacity = 0.15;
    out.push_back(maskedBorder("COMBOBOX.BORDERSMASK", {normal, hot}, {4, 4, 4, 4}, 0, kWindow));
  }
  out.push_back(maskedGlyph("COMBOBOX.GLYPHMASK", threeStates(10, 7, [](ArtLayer& l, int s) {
    GlyphArt::chevron(l, 5, 3.5, 7, 1.6, stateColor(s, kTextSoft));
  }), kWindow));
  out.push_back(maskedBorder("COMBOBTN.BORDERSMASK", flatButtonStates(10, 3), {4, 4, 4, 4}, 2, kWindow));

  {
    FrameStyle group = frame(12, 4, Rgb{196, 203, 193});
    group.innerLine = kWhite;
    group.innerLineOpacity = 0.8;
    out.push_back(maskedBorder("GROUPBOX.BORDERSMASK", {group}, {5, 5, 5, 5}, 0));
  }
  {
    FrameStyle hint = frame(12, 4, kHintOutline);
    hint.innerLine = kWhite;
    hint.innerLineOpacity = 0.6;
    out.push_back(maskedBorder("HINT.BORDERSMASK", {hint}, {5, 5, 5, 5}, 0, kHintFill));
  }
  {
    FrameStyle rest = frame(10, 3, kAccentSoft);
    rest.outlineOpacity = 0;
    FrameStyle hot = frame(10, 3, kAccentSoft);
    out.push_back(maskedBorder("MENUITEM.BORDERSMASK", {rest, hot}, {4, 4, 4, 4}, 2, kAccentPale));
  }
  {
    FrameStyle gauge = frame(12, 4, kBark);
    gauge.shadeOpacity = 0.1;
    out.push_back(maskedBorder("GAUGE.BORDERSMASK", {gauge}, {5, 5, 5, 5}, 0, kWindow));
    FrameStyle bar = frame(10, 3, kAccentDark);
    bar.outlineOpacity = 0.85;
    bar.highlightOpacity = 0.5;
    out.push_back(maskedBorder("PROGRESSH.BORDERSMASK", {bar}, {4, 4, 4, 4}, 0, kAccent));
  }
  {
    FrameStyle low = frame(10, 3, kBark);
    low.shadeOpacity = 0.08;
    out.push_back(maskedBorder("PANEL_LOW.BORDERSMASK", {low}, {4, 4, 4, 4}, 0));
    FrameStyle page = frame(12, 3, kBark);
    page.innerLine = kWhite;
    page.innerLineOpacity = 0.7;
    out.push_back(maskedBorder("PAGECONTROL.BORDERSMASK", {page}, {5, 5, 5, 5}, 0));
  }

  // Tabs: rounded on the side away from their page.
  auto tabs = [&](const char* key, std::array<double, 4> radius) {
    std::vector<FrameStyle> states = flatButtonStates(12, 4);
    states[0] = frame(12, 4, kBarkLight);
    states[2] = frame(12, 4, kBark);
    states[2].highlightOpacity = 0.9;
    for (FrameStyle& s : states) s.radius = radius;
    out.push_back(maskedBorder(key, states, {5, 5, 5, 5}, 0));
  };
  tabs("TABTOP.BORDERSMASK", {4, 4, 0, 0});
  tabs("TABBOTTOM.BORDERSMASK", {0, 0, 4, 4});
  tabs("TABLEFT.BORDERSMASK", {4, 0, 0, 4});
  tabs("TABRIGHT.BORDERSMASK", {0, 4, 4, 0});

  // Column headers: a rule below and a separator on the right.
  {
    std::vector<ArtLayer> frames = threeStates(8, 8, [](ArtLayer& l, int s) {
      l.addBody(box(0, 0, 8, 8));
      l.paint(box(7, 2, 8, 6), kBarkLight);
      if (s == 0) l.paint(box(0, 7, 8, 8), kBarkLight);
      if (s == 1) l.paint(box(0, 6, 8, 8), kAccentSoft);
      if (s == 2) {
        l.paint(box(0, 1, 8, 3), kBlack, 0.06);
        l.paint(box(0, 6, 8, 8), kAccent);
      }
    });
    std::vector<ArtLayer> copy = std::move(frames);
    MasterPiece p;
    p.key = "COLHEADER.BORDERSMASK";
    p.pixels = joinMasked(copy, kFace);
    p.imageCount = 3;
    p.maskType = 1;
    p.widths = {1, 1, 1, 2};
    out.push_back(std::move(p));
  }

  // Thin rules: the scroll tracks' edge toward the list, the status bar's top.
  auto rule = [&](const char* key, bool vertical, int lines) {
    ArtLayer l(4, 4);
    l.addBody(box(0, 0, 4, 4));
    l.paint(vertical ? box(0, 0, 1, 4) : box(0, 0, 4, 1), kBarkLight);
    if (lines > 1) l.paint(vertical ? box(1, 0, 2, 4) : box(0, 1, 4, 2), kWhite, 0.8);
    Widths w = vertical ? Widths{lines, 0, 0, 0} : Widths{0, lines, 0, 0};
    MasterPiece p;
    p.key = key;
    p.pixels = joinMasked({l}, kFace);
    p.maskType = 1;
    p.widths = w;
    out.push_back(std::move(p));
  };
  rule("SCROLLBAR1V.BORDERSMASK", true, 1);
  rule("SCROLLBAR1H.BORDERSMASK", false, 1);
  rule("STATUSBAR.BORDERSMASK", false, 2);

  // The divider of tool bars: an etched vertical line fading at both ends.
  {
    ArtLayer l(2, 8);
    l.addBody(box(0, 0, 2, 8));
    for (int y = 0; y < 8; ++y) {
      const double fade = y == 0 || y == 7 ? 0.3 : y == 1 || y == 6 ? 0.7 : 1.0;
      l.paint(box(0, y, 1, y + 1), Rgb{196, 203, 193}, fade);
      l.paint(box(1, y, 2, y + 1), kWhite, fade);
    }
    out.push_back(plainBorder("DIVIDER.BORDERSMASK", {l}, {1, 2, 1, 2}, 1, kFace, kFace));
  }
  return out;
}

// ---------------------------------------------------------------------------
// Scroll bars and grips

std::vector<MasterPiece> scrollParts() {
  std::vector<MasterPiece> out;
  {
    FrameStyle normal = frame(10, 3, kBark);
    normal.highlightOpacity = 0.8;
    FrameStyle hot = frame(10, 3, kAccent);
    hot.highlightOpacity = 0.8;
    FrameStyle pressed = frame(10, 3, kAccentDark);
    pressed.shadeOpacity = 0.08;
    out.push_back(maskedBorder("SCROLLSLIDERV.BORDERSMASK", {normal, hot, pressed}, {4, 4, 4, 4}, 0));
  }
  out.push_back(maskedGlyph("SCROLLSLIDERV.GLYPHMASK", threeStates(8, 7, [](ArtLayer& l, int s) {
    GlyphArt::gripLines(l, 4, 3.5, 6, false, stateColor(s, kBarkDark));
  })));
  out.push_back(maskedGlyph("SCROLLSLIDERH.GLYPHMASK", threeStates(7, 8, [](ArtLayer& l, int s) {
    GlyphArt::gripLines(l, 3.5, 4, 6, true, stateColor(s, kBarkDark));
  })));

  out.push_back(maskedBorder("SCROLLBTNTOP.BORDERSMASK", flatButtonStates(10, 3), {4, 4, 4, 4}, 2));
  auto arrow = [&](const char* key, Direction d) {
    out.push_back(maskedGlyph(key, threeStates(9, 9, [d](ArtLayer& l, int s) {
      GlyphArt::arrow(l, 4.5, 4.5, 7, d, stateColor(s, kTextSoft));
    })));
  };
  arrow("SCROLLBTNTOP.GLYPHMASK", Direction::Up);
  arrow("SCROLLBTNBOTTOM.GLYPHMASK", Direction::Down);
  arrow("SCROLLBTNLEFT.GLYPHMASK", Direction::Left);
  arrow("SCROLLBTNRIGHT.GLYPHMASK", Direction::Right);

  // The grip texture: an embossed dot every three pixels (its rectangle is
  // fixed by the program's data).
  {
    ArtLayer dot(3, 3);
    dot.paint(box(1, 1, 2, 2), kWhite, 0.9);
    dot.paint(box(0, 0, 1, 1), kBarkDark, 0.75);
    MasterPiece p;
    p.key = "GRIPH.PATTERN";
    p.kind = MasterPiece::Kind::Texture;
    p.pixels = joinMasked({dot}, kFace);
    p.maskType = 1;
    p.stretchMode = 10;
    p.pinned = TRect{110, 36, 113, 42};
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace

std::vector<MasterPiece> all() {
  std::vector<MasterPiece> pieces;
  auto add = [&](std::vector<MasterPiece> more) {
    for (MasterPiece& p : more) pieces.push_back(std::move(p));
  };
  add(titleButtons());
  add(checkMarks());
  pieces.push_back(formFrame());
  pieces.push_back(titleFrame());
  add(controlBorders());
  add(scrollParts());
  return pieces;
}

}  // namespace BirchPieces
