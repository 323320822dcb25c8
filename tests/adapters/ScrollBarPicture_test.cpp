// The picture of one skinned scroll bar, painted from a skin put together
// here: every part reaches the bar's first column and row, the arrow glyphs
// sit centred in the square at the outer end of their buttons, a thumb whose
// border mask draws its centre is filled, and a disabled bar is faded over
// its whole area, last row and column included.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "adapters/TacScrollBar.h"
#include "adapters/TacScrollBarPainter.h"
#include "paint/BorderMaskPainter.h"

namespace {

constexpr TColor kTrack1 = RGB(200, 200, 200);
constexpr TColor kTrack2 = RGB(180, 180, 180);
constexpr TColor kArrowFirst = RGB(100, 150, 200);
constexpr TColor kArrowSecond = RGB(150, 200, 100);
constexpr TColor kSlider = RGB(40, 80, 120);
constexpr TColor kGlyph = RGB(0, 0, 0);
constexpr TColor kThumbEdge = RGB(10, 20, 30);
constexpr TColor kThumbCentre = RGB(250, 240, 230);
constexpr TColor kParent = RGB(100, 50, 0);

// The glyph frames: 3 states of 6 by 4 pixels, the glyph a full block.
constexpr int kGlyphW = 6;
constexpr int kGlyphH = 4;

struct ScrollBarPicture : ::testing::Test {
  TsSkinContent skin;

