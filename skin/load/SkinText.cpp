#include "skin/load/SkinText.h"

namespace SkinText {

namespace {
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = Upper(c);
  return r;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string ExtractFileExt(std::string_view name) {
  const std::size_t dot = name.find_last_of(".\\/:");
  if (dot == std::string_view::npos || name[dot] != '.') return {};
  return std::string(name.substr(dot));
}

std::vector<std::string> Split(std::string_view s, std::string_view separators, bool keepEmpty) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start <= s.size()) {
    const std::size_t end = s.find_first_of(separators, start);
    const std::size_t stop = end == std::string_view::npos ? s.size() : end;
    if (keepEmpty || stop > start) words.emplace_back(s.substr(start, stop - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return words;
}

std::string_view Columns(std::string_view s, std::size_t from, std::size_t count) {
  if (from == 0 || from > s.size()) return {};
  return s.substr(from - 1, count);
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

}  // namespace SkinText
