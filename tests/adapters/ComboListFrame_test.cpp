// The frame of a long picker's open list comes from the skin's EDIT section:
// with a border picture whose outer ring has a colour of its own, every
// pixel of the list window's edge, all four sides to their last pixel,
// shows that ring.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/TsComboBox.h"
#include "tests/controls/SkinnedComboFixture.h"

namespace {

constexpr TColor kRing = 0x00204060;
constexpr TColor kInside = 0x00E0E8F0;

struct ComboListFrame : combo_test::SkinnedComboFixture {
  // Three 5 x 5 state frames: a one-pixel ring around an inside colour.
  void GiveTheEditSectionABorder() {
    auto picture = std::make_shared<Bitmap>(15, 5);
    for (int frame = 0; frame < 3; ++frame)
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
          picture->setPixel(frame * 5 + x, y, x == 0 || y == 0 || x == 4 || y == 4 ? kRing : kInside);
    AddBorderPicture("EDIT", picture, 1, 3);
  }
};

TEST_F(ComboListFrame, EveryEdgePixelOfTheOpenListIsTheSkinsBorder) {
  GiveTheEditSectionABorder();
  Show();
  for (int i = 0; i < 20; ++i) combo->Items().Add("Команда " + std::to_string(i));
  combo->SetDropDownCount(16);
  driver.clickClient(box(), {ButtonMiddle().X, ButtonMiddle().Y});
  ASSERT_TRUE(combo->DroppedDown());
  ASSERT_NE(combo->ListAdapter(), nullptr);
  const HWND list = combo->ListWindow();
  RECT window{};
  GetWindowRect(list, &window);
  const int w = window.Width(), h = window.Height();
  ASSERT_GT(w, 20);
  ASSERT_GT(h, 20);
  const Bitmap shot = driver.screenshot();
  auto at = [&](int x, int y) {
    const POINT p = driver.windowToScreen(list, {x, y});
    return shot.pixel(p.X, p.Y);
  };
  for (int y = 0; y < h; ++y) {
    ASSERT_EQ(at(0, y), kRing) << "left edge, row " << y;
    ASSERT_EQ(at(w - 1, y), kRing) << "right edge, row " << y;
  }
  for (int x = 0; x < w; ++x) {
    ASSERT_EQ(at(x, 0), kRing) << "top edge, column " << x;
    ASSERT_EQ(at(x, h - 1), kRing) << "bottom edge, column " << x;
  }
}

}  // namespace
