// How the skinned bar of a list box looks in each state: an arrow and the
// thumb whose glyphs differ between hot and pressed, so that a pixel tells
// a held arrow or a dragged thumb from a hovered one, and a disabled list's
// bar faded over a parent that shows a picture, as the task windows' lists are.
#include <cstdlib>
#include <memory>

#include "adapters/TacScrollGeometry.h"
#include "controls/TsGroupBox.h"
#include "tests/adapters/SkinnedListFixture.h"

using namespace scroll_test;

namespace {

// The glyph frames of states 0, 1 and 2, drawn centred on the part.
constexpr TColor kGlyphStates[3] = {0x00102030, 0x0030C030, 0x003030C0};

// The bottom arrow and the vertical thumb carry a glyph mask of three
// 8 x 8 frames, one colour each.
struct SkinnedListWithStates : SkinnedList {
  SkinnedListWithStates() {
    for (const char* section : {"SCROLLBTNBOTTOM", "SCROLLSLIDERV"}) AddGlyph(section);
    manager.Content().RefreshConstIndexes();
  }
  void AddGlyph(const char* section) {
    auto picture = std::make_shared<Bitmap>(24, 8);
    for (int state = 0; state < 3; ++state)
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) picture->setPixel(state * 8 + x, y, kGlyphStates[state]);
    TsMaskData glyph;
    glyph.Bmp = picture;
    glyph.SectionName = section;
    glyph.PropertyName = "GLYPHMASK";
    glyph.R = Rect(0, 0, 24, 8);
    glyph.ImageCount = 3;
    glyph.ImgType = itisaGlyph;
    manager.Content().Masks.push_back(glyph);
  }
  // The middle of the bottom arrow, where its glyph lies.
  int ArrowY() { return adapter().BarRect(kBarVertical).Bottom - 9; }
  int ThumbMiddleY() {
    const TacThumb thumb = adapter().Thumb(kBarVertical);
    return thumb.Start + thumb.Length / 2;
  }
};

}  // namespace

TEST_F(SkinnedListWithStates, AHeldArrowShowsItsPressedFrameAndAHoveredOneItsHotFrame) {
  Fill(56);
  const POINT arrow = Screen(BarX(), ArrowY());
  ASSERT_EQ(At(BarX(), ArrowY()), kGlyphStates[0]);
  driver.moveTo(arrow);
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), ArrowY()), kGlyphStates[1]) << "hovered: hot";
  driver.press(arrow);
  driver.runFor(1);
  EXPECT_EQ(At(BarX(), ArrowY()), kGlyphStates[2]) << "held: pressed";
  driver.moveTo(Screen(BarX(), adapter().BarRect(kBarVertical).Top + 60));
  driver.runFor(55);
  EXPECT_EQ(At(BarX(), ArrowY()), kGlyphStates[0]) << "held with the pointer off it: normal";
  driver.moveTo(arrow);
  driver.runFor(55);
  EXPECT_EQ(At(BarX(), ArrowY()), kGlyphStates[2]) << "back under the pointer: pressed again";
  driver.release(arrow);
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), ArrowY()), kGlyphStates[1]) << "released under the pointer: hot";
}

TEST_F(SkinnedListWithStates, ADraggedThumbShowsItsPressedFrameAndAHoveredOneItsHotFrame) {
  Fill(56);
  ASSERT_EQ(At(BarX(), ThumbMiddleY()), kGlyphStates[0]);
  int y = ThumbMiddleY();
  driver.moveTo(Screen(BarX(), y));
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), y), kGlyphStates[1]) << "hovered: hot";
  driver.press(Screen(BarX(), y));
  driver.runFor(1);
  EXPECT_EQ(At(BarX(), y), kGlyphStates[2]) << "pressed";
  for (int step = 0; step < 20; ++step) driver.moveTo(Screen(BarX(), ++y));
  driver.runUntilIdle();
  EXPECT_EQ(At(BarX(), y), kGlyphStates[2]) << "dragged: pressed, under the pointer";
  driver.release(Screen(BarX(), y));
  driver.runFor(20);
  EXPECT_EQ(At(BarX(), ThumbMiddleY()), kGlyphStates[1]) << "released under the pointer: hot";
}

// The task windows' lists lie on a skinned picture, not on a plain colour:
// a disabled list's bar keeps 40 % of itself over the picture under it.
TEST_F(SkinnedList, ADisabledListsBarIsFadedOverTheParentsPicture) {
  TsGeneralData& shaded = AddSection("SHADED", 0x00808080, 0x00808080);
  shaded.GradientPercent = 100;
  shaded.GradientArray = {{0xFFFFFF, 0x000000, 100, 0}};
  manager.Content().RefreshConstIndexes();
  auto* box = new TsGroupBox(form);
  box->SetParent(form);
  box->SetBounds(5, 5, 280, 220);
  box->SkinData().SetSkinSection("SHADED");
  // A list of its own inside the box (a window keeps the parent window it
  // was made with); the fixture's list leaves the stage.
  list->Hide();
  list = new TsListBox(form);
  list->SetParent(box);
  list->SetBounds(10, 30, 150, 127);
  list->SetItemHeight(13);
  list->HandleNeeded();
  driver.runUntilIdle();
  ASSERT_NE(list->ScrollAdapter(), nullptr);
  Fill(56);
  ASSERT_NE(adapter().BarRect(kBarVertical).Width(), 0);
  list->SetEnabled(false);
  driver.runUntilIdle();
  ASSERT_NE(box->SkinData().CacheBmp(), nullptr) << "the box keeps the picture its children lie on ";
  const Bitmap& picture = box->SkinData().CacheBmp()->Pixels();
  const TRect r = adapter().BarRect(kBarVertical);
  // Where the list's window lies in the box's picture, which covers the box's window.
  RECT boxWindow, listWindow;
  GetWindowRect(box->Handle(), &boxWindow);
  GetWindowRect(hwnd(), &listWindow);
  const int dx = listWindow.Left - boxWindow.Left, dy = listWindow.Top - boxWindow.Top;
  // The track is split at the thumb's middle, though no thumb is drawn.
  const TacThumb thumb = adapter().Thumb(kBarVertical);
  const int split = r.Top + thumb.Start + thumb.Length / 2;
  int checked = 0;
  for (int y = r.Top + 20; y < r.Bottom - 20; y += 7) {
    if (std::abs(y - split) < 3) continue;
    const TColor track = y < split ? kTrack1 : kTrack2;
    const TColor under = picture.pixel(dx + BarX(), dy + y);
    const TColor shown = At(BarX(), y);
    for (int shift : {0, 8, 16}) {
      const double expected = ((track >> shift) & 0xFF) * 0.4 + ((under >> shift) & 0xFF) * 0.6;
      EXPECT_NEAR(static_cast<int>((shown >> shift) & 0xFF), expected, 1.0) << "row " << y;
    }
    ++checked;
  }
  EXPECT_GT(checked, 5);
}
