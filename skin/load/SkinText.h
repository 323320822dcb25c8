#pragma once
// Small text helpers of the skin loaders. Skin names are 8-bit text; case
// folding touches ASCII letters only, as the skin files use nothing else.
#include <string>
#include <string_view>
#include <vector>

namespace SkinText {

std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // ASCII case-insensitive
std::string_view Trim(std::string_view s);              // drops blanks, tabs and line ends
// The extension with its dot ("x.bmp" -> ".bmp"); empty when there is none.
// Both "/" and "\" end a directory part.
std::string ExtractFileExt(std::string_view name);
// Words between separators; empty words between adjacent separators are kept
// only when keepEmpty is set.
std::vector<std::string> Split(std::string_view s, std::string_view separators, bool keepEmpty);
// Characters [from, from + count) with 1-based `from`, clipped to the text
// (the fixed-column notations read their fields this way).
std::string_view Columns(std::string_view s, std::size_t from, std::size_t count);
bool Contains(std::string_view s, std::string_view part);

}  // namespace SkinText
