#pragma once
// Draws runs of glyphs through a context's clip: the text primitives'
// shared pixel work.
//
// Positions, limits and tab stops are surface pixels (DeviceContext::
// toSurface: logical pixels of the target bitmap) and runs advance by the
// font's logical advances, so text takes the same room at every scale. On a
// bitmap of scale n each glyph comes from the font's twin at n times the
// size and lands at n times its pen position.
#include <span>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Font.h"

namespace GlyphPainter {

// Tab handling for a run: tabs advance to the next multiple of `width`
// counted from `origin` (surface x); a width of 0 makes tabs take no room.
struct TabStops {
  int width = 0;
  int origin = 0;
};

// Advance of a run, with tabs as above (origin 0).
int measure(Font& font, std::span<const char32_t> text, int tabWidth);

// Blends the run in colour rgb with the top-left of its first cell at
// surface pixel (x, y), within `limit` (surface pixels) and the clip.
// Returns the x after the run.
int draw(DeviceContext& dc, Font& font, std::span<const char32_t> text, int x, int y, TColor rgb, const TRect& limit,
         TabStops tabs);

// A filled rectangle (underline, opaque background) within limit and clip,
// both in surface pixels.
void fillLimited(DeviceContext& dc, const TRect& rect, const TRect& limit, TColor rgb);

}  // namespace GlyphPainter
