#pragma once
// The colours of the Birch skin: a warm light base, birch-bark greys with a
// hint of green for outlines, one calm blue for hot, pressed and focused
// states, and a soft sage for the active title bar. The options source
// (resources/skin/Birch.options) repeats these values by name in comments.
#include "tools/skinart/ArtColor.h"

namespace Birch {

constexpr Rgb kFace{244, 243, 238};         // form and panel background
constexpr Rgb kWindow{255, 255, 255};       // edit fields and lists
constexpr Rgb kText{36, 42, 38};            // captions and field text
constexpr Rgb kTextSoft{96, 106, 98};       // glyphs at rest
constexpr Rgb kBark{168, 177, 166};         // control outlines
constexpr Rgb kBarkDark{122, 133, 122};     // outlines that need weight
constexpr Rgb kBarkLight{208, 214, 205};    // quiet separators
constexpr Rgb kAccent{58, 126, 196};        // hot outline, focus
constexpr Rgb kAccentDark{36, 94, 158};     // pressed outline
constexpr Rgb kAccentSoft{176, 205, 235};   // hot outline of flat parts
constexpr Rgb kAccentPale{226, 238, 251};   // hot fill of flat parts
constexpr Rgb kTitleTop{226, 235, 221};     // active title bar gradient
constexpr Rgb kTitleBottom{205, 219, 199};
constexpr Rgb kTitleIdleTop{242, 242, 238}; // inactive title bar gradient
constexpr Rgb kTitleIdleBottom{230, 231, 226};
constexpr Rgb kTitleLine{176, 190, 171};    // line under the title bar
constexpr Rgb kFrameOutline{142, 153, 140}; // the window's outer edge
constexpr Rgb kFrame{226, 231, 222};        // side and bottom borders
constexpr Rgb kClose{204, 78, 66};          // close button, hot
constexpr Rgb kCloseDark{166, 52, 44};      // close button, pressed
constexpr Rgb kHintFill{255, 252, 234};
constexpr Rgb kHintOutline{204, 194, 150};
constexpr Rgb kLeaf{138, 178, 96};
constexpr Rgb kLeafDark{98, 140, 70};
constexpr Rgb kBirchWhite{250, 249, 244};
constexpr Rgb kBirchMark{70, 72, 66};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// The title bar colour half way down, behind the title buttons.
inline Rgb titleMiddle() { return mix(kTitleTop, kTitleBottom, 0.5); }

}  // namespace Birch
