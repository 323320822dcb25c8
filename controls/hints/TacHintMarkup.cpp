#include "controls/hints/TacHintMarkup.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "framework/graphics/ColorIdents.h"

namespace TacHintMarkup {

namespace {

enum class Align { Left, Center, Right };

struct Style {
  std::string Face;
  int Size = 0;  // points; 0 keeps the outer font's height
  std::optional<TColor> Color;
};

struct Word {
  std::string Text;
  Style Font;
  bool SpaceBefore = false;
  int Width = 0;
  int Height = 0;
};

struct Line {
  std::vector<Word> Words;
  Align Alignment = Align::Center;
  int Width = 0;
  int Height = 0;
};

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::optional<TColor> ParseColor(std::string_view value) {
  static constexpr std::pair<const char*, TColor> kNames[] = {
      {"AQUA", clAqua},   {"BLACK", clBlack}, {"BLUE", clBlue},     {"FUCHSIA", clFuchsia}, {"GRAY", clGray},
      {"GREEN", clGreen}, {"LIME", clLime},   {"MAROON", clMaroon}, {"NAVY", clNavy},       {"OLIVE", clOlive},
      {"PURPLE", clPurple}, {"SILVER", clSilver}, {"TEAL", clTeal}, {"WHITE", clWhite},     {"YELLOW", clYellow}};
  const std::string name = Upper(value);
  for (const auto& [n, c] : kNames)
    if (name == n) return c;
  if (name.size() == 7 && name[0] == '#') {
    try {
      const unsigned long rgb = std::stoul(name.substr(1), nullptr, 16);
      return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    } catch (...) {
      return std::nullopt;
    }
  }
  return IdentToColor(value);
}

// Splits "NAME A=1 B='x y'" into the name and its attributes.
struct Tag {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Attributes;
  std::vector<std::string> Words;  // bare words (ALIGN CENTER)
};

Tag ParseTag(std::string_view body) {
  Tag tag;
  size_t i = 0;
  auto skipSpace = [&] {
    while (i < body.size() && std::isspace(static_cast<unsigned char>(body[i]))) ++i;
  };
  auto readToken = [&] {
    skipSpace();
    std::string token;
    if (i < body.size() && (body[i] == '"' || body[i] == '\'')) {
      const char quote = body[i++];
      while (i < body.size() && body[i] != quote) token += body[i++];
      if (i < body.size()) ++i;
      return token;
    }
    while (i < body.size() && !std::isspace(static_cast<unsigned char>(body[i])) && body[i] != '=') token += body[i++];
    return token;
  };
  tag.Name = Upper(readToken());
  while (true) {
    skipSpace();
    if (i >= body.size()) break;
    std::string key = readToken();
    skipSpace();
    if (i < body.size() && body[i] == '=') {
      ++i;
      tag.Attributes.emplace_back(Upper(key), readToken());
    } else if (!key.empty()) {
      tag.Words.push_back(Upper(key));
    } else {
      ++i;
    }
  }
  return tag;
}

void ApplyFont(TCanvas& canvas, const TFont& outer, const Style& style) {
  canvas.Font.Assign(outer);
  if (!style.Face.empty()) canvas.Font.SetName(style.Face);
  if (style.Size > 0) canvas.Font.SetSize(style.Size);
  if (style.Color) canvas.Font.SetColor(*style.Color);
}

std::vector<Line> LayOut(TCanvas& canvas, std::string_view text, int maxWidth) {
  TFont outer;
  outer.Assign(canvas.Font);
  std::vector<Style> fonts{Style{}};
  Align alignment = Align::Center;
  std::vector<Line> lines(1);
  lines.back().Alignment = alignment;
  bool pendingSpace = false;
  std::string word;

  auto flushWord = [&] {
    if (word.empty()) return;
    Word w{word, fonts.back(), pendingSpace};
    ApplyFont(canvas, outer, w.Font);
    const TSize extent = canvas.TextExtent(word);
    w.Width = extent.cx;
    w.Height = extent.cy;
    const int space = w.SpaceBefore ? canvas.TextWidth(" ") : 0;
    Line* line = &lines.back();
    if (!line->Words.empty() && line->Width + space + w.Width > maxWidth) {
      lines.emplace_back();
      lines.back().Alignment = alignment;
      line = &lines.back();
    }
    if (line->Words.empty()) w.SpaceBefore = false;
    line->Width += (w.SpaceBefore ? space : 0) + w.Width;
    line->Height = std::max(line->Height, w.Height);
    line->Words.push_back(std::move(w));
    word.clear();
    pendingSpace = false;
  };

  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<') {
      const size_t end = text.find('>', i);
      if (end != std::string_view::npos) {
        flushWord();
        std::string_view body = text.substr(i + 1, end - i - 1);
        const bool closing = !body.empty() && body[0] == '/';
        const Tag tag = ParseTag(closing ? body.substr(1) : body);
        if (tag.Name == "FONT") {
          if (closing) {
            if (fonts.size() > 1) fonts.pop_back();
          } else {
            Style s = fonts.back();
            for (const auto& [key, value] : tag.Attributes) {
              if (key == "SIZE") s.Size = std::clamp(std::atoi(value.c_str()), 0, 200);
              if (key == "COLOR") s.Color = ParseColor(value).value_or(s.Color.value_or(outer.Color()));
              if (key == "FACE") s.Face = value;
            }
            fonts.push_back(s);
          }
        } else if (tag.Name == "ALIGN") {
          std::string value = tag.Words.empty() ? "" : tag.Words.front();
          for (const auto& [key, v] : tag.Attributes) value = Upper(v.empty() ? key : v);
          alignment = closing || value == "CENTER" ? Align::Center : value == "LEFT" ? Align::Left
                                                   : value == "RIGHT" ? Align::Right : Align::Center;
          if (lines.back().Words.empty()) lines.back().Alignment = alignment;
        }
        i = end;
        continue;
      }
    }
    if (c == '\n') {
      flushWord();
      lines.emplace_back();
      lines.back().Alignment = alignment;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r') {
      flushWord();
      pendingSpace = true;
      continue;
    }
    word += c;
  }
  flushWord();
  // Empty lines keep the outer font's height.
  canvas.Font.Assign(outer);
  const int emptyHeight = canvas.TextHeight("Wg");
  for (Line& line : lines)
    if (line.Height == 0) line.Height = emptyHeight;
  return lines;
}

}  // namespace