  ScrollBarPicture() {
    skin.SkinData.Active = true;
    auto section = [this](const char* name, TColor color) {
      TsGeneralData s;
      s.SectionName = name;
      s.Color = color;
      s.HotColor = color;
      skin.Sections.push_back(s);
    };
    section("GLOBALINFO", RGB(240, 240, 240));
    section("SCROLLBAR1V", kTrack1);
    section("SCROLLBAR1H", kTrack1);
    section("SCROLLBAR2V", kTrack2);
    section("SCROLLBAR2H", kTrack2);
    section("SCROLLBTNTOP", kArrowFirst);
    section("SCROLLBTNLEFT", kArrowFirst);
    section("SCROLLBTNBOTTOM", kArrowSecond);
    section("SCROLLBTNRIGHT", kArrowSecond);
    section("SCROLLSLIDERV", kSlider);
    section("SCROLLSLIDERH", kSlider);

    skin.MasterBitmap = std::make_shared<Bitmap>(3 * kGlyphW, kGlyphH, PixelFormat::Bgr24);
    skin.MasterBitmap->fill(kGlyph);
    for (const char* arrow : {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"}) {
      TsMaskData glyph;
      glyph.SectionName = arrow;
      glyph.PropertyName = "GLYPHMASK";
      glyph.ImgType = itisaGlyph;
      glyph.R = Rect(0, 0, 3 * kGlyphW, kGlyphH);
      glyph.ImageCount = 3;
      skin.Masks.push_back(glyph);
    }
    skin.RefreshConstIndexes();
  }

  // A border mask for the vertical thumb: 3 states of 9 by 9 pixels, a
  // 3-pixel edge around a centre of its own colour.
  void GiveTheThumbABorderMask(int stretchMode) {
    TsMaskData border;
    border.SectionName = "SCROLLSLIDERV";
    border.PropertyName = "BORDERSMASK";
    border.Bmp = std::make_shared<Bitmap>(27, 9, PixelFormat::Bgr24);
    border.Bmp->fill(kThumbEdge);
    for (int state = 0; state < 3; ++state)
      for (int y = 3; y < 6; ++y)
        for (int x = 3; x < 6; ++x) border.Bmp->setPixel(state * 9 + x, y, kThumbCentre);
    border.R = Rect(0, 0, 27, 9);
    border.ImageCount = 3;
    border.WL = border.WT = border.WR = border.WB = 3;
    border.StretchMode = static_cast<std::int16_t>(stretchMode);
    skin.Masks.push_back(border);
    skin.RefreshConstIndexes();
  }

  static TacBarLook Vertical() {
    TacBarLook look;
    look.Kind = kBarVertical;
    look.Width = 17;
    look.Height = 100;
    look.Arrow = 17;
    look.DefaultArrow = 17;
    look.DrawThumb = true;
    look.ThumbStart = 40;
    look.ThumbLength = 20;
    return look;
  }
  static TacBarLook Horizontal() {
    TacBarLook look = Vertical();
    look.Kind = kBarHorizontal;
    look.Width = 100;
    look.Height = 17;
    return look;
  }
  Bitmap Paint(const TacBarLook& look) const { return TacScrollBarPainter(skin).Paint(look); }

  // The glyph block's columns in a bitmap row ([first, last], -1 when none).
  static std::pair<int, int> GlyphColumns(const Bitmap& bar, int y) {
    int first = -1, last = -1;
    for (int x = 0; x < bar.width(); ++x)
      if (bar.pixel(x, y) == kGlyph) {
        if (first < 0) first = x;
        last = x;
      }
    return {first, last};
  }
  static std::pair<int, int> GlyphRows(const Bitmap& bar, int x, int from = 0, int to = -1) {
    int first = -1, last = -1;
    for (int y = from; y < (to < 0 ? bar.height() : to); ++y)
      if (bar.pixel(x, y) == kGlyph) {
        if (first < 0) first = y;
        last = y;
      }
    return {first, last};
  }
};

// The colour keeping 60 % over the parent's 40 %, rounded to nearest (ties
// to even).
TColor Faded(TColor c, TColor parent) {
  auto mix = [](int v, int p) {
    const int sum = 60 * v + 40 * p, q = sum / 100, r = sum % 100;
    return r > 50 || (r == 50 && q % 2 == 1) ? q + 1 : q;
  };
  return RGB(mix(GetRValue(c), GetRValue(parent)), mix(GetGValue(c), GetGValue(parent)), mix(GetBValue(c), GetBValue(parent)));
}

}  // namespace

TEST_F(ScrollBarPicture, EveryPartOfAVerticalBarReachesItsFirstAndLastColumn) {
  const Bitmap bar = Paint(Vertical());
  ASSERT_EQ(bar.width(), 17);
  ASSERT_EQ(bar.height(), 100);
  for (int x : {0, 16}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(bar.pixel(x, 0), kArrowFirst);
    EXPECT_EQ(bar.pixel(x, 16), kArrowFirst);
    EXPECT_EQ(bar.pixel(x, 17), kTrack1);
    EXPECT_EQ(bar.pixel(x, 39), kTrack1);
    EXPECT_EQ(bar.pixel(x, 40), kSlider);
    EXPECT_EQ(bar.pixel(x, 59), kSlider);
    EXPECT_EQ(bar.pixel(x, 60), kTrack2);
    EXPECT_EQ(bar.pixel(x, 82), kTrack2);
    EXPECT_EQ(bar.pixel(x, 83), kArrowSecond);
    EXPECT_EQ(bar.pixel(x, 99), kArrowSecond);
  }
}

TEST_F(ScrollBarPicture, EveryPartOfAHorizontalBarReachesItsFirstAndLastRow) {
  const Bitmap bar = Paint(Horizontal());
  for (int y : {0, 16}) {
    SCOPED_TRACE(y);
    EXPECT_EQ(bar.pixel(0, y), kArrowFirst);
    EXPECT_EQ(bar.pixel(16, y), kArrowFirst);
    EXPECT_EQ(bar.pixel(17, y), kTrack1);
    EXPECT_EQ(bar.pixel(40, y), kSlider);
    EXPECT_EQ(bar.pixel(59, y), kSlider);
    EXPECT_EQ(bar.pixel(60, y), kTrack2);
    EXPECT_EQ(bar.pixel(83, y), kArrowSecond);
    EXPECT_EQ(bar.pixel(99, y), kArrowSecond);
  }
}

TEST_F(ScrollBarPicture, ArrowGlyphsAreCentredInTheSquareAtTheOuterEnd) {
  // Buttons longer than their square: the glyph stays at the bar's end. An
  // odd room across (17 - 6, 15 - 4) shows where the centring rounds.
  TacBarLook look = Vertical();
  look.Arrow = 30;
  look.DefaultArrow = 17;
  look.ThumbStart = 45;
  look.ThumbLength = 10;
  const Bitmap bar = Paint(look);
  // Across: (17 - 6) / 2 = 5. Along: the top square is rows 0..16, the
  // bottom one rows 83..99; (17 - 4) / 2 = 6 into each.
  EXPECT_EQ(GlyphColumns(bar, 7), (std::pair{5, 10}));
  EXPECT_EQ(GlyphRows(bar, 7, 0, 50), (std::pair{6, 9}));
  EXPECT_EQ(GlyphColumns(bar, 90), (std::pair{5, 10}));
  EXPECT_EQ(GlyphRows(bar, 7, 50), (std::pair{89, 92}));

  TacBarLook across = Horizontal();
  across.Height = 15;  // (15 - 4) / 2 = 5 rows down
  across.Arrow = 30;
  across.DefaultArrow = 17;
  across.ThumbStart = 45;
  across.ThumbLength = 10;
  const Bitmap wide = Paint(across);
  EXPECT_EQ(GlyphRows(wide, 8), (std::pair{5, 8}));
  EXPECT_EQ(GlyphRows(wide, 90), (std::pair{5, 8}));
  EXPECT_EQ(GlyphColumns(wide, 6).first, 5);  // (17 - 6) / 2 into the left square
  int lastGlyphColumn = -1;
  for (int x = 50; x < 100; ++x)
    if (wide.pixel(x, 6) == kGlyph) lastGlyphColumn = x;
  EXPECT_EQ(lastGlyphColumn, 83 + 5 + 5);  // the right square is columns 83..99
}

TEST_F(ScrollBarPicture, ABarTooShortForBothArrowsGivesEachHalfAndNoThumb) {
  TacBarLook look = Vertical();
  look.Height = 30;  // less than two 17-pixel arrows
  look.ThumbStart = 12;
  look.ThumbLength = 6;
  Bitmap bar = Paint(look);
  EXPECT_EQ(bar.pixel(8, 0), kArrowFirst);
  EXPECT_EQ(bar.pixel(8, 14), kArrowFirst);
  EXPECT_EQ(bar.pixel(8, 15), kArrowSecond);
  EXPECT_EQ(bar.pixel(8, 29), kArrowSecond);
  for (int y = 0; y < 30; ++y) ASSERT_NE(bar.pixel(0, y), kSlider) << y;

  // Exactly two arrows long: no room for a thumb, even when one is asked for.
  look.Height = 34;
  look.ThumbStart = 15;
  look.ThumbLength = 4;
  bar = Paint(look);
  for (int y = 0; y < 34; ++y) ASSERT_EQ(bar.pixel(0, y), y < 17 ? kArrowFirst : kArrowSecond) << y;

  // A bar a little longer than both arrows has the track and thumb between.
  look.Height = 40;
  look.ThumbStart = 18;
  look.ThumbLength = 4;
  bar = Paint(look);
  EXPECT_EQ(bar.pixel(0, 16), kArrowFirst);
  EXPECT_EQ(bar.pixel(0, 17), kTrack1);
  EXPECT_EQ(bar.pixel(0, 19), kSlider);
  EXPECT_EQ(bar.pixel(0, 22), kTrack2);
  EXPECT_EQ(bar.pixel(0, 23), kArrowSecond);
}

TEST_F(ScrollBarPicture, AThumbWhoseBorderMaskDrawsItsCentreIsFilledByIt) {
  GiveTheThumbABorderMask(bsDrawCentre);
  const Bitmap bar = Paint(Vertical());
  EXPECT_EQ(bar.pixel(0, 40), kThumbEdge);
  EXPECT_EQ(bar.pixel(16, 59), kThumbEdge);
  EXPECT_EQ(bar.pixel(8, 50), kThumbCentre);
  EXPECT_EQ(bar.pixel(3, 43), kThumbCentre);
  EXPECT_EQ(bar.pixel(13, 56), kThumbCentre);
}

TEST_F(ScrollBarPicture, AThumbWhoseBorderMaskKeepsItsCentreShowsTheSectionThere) {
  GiveTheThumbABorderMask(0);
  const Bitmap bar = Paint(Vertical());
  EXPECT_EQ(bar.pixel(0, 40), kThumbEdge);
  EXPECT_EQ(bar.pixel(8, 50), kSlider);
}

TEST_F(ScrollBarPicture, ADisabledBarIsFadedIntoItsParentsColourToTheLastPixel) {
  TacBarLook look = Vertical();
  look.Enabled = false;
  look.ParentColor = kParent;
  const Bitmap bar = Paint(look);
  EXPECT_EQ(bar.pixel(0, 0), Faded(kArrowFirst, kParent));
  EXPECT_EQ(bar.pixel(16, 30), Faded(kTrack1, kParent));
  EXPECT_EQ(bar.pixel(16, 50), Faded(kSlider, kParent));
  EXPECT_EQ(bar.pixel(8, 99), Faded(kArrowSecond, kParent));
  EXPECT_EQ(bar.pixel(16, 99), Faded(kArrowSecond, kParent));

  // Without a parent colour the button face is the colour faded into.
  look.ParentColor = clFuchsia;
  const Bitmap plain = Paint(look);
  EXPECT_EQ(plain.pixel(16, 99), Faded(kArrowSecond, ColorToRGB(clBtnFace)));
}

TEST_F(ScrollBarPicture, ADisabledBarOverTheParentsPictureKeepsFourTenthsOfItselfOverThePictureUnderIt) {
  // A parent picture that changes from pixel to pixel, so a bar laid one
  // pixel off would show it.
  Bitmap parent(60, 140, PixelFormat::Bgr24);
  for (int y = 0; y < 140; ++y)
    for (int x = 0; x < 60; ++x) parent.setPixel(x, y, RGB(4 * x, (7 * y) % 256, 0));
  TacBarLook look = Vertical();
  look.Enabled = false;
  look.Background = MakeCacheInfo(&parent, 10, 20);
  look.Position = {5, 5};
  const Bitmap bar = Paint(look);
  const Bitmap enabled = Paint(Vertical());
  for (TPoint p : {TPoint{0, 0}, TPoint{16, 99}, TPoint{16, 30}, TPoint{3, 99}, TPoint{7, 50}}) {
    const TColor c = bar.pixel(p.X, p.Y);
    const TColor own = enabled.pixel(p.X, p.Y);
    const TColor under = parent.pixel(10 + 5 + p.X, 20 + 5 + p.Y);
    EXPECT_NEAR(GetRValue(c), 0.4 * GetRValue(own) + 0.6 * GetRValue(under), 1) << p.X << "," << p.Y;
    EXPECT_NEAR(GetGValue(c), 0.4 * GetGValue(own) + 0.6 * GetGValue(under), 1) << p.X << "," << p.Y;
    EXPECT_NEAR(GetBValue(c), 0.4 * GetBValue(own) + 0.6 * GetBValue(under), 1) << p.X << "," << p.Y;
  }
}

TEST_F(ScrollBarPicture, PartsTheSkinLacksLeaveTheTrackAsItIs) {
  // A skin with the tracks only: no arrow or thumb section.
  std::erase_if(skin.Sections, [](const TsGeneralData& s) {
    return s.SectionName.starts_with("SCROLLBTN") || s.SectionName.starts_with("SCROLLSLIDER");
  });
  skin.RefreshConstIndexes();
  const Bitmap bar = Paint(Vertical());
  for (int y : {0, 16, 40, 49}) {
    EXPECT_EQ(bar.pixel(0, y), kTrack1) << y;
    EXPECT_EQ(bar.pixel(16, y), kTrack1) << y;
  }
  for (int y : {50, 59, 83, 99}) {
    EXPECT_EQ(bar.pixel(0, y), kTrack2) << y;
    EXPECT_EQ(bar.pixel(16, y), kTrack2) << y;
  }
}

TEST_F(ScrollBarPicture, ABarTooShortForItsArrowsShowsBothTracksWhereTheSkinHasNoArrows) {
  std::erase_if(skin.Sections, [](const TsGeneralData& s) { return s.SectionName.starts_with("SCROLLBTN"); });
  skin.RefreshConstIndexes();
  TacBarLook look = Vertical();
  look.Height = 30;
  const Bitmap bar = Paint(look);
  for (int y = 0; y < 30; ++y) ASSERT_EQ(bar.pixel(8, y), y < 15 ? kTrack1 : kTrack2) << y;
}

TEST_F(ScrollBarPicture, TheSizeBoxShowsTheParentWithTheGripsFirstFrameInItsCorner) {
  // A grip of two 3 by 3 frames after the arrow glyphs in the master
  // bitmap: the first frame green, the second blue.
  auto master = std::make_shared<Bitmap>(3 * kGlyphW + 6, kGlyphH, PixelFormat::Bgr24);
  master->fill(kGlyph);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) master->setPixel(3 * kGlyphW + x, y, x < 3 ? clGreen : clBlue);
  skin.MasterBitmap = master;
  TsMaskData grip;
  grip.SectionName = "GLOBALINFO";
  grip.PropertyName = "GRIPIMAGE";
  grip.R = Rect(3 * kGlyphW, 0, 3 * kGlyphW + 6, 3);
  grip.ImageCount = 2;
  skin.Masks.push_back(grip);
  skin.RefreshConstIndexes();
  const TacScrollBarPainter painter(skin);

  const Bitmap box = painter.PaintSizeBox(17, 16, EmptyCI(), Point(0, 0), kParent, true);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 17; ++x)
      ASSERT_EQ(box.pixel(x, y), x >= 14 && y >= 13 ? clGreen : kParent) << x << "," << y;
  EXPECT_EQ(painter.PaintSizeBox(17, 16, EmptyCI(), Point(0, 0), kParent, false).pixel(16, 15), kParent);

  // A grip without frames draws nothing.
  skin.Masks.back().ImageCount = 0;
  const Bitmap bare = TacScrollBarPainter(skin).PaintSizeBox(17, 16, EmptyCI(), Point(0, 0), kParent, true);
  EXPECT_EQ(bare.pixel(16, 15), kParent);
}
