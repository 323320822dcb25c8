#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/streaming/LayoutError.h"
#include "framework/streaming/LayoutReader.h"
#include "resources/Resources.h"
#include "tests/framework/DemoComponents.h"

namespace {

class LayoutReaderTest : public ::testing::Test {
 protected:
  LayoutReaderTest() : reader_(registry_, &FindResource) {
    RegisterDemoClasses(registry_);
    DemoLog().clear();
  }

  // Reads `body` as the inside of a TDemoForm layout.
  void ReadForm(const std::string& body) {
    reader_.Read(form_, "test.lfm", "object Form: TDemoForm\n" + body + "end\n");
  }

  // The error of reading `body`, which must fail.
  LayoutError ErrorOf(const std::string& body) {
    try {
      TDemoForm form(nullptr);
      reader_.Read(form, "bad.lfm", "object Form: TDemoForm\n" + body + "end\n");
    } catch (const LayoutError& e) {
      return e;
    }
    ADD_FAILURE() << "accepted: " << body;
    return LayoutError("", 0, "", "");
  }

  TClassRegistry registry_;
  LayoutReader reader_;
  TDemoForm form_{nullptr};
};

TEST_F(LayoutReaderTest, DemoLayoutBuildsTheWholeForm) {
  reader_.ReadResource(form_, "layouts/TDemoForm.lfm");
  EXPECT_EQ(form_.Name(), "DemoForm");
  EXPECT_EQ(form_.Caption(), "Банки");
  EXPECT_EQ(form_.Color, clBtnFace);
  EXPECT_EQ(form_.Font.Color, clWindowText);
  EXPECT_EQ(form_.Font.Height, -11);
  EXPECT_EQ(form_.Font.Name, "MS Sans Serif");
  EXPECT_EQ(form_.Font.Style, 1u);

  // Components are owned by the root, nested by the layout, and land in the
  // root's published fields.
  ASSERT_NE(form_.Panel1, nullptr);
  ASSERT_NE(form_.List1, nullptr);
  EXPECT_EQ(form_.ComponentCount(), 4);
  auto* label = form_.FindComponent<TDemoWidget>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Owner(), &form_);
  EXPECT_EQ(label->ParentComponent, form_.Panel1);
  EXPECT_EQ(form_.Panel1->ParentComponent, &form_);
  EXPECT_EQ(label->Alignment, taCenter);
  EXPECT_EQ(label->Tag, 7);

  EXPECT_EQ(form_.List1->Items.ToVector(), (std::vector<std::string>{"Наполнить БАНКУ 1", "Вылить БАНКУ 1"}));
  EXPECT_DOUBLE_EQ(form_.List1->Ratio, 6.02);
  EXPECT_EQ(form_.List1->Color, 0x00FF00u);
  auto* store = form_.FindComponent<TDemoStore>("Store1");
  EXPECT_EQ(form_.List1->Buddy, store);  // a reference to a component read later

  // Events call the root's handlers.
  ASSERT_TRUE(form_.OnCreate);
  form_.OnCreate(&form_);
  ASSERT_TRUE(label->OnClick);
  label->OnClick(label);
  label->OnClick(label);
  EXPECT_EQ(form_.Creates, 1);
  EXPECT_EQ(form_.Clicks, 2);

