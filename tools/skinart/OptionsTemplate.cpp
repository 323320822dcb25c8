#include "tools/skinart/OptionsTemplate.h"

#include <set>
#include <sstream>

namespace {

// Parses "R,G,B" into a colour value; false for anything else.
bool parseRgb(const std::string& inner, long& value) {
  int channel[3];
  std::size_t pos = 0;
  for (int n = 0; n < 3; ++n) {
    // Two commas between three numbers, nothing after the last.
    const std::size_t end = n < 2 ? inner.find(',', pos) : inner.size();
    if (end == std::string::npos) return false;
    const std::string word = inner.substr(pos, end - pos);
    if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) return false;
    channel[n] = std::stoi(word);
    if (channel[n] > 255) return false;
    pos = end + 1;
  }
  value = channel[0] | (channel[1] << 8) | (channel[2] << 16);
  return true;
}

// Expands one line; appends to out. Returns an error message or "".
std::string expandLine(const std::string& line, const std::map<std::string, std::string>& images,
                       std::set<std::string>& used, std::string& out) {
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == '{') {
      std::size_t close = line.find('}', i);
      if (close == std::string::npos) return "unclosed image key in: " + line;
      std::string key = line.substr(i + 1, close - i - 1);
      auto it = images.find(key);
      if (it == images.end()) return "no image for {" + key + "}";
      out += it->second;
      used.insert(key);
      i = close + 1;
    } else if (line.compare(i, 4, "rgb(") == 0) {
      std::size_t close = line.find(')', i);
      long value = 0;
      if (close == std::string::npos || !parseRgb(line.substr(i + 4, close - i - 4), value))
        return "malformed colour in: " + line;
      out += std::to_string(value);
      i = close + 1;
    } else {
      out += line[i++];
    }
  }
  return "";
}

}  // namespace

Result<std::string> OptionsTemplate::expand(const std::map<std::string, std::string>& images) const {
  std::istringstream in(text_);
  std::string line, out;
  std::set<std::string> used;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line[first] == ';') continue;
    std::string error = expandLine(line, images, used, out);
    if (!error.empty()) return Error{error};
    // The loader reads either line ending; CR LF keeps the file friendly to
    // the editors skin authors use.
    out += "\r\n";
  }
  for (const auto& [key, value] : images)
    if (!used.count(key)) return Error{"image {" + key + "} is drawn but the options never name it"};
  return out;
}
