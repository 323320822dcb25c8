#pragma once
// The building blocks of the Birch pictures: turning drawn frames into
// master pieces (masked or plain border masks and glyphs), three-state
// frame sets, and the frame styles several controls share.
#include <functional>
#include <string>
#include <vector>

#include "tools/skinart/BirchPalette.h"
#include "tools/skinart/FrameArt.h"
#include "tools/skinart/MasterPiece.h"

namespace PieceKit {

using Widths = MaskNotation::BorderWidths;

MasterPiece maskedBorder(std::string key, const std::vector<FrameStyle>& states, Widths widths, int stretchMode,
                         Rgb inside = Birch::kFace);
MasterPiece plainBorder(std::string key, const std::vector<ArtLayer>& frames, Widths widths, int stretchMode,
                        Rgb parent, Rgb inside);
MasterPiece maskedGlyph(std::string key, const std::vector<ArtLayer>& frames, Rgb inside = Birch::kFace);
MasterPiece plainGlyph(std::string key, const std::vector<ArtLayer>& frames, Rgb backdrop);

// Three layers of one size drawn by one function for the states 0, 1, 2.
std::vector<ArtLayer> threeStates(int w, int h, const std::function<void(ArtLayer&, int state)>& draw);
// A square-cornered rectangle.
Shape box(double l, double t, double r, double b);

FrameStyle frame(int size, double radius, Rgb outline);
// Raised push button: at rest, under the pointer (blue outline with a soft
// glow) and pressed (darker blue, accent ring, shadow inside the top edge).
std::vector<FrameStyle> pushButtonStates(int size, double radius);
// Flat parts (arrows, the combo box button, tabs) show no frame at rest;
// the engine skips state 0 (stretch flag 2), so frame 0 only needs to exist.
std::vector<FrameStyle> flatButtonStates(int size, double radius);
// A glyph's colour by state: its own at rest, the accent when hot, the dark
// accent when pressed.
Rgb stateColor(int state, Rgb rest);

}  // namespace PieceKit
