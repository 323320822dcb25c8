#pragma once
// Small symbols painted into an ArtLayer around a centre point: the title
// button signs, scroll arrows, the combo box chevron, check marks and grips.
// Sizes are in pixels; strokes are anti-aliased.
#include "tools/skinart/ArtLayer.h"

namespace GlyphArt {

enum class Direction { Up, Down, Left, Right };

void cross(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color);
void maximize(ArtLayer& layer, double cx, double cy, double size, Rgb color);
void restore(ArtLayer& layer, double cx, double cy, double size, Rgb color);
void minimize(ArtLayer& layer, double cx, double cy, double size, Rgb color);
// A filled triangle pointing in the direction, size its base length.
void arrow(ArtLayer& layer, double cx, double cy, double size, Direction d, Rgb color);
// An open "v" shape, size its width.
void chevron(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color);
void checkMark(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color);
// Short parallel lines across a scroll thumb; vertical lines when the thumb
// moves sideways.
void gripLines(ArtLayer& layer, double cx, double cy, double length, bool vertical, Rgb color);

}  // namespace GlyphArt
