#pragma once
// How big a section is painted on the preview sheet and whether it carries a
// caption: the shape a control of that section usually has on screen, and
// never smaller than its border mask frame, so that edges and centre are
// seen tiled or stretched rather than squeezed.
#include <string_view>

#include "platform/Geometry.h"

namespace PreviewCellRules {

// The smallest cell a section gets (upright sections: turned by a quarter).
constexpr int kMinWidth = 64;
constexpr int kMinHeight = 24;

// Cell size of `section` whose border mask frame is `borderFrame` ((0, 0)
// without a border mask): the section's usual shape, grown to the frame
// plus room for one tile of each edge.
TSize CellSize(std::string_view section, TSize borderFrame);

// True for the sections whose controls show a caption inside their own
// picture: buttons of every kind, check boxes, tabs, headers, menu items
// (not the upright tabs, which are too narrow for a line).
bool ShowsCaption(std::string_view section);

}  // namespace PreviewCellRules