TRect Measure(TCanvas& canvas, std::string_view text, int maxWidth) {
  const std::vector<Line> lines = LayOut(canvas, text, maxWidth);
  int width = 0, height = 0;
  for (const Line& line : lines) {
    width = std::max(width, line.Width);
    height += line.Height;
  }
  return Rect(0, 0, width, height);
}

void Draw(TCanvas& canvas, std::string_view text, const TRect& rect) {
  TFont outer;
  outer.Assign(canvas.Font);
  const std::vector<Line> lines = LayOut(canvas, text, rect.Width());
  const int space = canvas.TextWidth(" ");
  int y = rect.Top;
  for (const Line& line : lines) {
    int x = line.Alignment == Align::Left    ? rect.Left
            : line.Alignment == Align::Right ? rect.Right - line.Width
                                             : rect.Left + (rect.Width() - line.Width) / 2;
    for (const Word& w : line.Words) {
      if (w.SpaceBefore) x += space;
      ApplyFont(canvas, outer, w.Font);
      // Words share the line's baseline: the lower ones sit at its bottom.
      canvas.TextOut(x, y + line.Height - w.Height, w.Text);
      x += w.Width;
    }
    y += line.Height;
  }
  canvas.Font.Assign(outer);
}

}  // namespace TacHintMarkup
