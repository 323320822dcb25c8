#pragma once
// The two pictures of the skin that live in bitmap files of their own, each
// an image with its mask half below it:
// - the title decoration (tl.bmp, 429 x 600): a birch twig with leaves and
//   catkins in the top-left corner of every window, strongest in the title
//   bar and fading out into the window;
// - the huge button (ButtonHuge.bmp, 288 x 192): three 96 x 96 state frames
//   of a large rounded button whose corners hold the outline.
#include "platform/Bitmap.h"

namespace DecorationArt {

constexpr int kDecorationWidth = 429;
constexpr int kDecorationHeight = 600;
constexpr int kHugeButtonWidth = 288;
constexpr int kHugeButtonHeight = 192;

Bitmap titleDecoration();
Bitmap hugeButton();

}  // namespace DecorationArt
