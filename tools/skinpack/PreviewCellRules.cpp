#include "tools/skinpack/PreviewCellRules.h"

#include <algorithm>

namespace PreviewCellRules {

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
bool StartsWith(std::string_view text, std::string_view part) { return text.substr(0, part.size()) == part; }
bool EndsWith(std::string_view text, std::string_view part) {
  return text.size() >= part.size() && text.substr(text.size() - part.size()) == part;
}

// Sections painted upright: vertical bars, sliders and gauges.
bool IsUpright(std::string_view s) {
  return s == "GAUGE" || s == "PROGRESSV" || s == "DIVIDERV" || s == "GRIPV" || s == "TABLEFT" || s == "TABRIGHT" ||
         (StartsWith(s, "SCROLL") && EndsWith(s, "V"));
}

// The usual shape of a control of the section.
TSize UsualSize(std::string_view s) {
  if (s == "FORM" || s == "DIALOG" || s == "MDIAREA" || StartsWith(s, "PAGECONTROL") || s == "TABCONTROL")
    return {128, 80};
  if (s == "GROUPBOX" || s == "PANEL" || s == "PANEL_LOW" || s == "BARPANEL" || s == "HINT") return {112, 48};
  if (s == "BUTTON_HUGE") return {128, 64};
  if (s == "BUTTON_BIG") return {112, 40};
  if (s == "GAUGE") return {40, 96};
  if (IsUpright(s)) return {24, 72};
  if (StartsWith(s, "SCROLLBTN") || s == "COMBOBTN" || s == "UPDOWNBTN" || s == "SPEEDBUTTON_SMALL") return {24, 24};
  if (Contains(s, "BUTTON") || Contains(s, "EDIT") || Contains(s, "COMBO") || StartsWith(s, "TAB") ||
      s == "COLHEADER" || s == "MENUITEM" || s == "FORMTITLE" || s == "BARTITLE" || Contains(s, "PROGRESS"))
    return {96, 24};
  return {kMinWidth, kMinHeight};
}

}  // namespace

TSize CellSize(std::string_view section, TSize borderFrame) {
  const TSize usual = UsualSize(section);
  // Upright sections swap the minimum: narrow and tall.
  const bool upright = IsUpright(section);
  const int minWidth = upright ? kMinHeight : kMinWidth;
  const int minHeight = upright ? kMinWidth : kMinHeight;
  // One more tile of the frame's centre on each axis shows how edges repeat.
  const int frameWidth = borderFrame.cx > 0 ? borderFrame.cx + borderFrame.cx / 2 : 0;
  const int frameHeight = borderFrame.cy > 0 ? borderFrame.cy + borderFrame.cy / 2 : 0;
  return {std::max({minWidth, usual.cx, frameWidth}), std::max({minHeight, usual.cy, frameHeight})};
}

bool ShowsCaption(std::string_view s) {
  // Small buttons hold glyphs, not words; upright tabs are too narrow for a line of text.
  if (StartsWith(s, "SCROLL") || s == "COMBOBTN" || s == "UPDOWNBTN" || IsUpright(s)) return false;
  return Contains(s, "BUTTON") || s == "CHECKBOX" || (StartsWith(s, "TAB") && s != "TABCONTROL") ||
         s == "COLHEADER" || s == "MENUITEM";
}

}  // namespace PreviewCellRules