  // Collections: items with inline and embedded binary data.
  ASSERT_EQ(store->Skins.Count(), 2);
  EXPECT_EQ(store->Skins[0]->Name, "Birch (internal)");
  EXPECT_EQ(store->Skins[0]->DataSource, "layouts/TDemoForm.lfm");
  std::ifstream file(TRAINER_SOURCE_DIR "/resources/layouts/TDemoForm.lfm", std::ios::binary);
  std::stringstream onDisk;
  onDisk << file.rdbuf();
  EXPECT_EQ(std::string(store->Skins[0]->Data.begin(), store->Skins[0]->Data.end()), onDisk.str());
  EXPECT_EQ(store->Skins[1]->Name, "It's inline");
  EXPECT_EQ(store->Skins[1]->Data, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
}

TEST_F(LayoutReaderTest, PropertiesAreSetInFileOrderWhileLoadingThenLoadedRunsInCreationOrder) {
  reader_.ReadResource(form_, "layouts/TDemoForm.lfm");
  std::vector<std::string> expected = {
      "DemoForm.Left=200 (loading)",  // the root's name is set before its properties
      "DemoForm.Caption=Банки (loading)",
      "Panel1.Left=368 (loading)",
      "Panel1.Caption=Панель Управления (loading)",
      "Label1.Caption=Набор команд: (loading)",
      "List1.Left=368 (loading)",
      "Loaded DemoForm",
      "Loaded Panel1",
      "Loaded Label1",
      "Loaded List1",
  };
  EXPECT_EQ(DemoLog(), expected);
  for (int i = 0; i < form_.ComponentCount(); ++i) EXPECT_EQ(form_.Components(i)->ComponentState(), 0u);
  EXPECT_EQ(form_.ComponentState(), 0u);
}

TEST_F(LayoutReaderTest, ACollectionReadAgainIsReplaced) {
  ReadForm(
      "  object S: TDemoStore\n"
      "    Skins = <item Name = 'a' end item Name = 'b' end>\n"
      "    Skins = <item Name = 'c' end>\n"
      "  end\n");
  auto* store = form_.FindComponent<TDemoStore>("S");
  ASSERT_EQ(store->Skins.Count(), 1);
  EXPECT_EQ(store->Skins[0]->Name, "c");
}

TEST_F(LayoutReaderTest, ValuesAreConvertedByThePropertyKind) {
  ReadForm(
      "  Color = -16777201\n"  // clBtnFace as a signed 32-bit number
      "  Visible = false\n"
      "  Ratio = 3\n"
      "  Font.Style = [fsUnderline, FSBOLD]\n"
      "  object W: TDemoWidget\n"
      "    Buddy = Form\n"
      "    Color = clmoneygreen\n"
      "    OnClick = nil\n"
      "  end\n");
  EXPECT_EQ(form_.Color, clBtnFace);
  EXPECT_FALSE(form_.Visible);
  EXPECT_DOUBLE_EQ(form_.Ratio, 3.0);
  EXPECT_EQ(form_.Font.Style, 0b101u);
  auto* w = form_.FindComponent<TDemoWidget>("W");
  EXPECT_EQ(w->Buddy, &form_);
  EXPECT_EQ(w->Color, 0xC0DCC0u);
  EXPECT_FALSE(w->OnClick);
}

TEST_F(LayoutReaderTest, FaultsNameFileLineAndProperty) {
  struct Case {
    std::string Body;
    int Line;
    std::string Property;
    std::string Reason;
  };
  const std::vector<Case> cases = {
      {"  object X: TNoSuchClass\n  end\n", 2, "X", "unknown class TNoSuchClass"},
      {"  Width = 5\n", 2, "Width", "has no property Width"},
      {"  Font.Size = 5\n", 2, "Font.Size", "has no property Size"},
      {"  Caption.Size = 5\n", 2, "Caption.Size", "not an object"},
      {"  Left = 'x'\n", 2, "Left", "expected an integer, found a string"},
      {"  Left = 3000000000\n", 2, "Left", "outside"},
      {"  Caption = 12\n", 2, "Caption", "expected a quoted string"},
      {"  Visible = Yes\n", 2, "Visible", "True or False"},
      {"  Color = clPlaid\n", 2, "Color", "unknown colour clPlaid"},
      {"  Color = $1FFFFFFFF\n", 2, "Color", "outside"},
      {"  Alignment = taMiddle\n", 2, "Alignment", "unknown value taMiddle"},
      {"  Font.Style = [fsBlink]\n", 2, "Font.Style", "unknown set member fsBlink"},
      {"  Items.Strings = ('a' 1)\n", 2, "Items.Strings", "only quoted strings"},
      {"  Font = 1\n", 2, "Font", "through its properties"},
      {"  OnCreate = NoSuchHandler\n", 2, "OnCreate", "has no handler NoSuchHandler"},
      {"  OnCreate = WrongSignature\n", 2, "OnCreate", "does not have the parameters"},
      {"  Buddy = Nobody\n", 2, "Buddy", "unknown component Nobody"},
      {"  object S: TDemoStore\n    Skins = <item Data = {resource 'no/such.file'} end>\n  end\n", 3,
       "S.Skins[0].Data", "resource file no/such.file does not exist"},
      {"  object S: TDemoStore\n    Skins = <item Colour = 1 end>\n  end\n", 3, "S.Skins[0].Colour",
       "has no property Colour"},
      {"  object S: TDemoStore\n    Skins = 1\n  end\n", 3, "S.Skins", "expected a collection"},
      {"  object A: TDemoWidget\n  end\n  object a: TDemoWidget\n  end\n", 4, "a", "already exists"},
      {"  object Panel1: TDemoWidget\n  end\n", 2, "Panel1", "cannot hold a TDemoWidget"},
      {"  object W: TDemoWidget\n    Left = 1 +\n  end\n", 3, "", "expected a property"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Body);
    LayoutError e = ErrorOf(c.Body);
    EXPECT_EQ(e.File(), "bad.lfm");
    EXPECT_EQ(e.Line(), c.Line) << e.what();
    EXPECT_EQ(e.Property(), c.Property) << e.what();
    EXPECT_NE(e.Reason().find(c.Reason), std::string::npos) << e.what();
  }
}

TEST_F(LayoutReaderTest, TheRootMustBeTheClassTheLayoutNames) {
  TDemoWidget widget(nullptr);
  EXPECT_THROW(reader_.Read(widget, "x.lfm", "object Form: TDemoForm\nend\n"), LayoutError);
  EXPECT_THROW(reader_.ReadResource(form_, "layouts/NoSuchForm.lfm"), LayoutError);
}

TEST_F(LayoutReaderTest, ASetterFailureKeepsItsOwnException) {
  try {
    ReadForm("  object W: TDemoWidget\n    Name = 'bad name'\n  end\n");
    FAIL() << "accepted";
  } catch (const LayoutError& e) {
    EXPECT_EQ(e.Property(), "W.Name");
    try {
      std::rethrow_if_nested(e);
      FAIL() << "nothing nested";
    } catch (const EComponentError& inner) {
      EXPECT_NE(std::string(inner.what()).find("bad name"), std::string::npos);
    }
  }
}

}  // namespace
