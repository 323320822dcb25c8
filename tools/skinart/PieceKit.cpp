#include "tools/skinart/PieceKit.h"

namespace PieceKit {

using namespace Birch;

MasterPiece maskedBorder(std::string key, const std::vector<FrameStyle>& states, Widths widths, int stretchMode,
                         Rgb inside) {
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

MasterPiece maskedGlyph(std::string key, const std::vector<ArtLayer>& frames, Rgb inside) {
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

FrameStyle frame(int size, double radius, Rgb outline) {
  FrameStyle s;
  s.width = s.height = size;
  s.radius = {radius, radius, radius, radius};
  s.outline = outline;
  return s;
}

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

}  // namespace PieceKit
