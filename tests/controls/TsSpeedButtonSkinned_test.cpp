// The skinned speed button: its caption rectangle, its section at the
// state, the animation a hover starts through its parent, the separator
// style, the drop-down strip and its menu, glyph placement and the border
// order, and the plain look without a skin (with an image-list picture too).
#include <gtest/gtest.h>

#include <optional>

#include "controls/buttons/TsButtonGeometry.h"
#include "controls/buttons/TsSpeedButton.h"
#include "framework/controls/TGroupBox.h"
#include "framework/controls/TPopupMenu.h"
#include "paint/BorderMaskPainter.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/windowing/WinUser.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommands.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

struct SkinnedSpeedButton : ::testing::Test, SkinnedButtonFixture {
  TsSpeedButton* button = nullptr;

  SkinnedSpeedButton() {
    AddSection("SPEEDBUTTON", kButtonNormal);
    TsGeneralData& speed = manager.Content().Sections.back();
    speed.HotColor = kButtonHot;
    speed.FadingEnabled = true;
    speed.FadingIterations = 20;
    button = new TsSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(30, 30, 49, 22);
    button->SetCaption("Убрать");
    button->SetFlat(true);
    button->SkinData().SetSkinSection("SPEEDBUTTON");
    form->Show();
    driver.runUntilIdle();
  }
  TColor At(int x, int y) {
    const Bitmap shot = Shot(form->Handle());
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const POINT p = ScreenPoint(form->Handle(), button->Left() + x, button->Top() + y);
    return shot.pixel(p.X - window.Left, p.Y - window.Top);
  }
};

}  // namespace

TEST(SpeedButtonCaptionRect, CentredBesideTheArrowStripAndMovedByTextOffset) {
  // dx = (49 - 36) / 2 = 6, dy = (22 - 13) / 2 = 4.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, -1, 0, false), Rect(5, 4, 45, 18));
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, -1, 0, true), Rect(6, 5, 46, 19));
  // With the 16-pixel strip: dx = (49 - 16 - 17) / 2 = 8; TextOffset 3 moves it right.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {17, 13}, 16, -1, 3, false), Rect(10, 4, 30, 18));
  // Margin 1 gives m = 4: dx = (49 - 36) / 2 - 4 = 2.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, 1, 0, false), Rect(1, 4, 45, 18));
}

TEST_F(SkinnedSpeedButton, IsPaintedFromItsSectionAndAnimatesToHotOnHover) {
  EXPECT_TRUE(button->Opaque());
  EXPECT_EQ(At(2, 11), kButtonNormal);
  driver.moveTo(ScreenPoint(form->Handle(), button->Left() + 40, button->Top() + 11));
  EXPECT_EQ(button->StateIndex(), 1);
  ASSERT_TRUE(button->Animation()) << "a hover animates";
  driver.runFor(30);
  const TColor mid = At(2, 11);
  EXPECT_NE(mid, kButtonNormal);
  EXPECT_NE(mid, kButtonHot);
  EXPECT_EQ(At(0, 11), mid) << "the frame covers the button from its first column";
  EXPECT_EQ(At(48, 11), mid) << "to its last";
  driver.runFor(250);
  EXPECT_FALSE(button->Animation());
  EXPECT_EQ(At(2, 11), kButtonHot);
}

TEST_F(SkinnedSpeedButton, AReleaseDuringThePressAnimationRepaintsAtOnce) {
  const POINT p = ScreenPoint(form->Handle(), button->Left() + 40, button->Top() + 11);
  driver.moveTo(p);
  driver.runFor(250);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  driver.press(p);
  EXPECT_EQ(button->StateIndex(), 2);
  ASSERT_TRUE(button->Animation()) << "the press animates";
  driver.runFor(50);
  ASSERT_TRUE(button->Animation());
  driver.release(p);
  EXPECT_FALSE(button->Animation()) << "cut short: the raised picture at once";
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(At(2, 11), kButtonHot);
}

// A release after the press animation has ended fades too, in half the
// frames, as the windowed buttons' release does.
TEST_F(SkinnedSpeedButton, AReleaseAfterThePressAnimationFadesInHalfTheFrames) {
  const POINT p = ScreenPoint(form->Handle(), button->Left() + 40, button->Top() + 11);
  driver.moveTo(p);
  driver.runFor(250);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  driver.press(p);
  driver.runFor(250);
  ASSERT_FALSE(button->Animation());
  driver.release(p);
  EXPECT_EQ(clicks, 1);
  ASSERT_TRUE(button->Animation()) << "the release fades";
  EXPECT_EQ(button->Animation()->FadeLength, 10);
  EXPECT_EQ(button->StateIndex(), 1);
  driver.runFor(250);
  EXPECT_FALSE(button->Animation());
  EXPECT_EQ(At(2, 11), kButtonHot);
}

