#include "skin/load/TacIniFile.h"

#include "skin/load/SkinNumbers.h"
#include "skin/load/SkinText.h"

TacIniFile::TacIniFile(std::string_view text) {
  // A UTF-8 byte order mark would otherwise hide the first section.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    AddLine(text.substr(start, end - start));
    start = end + 1;
  }
  current_ = kNoSection;
}

TacIniFile::TacIniFile(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) AddLine(line);
  current_ = kNoSection;
}

void TacIniFile::AddLine(std::string_view raw) {
  const std::string_view line = SkinText::Trim(raw);
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    const std::string_view name = SkinText::Trim(line.substr(1, line.size() - 2));
    for (std::size_t i = 0; i < sections_.size(); ++i) {
      if (SkinText::SameText(sections_[i].name, name)) {
        current_ = i;
        return;
      }
    }
    sections_.push_back({std::string(name), {}});
    current_ = sections_.size() - 1;
    return;
  }
  if (current_ == kNoSection) return;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  sections_[current_].keys.push_back({std::string(SkinText::Trim(line.substr(0, eq))), std::string(SkinText::Trim(line.substr(eq + 1)))});
}

const TacIniFile::Section* TacIniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_) {
    if (SkinText::SameText(s.name, name)) return &s;
  }
  return nullptr;
}

const TacIniFile::Key* TacIniFile::FindKey(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  for (const Key& k : s->keys) {
    if (SkinText::SameText(k.name, key)) return &k;
  }
  return nullptr;
}

std::vector<std::string> TacIniFile::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> TacIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = FindSection(section)) {
    for (const Key& k : s->keys) names.push_back(k.name);
  }
  return names;
}

bool TacIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TacIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != nullptr;
}

std::string TacIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const Key* k = FindKey(section, key);
  return k ? k->value : std::string(def);
}

std::int32_t TacIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  const Key* k = FindKey(section, key);
  if (k == nullptr) return def;
  return SkinNumbers::TryParseInt(k->value).value_or(def);
}

double TacIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const Key* k = FindKey(section, key);
  if (k == nullptr) return def;
  return SkinNumbers::TryParseFloat(k->value).value_or(def);
}
