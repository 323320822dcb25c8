// The command list: the current line keeps its highlight when the list
// loses the focus, typed letters search the lines incrementally on the
// virtual clock, and without a skin the lines are drawn in the list's font
// colour.
#include "tests/adapters/SkinnedListFixture.h"

#include "controls/TsEdit.h"

using namespace scroll_test;

namespace {
int RowY(int line) { return 1 + line * 13 + 6; }

// Whether some pixel of the row between x0 and x1 is close to the colour.
bool RowHasColor(SkinnedList& t, int y, int x0, int x1, TColor color) {
  const Bitmap shot = t.driver.screenshot();
  for (int x = x0; x < x1; ++x) {
    const POINT p = t.Screen(x, y);
    const TColor c = shot.pixel(p.X, p.Y);
    int distance = 0;
    for (int shift : {0, 8, 16}) distance += std::abs(static_cast<int>((c >> shift) & 0xFF) - static_cast<int>((color >> shift) & 0xFF));
    if (distance < 60) return true;
  }
  return false;
}
}  // namespace

TEST_F(SkinnedList, CurrentLineStaysHighlightedAfterTheListLosesFocus) {
  Fill(5);
  auto* other = new TsEdit(form);
  other->SetParent(form);
  other->SetBounds(10, 200, 100, 21);
  list->SetFocus();
  list->SetItemIndex(2);
  driver.runUntilIdle();
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(At(120, RowY(2)), highlight);
  other->SetFocus();
  driver.runUntilIdle();
  ASSERT_FALSE(list->Focused());
  EXPECT_EQ(At(120, RowY(2)), highlight) << "the current line keeps its highlight";
  EXPECT_EQ(At(120, RowY(1)), kEdit);
}

TEST_F(SkinnedList, TypedLettersWithinTheDelaySearchForTheirWholeText) {
  for (const char* line : {"Ноль", "Наполнить БАНКУ 1", "Перелить", "Вылить"}) list->Items().Add(line);
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  list->SetFocus();
  driver.runUntilIdle();
  driver.typeText("Н");
  driver.runFor(100);
  EXPECT_EQ(list->ItemIndex(), 0);
  driver.typeText("а");
  driver.runUntilIdle();
  EXPECT_EQ(list->SearchText(), "На");
  EXPECT_EQ(list->ItemIndex(), 1) << "the search text is \"На\", not a second \"а\"";
  EXPECT_EQ(clicks, 2);

  driver.runFor(501);
  driver.typeText("П");
  driver.runUntilIdle();
  EXPECT_EQ(list->SearchText(), "П") << "after a longer pause a new search starts";
  EXPECT_EQ(list->ItemIndex(), 2);

  driver.typeText("е");
  driver.pressKey(VK_BACK);
  driver.runUntilIdle();
  EXPECT_EQ(list->SearchText(), "П") << "backspace takes a whole two-byte letter";
  driver.pressKey(VK_BACK);
  driver.runUntilIdle();
  EXPECT_EQ(list->SearchText(), "");
  EXPECT_EQ(list->ItemIndex(), 0) << "an empty search goes to the first line";
}

TEST_F(SkinnedList, WithoutASkinTheLinesAreDrawnInTheListsFontColour) {
  manager.SetActive(false);
  list->Font().SetColor(clBlue);
  list->Font().SetStyle(fsBold);
  Fill(3);
  list->Invalidate();
  driver.runUntilIdle();
  EXPECT_TRUE(RowHasColor(*this, RowY(0), 2, 60, clBlue));
  EXPECT_FALSE(RowHasColor(*this, RowY(0), 2, 60, clBlack));
}
