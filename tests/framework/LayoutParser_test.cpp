#include <gtest/gtest.h>

#include "framework/streaming/LayoutError.h"
#include "framework/streaming/LayoutParser.h"

namespace {

LayoutNode Parse(std::string_view text) { return LayoutParser("t.lfm", text).Parse(); }

// The value of the single property of a one-object layout.
LayoutValue ValueOf(std::string_view value) {
  std::string text = "object A: TA\n  P = " + std::string(value) + "\nend\n";
  LayoutNode node = Parse(text);
  EXPECT_EQ(node.Properties.size(), 1u);
  return node.Properties.at(0).Value;
}

TEST(LayoutParser, ReadsNestedObjectsWithPropertiesInFileOrder) {
  LayoutNode root = Parse(
      "\xEF\xBB\xBF"
      "object Form1: TForm1\n"
      "  Left = 200\n"
      "  Font.Height = -11\n"
      "  object Panel: TPanel\n"
      "    object Label1: TLabel\n"
      "    end\n"
      "  end\n"
      "  object TTimer\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(root.Name, "Form1");
  EXPECT_EQ(root.ClassName, "TForm1");
  ASSERT_EQ(root.Properties.size(), 2u);
  EXPECT_EQ(root.Properties[1].Name, "Font.Height");
  EXPECT_EQ(root.Properties[1].Line, 3);
  ASSERT_EQ(root.Children.size(), 2u);
  EXPECT_EQ(root.Children[0].Children.at(0).Name, "Label1");
  EXPECT_EQ(root.Children[0].Children.at(0).Line, 5);
  EXPECT_EQ(root.Children[1].Name, "");
  EXPECT_EQ(root.Children[1].ClassName, "TTimer");
}

TEST(LayoutParser, NumbersInEveryNotation) {
  EXPECT_EQ(ValueOf("-11").Integer, -11);
  EXPECT_EQ(ValueOf("$FF00FF").Integer, 0xFF00FF);
  EXPECT_EQ(ValueOf("-$10").Integer, -16);
  EXPECT_EQ(ValueOf("9223372036854775807").Integer, INT64_MAX);
  EXPECT_EQ(ValueOf("6.02").Type, LayoutValue::Kind::Float);
  EXPECT_DOUBLE_EQ(ValueOf("6.02").Float, 6.02);
  EXPECT_DOUBLE_EQ(ValueOf("-1.5e2").Float, -150.0);
  EXPECT_EQ(ValueOf("clBtnFace").Text, "clBtnFace");
  EXPECT_EQ(ValueOf("Form2.Button1").Type, LayoutValue::Kind::Identifier);
}

TEST(LayoutParser, StringsWithEscapesCodesAndConcatenation) {
  EXPECT_EQ(ValueOf("'Банки'").Text, "Банки");
  EXPECT_EQ(ValueOf("'It''s'").Text, "It's");
  EXPECT_EQ(ValueOf("''").Text, "");
  EXPECT_EQ(ValueOf("'a'#13#10'b'").Text, "a\r\nb");
  EXPECT_EQ(ValueOf("#1041#$44B").Text, "Бы");
  EXPECT_EQ(ValueOf("'one ' +\n    'two'").Text, "one two");
}

TEST(LayoutParser, SetsListsCollectionsAndBinary) {
  LayoutValue set = ValueOf("[fsBold, fsItalic]");
  EXPECT_EQ(set.Type, LayoutValue::Kind::Set);
  EXPECT_EQ(set.Names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(ValueOf("[]").Names.empty());

  LayoutValue list = ValueOf("(\n 'Наполнить БАНКУ 1'\n 'Вылить БАНКУ 1')");
  ASSERT_EQ(list.Values.size(), 2u);
  EXPECT_EQ(list.Values[1].Text, "Вылить БАНКУ 1");

  LayoutValue items = ValueOf("<\n item\n Name = 'x'\n Sub = <>\n end\n item\n end>");
  ASSERT_EQ(items.Items.size(), 2u);
  EXPECT_EQ(items.Items[0].Properties.size(), 2u);
  EXPECT_EQ(items.Items[0].Properties[1].Value.Type, LayoutValue::Kind::Collection);
  EXPECT_TRUE(items.Items[1].Properties.empty());

  EXPECT_EQ(ValueOf("{0a0B\n FF}").Bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
  EXPECT_TRUE(ValueOf("{}").Bytes.empty());
  LayoutValue ref = ValueOf("{resource 'skins/Birch.asz'}");
  EXPECT_EQ(ref.Type, LayoutValue::Kind::Resource);
  EXPECT_EQ(ref.Text, "skins/Birch.asz");
}

TEST(LayoutParser, MalformedLayoutsNameTheLine) {
  struct Case {
    const char* Text;
    int Line;
    const char* Reason;
  };
  const Case cases[] = {
      {"", 1, "must start with \"object\""},
      {"object A: TA\n  P = 1\n", 1, "has no \"end\""},
      {"object A: TA\n  P 1\nend", 2, "expected \"=\""},
      {"object A: TA\n  P = 'open\nend", 2, "unterminated string"},
      {"object A: TA\n  P = 99999999999999999999\nend", 2, "out of range"},
      {"object A: TA\n  P = $\nend", 2, "without hex digits"},
      {"object A: TA\n  P = 12abc\nend", 2, "malformed number"},
      {"object A: TA\n\n  P = {0A1}\nend", 3, "odd number"},
      {"object A: TA\n  P = {0AZZ}\nend", 2, "not a hex digit"},
      {"object A: TA\n  P = {0A\n", 2, "without \"}\""},
      {"object A: TA\n  P = {resource}\nend", 2, "quoted path"},
      {"object A: TA\n  P = [a b]\nend", 2, "\",\" or \"]\""},
      {"object A: TA\n  P = ('a'\nend", 2, "without \")\""},
      {"object A: TA\n  P = <x>\nend", 2, "expected \"item\""},
      {"object A: TA\n  P = #\nend", 2, "without a character code"},
      {"object A: TA\n  P = #$110000\nend", 2, "out of range"},
      {"object A: TA\n  P = #55296\nend", 2, "surrogate"},
      {"object A: TA\n  P = 'a' +\nend", 3, "string after \"+\""},
      {"object A: TA\n  P = 'bad \xC3\x28'\nend", 2, "not valid UTF-8"},
      {"object A: TA\n  P = 'overlong \xC0\xAF'\nend", 2, "not valid UTF-8"},
      {"object A: TA\n  object B: TB\n  end\n  P = 1\nend", 4, "follows nested objects"},
      {"object A: TA\n  P = ;\nend", 2, "unexpected character"},
      {"object A: TA\n  P = =\nend", 2, "where a value should be"},
      {"object A: TA\n  .P = 1\nend", 2, "unexpected character"},
      {"object A: TA\n  P. = 1\nend", 2, "malformed property name"},
      {"object A.B: TA\nend", 1, "cannot contain"},
      {"object A: TA\nend\nend", 3, "after the end"},
      {"object A: TA\n  P =", 2, "file ends"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    try {
      Parse(c.Text);
      ADD_FAILURE() << "accepted";
    } catch (const LayoutError& e) {
      EXPECT_EQ(e.File(), "t.lfm");
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(e.Reason().find(c.Reason), std::string::npos) << e.what();
    }
  }
}

TEST(LayoutParser, DeepNestingIsRefusedNotRecursedInto) {
  std::string objects;
  for (int i = 0; i < 1000; ++i) objects += "object A: TA\n";
  EXPECT_THROW(Parse(objects), LayoutError);
  std::string lists = "object A: TA\n P = " + std::string(100000, '(');
  EXPECT_THROW(Parse(lists), LayoutError);
  std::string items = "object A: TA\n";
  for (int i = 0; i < 1000; ++i) items += " P = < item\n";
  EXPECT_THROW(Parse(items), LayoutError);
  // Nesting within the limit is fine.
  std::string ok;
  for (int i = 0; i < 10; ++i) ok += "object A: TA\n";
  for (int i = 0; i < 10; ++i) ok += "end\n";
  EXPECT_NO_THROW(Parse(ok));
}

}  // namespace
