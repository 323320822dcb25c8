#pragma once
// The in-memory INI reader of the skin loaders.
//
// Lines are trimmed; empty lines and lines starting with ";" are skipped; a
// line "[name]" opens a section; "key = value" belongs to the last opened
// section (lines before the first section are ignored). Section and key
// lookups ignore case, and the first of two equal keys wins. A section that
// appears twice collects its keys under its first appearance. Names keep the
// spelling they were written with.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TacIniFile {
 public:
  TacIniFile() = default;
  explicit TacIniFile(std::string_view text);
  explicit TacIniFile(const std::vector<std::string>& lines);

  // Section names in file order.
  std::vector<std::string> ReadSections() const;
  // Key names of a section in file order; empty for an unknown section.
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::size_t SectionCount() const { return sections_.size(); }
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal or "$"/"0x" hexadecimal; an unreadable value gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  // "." is the decimal separator; an unreadable value gives the default.
  double ReadFloat(std::string_view section, std::string_view key, double def) const;

 private:
  struct Key {
    std::string name;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Key> keys;
  };
  void AddLine(std::string_view line);
  const Section* FindSection(std::string_view name) const;
  const Key* FindKey(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
  std::size_t current_ = kNoSection;  // section that receives the next keys
};