// Inside a disabled panel the speed button looks disabled like the windowed
// buttons beside it, and the pointer over it animates nothing.
TEST_F(SkinnedSpeedButton, InsideADisabledPanelItLooksDisabledAndDoesNotAnimate) {
  auto* panel = new TGroupBox(form);
  panel->SetParent(form);
  panel->SetBounds(110, 10, 160, 70);
  auto* inside = new TsSpeedButton(panel);
  inside->SetParent(panel);
  inside->SetBounds(10, 25, 49, 22);
  inside->SetCaption("Убрать");
  inside->SkinData().SetSkinSection("SPEEDBUTTON");
  driver.runUntilIdle();
  auto face = [&] {
    const POINT p = driver.clientToScreen(panel->Handle(), {inside->Left() + 2, inside->Top() + 11});
    return driver.screenshot().pixel(p.X, p.Y);
  };
  ASSERT_EQ(face(), kButtonNormal);
  panel->SetEnabled(false);
  driver.runUntilIdle();
  const TColor under = ParentColor(inside->Parent());
  for (int shift = 0; shift < 24; shift += 8) {
    const int expected = (((kButtonNormal >> shift) & 0xFF) + ((under >> shift) & 0xFF) + 1) / 2;
    EXPECT_NEAR(static_cast<int>((face() >> shift) & 0xFF), expected, 1) << "channel " << shift / 8;
  }
  driver.moveTo(driver.clientToScreen(panel->Handle(), {inside->Left() + 40, inside->Top() + 11}));
  EXPECT_FALSE(inside->Animation()) << "no hover animation";
  EXPECT_EQ(inside->StateIndex(), 0);
  driver.moveTo(ScreenPoint(form->Handle(), 250, 150));
  panel->SetEnabled(true);
  driver.runUntilIdle();
  EXPECT_EQ(face(), kButtonNormal);
}

TEST_F(SkinnedSpeedButton, ARepaintWithNothingChangedReusesThePicture) {
  int built = 0;
  button->OnPaint = [&built](TObject*, TBitmap&) { ++built; };
  button->Repaint();
  button->Repaint();
  EXPECT_EQ(built, 0) << "nothing changed since the last picture";
  EXPECT_EQ(At(2, 11), kButtonNormal);
  // A new spacing is a new picture, once.
  button->SetSpacing(9);
  button->Repaint();
  button->Repaint();
  EXPECT_EQ(built, 1);
}

TEST_F(SkinnedSpeedButton, ASeparatorShowsWhatLiesUnderIt) {
  button->SetButtonStyle(tbsSeparator);
  driver.runUntilIdle();
  EXPECT_EQ(At(2, 11), kFormColor);
}

