#include "framework/streaming/LayoutParser.h"

#include <charconv>
#include <limits>

#include "framework/streaming/LayoutError.h"
#include "framework/streaming/TClassInfo.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsHexDigit(char ch) { return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'); }
bool IsIdentStart(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_'; }
bool IsIdentChar(char ch) { return IsIdentStart(ch) || IsDigit(ch) || ch == '.'; }
int HexValue(char ch) {
  if (IsDigit(ch)) return ch - '0';
  return (ch | 0x20) - 'a' + 10;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence at `s`, or 0.
std::size_t Utf8SequenceLength(std::string_view s) {
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char lead = b(0);
  if (lead < 0x80) return 1;
  std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (len == 0 || lead > 0xF4 || s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i)
    if ((b(i) & 0xC0) != 0x80) return 0;
  // Overlong forms, surrogates and code points past U+10FFFF.
  if (lead == 0xE0 && b(1) < 0xA0) return 0;
  if (lead == 0xED && b(1) >= 0xA0) return 0;
  if (lead == 0xF0 && b(1) < 0x90) return 0;
  if (lead == 0xF4 && b(1) >= 0x90) return 0;
  return len;
}

}  // namespace

LayoutParser::LayoutParser(std::string fileName, std::string_view text) : file_(std::move(fileName)), text_(text) {
  if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

LayoutNode LayoutParser::Parse() {
  Token first = Peek();
  if (!IsKeyword(first, "object")) Fail(first.Line, "the layout must start with \"object\"");
  LayoutNode root = ParseObject(0);
  Token rest = Next();
  if (rest.Type != Tok::End) Fail(rest.Line, "text after the end of the root object");
  return root;
}

// -- grammar -----------------------------------------------------------------

LayoutNode LayoutParser::ParseObject(int depth) {
  Token keyword = Next();  // "object"
  if (depth >= kMaxDepth) Fail(keyword.Line, "objects nested too deeply");
  LayoutNode node;
  node.Line = keyword.Line;
  Token first = Next();
  if (first.Type != Tok::Ident) Fail(first.Line, "expected the object's name and class");
  if (IsSymbol(Peek(), ':')) {
    Next();
    Token cls = Next();
    if (cls.Type != Tok::Ident) Fail(cls.Line, "expected a class name after \":\"");
    node.Name = first.Text;
    node.ClassName = cls.Text;
  } else {
    node.ClassName = first.Text;
  }
  if (node.Name.find('.') != std::string::npos || node.ClassName.find('.') != std::string::npos)
    Fail(first.Line, "object and class names cannot contain \".\"");

  for (;;) {
    const Token& t = Peek();
    if (t.Type == Tok::End) Fail(node.Line, "object " + node.Name + " has no \"end\"");
    if (IsKeyword(t, "end")) {
      Next();
      return node;
    }
    if (IsKeyword(t, "object")) {
      node.Children.push_back(ParseObject(depth + 1));
      continue;
    }
    if (t.Type != Tok::Ident) Fail(t.Line, "expected a property, \"object\" or \"end\"");
    if (!node.Children.empty()) Fail(t.Line, "property " + t.Text + " follows nested objects");
    node.Properties.push_back(ParseProperty(depth + 1));
  }
}

LayoutProperty LayoutParser::ParseProperty(int depth) {
  Token name = Next();
  LayoutProperty property;
  property.Name = name.Text;
  property.Line = name.Line;
  if (name.Text.front() == '.' || name.Text.back() == '.' || name.Text.find("..") != std::string::npos)
    Fail(name.Line, "malformed property name " + name.Text);
  Expect('=', ("\"=\" after " + name.Text).c_str());
  property.Value = ParseValue(depth);
  return property;
}

LayoutValue LayoutParser::ParseValue(int depth) {
  Token t = Next();
  if (depth >= kMaxDepth) Fail(t.Line, "values nested too deeply");
  LayoutValue v;
  v.Line = t.Line;
  switch (t.Type) {
    case Tok::Integer:
      v.Type = LayoutValue::Kind::Integer;
      v.Integer = t.Integer;
      return v;
    case Tok::Float:
      v.Type = LayoutValue::Kind::Float;
      v.Float = t.Float;
      return v;
    case Tok::String:
      v.Type = LayoutValue::Kind::String;
      v.Text = std::move(t.Text);
      ParseStringTail(v);
      return v;
    case Tok::Ident:
      v.Type = LayoutValue::Kind::Identifier;
      v.Text = std::move(t.Text);
      return v;
    case Tok::End:
      Fail(t.Line, "the file ends where a value should be");
    case Tok::Symbol:
      break;
  }
  switch (t.Text[0]) {
    case '[': {
      v.Type = LayoutValue::Kind::Set;
      if (IsSymbol(Peek(), ']')) {
        Next();
        return v;
      }
      for (;;) {
        Token member = Next();
        if (member.Type != Tok::Ident) Fail(member.Line, "expected a set member");
        v.Names.push_back(member.Text);
        Token sep = Next();
        if (IsSymbol(sep, ']')) return v;
        if (!IsSymbol(sep, ',')) Fail(sep.Line, "expected \",\" or \"]\" in a set");
      }
    }
    case '(':
      v.Type = LayoutValue::Kind::List;
      while (!IsSymbol(Peek(), ')')) {
        if (Peek().Type == Tok::End) Fail(v.Line, "list without \")\"");
        v.Values.push_back(ParseValue(depth + 1));
      }
      Next();
      return v;
    case '<':
      v.Type = LayoutValue::Kind::Collection;
      while (!IsSymbol(Peek(), '>')) {
        Token item = Next();
        if (!IsKeyword(item, "item")) Fail(item.Line, "expected \"item\" or \">\" in a collection");
        LayoutItem entry;
        entry.Line = item.Line;
        for (;;) {
          const Token& p = Peek();
          if (IsKeyword(p, "end")) {
            Next();
            break;
          }
          if (p.Type != Tok::Ident) Fail(p.Line, "expected a property or \"end\" in a collection item");
          entry.Properties.push_back(ParseProperty(depth + 1));
        }
        v.Items.push_back(std::move(entry));
      }
      Next();
      return v;
    case '{':
      return ParseBinary();
    default:
      Fail(t.Line, "unexpected \"" + t.Text + "\" where a value should be");
  }
}

void LayoutParser::ParseStringTail(LayoutValue& value) {
  while (IsSymbol(Peek(), '+')) {
    Next();
    Token part = Next();
    if (part.Type != Tok::String) Fail(part.Line, "expected a string after \"+\"");
    value.Text += part.Text;
  }
}

LayoutValue LayoutParser::ParseBinary() {
  // The opening brace has just been read; the block is read raw.
  LayoutValue v;
  v.Line = line_;
  v.Type = LayoutValue::Kind::Binary;
  SkipBlanks();
  if (text_.substr(pos_).starts_with("resource") &&
      (pos_ + 8 >= text_.size() || !IsIdentChar(text_[pos_ + 8]))) {
    pos_ += 8;
    Token path = Next();
    if (path.Type != Tok::String || path.Text.empty()) Fail(path.Line, "expected the quoted path of a resource");
    v.Type = LayoutValue::Kind::Resource;
    v.Text = path.Text;
    Expect('}', "\"}\" after the resource path");
    return v;
  }
  int pending = -1;
  for (;;) {
    if (pos_ >= text_.size()) Fail(v.Line, "binary data without \"}\"");
    char ch = text_[pos_++];
    if (ch == '}') break;
    if (ch == '\n') {
      ++line_;
      continue;
    }
    if (ch == ' ' || ch == '\t' || ch == '\r') continue;
    if (!IsHexDigit(ch)) Fail(line_, "binary data holds a character that is not a hex digit");
    if (pending < 0) {
      pending = HexValue(ch);
    } else {
      v.Bytes.push_back(static_cast<std::uint8_t>(pending * 16 + HexValue(ch)));
      pending = -1;
    }
  }
  if (pending >= 0) Fail(v.Line, "binary data has an odd number of hex digits");
  return v;
}

// -- lexer -------------------------------------------------------------------

const LayoutParser::Token& LayoutParser::Peek() {
  if (!peeked_) {
    peek_ = LexToken();
    peeked_ = true;
  }
  return peek_;
}

LayoutParser::Token LayoutParser::Next() {
  if (peeked_) {
    peeked_ = false;
    return std::move(peek_);
  }
  return LexToken();
}

bool LayoutParser::IsKeyword(const Token& t, std::string_view word) const {
  return t.Type == Tok::Ident && SameText(t.Text, word);
}

void LayoutParser::Expect(char symbol, const char* what) {
  Token t = Next();
  if (!IsSymbol(t, symbol)) Fail(t.Line, std::string("expected ") + what);
}

void LayoutParser::SkipBlanks() {
  while (pos_ < text_.size()) {
    char ch = text_[pos_];
    if (ch == '\n') {
      ++line_;
      ++pos_;
    } else if (ch == ' ' || ch == '\t' || ch == '\r') {
      ++pos_;
    } else if (ch == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else {
      return;
    }
  }
}

LayoutParser::Token LayoutParser::LexToken() {
  SkipBlanks();
  Token t;
  t.Line = line_;
  if (pos_ >= text_.size()) return t;
  char ch = text_[pos_];
  if (IsIdentStart(ch)) {
    std::size_t start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    t.Type = Tok::Ident;
    t.Text = std::string(text_.substr(start, pos_ - start));
    return t;
  }
  if (IsDigit(ch) || ch == '$') return LexNumber(false);
  if (ch == '-' && pos_ + 1 < text_.size() && (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$')) {
    ++pos_;
    return LexNumber(true);
  }
  if (ch == '\'' || ch == '#') return LexString();
  if (std::string_view("=:[](),<>{}+").find(ch) != std::string_view::npos) {
    ++pos_;
    t.Type = Tok::Symbol;
    t.Text = std::string(1, ch);
    return t;
  }
  Fail(line_, "unexpected character in the layout");
}

LayoutParser::Token LayoutParser::LexNumber(bool negative) {
  Token t;
  t.Line = line_;
  t.Type = Tok::Integer;
  std::size_t start = pos_;
  if (text_[pos_] == '$') {
    ++pos_;
    std::uint64_t value = 0;
    std::size_t digits = 0;
    while (pos_ < text_.size() && IsHexDigit(text_[pos_])) {
      if (++digits > 16) Fail(line_, "hexadecimal number too long");
      value = value * 16 + static_cast<std::uint64_t>(HexValue(text_[pos_++]));
    }
    if (digits == 0) Fail(line_, "\"$\" without hex digits");
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      Fail(line_, "number out of range");
    t.Integer = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
  } else {
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    bool isFloat = false;
    if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
      isFloat = true;
      ++pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      std::size_t save = pos_++;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (pos_ < text_.size() && IsDigit(text_[pos_])) {
        isFloat = true;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      } else {
        pos_ = save;
      }
    }
    std::string digits = (negative ? "-" : "") + std::string(text_.substr(start, pos_ - start));
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    std::from_chars_result r;
    if (isFloat) {
      t.Type = Tok::Float;
      r = std::from_chars(first, last, t.Float);
    } else {
      r = std::from_chars(first, last, t.Integer);
    }
    if (r.ec != std::errc() || r.ptr != last) Fail(line_, "number out of range");
  }
  if (pos_ < text_.size() && IsIdentChar(text_[pos_])) Fail(line_, "malformed number");
  return t;
}

LayoutParser::Token LayoutParser::LexString() {
  Token t;
  t.Line = line_;
  t.Type = Tok::String;
  // Quoted parts and #codes written back to back form one string.
  while (pos_ < text_.size()) {
    if (text_[pos_] == '\'')
      AppendQuoted(t.Text);
    else if (text_[pos_] == '#')
      AppendCharCode(t.Text);
    else
      break;
  }
  return t;
}

void LayoutParser::AppendQuoted(std::string& out) {
  ++pos_;  // opening quote
  for (;;) {
    if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r') Fail(line_, "unterminated string");
    char ch = text_[pos_];
    if (ch == '\'') {
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
        out += '\'';
        pos_ += 2;
        continue;
      }
      ++pos_;
      return;
    }
    std::size_t len = Utf8SequenceLength(text_.substr(pos_));
    if (len == 0) Fail(line_, "the string is not valid UTF-8");
    out.append(text_.substr(pos_, len));
    pos_ += len;
  }
}

void LayoutParser::AppendCharCode(std::string& out) {
  ++pos_;  // '#'
  bool hex = pos_ < text_.size() && text_[pos_] == '$';
  if (hex) ++pos_;
  std::uint32_t cp = 0;
  std::size_t digits = 0;
  while (pos_ < text_.size() && (hex ? IsHexDigit(text_[pos_]) : IsDigit(text_[pos_]))) {
    cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(HexValue(text_[pos_++]));
    if (++digits > 7 || cp > 0x10FFFF) Fail(line_, "character code out of range");
  }
  if (digits == 0) Fail(line_, "\"#\" without a character code");
  if (cp >= 0xD800 && cp <= 0xDFFF) Fail(line_, "character code of a surrogate");
  AppendUtf8(out, cp);
}

void LayoutParser::Fail(int line, const std::string& message) const { throw LayoutError(file_, line, "", message); }
