// Owner-drawn command lists: the list draws its own rows by the selection
// and colour rules, an OnDrawItem handler gets the filled row and the focus
// rectangle on top of its drawing, and OnMeasureItem gives variable rows.
#include "tests/adapters/SkinnedListFixture.h"

#include <tuple>

#include "controls/TsEdit.h"
#include "paint/primitives/ColorMath.h"

using namespace scroll_test;

namespace {
// The list window has a one-pixel frame around its client area.
constexpr int kFrame = 1;
constexpr int kLine = 13;
int RowTop(int line) { return kFrame + line * kLine; }

struct OwnerDrawnList : SkinnedList {
  TsEdit* other = nullptr;
  OwnerDrawnList() {
    other = new TsEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 200, 100, 21);
  }
  // Pixels of one window row between x0 and x1 with exactly this colour.
  int CountInRow(int y, int x0, int x1, TColor color) {
    const Bitmap shot = driver.screenshot();
    int n = 0;
    for (int x = x0; x < x1; ++x) {
      const POINT p = Screen(x, y);
      n += shot.pixel(p.X, p.Y) == ColorToRGB(color);
    }
    return n;
  }
  // Pixels of the row within a small distance of the colour (text edges are
  // smoothed, so exact matches are rare).
  int CountNearInRow(int y, int x0, int x1, TColor color) {
    const Bitmap shot = driver.screenshot();
    const TColor want = ColorToRGB(color);
    int n = 0;
    for (int x = x0; x < x1; ++x) {
      const POINT p = Screen(x, y);
      const TColor c = shot.pixel(p.X, p.Y);
      int distance = 0;
      for (int shift : {0, 8, 16})
        distance += std::abs(static_cast<int>((c >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF));
      n += distance < 24;
    }
    return n;
  }
  void FocusList(int current) {
    list->SetFocus();
    list->SetItemIndex(current);
    driver.runUntilIdle();
  }
};
}  // namespace

TEST_F(OwnerDrawnList, FixedStyleDrawsRowsItselfAndKeepsTheCurrentOneAfterFocusLoss) {
  list->SetStyle(lbOwnerDrawFixed);
  ASSERT_TRUE(GetWindowLongPtr(hwnd(), GWL_STYLE) & LBS_OWNERDRAWFIXED) << "the new style made a new window";
  Fill(5);
  FocusList(2);
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(At(120, RowTop(2) + 6), highlight);
  EXPECT_EQ(At(120, RowTop(1) + 6), kEdit) << "other rows are filled with the list's colour";
  // The focus rectangle inverts every other pixel of the row's edge.
  EXPECT_GT(CountInRow(RowTop(2), kFrame, 130, ~highlight & 0xFFFFFF), 20);
  // Text starts 2 pixels in: nothing but the fill in the first two columns.
  for (int y = RowTop(1); y < RowTop(2); ++y) {
    EXPECT_EQ(At(kFrame, y), kEdit);
    EXPECT_EQ(At(kFrame + 1, y), kEdit);
  }
  EXPECT_LT(CountInRow(RowTop(1) + 6, kFrame + 2, 60, kEdit), 58) << "the text of row 1 is drawn";

  other->SetFocus();
  driver.runUntilIdle();
  ASSERT_FALSE(list->Focused());
  EXPECT_EQ(At(120, RowTop(2) + 6), highlight) << "the current row keeps its highlight";
  EXPECT_EQ(CountInRow(RowTop(2), kFrame, 130, ~highlight & 0xFFFFFF), 0) << "but loses its focus rectangle";
}

TEST_F(OwnerDrawnList, AHandlerGetsTheFilledRowAndTheFocusRectangleIsDrawnOverIt) {
  std::vector<std::tuple<int, TRect, TOwnerDrawState>> calls;
  list->OnDrawItem = [&](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
    EXPECT_EQ(control, list);
    calls.emplace_back(index, rect, state);
    // Paint only the left half: the right half shows what the list filled.
    list->Canvas().Brush.SetColor(clRed);
    list->Canvas().FillRect(Rect(rect.Left, rect.Top, rect.Left + 60, rect.Bottom));
  };
  list->SetStyle(lbOwnerDrawFixed);
  Fill(3);
  FocusList(1);
  calls.clear();
  list->Invalidate();
  driver.runUntilIdle();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(std::get<0>(calls[1]), 1);
  EXPECT_EQ(std::get<1>(calls[1]), Bounds(0, kLine, list->ClientWidth(), kLine));
  EXPECT_EQ(std::get<2>(calls[1]), odSelected | odFocused);
  EXPECT_EQ(std::get<2>(calls[0]), 0u);

  // With a handler in charge the list leaves the highlight to it.
  EXPECT_EQ(At(120, RowTop(1) + 6), kEdit);
  EXPECT_EQ(At(30, RowTop(0) + 6), ColorToRGB(clRed));
  // The focus rectangle lies over the handler's red, not under it.
  EXPECT_GT(CountInRow(RowTop(1), kFrame, kFrame + 60, ~ColorToRGB(clRed) & 0xFFFFFF), 10);
  EXPECT_EQ(CountInRow(RowTop(0), kFrame, kFrame + 60, ~ColorToRGB(clRed) & 0xFFFFFF), 0);

  // While the skin state is being rebuilt no row is drawn at all.
  list->SkinData().HoldPainting();
  calls.clear();
  list->Invalidate();
  driver.runUntilIdle();
  list->SkinData().ResumePainting();
  EXPECT_TRUE(calls.empty());
}

