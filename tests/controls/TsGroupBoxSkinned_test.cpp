// The control panel painted from the skin: the band behind the caption
// shows the parent, the section starts at the caption's middle, and the
// caption sits on the "CHECKBOX" section.
#include <gtest/gtest.h>

#include "controls/TsGroupBox.h"
#include "platform/windowing/WinUser.h"
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
