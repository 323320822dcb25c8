#include <gtest/gtest.h>

#include "framework/TCollection.h"
#include "framework/TStringList.h"
#include "tests/framework/DemoComponents.h"

namespace {

TEST(StringList, EditingKeepsOrderAndChecksIndexes) {
  TStringList list;
  EXPECT_EQ(list.Add("Наполнить БАНКУ 1"), 0);
  EXPECT_EQ(list.Add("Вылить БАНКУ 1"), 1);
  list.Insert(1, "middle");
  list.Insert(3, "end");
  EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"Наполнить БАНКУ 1", "middle", "Вылить БАНКУ 1", "end"}));
  list.Delete(0);
  list.Put(0, "first");
  EXPECT_EQ(list[0], "first");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.Get(3), std::out_of_range);
  EXPECT_THROW(list.Delete(-1), std::out_of_range);
  EXPECT_THROW(list.Insert(5, "x"), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.Get(0), std::out_of_range);
}

TEST(StringList, IndexOfFoldsAsciiCaseUnlessCaseSensitive) {
  TStringList list{"Alpha", "beta", "Вылить"};
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("Beta"), 1);
  EXPECT_EQ(list.IndexOf("Вылить"), 2);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  list.CaseSensitive = true;
  EXPECT_EQ(list.IndexOf("ALPHA"), -1);
  EXPECT_EQ(list.IndexOf("Alpha"), 0);
}

TEST(StringList, TextSplitsEveryLineBreakStyle) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(list.Text(), "one\ntwo\nthree\nfour\n");
  list.SetText("a\n\nb\n");
  EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"a", "", "b"}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list{"plain", "two words", "say \"hi\"", "", "a,b"};
  std::string text = list.CommaText();
  EXPECT_EQ(text, "plain,\"two words\",\"say \"\"hi\"\"\",\"\",\"a,b\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_EQ(back.ToVector(), list.ToVector());
  back.SetCommaText("x y, z,");
  EXPECT_EQ(back.ToVector(), (std::vector<std::string>{"x", "y", "z", ""}));
}

TEST(StringList, ChangeEventFiresOncePerBatch) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  list.SetStrings({"x", "y", "z"});  // clear and three adds in one batch
  EXPECT_EQ(changes, 2);
  list.BeginUpdate();
  list.EndUpdate();  // nothing changed, nothing reported
  EXPECT_EQ(changes, 2);
  TStringList copy;
  copy.Assign(list);
  EXPECT_EQ(copy.ToVector(), list.ToVector());
  copy.AddStrings(copy);
  EXPECT_EQ(copy.Count(), 6);
  TDemoFont font;
  EXPECT_THROW(copy.Assign(font), std::invalid_argument);
}

TEST(Collection, OwnsItemsAndKeepsTheirIndexes) {
  TDemoStore store(nullptr);
  TDemoItem* first = store.Skins.Add();
  TDemoItem* second = store.Skins.Add();
  first->Name = "one";
  second->Name = "two";
  EXPECT_EQ(store.Skins.Count(), 2);
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(second->Collection(), &store.Skins);
  EXPECT_EQ(store.Skins.GetOwner(), &store);
  store.Skins.Delete(0);
  EXPECT_EQ(second->Index(), 0);
  EXPECT_EQ(store.Skins[0]->Name, "two");
  EXPECT_THROW(store.Skins.Items(1), std::out_of_range);
  EXPECT_THROW(store.Skins.Delete(-1), std::out_of_range);
  store.Skins.Clear();
  EXPECT_EQ(store.Skins.Count(), 0);
}

}  // namespace
