// The control panel painted from the skin: the band behind the caption
// shows the parent, the section starts at the caption's middle, and the
// caption sits on the "CHECKBOX" section.
#include <gtest/gtest.h>

#include "controls/TsGroupBox.h"
#include "platform/windowing/WinUser.h"
#include "skin/SharedBackground.h"
#include "skin/TsBackgroundRequest.h"
#include "tests/skin/SkinOnScreen.h"

namespace {
constexpr TColor kForm = 0x00E8E8E8;
constexpr TColor kGroup = 0x00C0D8C0;
constexpr TColor kCaption = 0x00F0E0D0;

struct SkinnedGroupBox : ::testing::Test, SkinOnScreen {
  TBareTestForm* form = nullptr;
  TsGroupBox* box = nullptr;

  SkinnedGroupBox() {
    AddSection("GLOBALINFO", 0x00F0F0F0, 0x00F0F0F0);
    AddSection("GROUPBOX", kGroup, kGroup);
    AddSection("CHECKBOX", kCaption, kCaption);
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(30, 30, 320, 200);
    form->SetColor(kForm);
    box = new TsGroupBox(form);
    box->SetParent(form);
    box->SetBounds(20, 20, 257, 113);
    box->SetCaption("Панель Управления");
    form->Show();
    driver.runUntilIdle();
  }
  TColor At(int x, int y) {
    const POINT p = driver.clientToScreen(box->Handle(), {x, y});
    return driver.screenshot().pixel(p.X, p.Y);
  }
};
}  // namespace

TEST_F(SkinnedGroupBox, CaptionBandFrameAndCaptionBackground) {
  const TsGroupBoxCaption caption = box->CaptionGeometry();
  const TRect r = caption.Rect();
  ASSERT_EQ(r.Left, 6);
  EXPECT_EQ(At(2, 1), kForm) << "the band left of the caption shows the form";
  EXPECT_EQ(At(2, caption.Height() / 2 + 2), kGroup) << "the section starts at the caption's middle";
  EXPECT_EQ(At(128, 80), kGroup);
  EXPECT_EQ(At(r.Left + 1, 1), kCaption) << "the caption lies on the CHECKBOX section";
  EXPECT_EQ(At(r.Right + 2, 1), kForm);

  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_NE(At(128, 80), kGroup) << "without the skin the plain group box is back";
}

// The client area is the platform's with its top moved down by
// CaptionYOffset.
TEST_F(SkinnedGroupBox, TheClientAreaStartsCaptionYOffsetLower) {
  TRect area = box->ClientRect();
  box->AdjustClientRect(area);
  EXPECT_EQ(area, box->ClientRect());
  box->SetCaptionYOffset(7);
  area = box->ClientRect();
  box->AdjustClientRect(area);
  EXPECT_EQ(area.Top, box->ClientRect().Top + 7);
  EXPECT_EQ(area.Bottom, box->ClientRect().Bottom);
}

// With CaptionSkin set the box answers its children's background request
// with its own picture at (0, 0), even over an opaque plain section.
TEST_F(SkinnedGroupBox, WithACaptionSkinItLendsItsOwnPictureToItsChildren) {
  auto* child = new TsGroupBox(box);
  child->SetParent(box);
  child->SetBounds(20, 40, 100, 50);
  driver.runUntilIdle();
  TsBackgroundRequest plain;
  AskForBackground(plain, box, false);
  EXPECT_EQ(plain.BgKind, bgColor) << "an opaque plain section answers its colour";

  box->SetCaptionSkin("CHECKBOX");
  driver.runUntilIdle();
  TsBackgroundRequest request;
  AskForBackground(request, box, false);
  ASSERT_EQ(request.BgKind, bgBitmap);
  ASSERT_NE(box->SkinData().CacheBmp(), nullptr);
  EXPECT_EQ(request.BgBmp, &box->SkinData().CacheBmp()->Pixels());
  EXPECT_EQ(request.BgX, 0);
  EXPECT_EQ(request.BgY, 0);
}

// A box over a parent picture that moves shows the picture of its new place
// in the band behind its caption: the move marks its background changed.
TEST_F(SkinnedGroupBox, AMovedBoxShowsTheParentPictureOfItsNewPlaceBehindItsCaption) {
  TsGeneralData& shaded = AddSection("SHADED", 0x00808080, 0x00808080);
  shaded.GradientPercent = 100;
  shaded.GradientArray = {{0xFFFFFF, 0x000000, 100, 0}};
  manager.Content().RefreshConstIndexes();
  box->SkinData().SetSkinSection("SHADED");
  auto* inner = new TsGroupBox(box);
  inner->SetParent(box);
  inner->SetBounds(20, 30, 120, 40);
  inner->SetCaption("Внутри");
  driver.runUntilIdle();
  ASSERT_NE(box->SkinData().CacheBmp(), nullptr);
  const TRect caption = inner->CaptionRect();
  const int x = caption.Right + 2, y = 1;  // in the band, right of the caption
  auto innerAt = [&](int px, int py) {
    const POINT p = driver.clientToScreen(inner->Handle(), {px, py});
    return driver.screenshot().pixel(p.X, p.Y);
  };
  auto outerPicture = [&](int px, int py) { return box->SkinData().CacheBmp()->Pixels().pixel(px, py); };
  ASSERT_EQ(innerAt(x, y), outerPicture(inner->Left() + x, inner->Top() + y));
  inner->SetBounds(20, 60, 120, 40);
  driver.runUntilIdle();
  ASSERT_NE(outerPicture(inner->Left() + x, inner->Top() + y), outerPicture(inner->Left() + x, 30 + y))
      << "the gradient differs between the two places";
  EXPECT_EQ(innerAt(x, y), outerPicture(inner->Left() + x, inner->Top() + y));
}

TEST_F(SkinnedGroupBox, AnUnchangedPanelIsPaintedFromItsKeptPictureAndAResizedOneAnew) {
  TBitmap* kept = box->SkinData().CacheBmp();
  ASSERT_NE(kept, nullptr);
  // A mark in the kept picture shows whether the next paint built it again.
  const TColor mark = RGB(1, 2, 3);
  kept->Pixels().setPixel(128, 80, mark);
  InvalidateRect(box->Handle(), nullptr, FALSE);
  driver.runUntilIdle();
  EXPECT_EQ(At(128, 80), mark) << "the kept picture was painted";
  // Wider, as high as before: the picture is built again at the new width.
  box->SetBounds(20, 20, 267, 113);
  driver.runUntilIdle();
  ASSERT_NE(box->SkinData().CacheBmp(), nullptr);
  EXPECT_EQ(box->SkinData().CacheBmp()->Width(), 267);
  EXPECT_EQ(At(128, 80), kGroup);
}
