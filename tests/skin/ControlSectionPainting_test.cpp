// A control's own section painted from its skin state: drawn into a place
// that lies inside the bitmap, and nothing at all drawn (not even the part
// that would fit) when the place leaves the bitmap or the control has no
// valid section.
#include <gtest/gtest.h>

#include "skin/ControlSkinPainting.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

constexpr TColor kSection = 0x002040C0;
constexpr TColor kUntouched = 0x00A0A0A0;

struct ControlSectionPainting : ::testing::Test, SkinStateFixture {
  ControlSectionPainting() {
    AddSection("SOLID", 0, kSection);
    manager.Content().RefreshConstIndexes();
  }
  static Bitmap Canvas() {
    Bitmap bmp(20, 16, PixelFormat::Bgr24);
    bmp.fill(kUntouched);
    return bmp;
  }
  static int Changed(const Bitmap& bmp) {
    int n = 0;
    for (int y = 0; y < bmp.height(); ++y)
      for (int x = 0; x < bmp.width(); ++x) n += bmp.pixel(x, y) != kUntouched;
    return n;
  }
};

}  // namespace

TEST_F(ControlSectionPainting, ThePlaceMustLieInsideTheBitmap) {
  TSkinnedDot* dot = AddDot(form, "SOLID", Bounds(0, 0, 8, 8));
  ASSERT_TRUE(manager.Content().IsValidSkinIndex(dot->SkinData.SkinIndex));
  const TCacheInfo parent = MakeCacheInfo(nullptr);

  Bitmap inside = Canvas();
  PaintSkinItem(dot->SkinData, parent, true, false, &inside, {0, 0}, Rect(4, 4, 12, 12), 0);
  EXPECT_EQ(inside.pixel(4, 4), kSection);
  EXPECT_EQ(inside.pixel(11, 11), kSection);
  EXPECT_EQ(inside.pixel(12, 12), kUntouched);
  EXPECT_EQ(Changed(inside), 64);

  for (TRect outside : {Rect(14, 4, 22, 12), Rect(4, 10, 12, 18), Rect(-2, 4, 6, 12), Rect(4, -1, 12, 7)}) {
    Bitmap bmp = Canvas();
    PaintSkinItem(dot->SkinData, parent, true, false, &bmp, {0, 0}, outside, 0);
    EXPECT_EQ(Changed(bmp), 0) << outside.Left << "," << outside.Top;
    PaintSkinItemBackground(dot->SkinData, parent, &bmp, {0, 0}, outside, 0);
    EXPECT_EQ(Changed(bmp), 0) << outside.Left << "," << outside.Top;
  }
  PaintSkinItem(dot->SkinData, parent, true, false, nullptr, {0, 0}, Rect(4, 4, 12, 12), 0);  // no bitmap: nothing
}

TEST_F(ControlSectionPainting, AControlWithoutAValidSectionPaintsNothing) {
  TSkinnedDot* unknown = AddDot(form, "NOSUCHSECTION", Bounds(0, 0, 8, 8));
  Bitmap bmp = Canvas();
  PaintSkinItem(unknown->SkinData, MakeCacheInfo(nullptr), true, false, &bmp, {0, 0}, Rect(0, 0, 8, 8), 0);
  EXPECT_EQ(Changed(bmp), 0);
  TSkinnedDot* stale = AddDot(form, "SOLID", Bounds(0, 0, 8, 8));
  stale->SkinData.SkinIndex = static_cast<int>(manager.Content().Sections.size());  // past the last section
  PaintSkinItem(stale->SkinData, MakeCacheInfo(nullptr), true, false, &bmp, {0, 0}, Rect(0, 0, 8, 8), 0);
  EXPECT_EQ(Changed(bmp), 0);
}