TEST_F(OwnerDrawnList, VariableStyleTakesEachRowsHeightFromOnMeasureItem) {
  std::vector<int> measured;
  list->OnMeasureItem = [&](TWinControl*, int index, int& height) {
    EXPECT_EQ(height, kLine) << "the height starts at the list's item height";
    measured.push_back(index);
    height = 10 + 5 * index;
  };
  Fill(4);
  EXPECT_TRUE(measured.empty()) << "a standard list measures nothing";
  list->SetStyle(lbOwnerDrawVariable);
  driver.runUntilIdle();
  EXPECT_EQ(measured, (std::vector<int>{0, 1, 2, 3})) << "the new window measured the held items";
  RECT rect{};
  SendMessage(hwnd(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
  EXPECT_EQ(rect, Bounds(0, 25, list->ClientWidth(), 20));

  FocusList(2);
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(At(120, kFrame + 24), kEdit);
  EXPECT_EQ(At(120, kFrame + 25 + 10), highlight);
  EXPECT_EQ(At(120, kFrame + 43), highlight) << "the row ends at 45 (its last line carries the focus rectangle)";
  EXPECT_EQ(At(120, kFrame + 45), kEdit);
  // A click at y = 50 of the client lands in the 25-pixel row 3 (45 to 70).
  driver.click(Screen(40, kFrame + 50));
  driver.runUntilIdle();
  EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(OwnerDrawnList, ADisabledListMixesItsFontColourTowardItsColourUnlessTheFontIsCustom) {
  list->SetStyle(lbOwnerDrawFixed);
  Fill(2);
  list->SkinData().SetCustomFont(true);
  list->Font().SetColor(clBlue);
  list->SetEnabled(false);
  driver.runUntilIdle();
  const TColor mixed = MixColors(ColorToRGB(clBlue), kEdit, 0.4);
  EXPECT_GT(CountNearInRow(RowTop(0) + 6, kFrame, 80, clBlue), 0) << "a custom font keeps its colour";
  list->SkinData().SetCustomFont(false);
  list->Font().SetColor(clBlue);
  list->Invalidate();
  driver.runUntilIdle();
  EXPECT_EQ(CountNearInRow(RowTop(0) + 6, kFrame, 80, clBlue), 0) << "disabled text fades toward the list's colour";
  EXPECT_GT(CountNearInRow(RowTop(0) + 6, kFrame, 80, mixed), 0);
}

// A handler may free its list box, or the form holding it, while it draws a
// row: drawing stops at that row and nothing touches the freed list again.
struct ListFreedWhileDrawing : OwnerDrawnList {
  // Draws the rows of a three-row list again; the handler of the focused
  // row (the focus rectangle is still to come after it) frees `doomed`.
  // Answers the rows whose handler ran.
  std::vector<int> DrawFreeing(TComponent* doomed) {
    list->SetStyle(lbOwnerDrawFixed);
    Fill(3);
    FocusList(1);
    listWindow = hwnd();
    std::vector<int> drawn;
    list->OnDrawItem = [this, &drawn, doomed](TWinControl*, int index, const TRect&, TOwnerDrawState) {
      drawn.push_back(index);
      if (index != 1) return;
      list = nullptr;
      if (doomed == form) form = nullptr;
      delete doomed;
    };
    InvalidateRect(listWindow, nullptr, TRUE);
    driver.runUntilIdle();
    return drawn;
  }
  HWND listWindow = nullptr;
};

TEST_F(ListFreedWhileDrawing, TheListFreedByItsHandler) {
  EXPECT_EQ(DrawFreeing(list), (std::vector<int>{0, 1})) << "no row is drawn after the one that freed the list";
  EXPECT_FALSE(IsWindow(listWindow));
  ASSERT_EQ(form->ControlCount(), 1) << "the other field is left on the form";
  EXPECT_EQ(form->Controls(0), other);
  // The form paints on without the list.
  form->Invalidate();
  driver.runUntilIdle();
}

TEST_F(ListFreedWhileDrawing, TheFormFreedByTheListsHandler) {
  const HWND formWindow = form->Handle();
  EXPECT_EQ(DrawFreeing(form), (std::vector<int>{0, 1}));
  EXPECT_FALSE(IsWindow(listWindow));
  EXPECT_FALSE(IsWindow(formWindow));
}
