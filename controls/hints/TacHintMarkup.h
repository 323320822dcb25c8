#pragma once
// Hint texts written as mark-up: <FONT SIZE=.. COLOR=.. FACE=..> ... </FONT>
// changes the font of the words inside (colours by name, such as NAVY, or
// as #RRGGBB), <ALIGN CENTER|LEFT|RIGHT> aligns the lines that follow and
// </ALIGN> goes back to centred lines. Words wrap at the width given; a line
// feed starts a new line. Unknown tags are dropped, as a browser would.
// The same layout both measures and draws, so the two always agree.
#include <string_view>

#include "framework/graphics/TCanvas.h"

namespace TacHintMarkup {

// The size of the laid-out text at (0, 0), at most maxWidth wide (a longer
// word sticks out). The canvas font is the font outside every tag.
TRect Measure(TCanvas& canvas, std::string_view text, int maxWidth);
// Draws the text into rect (wrapped at its width, from its top).
void Draw(TCanvas& canvas, std::string_view text, const TRect& rect);

}  // namespace TacHintMarkup
