#pragma once
// A read-only view of an options file as the skin loader sees it: sections
// in file order, keys in file order, names compared case-insensitively, the
// first of two equal keys winning. Used by the previews and the checks.
#include <optional>
#include <string>
#include <vector>

class OptionsText {
 public:
  struct Key {
    std::string name;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Key> keys;
  };

  explicit OptionsText(const std::string& text);

  const std::vector<Section>& sections() const { return sections_; }
  const Section* section(const std::string& name) const;
  std::optional<std::string> value(const std::string& section, const std::string& key) const;
  // The value, climbing PARENTCLASS links as the loader does for general keys.
  std::optional<std::string> inherited(const std::string& section, const std::string& key) const;

 private:
  std::vector<Section> sections_;
};
