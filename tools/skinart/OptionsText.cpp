#include "tools/skinart/OptionsText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

bool sameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

OptionsText::OptionsText(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      sections_.push_back({line.substr(1, line.size() - 2), {}});
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos || sections_.empty()) continue;
    sections_.back().keys.push_back({trim(line.substr(0, eq)), trim(line.substr(eq + 1))});
  }
}

const OptionsText::Section* OptionsText::section(const std::string& name) const {
  for (const Section& s : sections_)
    if (sameText(s.name, name)) return &s;
  return nullptr;
}

std::optional<std::string> OptionsText::value(const std::string& sectionName, const std::string& key) const {
  const Section* s = section(sectionName);
  if (!s) return std::nullopt;
  for (const Key& k : s->keys)
    if (sameText(k.name, key)) return k.value;
  return std::nullopt;
}

std::optional<std::string> OptionsText::inherited(const std::string& sectionName, const std::string& key) const {
  std::string current = sectionName;
  // A chain longer than the file has sections must be a loop.
  for (std::size_t depth = 0; depth <= sections_.size(); ++depth) {
    if (auto v = value(current, key)) return v;
    auto parent = value(current, "PARENTCLASS");
    if (!parent || parent->empty() || sameText(*parent, current)) return std::nullopt;
    current = *parent;
  }
  return std::nullopt;
}
