// The skinned command picker on the headless screen with a small skin made
// in code: the box, its button and the three frames of its arrow glyph are
// plain colours, so one pixel tells which part was painted and in which
// state. The drop-down list of a long list gets the "EDIT" frame and the
// skinned bar, and a press on that bar scrolls the open list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "adapters/TacComboListWnd.h"
#include "controls/TsComboBox.h"
#include "framework/controls/TButton.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "tests/controls/SkinnedComboFixture.h"
#include "tests/platform/windowing/LaterSubclasser.h"

namespace {

using combo_test::kBox;
using combo_test::kBoxHot;
using combo_test::kButton;
using combo_test::kButtonHot;
using combo_test::kGlyph;
using combo_test::kText;
constexpr TColor kEdit = 0x00E8FFE8;
constexpr TColor kArrow = 0x00A0C0E0;
constexpr TColor kTrack = 0x00D0D0D0;
constexpr TColor kSlider = 0x00406080;

struct SkinnedCombo : ::testing::Test, combo_test::ComboOnScreen {
  TBareTestForm* form = nullptr;
  TButton* other = nullptr;
  int changes = 0;

  SkinnedCombo() {
    AddSection("GLOBALINFO", 0x00F0F0F0, 0x00F0F0F0);
    AddSection("COMBOBOX", kBox, kBoxHot);
    AddSection("COMBOBTN", kButton, kButtonHot);
    AddSection("EDIT", kEdit, kEdit);
    for (const char* bar : {"SCROLLBAR1V", "SCROLLBAR1H", "SCROLLBAR2V", "SCROLLBAR2H"}) AddSection(bar, kTrack, kTrack);
    for (const char* arrow : {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"})
      AddSection(arrow, kArrow, kArrow);
    AddSection("SCROLLSLIDERV", kSlider, kSlider);
    AddSection("SCROLLSLIDERH", kSlider, kSlider);
    AddGlyph();
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(40, 40, 320, 300);
    combo = new TsComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(8, 20, 241, 21);
    combo->SetCtl3D(false);
    combo->Font().SetColor(kText);
    for (const char* entry : {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2", "Вылить всё из БАНКИ 1"})
      combo->Items().Add(entry);
    combo->SetText("Выберите команду");
    combo->OnChange = [this](TObject*) { ++changes; };
    other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(8, 200, 80, 25);
    form->Show();
    driver.runUntilIdle();
    other->SetFocus();
    driver.runUntilIdle();
  }
  TColor ButtonFace() { return At(Button().Left + 1, Button().Top + 1); }
  TColor Arrow() { return At(ButtonMiddle().X, ButtonMiddle().Y); }
  void ClickButton() { driver.clickClient(box(), {ButtonMiddle().X, ButtonMiddle().Y}); }
  // Pixels of the area near the colour (smoothed text comes close).
  int CountColour(const TRect& area, TColor colour) {
    const Bitmap shot = driver.screenshot();
    const TColor want = ColorToRGB(colour);
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const POINT p = driver.clientToScreen(box(), {x, y});
        const TColor c = shot.pixel(p.X, p.Y);
        int d = 0;
        for (int shift : {0, 8, 16}) d += std::abs(static_cast<int>((c >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF));
        n += d < 60;
      }
    return n;
  }
};

TEST_F(SkinnedCombo, ClosedBoxShowsTheSkinsBoxButtonAndArrowInTheStateOfTheMoment) {
  ASSERT_TRUE(combo->SkinData().Skinned());
  const TRect button = Button();
  EXPECT_EQ(button, Rect(241 - 3 - GetSystemMetrics(SM_CXVSCROLL), 2, 241 - 3, 19));
  // Idle: the box, the button and the arrow's first frame.
  EXPECT_EQ(At(1, 1), kBox) << "no plain frame line";
  EXPECT_EQ(At(button.Left - 2, 10), kBox);
  EXPECT_EQ(ButtonFace(), kButton);
  EXPECT_EQ(Arrow(), kGlyph[0]);
  EXPECT_EQ(At(240, 10), kBox) << "the button stands 3 pixels in from the right edge";

  // The pointer over the box lights box, button and arrow.
  driver.moveTo(driver.clientToScreen(box(), {120, 10}));
  EXPECT_TRUE(combo->SkinData().MouseAbove());
  EXPECT_EQ(At(1, 1), kBoxHot);
  EXPECT_EQ(ButtonFace(), kButtonHot);
  EXPECT_EQ(Arrow(), kGlyph[1]);
  driver.moveTo(driver.clientToScreen(box(), {ButtonMiddle().X, 10}));
  EXPECT_TRUE(combo->SkinData().MouseAbove()) << "the inner edit and the button are part of the box";

  // Dropped down: the arrow's pressed frame; command 14 says so.
  ClickButton();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(Arrow(), kGlyph[2]);
  EXPECT_EQ(SendMessage(box(), SM_SKINCOMMAND, SkinCommand(SKC_QUERY_DROPPED_DOWN), 0), 1);
  driver.pressKey(VK_ESCAPE);
  ASSERT_FALSE(combo->DroppedDown());
  EXPECT_EQ(SendMessage(box(), SM_SKINCOMMAND, SkinCommand(SKC_QUERY_DROPPED_DOWN), 0), 0);
  EXPECT_EQ(Arrow(), kGlyph[1]) << "focused after the click";

  // Focus elsewhere and the pointer away: idle again.
  driver.moveTo(driver.clientToScreen(other->Handle(), {5, 5}));
  other->SetFocus();
  driver.runUntilIdle();
  EXPECT_FALSE(combo->SkinData().Focused());
  EXPECT_FALSE(combo->SkinData().MouseAbove());
  EXPECT_EQ(Arrow(), kGlyph[0]);
  EXPECT_EQ(At(1, 1), kBox);
}

TEST_F(SkinnedCombo, APressOnTheSkinnedButtonWhereThePlainOneDoesNotReachStillDropsTheList) {
  // The skinned button stands further in than the platform's button.
  COMBOBOXINFO info;
  SendMessage(box(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  const TPoint edge = Point(Button().Left, ButtonMiddle().Y);
  ASSERT_FALSE(info.rcButton.Contains(edge));
  driver.clickClient(box(), {edge.X, edge.Y});
  EXPECT_TRUE(combo->DroppedDown());
  driver.pressKey(VK_ESCAPE);
  ASSERT_FALSE(combo->DroppedDown());
}

TEST_F(SkinnedCombo, ARepaintWithNothingChangedReusesThePicture) {
  // Each new picture asks the form what lies under the box.
  int asked = 0;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&asked, previous](TMessage& m) {
    if (m.Msg == SM_SKINCOMMAND && SkinCommandOf(m.WParam) == SKC_GET_BACKGROUND) ++asked;
    previous(m);
  };
  RedrawWindow(box(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RedrawWindow(box(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(asked, 0) << "nothing changed since the last picture";
  EXPECT_EQ(At(1, 1), kBox);
  // A new width is a new picture.
  combo->SetBounds(8, 20, 201, 21);
  RedrawWindow(box(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GE(asked, 1);
  EXPECT_EQ(At(200 - 3 - GetSystemMetrics(SM_CXVSCROLL) - 2, 10), kBox);
  EXPECT_EQ(ButtonFace(), kButton);
  form->WindowProc = previous;
}

TEST_F(SkinnedCombo, UnfocusedPromptIsTheSkinsPictureAndTheFocusedTextTheInnerEdits) {
  const HWND edit = combo->InnerEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_FALSE(combo->InnerEditPaints());
  // Unfocused: the inner edit's place on the screen is the box's picture,
  // the prompt written by the skin in the font colour.
  RECT place{};
  GetWindowRect(edit, &place);
  POINT corner{place.Left, place.Top};
  ScreenToClient(box(), &corner);
  const TRect area = Bounds(corner.X, corner.Y, place.Width(), place.Height());
  TBitmap* cache = combo->SkinData().CacheBmp();
  ASSERT_NE(cache, nullptr);
  int differing = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) differing += At(x, y) != cache->Pixels().pixel(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_GT(CountColour(area, kText), 20) << "the prompt is there";
  EXPECT_EQ(CountColour(area, clHighlight), 0);

  // Focused: the inner edit writes the text itself, all of it selected.
  driver.clickClient(edit, {20, 5});
  ASSERT_TRUE(combo->SkinData().Focused());
  EXPECT_TRUE(combo->InnerEditPaints());
  EXPECT_FALSE(combo->DroppedDown()) << "a click in the text only focuses the edit";
  driver.pressKey(VK_END);
  driver.typeText("ы");
  EXPECT_EQ(combo->CurrentText(), "Выберите командуы");
  EXPECT_GT(CountColour(area, kText), 20);
  EXPECT_EQ(ButtonFace(), kButtonHot) << "focus lights the button";

  // Losing the focus gives the text back to the skin's picture.
  other->SetFocus();
  driver.runUntilIdle();
  EXPECT_FALSE(combo->InnerEditPaints());
  cache = combo->SkinData().CacheBmp();
  differing = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) differing += At(x, y) != cache->Pixels().pixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(SkinnedCombo, ReadOnlyBoxIgnoresLettersAndTheDropDownKeysButTakesFocusOnAClick) {
  combo->SetReadOnly(true);
  driver.clickClient(box(), {ButtonMiddle().X, ButtonMiddle().Y});
  EXPECT_TRUE(combo->SkinData().Focused()) << "the click focuses the box";
  EXPECT_FALSE(combo->DroppedDown()) << "but opens nothing";
  driver.typeText("абв");
  driver.pressKey('A');
  driver.pressKey(VK_DOWN);
  driver.pressKey(VK_F4);
  EXPECT_FALSE(combo->DroppedDown());
  driver.keyDown(VK_MENU);
  driver.pressKey(VK_DOWN);
  driver.keyUp(VK_MENU);
  EXPECT_FALSE(combo->DroppedDown()) << "Alt+Down";
  EXPECT_EQ(combo->CurrentText(), "Выберите команду");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(changes, 0);
  // Editing through the clipboard is refused too.
  SendMessage(combo->InnerEdit(), EM_SETSEL, 0, -1);
  SendMessage(combo->InnerEdit(), WM_CUT, 0, 0);
  SendMessage(combo->InnerEdit(), WM_CLEAR, 0, 0);
  EXPECT_EQ(combo->CurrentText(), "Выберите команду");
  EXPECT_FALSE(combo->InnerEditPaints()) << "a read-only box keeps its text in the skin's picture";

  // The same box writable again chooses with the keyboard.
  combo->SetReadOnly(false);
  driver.pressKey(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(SkinnedCombo, LongListDropsDownWithTheEditFrameAndASkinnedBarThatScrollsIt) {
  for (int i = 0; i < 20; ++i) combo->Items().Add("Команда " + std::to_string(i));
  combo->SetDropDownCount(16);
  ClickButton();
  ASSERT_TRUE(combo->DroppedDown());
  TacScrollWnd* adapter = combo->ListAdapter();
  ASSERT_NE(adapter, nullptr) << "23 entries are more than DropDownCount";
  const HWND list = combo->ListWindow();
  EXPECT_EQ(adapter->Window(), list);
  const POINT origin = driver.windowToScreen(list, {0, 0});
  const Bitmap shot = driver.screenshot();
  EXPECT_EQ(shot.pixel(origin.X, origin.Y + 20), kEdit) << "the frame comes from EDIT, not the plain line";
  ASSERT_TRUE(adapter->Bar(kBarVertical).Visible);
  const TRect bar = adapter->BarRect(kBarVertical);
  EXPECT_EQ(shot.pixel(origin.X + bar.Left + 4, origin.Y + bar.Top + 4), kArrow);

  // A press on the bottom arrow scrolls the open list and leaves it open.
  EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 0);
  const POINT down = driver.windowToScreen(list, {bar.Left + 4, bar.Bottom - 4});
  driver.click(down);
  EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(GetCapture(), list) << "the open list still sees the next click";
  // The entry under the pointer is chosen as before.
  RECT client{};
  GetClientRect(list, &client);
  const int itemHeight = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
  driver.clickClient(list, {20, itemHeight / 2});
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->CurrentText(), "Наполнить БАНКУ 2");
  EXPECT_EQ(changes, 1);

  // A click outside the open list closes it without a choice.
  ClickButton();
  ASSERT_TRUE(combo->DroppedDown());
  driver.click(driver.clientToScreen(form->Handle(), {300, 280}));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(changes, 1);
}

TEST_F(SkinnedCombo, ShortListKeepsThePlainDropDownAndRemovingTheSkinBringsThePlainBoxBack) {
  ClickButton();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->ListAdapter(), nullptr) << "3 entries fit in DropDownCount lines";
  driver.pressKey(VK_ESCAPE);

  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_FALSE(combo->SkinData().Skinned());
  EXPECT_EQ(combo->Color(), clWindow);
  EXPECT_EQ(combo->Font().Color(), clWindowText);
  // The flat plain look: a one-pixel frame line, the platform's button.
  EXPECT_EQ(At(0, 0), ColorToRGB(clWindowFrame));
  EXPECT_EQ(At(1, 1), ColorToRGB(clWindow));
  EXPECT_EQ(combo->CurrentText(), "Выберите команду") << "the new window keeps the text";
  EXPECT_EQ(combo->Items().Count(), 3);
}

TEST_F(SkinnedCombo, FocusedFixedChoiceIsWrittenOnTheHighlightAndADisabledBoxIsFaded) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  driver.runUntilIdle();
  ASSERT_TRUE(combo->SkinData().Skinned());
  EXPECT_EQ(combo->InnerEdit(), nullptr);
  const TRect text = combo->Geometry().TextRect();
  EXPECT_EQ(text, Rect(4, 3, Button().Left, 18)) << "one pixel further in than an editable box's";
  EXPECT_EQ(CountColour(text, clHighlight), 0);
  EXPECT_GT(CountColour(text, kText), 20);

  combo->SetFocus();
  driver.runUntilIdle();
  EXPECT_TRUE(combo->SkinData().Focused());
  EXPECT_GT(CountColour(text, clHighlight), text.Width() * text.Height() / 2) << "the choice on the highlight";
  EXPECT_EQ(Arrow(), kGlyph[1]);

  other->SetFocus();
  combo->SetEnabled(false);
  driver.runUntilIdle();
  const TColor faded = At(1, 1);
  EXPECT_NE(faded, kBox) << "mixed with the form under it";
  EXPECT_NE(faded, ColorToRGB(form->Color()));
  EXPECT_NE(Arrow(), kGlyph[0]);
}

TEST_F(SkinnedCombo, AProcedureSubclassedOverTheInnerEditAfterTheBoxStaysInItsChain) {
  const HWND edit = combo->InnerEdit();
  ASSERT_NE(edit, nullptr);
  LaterSubclasser later(edit);
  // The box gives its inner edit back first, then its window goes and
  // takes the inner edit with it.
  delete combo;
  combo = nullptr;
  driver.runUntilIdle();
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(LaterSubclasser::Heard(WM_DESTROY), 1) << "the later procedure heard its window go";
  EXPECT_EQ(LaterSubclasser::Heard(WM_NCDESTROY), 1);
}

}  // namespace