TEST_F(SkinnedSpeedButton, WithoutTheSkinItIsThePlainFlatButton) {
  SendSkinCommand(button, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_FALSE(button->Opaque());
  EXPECT_EQ(At(2, 11), ColorToRGB(button->Color())) << "the plain flat button's own face";
}

TEST_F(SkinnedSpeedButton, WithoutTheSkinAnImageListPictureIsDrawnWhereThePlainLookPutsItsGlyph) {
  button->SetBounds(30, 30, 90, 22);
  button->SetImages(SolidImageList({clRed}, 12));
  button->SetImageIndex(0);
  button->SetGroupIndex(1);
  // The plain speed button with the same picture as its Glyph, and as its
  // disabled second cell the grey (0 + 0 + 255) div 3 the list picture gets.
  auto* twin = new TSpeedButton(form);
  twin->SetParent(form);
  twin->SetBounds(30, 90, 90, 22);
  twin->SetCaption(button->Caption());
  twin->SetFlat(true);
  twin->SetGroupIndex(2);
  Bitmap cells(24, 12);
  cells.fill(clRed);
  for (int y = 0; y < 12; ++y)
    for (int x = 12; x < 24; ++x) cells.setPixel(x, y, RGB(85, 85, 85));
  cells.setPixel(0, 11, clBlue);
  cells.setPixel(12, 11, clBlue);
  twin->Glyph().SetPixels(cells);
  twin->SetNumGlyphs(2);
  SendSkinCommand(button, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  auto differing = [&] {
    const Bitmap shot = Shot(form->Handle());
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const POINT a = ScreenPoint(form->Handle(), button->Left(), button->Top());
    const POINT b = ScreenPoint(form->Handle(), twin->Left(), twin->Top());
    int count = 0;
    for (int y = 0; y < button->Height(); ++y)
      for (int x = 0; x < button->Width(); ++x)
        count += shot.pixel(a.X - window.Left + x, a.Y - window.Top + y) !=
                 shot.pixel(b.X - window.Left + x, b.Y - window.Top + y);
    return count;
  };
  // Four pixels from the left, centred in height, the caption after it.
  EXPECT_EQ(At(4, 5), clRed);
  EXPECT_EQ(At(15, 16), clRed);
  EXPECT_EQ(At(4, 16), ColorToRGB(button->Color())) << "the transparent corner shows the face";
  EXPECT_EQ(differing(), 0);
  // Down: the picture and caption move one pixel right and down, inside the sunken edge.
  button->SetDown(true);
  twin->SetDown(true);
  driver.runUntilIdle();
  EXPECT_EQ(At(5, 6), clRed);
  EXPECT_EQ(differing(), 0);
  // Disabled: grey, like the plain glyph's disabled cell.
  button->SetEnabled(false);
  twin->SetEnabled(false);
  driver.runUntilIdle();
  EXPECT_EQ(At(6, 7), RGB(85, 85, 85));
  EXPECT_EQ(differing(), 0);
  // Without a caption the picture is centred.
  button->SetCaption("");
  twin->SetCaption("");
  button->SetDown(false);
  twin->SetDown(false);
  driver.runUntilIdle();
  EXPECT_EQ(At((90 - 12) / 2 + 1, 8), RGB(85, 85, 85));
  EXPECT_EQ(differing(), 0);
}

namespace {

// A solid red glyph; its bottom-left pixel (the transparent colour) blue.
void SetRedGlyph(TsSpeedButton* button, int w, int h) {
  Bitmap glyph(w, h);
  glyph.fill(clRed);
  glyph.setPixel(0, h - 1, clBlue);
  button->Glyph().SetPixels(glyph);
}

// A plain two-pixel black border for the speed button's section; with a
// centre colour its middle is drawn too, over the section's face.
void AddBlackBorder(TsSkinManager& manager, std::optional<TColor> centre = std::nullopt) {
  TsMaskData border;
  border.Bmp = std::make_shared<Bitmap>(6, 6);
  border.Bmp->fill(clBlack);
  if (centre) {
    for (int y = 2; y < 4; ++y)
      for (int x = 2; x < 4; ++x) border.Bmp->setPixel(x, y, *centre);
    border.StretchMode = bsDrawCentre;
  }
  border.R = Rect(0, 0, 6, 6);
  border.ImageCount = 1;
  border.WL = border.WT = border.WR = border.WB = 2;
  border.SectionName = "SPEEDBUTTON";
  border.PropertyName = "BORDERSMASK";
  border.Manager = &manager;
  manager.Content().Masks.push_back(border);
}

// What an open menu looked like, seen from a timer while the menu runs.
struct OpenMenu {
  HeadlessDriver* driver = nullptr;
  TsSpeedButton* button = nullptr;
  bool open = false;
  RECT bounds{};
  int faceState = -1, arrowState = -1;
  bool choose = false;  // Return on the first item instead of Escape
  // Where the pointer goes before Escape closes the menu (else a press
  // outside the menu closes it).
  std::optional<POINT> escapeAt;
};
OpenMenu menuSeen;

void LookAtMenu(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) != "#32768") return;
  menuSeen.open = true;
  GetWindowRect(popup, &menuSeen.bounds);
  menuSeen.faceState = menuSeen.button->StateIndex();
  menuSeen.arrowState = menuSeen.button->ArrowStateIndex();
  if (menuSeen.escapeAt) {
    menuSeen.driver->moveTo(*menuSeen.escapeAt);
    menuSeen.driver->pressKey(VK_ESCAPE);
    return;
  }
  if (menuSeen.choose) {
    RECT first{};
    SendMessage(popup, MN_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    POINT inside{first.Left + 4, first.Top + first.Height() / 2};
    ClientToScreen(popup, &inside);
    menuSeen.driver->moveTo(inside);
    menuSeen.driver->press(inside);
    menuSeen.driver->release(inside);
    return;
  }
  // A press outside the menu closes it.
  const POINT away = menuSeen.driver->clientToScreen(menuSeen.button->Parent()->Handle(), {2, 2});
  menuSeen.driver->moveTo(away);
  menuSeen.driver->press(away);
  menuSeen.driver->release(away);
}

struct DropDownSpeedButton : SkinnedSpeedButton {
  TPopupMenu* menu = nullptr;
  int chosen = 0;

  DropDownSpeedButton() {
    menu = new TPopupMenu(form);
    menu->Items.push_back({"Наполнить БАНКУ 1", true, [this](TObject*) { ++chosen; }});
    button->SetBounds(30, 30, 80, 22);
    button->SetButtonStyle(tbsDropDown);
    button->SetDropdownMenu(menu);
    driver.runUntilIdle();
  }
  // Presses at x of the button while a timer looks at the menu it opens.
  void PressAt(int x, bool choose, std::optional<POINT> escapeAt = std::nullopt) {
    menuSeen = OpenMenu{&driver, button, false, {}, -1, -1, choose, escapeAt};
    SetTimer(form->Handle(), 7, 10, &LookAtMenu);
    const POINT p = ScreenPoint(form->Handle(), button->Left() + x, button->Top() + 11);
    driver.moveTo(p);
    driver.press(p);
    // An open menu took the release.
    if (!menuSeen.open) driver.release(p);
    driver.runUntilIdle();
  }
};

}  // namespace

TEST_F(DropDownSpeedButton, TheArrowStripIsPaintedFromTheSectionWithItsArrow) {
  // Outside the arrow the strip shows the section; its centre the arrow.
  EXPECT_EQ(At(80 - 15, 2), kButtonNormal);
  int arrow = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 80 - 16; x < 80; ++x) arrow += At(x, y) != kButtonNormal;
  EXPECT_GE(arrow, 7) << "a small arrow in the strip";
  // The caption stays out of the strip.
  EXPECT_LE(button->CaptionRect(0).Right, 80 - 16);
}

