#pragma once
// Reads the text of a layout file into a LayoutNode tree. The text is UTF-8
// in the style of the classic form files:
//     object Form1: TForm1
//       Caption = 'Банки'
//       Font.Height = -11
//       object sListBox1: TsListBox
//         Items.Strings = ('Наполнить БАНКУ 1' 'Вылить БАНКУ 1')
//       end
//     end
// Any fault (syntax, bad number, bad UTF-8, nesting too deep) throws a
// LayoutError with the file name and line.
#include <string>
#include <string_view>

#include "framework/streaming/LayoutNode.h"

class LayoutParser {
 public:
  LayoutParser(std::string fileName, std::string_view text);

  LayoutNode Parse();

  // Deeper nesting of objects, lists and collections is refused.
  static constexpr int kMaxDepth = 64;

 private:
  enum class Tok { End, Ident, Integer, Float, String, Symbol };
  struct Token {
    Tok Type = Tok::End;
    std::string Text;  // identifier, string contents, symbol character
    std::int64_t Integer = 0;
    double Float = 0;
    int Line = 1;
  };

  LayoutNode ParseObject(int depth);
  LayoutProperty ParseProperty(int depth);
  LayoutValue ParseValue(int depth);
  LayoutValue ParseBinary();
  void ParseStringTail(LayoutValue& value);

  // Lexer.
  const Token& Peek();
  Token Next();
  Token LexToken();
  void SkipBlanks();
  Token LexNumber(bool negative);
  Token LexString();
  void AppendQuoted(std::string& out);
  void AppendCharCode(std::string& out);
  bool IsSymbol(const Token& t, char symbol) const { return t.Type == Tok::Symbol && t.Text[0] == symbol; }
  bool IsKeyword(const Token& t, std::string_view word) const;
  void Expect(char symbol, const char* what);

  [[noreturn]] void Fail(int line, const std::string& message) const;

  std::string file_;
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool peeked_ = false;
  Token peek_;
};
