#include "tools/skinart/BirchPieces.h"

#include "tools/skinart/GlyphArt.h"
#include "tools/skinart/PieceKit.h"

namespace BirchPieces {

namespace {

using namespace Birch;
using namespace PieceKit;
using GlyphArt::Direction;

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

}  // namespace

std::vector<MasterPiece> windowFrame() { return {formFrame(), titleFrame()}; }

std::vector<MasterPiece> controls() {
  std::vector<MasterPiece> out;

  // The edit field: rectangle and widths are fixed by the program's data.
  {
    FrameStyle edit = frame(7, 2, kBark);
    edit.width = 7;
    edit.height = 9;
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
    MasterPiece p;
    p.key = "COLHEADER.BORDERSMASK";
    p.pixels = joinMasked(threeStates(8, 8, [](ArtLayer& l, int s) {
      l.addBody(box(0, 0, 8, 8));
      // The separator stops short of both rules (inside the corner pieces).
      l.paint(box(7, 3, 8, 6), kBarkLight);
      if (s == 0) l.paint(box(0, 7, 8, 8), kBarkLight);
      if (s == 1) l.paint(box(0, 6, 8, 8), kAccentSoft);
      if (s == 2) {
        l.paint(box(0, 1, 8, 3), kBlack, 0.06);
        l.paint(box(0, 6, 8, 8), kAccent);
      }
    }), kFace);
    p.imageCount = 3;
    p.maskType = 1;
    p.widths = {1, 3, 1, 2};
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

std::vector<MasterPiece> scrollBars() {
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

}  // namespace BirchPieces