TEST_F(DropDownSpeedButton, TheArrowStripWearsTheCentreOfTheSectionsBorder) {
  AddBlackBorder(manager, clLime);
  SendSkinCommand(button, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(&manager));
  button->SetCaption("");
  driver.runUntilIdle();
  EXPECT_EQ(At(80 - 16, 0), clBlack) << "the strip has the border too";
  EXPECT_EQ(At(80 - 13, 4), clLime) << "and its middle inside";
  EXPECT_EQ(At(20, 4), clLime) << "as the face has";
}

TEST_F(DropDownSpeedButton, AButtonFourPixelsHighShowsTheWholeArrowFromItsTopRow) {
  button->SetBounds(30, 30, 80, 4);
  driver.runUntilIdle();
  // The arrow's four rows, seven pixels wide at the top, fill the height.
  const int middle = 80 - 16 / 2;
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(At(middle - 3 + y, y), clBlack) << "row " << y;
    EXPECT_EQ(At(middle + 3 - y, y), clBlack) << "row " << y;
    EXPECT_EQ(At(middle - 4 + y, y), kButtonNormal) << "row " << y;
  }
}

TEST_F(DropDownSpeedButton, ThePressOnTheArrowOpensTheMenuBelowTheButtonWithoutAClick) {
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  PressAt(75, true);
  ASSERT_TRUE(menuSeen.open);
  const POINT below = ScreenPoint(form->Handle(), button->Left(), button->Top() + button->Height() + 1);
  EXPECT_EQ(menuSeen.bounds.Left, below.X);
  EXPECT_EQ(menuSeen.bounds.Top, below.Y);
  EXPECT_EQ(menuSeen.arrowState, 2) << "the strip pressed while the menu is open";
  EXPECT_NE(menuSeen.faceState, 2) << "with its own click the face stays up";
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->MenuShown());
  // The pointer went to the menu item: the button is left.
  EXPECT_FALSE(button->SkinData().MouseAbove());
  EXPECT_EQ(button->StateIndex(), 0);
}

