// The skinned name field on the headless screen with a small skin made in
// code: the "EDIT" section's normal and hot colours differ, so the frame
// and the field's background tell which state was painted.
#include <gtest/gtest.h>

#include <string>

#include "controls/TsEdit.h"
#include "framework/controls/TButton.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "tests/skin/SkinOnScreen.h"

namespace {

constexpr TColor kEdit = 0x00F0F8FF;
constexpr TColor kEditHot = 0x00D0F0FF;
constexpr TColor kFont = 0x00203040;
constexpr TColor kHotFont = 0x00804020;
constexpr TColor kForm = 0x00404040;

struct SkinnedEdit : ::testing::Test, SkinOnScreen {
  TBareTestForm* form = nullptr;
  TsEdit* edit = nullptr;
  TButton* other = nullptr;

  SkinnedEdit() {
    AddSection("GLOBALINFO", 0x00F0F0F0, 0x00F0F0F0);
    TsGeneralData& section = AddSection("EDIT", kEdit, kEditHot);
    section.FontColor[0] = static_cast<std::int32_t>(kFont);
    section.HotFontColor[0] = static_cast<std::int32_t>(kHotFont);
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(40, 40, 320, 200);
    form->SetColor(kForm);
    edit = new TsEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 137, 32);
    edit->Font().SetHeight(-19);
    edit->SetText("Мария");
    other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(20, 120, 80, 25);
    form->Show();
    driver.runUntilIdle();
    edit->Loaded();
    other->SetFocus();
    driver.runUntilIdle();
  }
  // A pixel of the field's window, frame included.
  TColor At(int x, int y) {
    const POINT p = driver.windowToScreen(edit->Handle(), {x, y});
    return driver.screenshot().pixel(p.X, p.Y);
  }
  // A pixel of the client near its right end, where no text is.
  TColor Background() { return At(edit->BorderWidth() + edit->ClientWidth() - 3, 16); }
};

TEST_F(SkinnedEdit, FrameAndFieldTakeTheSectionsColoursAndTheHotOnesWithFocusOrPointer) {
  ASSERT_TRUE(edit->SkinData().Skinned());
  ASSERT_GT(edit->BorderWidth(), 0);
  EXPECT_EQ(At(0, 0), kEdit) << "the frame is the section's picture, not the sunken edge";
  EXPECT_EQ(At(136, 31), kEdit);
  EXPECT_EQ(Background(), kEdit);
  EXPECT_EQ(edit->Font().Color(), kFont);

  edit->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(At(0, 0), kEditHot);
  EXPECT_EQ(Background(), kEditHot);
  EXPECT_EQ(edit->Font().Color(), kHotFont);

  // Focus loss repaints the frame in the normal state; the pointer over the
  // field lights it again.
  other->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(At(0, 0), kEdit);
  EXPECT_EQ(Background(), kEdit);
  driver.moveTo(driver.windowToScreen(edit->Handle(), {60, 16}));
  EXPECT_EQ(At(0, 0), kEditHot);
  driver.moveTo(driver.windowToScreen(other->Handle(), {5, 5}));
  EXPECT_EQ(At(0, 0), kEdit);

  // A field that keeps its own font colour (the navy name field) keeps it.
  edit->Font().SetColor(clNavy);
  edit->SkinData().SetCustomFont(true);
  edit->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(edit->Font().Color(), clNavy);
}

TEST_F(SkinnedEdit, RepaintingTheFrameWithNothingChangedReusesItsPicture) {
  // Each new picture asks the form what lies under the field.
  int asked = 0;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&asked, previous](TMessage& m) {
    if (m.Msg == SM_SKINCOMMAND && SkinCommandOf(m.WParam) == SKC_GET_BACKGROUND) ++asked;
    previous(m);
  };
  auto repaintFrame = [this] {
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  };
  repaintFrame();
  repaintFrame();
  EXPECT_EQ(asked, 0) << "nothing changed since the last picture";
  EXPECT_EQ(At(0, 0), kEdit);
  // The pointer over the field is a new picture, once.
  driver.moveTo(driver.windowToScreen(edit->Handle(), {60, 16}));
  repaintFrame();
  const int afterHover = asked;
  EXPECT_GE(afterHover, 1);
  repaintFrame();
  EXPECT_EQ(asked, afterHover);
  EXPECT_EQ(At(0, 0), kEditHot);
  form->WindowProc = previous;
}

TEST_F(SkinnedEdit, DisabledFieldShowsItsCachedPictureAndPrintingMatchesTheScreen) {
  edit->SetEnabled(false);
  driver.runUntilIdle();
  TBitmap* cache = edit->SkinData().CacheBmp();
  ASSERT_NE(cache, nullptr);
  const Bitmap shot = driver.windowShot(edit->Handle());
  int differing = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) differing += shot.pixel(x, y) != cache->Pixels().pixel(x, y);
  EXPECT_EQ(differing, 0) << "frame and client both come from the picture";
  EXPECT_NE(Background(), kEdit) << "blended with the form under it";
  int dark = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) dark += (shot.pixel(x, y) & 0xFF) < 0x90;
  EXPECT_GT(dark, 20) << "the text is in the picture";

  // Printing the field gives what the screen shows, enabled or not.
  for (bool enabled : {false, true}) {
    edit->SetEnabled(enabled);
    driver.runUntilIdle();
    const Bitmap screen = driver.windowShot(edit->Handle());
    Bitmap printed(edit->Width(), edit->Height());
    DeviceContext dc(printed);
    edit->PaintTo(&dc, 0, 0);
    differing = 0;
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) differing += screen.pixel(x, y) != printed.pixel(x, y);
    EXPECT_LT(differing, 30) << (enabled ? "enabled (only the caret may differ)" : "disabled");
  }
}

TEST_F(SkinnedEdit, RemovingTheSkinBringsBackTheSystemColoursAndThePlainFrame) {
  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_FALSE(edit->SkinData().Skinned());
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(edit->Font().Color(), clWindowText);
  EXPECT_NE(At(0, 0), kEdit);
  EXPECT_EQ(Background(), ColorToRGB(clWindow));
}

}  // namespace
