// Putting a finished cache on the screen: the corners are repaired with the
// normal state's frame over the parent first, and a windowless child that
// paints only part of its place shows the container's picture under the
// rest.
#include <gtest/gtest.h>

#include "platform/graphics/Fills.h"
#include "skin/CacheToScreen.h"
#include "skin/SkinCommands.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct ScreenCopies : ::testing::Test, SkinStateFixture {
  // The panel's cache painted green and put on a blue picture of its size:
  // green shows where the cache went, blue where it was left out.
  Bitmap GreenCacheOverBlue(TSkinnedPanel& panel) {
    const int w = panel.Width(), h = panel.Height();
    TBitmap& cache = panel.SkinData.PrepareCache();
    FillRect(cache.Canvas().Handle(), Rect(0, 0, w, h), 0x0000FF00);
    TBitmap target(w, h);
    FillRect(target.Canvas().Handle(), Rect(0, 0, w, h), 0x00FF0000);
    CopyCacheToScreen(panel, panel.SkinData, Point(0, 0), target.Canvas().Handle(), Rect(0, 0, w, h), Point(0, 0), false);
    return target.Pixels();
  }
};

// A windowless child that paints one pixel at its top-left and leaves the
// rest of its place to what lies under it.
class TOneDot : public TSkinnedDot {
 public:
  using TSkinnedDot::TSkinnedDot;

 protected:
  void Paint() override { Canvas().SetPixel(0, 0, 0x000000FF); }
};

}  // namespace

TEST_F(ScreenCopies, TheCornersArePaintedInTheNormalStatesFrame) {
  AddSection("FRAMED", 0, 0x00808080);
  const int mask = AddBorderMask("FRAMED", 3, 3, 3, 3);
  TsMaskData& m = manager.Content().Masks[static_cast<std::size_t>(mask)];
  // Two frames of 15 by 20: the normal one black, the hot one white; the
  // outer corner pixel of each is the key colour.
  m.ImageCount = 2;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) m.Bmp->setPixel(x, y, x < 15 ? 0x00000000 : 0x00FFFFFF);
  m.Bmp->setPixel(0, 0, clFuchsia);
  m.Bmp->setPixel(15, 0, clFuchsia);
  form->SetColor(0x0000FF00);
  TSkinnedPanel* panel = AddPanel(form, "FRAMED", Bounds(5, 5, 40, 30));
  ASSERT_EQ(panel->SkinData.BorderIndex, mask);
  TBitmap& cache = panel->SkinData.PrepareCache();
  FillRect(cache.Canvas().Handle(), Rect(0, 0, 40, 30), 0x00FF0000);
  TBitmap target(40, 30);
  CopyCacheToScreen(*panel, panel->SkinData, Point(0, 0), target.Canvas().Handle(), Rect(0, 0, 40, 30), Point(0, 0),
                    true);
  EXPECT_EQ(target.Pixels().pixel(0, 0), 0x0000FF00u) << "the form behind the key pixel";
  EXPECT_EQ(target.Pixels().pixel(1, 0), 0x00000000u) << "the normal frame's corner";
  EXPECT_EQ(target.Pixels().pixel(39, 29), 0x00000000u);
  EXPECT_EQ(target.Pixels().pixel(20, 15), 0x00FF0000u);
}

TEST_F(ScreenCopies, ASeeThroughWindowlessChildShowsTheContainersPictureUnderIt) {
  AddSection("SOLID", 0, 0x00808080);
  const int textured = AddSection("TEXTURED", 0, 0x00808080);
  Section(textured).GradientPercent = 100;  // a picture of its own, not a plain colour
  Section(textured).GradientArray = {{0x00000000, 0x00FFFFFF, 100, 1}};
  TSkinnedPanel* panel = AddPanel(form, "TEXTURED", Bounds(0, 0, 100, 60));
  TOneDot* dot = new TOneDot(form);
  dot->SetParent(panel);
  dot->SetBounds(40, 20, 10, 10);
  dot->SkinData.SetSkinSection("SOLID");
  form->Show();
  driver.runUntilIdle();
  TBitmap& picture = panel->SkinData.PrepareCache();
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x) picture.Pixels().setPixel(x, y, static_cast<TColor>(x * 2 | (y * 3) << 8));
  TBitmap target(100, 60);
  FillRect(target.Canvas().Handle(), Rect(0, 0, 100, 60), 0x00FF0000);
  PaintWindowlessChildren(target.Canvas().Handle(), *panel, Point(0, 0));
  EXPECT_EQ(target.Pixels().pixel(40, 20), 0x000000FFu) << "the child's own pixel";
  EXPECT_EQ(target.Pixels().pixel(45, 25), picture.Pixels().pixel(45, 25)) << "the container's picture under it";
  EXPECT_EQ(target.Pixels().pixel(49, 29), picture.Pixels().pixel(49, 29));
}

// The cache goes on the screen around the child windows that paint their
// own place, and over the places of the others: a see-through child shows
// the container's picture, and a child not made yet paints nothing.
TEST_F(ScreenCopies, TheCacheLeavesOutOnlyChildWindowsThatCoverTheirPlace) {
  AddSection("OWN", 0, 0x00808080);
  const int textured = AddSection("TEXTURED", 0, 0x00808080);
  Section(textured).ImagePercent = 30;
  TSkinnedPanel* panel = AddPanel(form, "OWN", Bounds(0, 0, 100, 60));
  TSkinnedPanel* opaque = AddPanel(panel, "OWN", Bounds(10, 10, 20, 20));
  TSkinnedPanel* seeThrough = AddPanel(panel, "TEXTURED", Bounds(50, 10, 20, 20));
  form->Show();
  driver.runUntilIdle();
  ASSERT_EQ(SendSkinCommand(opaque, SKC_QUERY_TRANSPARENT), 0);
  ASSERT_EQ(SendSkinCommand(seeThrough, SKC_QUERY_TRANSPARENT), 1);
  const Bitmap target = GreenCacheOverBlue(*panel);
  EXPECT_EQ(target.pixel(20, 20), 0x00FF0000u) << "the opaque child paints its own place";
  EXPECT_EQ(target.pixel(60, 20), 0x0000FF00u) << "the see-through child shows the cache";
  EXPECT_EQ(target.pixel(40, 40), 0x0000FF00u);
}

TEST_F(ScreenCopies, AChildWindowNotMadeYetDoesNotKeepTheCacheOffItsPlace) {
  AddSection("OWN", 0, 0x00808080);
  TSkinnedPanel* panel = AddPanel(form, "OWN", Bounds(0, 0, 100, 60));
  TSkinnedPanel* child = AddPanel(panel, "OWN", Bounds(10, 10, 20, 20));
  ASSERT_FALSE(child->HandleAllocated());
  const Bitmap target = GreenCacheOverBlue(*panel);
  EXPECT_EQ(target.pixel(20, 20), 0x0000FF00u);
  EXPECT_EQ(target.pixel(40, 40), 0x0000FF00u);
}