TEST_F(DropDownSpeedButton, WithoutOnClickTheWholeButtonOpensTheMenuAndShowsPressed) {
  PressAt(10, false);
  ASSERT_TRUE(menuSeen.open);
  EXPECT_EQ(menuSeen.faceState, 2);
  EXPECT_EQ(chosen, 0) << "cancelled";
  EXPECT_EQ(button->StateIndex(), 0) << "the pointer closed the menu away from the button";
  EXPECT_FALSE(button->SkinData().MouseAbove());
}

TEST_F(DropDownSpeedButton, AMenuClosedWithThePointerBackOnTheButtonLeavesItHot) {
  // Escape with the pointer over the button's first column, then over the
  // first column left of it.
  const POINT first = ScreenPoint(form->Handle(), button->Left(), button->Top() + 11);
  PressAt(75, false, first);
  ASSERT_TRUE(menuSeen.open);
  EXPECT_FALSE(button->MenuShown());
  EXPECT_TRUE(button->SkinData().MouseAbove());
  EXPECT_EQ(button->StateIndex(), 1);

  const POINT before = ScreenPoint(form->Handle(), button->Left() - 1, button->Top() + 11);
  PressAt(75, false, before);
  ASSERT_TRUE(menuSeen.open);
  EXPECT_FALSE(button->SkinData().MouseAbove());
  EXPECT_EQ(button->StateIndex(), 0);
}

TEST_F(DropDownSpeedButton, WithOnClickThePressOnTheFaceClicks) {
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  PressAt(10, false);
  EXPECT_FALSE(menuSeen.open);
  EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownSpeedButton, AMenuFreedBeforeTheButtonIsForgotten) {
  delete menu;
  EXPECT_EQ(button->DropdownMenu(), nullptr);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  PressAt(75, false);
  EXPECT_FALSE(menuSeen.open);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinnedSpeedButton, LayoutMarginAndSpacingPlaceTheGlyphAndTheCaption) {
  button->SetBounds(30, 30, 60, 50);
  SetRedGlyph(button, 12, 12);
  button->SetLayout(blGlyphTop);
  button->SetSpacing(2);
  driver.runUntilIdle();
  const TRect glyph = button->GlyphRect(0);
  const TRect caption = button->CaptionRect(0);
  EXPECT_EQ(glyph.Left, (60 - 12) / 2 + 1);
  EXPECT_EQ(caption.Top, glyph.Bottom + 2) << "the caption under the glyph, Spacing apart";
  EXPECT_EQ(At(glyph.Left + 5, glyph.Top + 3), clRed);
  // Margin 4 moves a left glyph to 4 + 3 from the edge.
  button->SetLayout(blGlyphLeft);
  button->SetAlignment(taLeftJustify);
  button->SetMargin(4);
  driver.runUntilIdle();
  EXPECT_EQ(button->GlyphRect(0).Left, 7);
  EXPECT_EQ(At(7, 25), clRed);
  EXPECT_NE(At(6, 25), clRed);
}

TEST_F(SkinnedSpeedButton, WithoutDrawOverBorderTheBorderPiecesLieOverTheGlyph) {
  AddBlackBorder(manager);
  SendSkinCommand(button, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(&manager));
  SetRedGlyph(button, 12, 12);
  button->SetCaption("");
  button->SetAlignment(taLeftJustify);
  button->SetMargin(-1);  // the glyph at the very left, over the border
  driver.runUntilIdle();
  ASSERT_EQ(button->GlyphRect(0).Left, 0);
  const int y = button->GlyphRect(0).Top + 4;
  EXPECT_EQ(At(0, y), clRed) << "drawn over the border";
  EXPECT_EQ(At(2, y), clRed);
  button->SetDrawOverBorder(false);
  driver.runUntilIdle();
  EXPECT_EQ(At(0, y), clBlack) << "the border over the glyph";
  EXPECT_EQ(At(2, y), clRed) << "inside the border the glyph still shows";
}

TEST_F(SkinnedSpeedButton, ARepaintTellsTheParentWhichChildItPaints) {
  std::vector<LPARAM> linked;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&linked, previous](TMessage& m) {
    if (m.Msg == SM_SKINCOMMAND && SkinCommandOf(m.WParam) == SKC_SET_LINKED) linked.push_back(m.LParam);
    previous(m);
  };
  button->Repaint();
  EXPECT_EQ(linked, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(button), 0}));
  linked.clear();
  button->SetVisible(false);
  button->Repaint();
  EXPECT_TRUE(linked.empty()) << "a hidden button is not painted";
  form->WindowProc = previous;
}
