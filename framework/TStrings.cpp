#include "framework/TStrings.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TStrings::StaticClassInfo() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TStrings>(c).Strings("Strings", &TStrings::ToVector, &TStrings::SetStrings);
  });
  return info;
}

void TStrings::Put(int index, const std::string& text) {
  BeginUpdate();
  Delete(index);
  Insert(index, text);
  EndUpdate();
}

int TStrings::Add(const std::string& text) {
  int index = Count();
  Insert(index, text);
  return index;
}

void TStrings::AddStrings(const TStrings& other) {
  std::vector<std::string> lines = other.ToVector();  // other may be this list
  BeginUpdate();
  for (const std::string& line : lines) Add(line);
  EndUpdate();
}

int TStrings::IndexOf(std::string_view text) const {
  bool exact = CaseSensitiveCompare();
  for (int i = 0, n = Count(); i < n; ++i) {
    std::string line = Get(i);
    if (exact ? line == text : SameText(line, text)) return i;
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0, n = Count(); i < n; ++i) {
    text += Get(i);
    text += '\n';
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  SetStrings(lines);
}

std::string TStrings::CommaText() const {
  std::string out;
  for (int i = 0, n = Count(); i < n; ++i) {
    if (i) out += ',';
    std::string line = Get(i);
    bool quote = line.empty() || line.find_first_of(" ,\"\t") != std::string::npos;
    if (!quote) {
      out += line;
      continue;
    }
    out += '"';
    for (char ch : line) {
      if (ch == '"') out += '"';
      out += ch;
    }
    out += '"';
  }
  return out;
}

void TStrings::SetCommaText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != ' ' && text[i] != '\t') item += text[i++];
    }
    lines.push_back(item);
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
      if (i == text.size()) lines.emplace_back();  // a trailing comma ends an empty item
    }
  }
  SetStrings(lines);
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> lines;
  for (int i = 0, n = Count(); i < n; ++i) lines.push_back(Get(i));
  return lines;
}

void TStrings::SetStrings(const std::vector<std::string>& lines) {
  BeginUpdate();
  Clear();
  for (const std::string& line : lines) Add(line);
  EndUpdate();
}

void TStrings::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TStrings*>(&source)) {
    if (other != this) SetStrings(other->ToVector());
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}
