// The drawn hint windows: where a hint goes and how its bubble is laid out,
// the pictures it is made of (edge, shadow grey levels, composition), the
// window class the manager installs, and the hint shown on the first program
// window: fading in on the virtual clock, suppressed by hsNone, and laid
// over the screen where nothing composes translucent windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "controls/hints/TacHintPixels.h"
#include "controls/hints/TsBalloonHintWindow.h"
#include "controls/hints/TsComicsHintWindow.h"
#include "controls/hints/TsEllipseHintWindow.h"
#include "controls/hints/TsHintManager.h"
#include "controls/hints/TsSimplyHintWindow.h"
#include "framework/TApplication.h"
#include "framework/graphics/TBitmap.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsSkinManager.h"
#include "tests/controls/ProgramWindows.h"

namespace {

constexpr const char* kRemoveHint = "Убрать выбранную команду";

bool Inside(const Bitmap& mask, int x, int y) { return mask.pixel(x, y) != clWhite; }
int Brightness(TColor c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// A manager made in code with one preset applied.
class HintPictures : public ::testing::Test {
 protected:
  HintPictures() { app_.Initialize(); }

  TsHintManager& Manager(TsHintsPredefinitions preset) {
    manager_ = std::make_unique<TsHintManager>(nullptr);
    manager_->SetPredefinitions(preset);
    manager_->ApplyPreset();
    return *manager_;
  }
  // The same with an edge of `bevel` pixels, red above and left, blue below
  // and right.
  TsHintManager& EdgedManager(TsHintsPredefinitions preset, int bevel) {
    TsHintManager& m = Manager(preset);
    m.HintKind().ColorBorderTop = clRed;
    m.HintKind().ColorBorderBottom = clBlue;
    m.HintKind().BevelWidth = bevel;
    return m;
  }

  HeadlessDriver driver_;  // 1280 x 1024
  TApplication app_{nullptr};
  std::unique_ptr<TsHintManager> manager_;
};

TEST_F(HintPictures, AComicsHintAtTheBottomRightCornerFlipsAboveAndLeftWithItsTailThere) {
  TsComicsHintWindow window(nullptr, &Manager(shComicsGradient));
  const TsHintMeasure m = window.Measure(kRemoveHint);

  // Away from the edges the window hangs below and right of the point.
  TsHintLayout free = window.Layout(m, {100, 100});
  EXPECT_EQ(free.Placement.Corner, mpLeftTop);
  EXPECT_EQ(free.Placement.Window.TopLeft(), (TPoint{100, 100}));
  EXPECT_EQ(free.Tip, (TPoint{3, 3}));
  EXPECT_EQ(free.Body.Top, 24) << "the tail's room lies above the body";

  TsHintLayout corner = window.Layout(m, {1279, 1023});
  EXPECT_EQ(corner.Placement.Corner, mpRightBottom);
  EXPECT_EQ(corner.Placement.Window, Rect(1279 - m.Size.cx, 1023 - m.Size.cy, 1279, 1023));
  const TSize s = corner.Size;
  EXPECT_EQ(corner.Tip, (TPoint{s.cx - 3, s.cy - 3}));
  EXPECT_EQ(corner.Body, Rect(0, 0, s.cx - 7, s.cy - 7 - 24));

  // The bubble's shape reaches the tip at the bottom right, not the top left.
  const TsHintPictures p = window.BuildPictures(corner, kRemoveHint);
  const TPoint mid{(corner.Body.Left + corner.Body.Right) / 2, (corner.Body.Top + corner.Body.Bottom) / 2};
  auto towardMiddle = [&](TPoint from, int percent) {
    return TPoint{from.X + (mid.X - from.X) * percent / 100, from.Y + (mid.Y - from.Y) * percent / 100};
  };
  const TPoint nearTip = towardMiddle(corner.Tip, 10);
  EXPECT_TRUE(Inside(p.Mask, nearTip.X, nearTip.Y)) << "the tail";
  EXPECT_FALSE(Inside(p.Mask, 3, s.cy - 3)) << "no tail at the bottom left";
  EXPECT_FALSE(Inside(p.Mask, 1, 1)) << "the rounded corner is cut away";
  const TPoint body = towardMiddle({s.cx - 3, 3}, 30);
  EXPECT_TRUE(Inside(p.Mask, body.X, body.Y));
}

TEST_F(HintPictures, WithTheRightCornersAtThePointTheWindowHangsLeftOfIt) {
  TsHintManager& m = Manager(shComicsGradient);
  TsComicsHintWindow window(nullptr, &m);
  const TsHintMeasure measure = window.Measure(kRemoveHint);
  m.SetDefaultMousePos(mpRightTop);
  TsHintLayout top = window.Layout(measure, {600, 500});
  EXPECT_EQ(top.Placement.Corner, mpRightTop);
  EXPECT_EQ(top.Placement.Window, Rect(600 - measure.Size.cx, 500, 600, 500 + measure.Size.cy));
  EXPECT_EQ(top.Tip, (TPoint{top.Size.cx - 3, 3}));
  m.SetDefaultMousePos(mpRightBottom);
  TsHintLayout bottom = window.Layout(measure, {600, 500});
  EXPECT_EQ(bottom.Placement.Corner, mpRightBottom);
  EXPECT_EQ(bottom.Placement.Window, Rect(600 - measure.Size.cx, 500 - measure.Size.cy, 600, 500));
}

TEST_F(HintPictures, MeasuringAddsMarginsEdgeShadowAndTheTailsRoom) {
  TsComicsHintWindow window(nullptr, &Manager(shComicsGradient));
  const TsHintMeasure m = window.Measure(kRemoveHint);
  EXPECT_LE(m.Text.cx, 180) << "wrapped at MaxWidth";
  EXPECT_EQ(m.Size.cx, m.Text.cx + (15 + 1) * 2 + 7);
  EXPECT_EQ(m.Size.cy, m.Text.cy + (7 + 1) * 2 + 7 + 24);
}

TEST_F(HintPictures, AOneWordEllipseHintIsAtLeastFiftyPixelsWideAndItsEllipseHoldsTheText) {
  TsEllipseHintWindow window(nullptr, &Manager(shEllipse));
  const TsHintMeasure m = window.Measure("Да");
  EXPECT_EQ(m.Text.cx, 50);
  EXPECT_GT(m.Growth.cx, 0);
  EXPECT_GT(m.Growth.cy, 0);
  EXPECT_EQ(m.Size.cx, 50 + (6 + 1) * 2 + 16 + m.Growth.cx);

  // The corners of the text block lie inside the ellipse over the body.
  const TsHintLayout l = window.Layout(m, {300, 300});
  const TsHintKind& k = manager_->HintKind();
  const TRect text = l.Body.Inflate(-(k.MarginH + k.BevelWidth + l.Growth.cx / 2),
                                    -(k.MarginV + k.BevelWidth + l.Growth.cy / 2));
  const double a = l.Body.Width() / 2.0, b = l.Body.Height() / 2.0;
  const double cx = l.Body.Left + a, cy = l.Body.Top + b;
  const double dx = (text.Right - cx) / a, dy = (text.Bottom - cy) / b;
  EXPECT_LE(dx * dx + dy * dy, 1.0);
  const TsHintPictures p = window.BuildPictures(l, "Да");
  EXPECT_TRUE(Inside(p.Mask, text.Left, text.Top));
  EXPECT_FALSE(Inside(p.Mask, l.Body.Left + 1, l.Body.Top + 1)) << "an ellipse, not a box";
  // The ellipse takes in the body's right and bottom edges too.
  const int middleX = (l.Body.Left + l.Body.Right) / 2, middleY = (l.Body.Top + l.Body.Bottom) / 2;
  EXPECT_TRUE(Inside(p.Mask, l.Body.Right, middleY));
  EXPECT_TRUE(Inside(p.Mask, middleX, l.Body.Bottom));
}

TEST_F(HintPictures, TheEdgeIsOnePixelWideInTheTopAndBottomColours) {
  TsHintManager& m = EdgedManager(shComicsGradient, 3);
  TsComicsHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure(kRemoveHint), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, kRemoveHint);
  const int mid = (l.Body.Left + l.Body.Right) / 2;
  EXPECT_EQ(p.Picture.pixel(mid, l.Body.Top), clRed);
  EXPECT_NE(p.Picture.pixel(mid, l.Body.Top + 1), clRed);
  EXPECT_EQ(p.Picture.pixel(mid + 3, l.Body.Bottom - 1), clBlue);
  EXPECT_NE(p.Picture.pixel(mid + 3, l.Body.Bottom - 2), clBlue);
  EXPECT_EQ(p.Picture.pixel(l.Body.Left, (l.Body.Top + l.Body.Bottom) / 2), clRed);
  EXPECT_EQ(p.Picture.pixel(l.Body.Right - 1, (l.Body.Top + l.Body.Bottom) / 2), clBlue);
  // The composed picture is opaque inside the shape.
  EXPECT_EQ(p.Composed.start()[3 + 4 * mid + (l.Body.Top + 5) * p.Composed.delta()], 255);
}

TEST_F(HintPictures, ASimpleHintsEdgeIsAsWideAsItsBevelAndTheBodyInsideKeepsItsColour) {
  TsHintManager& m = EdgedManager(shSimply, 2);
  TsHintKind& k = m.HintKind();
  k.GradientPercent = 0;
  k.TexturePercent = 0;
  k.Color = RGB(250, 240, 200);
  TsSimplyHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure("Да"), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, "Да");
  EXPECT_EQ(p.Picture.pixel(l.Body.Left + 1, l.Body.Top + 1), clRed);
  EXPECT_EQ(p.Picture.pixel(l.Body.Right - 2, l.Body.Bottom - 2), clBlue);
  EXPECT_EQ(p.Picture.pixel(l.Body.Left + 2, l.Body.Top + 2), RGB(250, 240, 200)) << "two rings, no more";
  EXPECT_EQ(p.Picture.pixel(l.Body.Right - 3, l.Body.Bottom - 3), RGB(250, 240, 200));
  // The box fills the window from its top left corner: the light edge runs
  // along the window's first column and first row.
  EXPECT_EQ(p.Picture.pixel(0, (l.Body.Top + l.Body.Bottom) / 2), clRed);
  EXPECT_EQ(p.Picture.pixel((l.Body.Left + l.Body.Right) / 2, 0), clRed);
}

TEST_F(HintPictures, ADrawnBubbleWithABevelOfOneHasItsOnePixelEdge) {
  TsHintManager& m = EdgedManager(shComicsTransparent, 1);
  TsComicsHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure(kRemoveHint), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, kRemoveHint);
  const int mid = (l.Body.Left + l.Body.Right) / 2;
  EXPECT_EQ(p.Picture.pixel(mid, l.Body.Top), clRed);
  EXPECT_EQ(p.Picture.pixel(mid + 3, l.Body.Bottom - 1), clBlue);
  m.HintKind().BevelWidth = 0;
  const TsHintPictures plain = window.BuildPictures(l, kRemoveHint);
  EXPECT_NE(plain.Picture.pixel(mid, l.Body.Top), clRed) << "no bevel, no edge";
}

TEST_F(HintPictures, TheShadowMapsGreyLevelsFollowTheFormula) {
  TsHintManager& m = Manager(shSimply);
  TsHintKind& k = m.HintKind();
  k.ShadowBlur = 3;
  k.ShadowOffset = 4;
  k.ShadowTransparency = 40;
  k.Transparency = 10;
  // p = rnd(40 + 60 * 10 / 100) = 46, t = 46 * 255 div 100 = 117; the grey
  // of ring e is rnd((3 - e) * 138 / 4) + 117: 103.5 and 34.5 round to even.
  EXPECT_EQ(TacHintPixels::ShadowDepth(40, 10), 117);
  const int expected[] = {104 + 117, 69 + 117, 34 + 117, 117};

  TsSimplyHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure("Да"), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, "Да");
  const int y = (l.Body.Top + l.Body.Bottom) / 2 + 4;
  const int right = l.Body.Right + 4;  // the shadow's right edge
  for (int e = 0; e <= 3; ++e) {
    const int grey = static_cast<int>(p.Shadow.pixel(right - 1 - e, y) & 0xFF);
    EXPECT_EQ(grey, expected[e]) << "ring " << e;
  }
  EXPECT_EQ(p.Shadow.pixel(right - 10, y) & 0xFF, 117u) << "the middle is the darkest grey";
  EXPECT_EQ(p.Shadow.pixel(2, l.Size.cy - 2), clWhite) << "left of the shifted shape: no shadow";
  // Outside the bubble the composed picture is black with alpha 255 - grey.
  const std::uint8_t* px = p.Composed.row(y) + (right - 1) * 4;
  EXPECT_EQ(px[0] + px[1] + px[2], 0);
  EXPECT_EQ(px[3], 255 - expected[0]);
}

TEST_F(HintPictures, UnderALongBlurTheTailsShadowStaysLighterThanTheMiddle) {
  TsHintManager& m = Manager(shComicsGradient);
  TsHintKind& k = m.HintKind();
  // A tall, narrow bubble: more passes than the tail is wide at its base,
  // fewer than the body needs to shrink away.
  k.ShadowBlur = 20;
  const char* text = "Да\nда\nДа\nда\nДа\nда";
  TsComicsHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure(text), {100, 100});
  ASSERT_LT(l.Body.Width() / 8, 20);
  ASSERT_GT(l.Body.Height() / 2, 20);
  const TsHintPictures p = window.BuildPictures(l, text);
  const int depth = TacHintPixels::ShadowDepth(k.ShadowTransparency, k.Transparency);
  const int off = l.Shadow;
  const int middle = static_cast<int>(p.Shadow.pixel((l.Body.Left + l.Body.Right) / 2 + off,
                                                     (l.Body.Top + l.Body.Bottom) / 2 + off) & 0xFF);
  EXPECT_EQ(middle, depth) << "the body's middle takes the darkest grey";
  // The tail's shadow, above the body's: the tail narrows to nothing before
  // the last passes.
  int tailShade = 0, darkest = 255;
  for (int y = 0; y < l.Body.Top + off; ++y)
    for (int x = 0; x < l.Size.cx; ++x) {
      const int grey = static_cast<int>(p.Shadow.pixel(x, y) & 0xFF);
      tailShade += grey < 255;
      darkest = std::min(darkest, grey);
    }
  EXPECT_GT(tailShade, 20) << "the tail casts a shadow";
  EXPECT_GT(darkest, depth + 20);
}

TEST_F(HintPictures, ATransparencyBeyondAHundredLeavesNoShadowAtAll) {
  TsHintManager& m = Manager(shSimply);
  TsHintKind& k = m.HintKind();
  k.ShadowBlur = 3;
  k.ShadowOffset = 4;
  k.ShadowTransparency = 0;
  k.Transparency = 150;
  TsSimplyHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure("Да"), {100, 100});
  ASSERT_EQ(l.Shadow, 4) << "the shadow keeps its room";
  const TsHintPictures p = window.BuildPictures(l, "Да");
  int shaded = 0;
  for (int y = 0; y < p.Shadow.height(); ++y)
    for (int x = 0; x < p.Shadow.width(); ++x) shaded += p.Shadow.pixel(x, y) != clWhite;
  EXPECT_EQ(shaded, 0) << "every ring as light as no shadow";
}

TEST_F(HintPictures, FadeTargetsAndTheCaptureShowThrough) {
  EXPECT_EQ(TacHintPixels::FadeAlpha(8), 235) << "shComicsGradient";
  EXPECT_EQ(TacHintPixels::FadeAlpha(100), 0);
  EXPECT_EQ(TacHintPixels::FadeAlpha(-5), 255);
  EXPECT_EQ(TacHintPixels::FadeAlpha(50), 128) << "127.5 rounds to even";
  EXPECT_EQ(TacHintPixels::CaptureShowThrough(8), 0);
  EXPECT_EQ(TacHintPixels::CaptureShowThrough(100), 255);
  EXPECT_EQ(TacHintPixels::CaptureShowThrough(75), 2 * (75 * 255 / 100) - 255);
}

TEST_F(HintPictures, TheStyleChoosesTheWindowClassAtOnce) {
  TsHintManager& m = Manager(shCustom);
  auto made = [&]() -> std::unique_ptr<THintWindow> {
    const THintWindowFactory& factory = app_.HintWindowClass();
    return std::unique_ptr<THintWindow>(factory ? factory(nullptr) : nullptr);
  };
  m.HintKind().SetStyle(hsComics);
  EXPECT_NE(dynamic_cast<TsComicsHintWindow*>(made().get()), nullptr);
  m.HintKind().SetStyle(hsBalloon);
  EXPECT_NE(dynamic_cast<TsBalloonHintWindow*>(made().get()), nullptr);
  m.HintKind().SetStyle(hsSimply);
  EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(made().get()), nullptr);
  EXPECT_TRUE(m.Active());
  m.HintKind().SetStyle(hsNone);
  EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(made().get()), nullptr);
  EXPECT_FALSE(m.Active());
  m.HintKind().SetStyle(hsStandard);
  EXPECT_FALSE(app_.HintWindowClass()) << "the platform's hint window is back";
  EXPECT_FALSE(m.Active());
  m.HintKind().SetStyle(hsEllipse);
  EXPECT_NE(dynamic_cast<TsEllipseHintWindow*>(made().get()), nullptr);
  manager_.reset();
  EXPECT_FALSE(app_.HintWindowClass()) << "no class outlives its manager";
}

TEST_F(HintPictures, BalloonTrailRunsFromTheBodyTowardTheTip) {
  TsBalloonHintWindow window(nullptr, &Manager(shBalloon));
  const TsHintLayout l = window.Layout(window.Measure(kRemoveHint), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, kRemoveHint);
  // Walk from the tip to the body's middle: shape and gaps alternate.
  const int cx = (l.Body.Left + l.Body.Right) / 2, cy = (l.Body.Top + l.Body.Bottom) / 2;
  int changes = 0;
  bool last = Inside(p.Mask, l.Tip.X, l.Tip.Y);
  for (int i = 1; i <= 100; ++i) {
    const bool now = Inside(p.Mask, l.Tip.X + (cx - l.Tip.X) * i / 100, l.Tip.Y + (cy - l.Tip.Y) * i / 100);
    changes += now != last;
    last = now;
  }
  EXPECT_GE(changes, 3) << "separate small ellipses, then the body";
  EXPECT_TRUE(last);
}

TEST_F(HintPictures, ALongBalloonTrailsCirclesShrinkTowardTheTipNoneWiderThanAQuarterOfTheBody) {
  TsBalloonHintWindow window(nullptr, &Manager(shBalloon));
  manager_->HintKind().ExOffset = 120;  // a long way from the body to the tip
  const TsHintLayout l = window.Layout(window.Measure(kRemoveHint), {100, 100});
  const TsHintPictures p = window.BuildPictures(l, kRemoveHint);
  // From the tip toward the body's middle, the width of each separate shape
  // met on the way (side by side pixels belong together).
  const int cx = (l.Body.Left + l.Body.Right) / 2, cy = (l.Body.Top + l.Body.Bottom) / 2;
  std::vector<bool> seen(static_cast<std::size_t>(l.Size.cx * l.Size.cy), false);
  auto seenAt = [&](int x, int y) { return seen[static_cast<std::size_t>(y * l.Size.cx + x)]; };
  std::vector<int> widths;
  for (int i = 0; i <= 400; ++i) {
    const int x0 = l.Tip.X + (cx - l.Tip.X) * i / 400, y0 = l.Tip.Y + (cy - l.Tip.Y) * i / 400;
    if (!Inside(p.Mask, x0, y0) || seenAt(x0, y0)) continue;
    int left = x0, right = x0, top = y0, bottom = y0;
    std::vector<TPoint> todo{{x0, y0}};
    seen[static_cast<std::size_t>(y0 * l.Size.cx + x0)] = true;
    while (!todo.empty()) {
      const TPoint q = todo.back();
      todo.pop_back();
      left = std::min(left, q.X), right = std::max(right, q.X), top = std::min(top, q.Y), bottom = std::max(bottom, q.Y);
      for (const TPoint d : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}}) {
        const int x = q.X + d.X, y = q.Y + d.Y;
        if (x < 0 || y < 0 || x >= l.Size.cx || y >= l.Size.cy || seenAt(x, y) || !Inside(p.Mask, x, y)) continue;
        seen[static_cast<std::size_t>(y * l.Size.cx + x)] = true;
        todo.push_back({x, y});
      }
    }
    if (bottom - top + 1 > l.Body.Height() / 2) break;  // the body itself
    widths.push_back(right - left + 1);
    EXPECT_EQ(right - left, bottom - top) << "a circle: as wide as it is high";
  }
  ASSERT_EQ(widths.size(), 5u) << "five circles before the body";
  for (std::size_t i = 1; i < widths.size(); ++i) EXPECT_GT(widths[i], widths[i - 1]) << "circle " << i;
  for (const int width : widths) {
    EXPECT_LE(width, l.Body.Height() / 4);
    EXPECT_LE(width, l.Body.Width() / 4);
  }
}

TEST_F(HintPictures, ATextureIsTiledOverTheBodyAndTheColourMixedInByTheShares) {
  TsHintManager& m = Manager(shComicsTransparent);  // no gradient
  TBitmap tile(2, 1);
  tile.Pixels().setPixel(0, 0, clRed);
  tile.Pixels().setPixel(1, 0, clLime);
  m.HintKind().Texture.SetGraphic(&tile);
  m.HintKind().TexturePercent = 100;
  m.HintKind().Color = clBlue;
  TsComicsHintWindow window(nullptr, &m);
  const TsHintLayout l = window.Layout(window.Measure("Да"), {100, 100});
  const int y = l.Body.Top + 4, x = l.Body.Left + 12;  // inside, clear of text and edge
  TsHintPictures p = window.BuildPictures(l, "Да");
  EXPECT_EQ(p.Picture.pixel(x, y), (x - l.Body.Left) % 2 ? clLime : clRed);
  EXPECT_EQ(p.Picture.pixel(x + 1, y), (x - l.Body.Left) % 2 ? clRed : clLime);

  // At 50 per cent the texture keeps half and the colour takes the rest.
  m.HintKind().TexturePercent = 50;
  p = window.BuildPictures(l, "Да");
  const TColor red = (x - l.Body.Left) % 2 ? p.Picture.pixel(x + 1, y) : p.Picture.pixel(x, y);
  EXPECT_EQ(red, RGB(128, 0, 128)) << "half red, half blue (127.5 rounds to even)";
}

TEST_F(HintPictures, MarkUpChangesSizeColourAndAlignmentOfTheWords) {
  TsHintManager& m = Manager(shComicsGradient);
  TsComicsHintWindow window(nullptr, &m);
  const TsHintMeasure plain = window.Measure("Большой текст");
  m.SetHTMLMode(true);
  const char* big = "<FONT SIZE=20 COLOR=NAVY>Большой</FONT> текст";
  const TsHintMeasure marked = window.Measure(big);
  EXPECT_GT(marked.Text.cy, plain.Text.cy);
  EXPECT_GT(marked.Text.cx, plain.Text.cx);
  EXPECT_EQ(window.Measure("<B>Большой текст</B>").Text, plain.Text) << "unknown tags are dropped";

  const TsHintLayout l = window.Layout(marked, {100, 100});
  const TsHintPictures p = window.BuildPictures(l, big);
  int navy = 0;
  for (int y = l.Body.Top; y < l.Body.Bottom; ++y)
    for (int x = l.Body.Left; x < l.Body.Right; ++x) navy += p.Picture.pixel(x, y) == clNavy;
  EXPECT_GT(navy, 20);

  // A left-aligned line starts at the text margin; a right-aligned one ends at it.
  const int margin = l.Body.Left + 15 + 1;
  auto firstInk = [&](const Bitmap& picture, const TsHintLayout& layout) {
    for (int x = layout.Body.Left + 2; x < layout.Body.Right; ++x)
      for (int y = layout.Body.Top + 8; y < layout.Body.Bottom - 8; ++y)
        if (Brightness(picture.pixel(x, y)) < 200) return x;
    return -1;
  };
  const std::string left = "<ALIGN LEFT>Да, это очень длинная строка текста подсказки";
  const TsHintLayout ll = window.Layout(window.Measure(left), {100, 100});
  EXPECT_LE(std::abs(firstInk(window.BuildPictures(ll, left).Picture, ll) - margin), 2);
  // Under a long first line, a short right-aligned one starts far to the
  // right, a centred one about halfway, a left-aligned one at the margin.
  auto secondLineInk = [&](const std::string& second) {
    const std::string text = "Да, это очень длинная строка текста подсказки\n" + second + "Да";
    const TsHintLayout layout = window.Layout(window.Measure(text), {100, 100});
    const Bitmap picture = window.BuildPictures(layout, text).Picture;
    auto inked = [&](int x, int y) { return Brightness(picture.pixel(x, y)) < 200; };
    // The lowest row with ink belongs to the second line; its letters
    // reach a few rows above it.
    int lowest = -1;
    for (int y = layout.Body.Bottom - 9; y > layout.Body.Top && lowest < 0; --y)
      for (int x = layout.Body.Left + 2; x < layout.Body.Right - 2 && lowest < 0; ++x)
        if (inked(x, y)) lowest = y;
    for (int x = layout.Body.Left + 2; x < layout.Body.Right; ++x)
      for (int y = lowest - 5; y <= lowest; ++y)
        if (inked(x, y)) return x;
    return -1;
  };
  const int atLeft = secondLineInk("<ALIGN LEFT>");
  const int atCentre = secondLineInk("<ALIGN CENTER>");
  const int atRight = secondLineInk("<ALIGN RIGHT>");
  EXPECT_LE(std::abs(atLeft - margin), 2);
  EXPECT_GT(atCentre, atLeft + 40);
  EXPECT_GT(atRight, atCentre + 40);
}

// The first program window with its hint manager (shComicsGradient).
class ProgramHints : public ::testing::Test {
 protected:
  ProgramHints() {
    app_.Initialize();
    TProgramWindow::RegisterClasses();
    form_ = TForm::Create<TForm1>(&app_);
    driver_.runUntilIdle();
    manager_ = form_->FindComponent<TsHintManager>("sHintManager1");
    button_ = form_->FindComponent<TControl>("sSpeedButton1");
    Away();
  }

  void Away() {
    const TPoint p = form_->ClientToScreen({320, 430});
    driver_.moveTo({p.X, p.Y});
  }
  void HoverRemoveButton() {
    const TPoint p = button_->ClientToScreen({button_->Width() / 2, button_->Height() / 2});
    driver_.moveTo({p.X, p.Y});
  }
  HWND HintHandle() {
    THintWindow* w = app_.Hints()->HintWindow();
    return w && w->HandleAllocated() ? w->Handle() : nullptr;
  }
  bool HintVisible() { return HintHandle() && IsWindowVisible(HintHandle()); }
  int Alpha() {
    BYTE alpha = 0;
    return GetLayeredWindowAttributes(HintHandle(), nullptr, &alpha, nullptr) ? alpha : -1;
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TForm1* form_ = nullptr;
  TsHintManager* manager_ = nullptr;
  TControl* button_ = nullptr;
};

TEST_F(ProgramHints, TheHintFadesInInThirtyOneStepsEightMillisecondsApart) {
  ASSERT_NE(manager_, nullptr);
  ASSERT_NE(button_, nullptr);
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  auto* hint = dynamic_cast<TsComicsHintWindow*>(app_.Hints()->HintWindow());
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(Alpha(), 0);
  std::vector<int> steps;
  for (int i = 0; i < 40; ++i) {
    driver_.runFor(8);
    steps.push_back(Alpha());
  }
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(steps[i], 235 * (i + 1) / 31) << "step " << i + 1;
    if (i > 0) {
      EXPECT_GT(steps[i], steps[i - 1]);
    }
  }
  for (int i = 31; i < 40; ++i) EXPECT_EQ(steps[i], 235) << "no step after the last";
  EXPECT_FALSE(hint->Fading());
}

TEST_F(ProgramHints, TransparencyOneHundredEndsTheFadeAtAlphaZero) {
  manager_->HintKind().Transparency = 100;
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  driver_.runFor(8 * 31 + 50);
  EXPECT_TRUE(HintVisible());
  EXPECT_EQ(Alpha(), 0);
}

TEST_F(ProgramHints, WithoutAnimationTheHintShowsAtOnce) {
  manager_->SetAnimated(false);
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  EXPECT_EQ(Alpha(), 235);
}

TEST_F(ProgramHints, StyleNoneSuppressesEveryHint) {
  manager_->HintKind().SetStyle(hsNone);
  HoverRemoveButton();
  driver_.runFor(3000);
  EXPECT_FALSE(HintVisible());
  auto* link = form_->FindComponent<TControl>("sWebLabel1");
  ASSERT_NE(link, nullptr);
  const TPoint p = link->ClientToScreen({link->Width() / 2, link->Height() / 2});
  driver_.moveTo({p.X, p.Y});
  driver_.runFor(3000);
  EXPECT_FALSE(HintVisible());
  // Back to the comics bubble, hints show again.
  manager_->HintKind().SetStyle(hsComics);
  Away();
  HoverRemoveButton();
  driver_.runFor(500);
  EXPECT_TRUE(HintVisible());
}

// The four corners of the hint window lie outside bubble and shadow.
void ExpectCornersShowTheScreenBeneath(const Bitmap& before, const Bitmap& after, const RECT& r) {
  for (const TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Right - 1, r.Top}, TPoint{r.Left, r.Bottom - 1},
                         TPoint{r.Right - 1, r.Bottom - 1}})
    EXPECT_EQ(after.pixel(p.X, p.Y), before.pixel(p.X, p.Y)) << "corner " << p.X << ", " << p.Y;
}

TEST_F(ProgramHints, TheHintSitsAtTheStoredPointWithTheBubbleOverTheScreen) {
  const Bitmap before = driver_.screenshot();
  HoverRemoveButton();
  driver_.runFor(500 + 8 * 31);
  ASSERT_TRUE(HintVisible());
  RECT r{};
  GetWindowRect(HintHandle(), &r);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(manager_->HintPoint(), (TPoint{cursor.X, cursor.Y + 16}));
  EXPECT_EQ((TPoint{r.Left, r.Top}), manager_->HintPoint());
  const Bitmap after = driver_.screenshot();
  ExpectCornersShowTheScreenBeneath(before, after, r);
  // The body shows the bubble's light gradient at alpha 235.
  const TsHintLayout& l = dynamic_cast<TsCustomHintWindow*>(app_.Hints()->HintWindow())->LastLayout();
  const int bx = r.Left + l.Body.Width() / 2, by = r.Top + l.Body.Top + 4;
  EXPECT_GT(Brightness(after.pixel(bx, by)), Brightness(before.pixel(bx, by)));
}

TEST_F(ProgramHints, WithoutCompositionTheBubbleIsLaidOverACaptureAndShapedToBubbleAndShadow) {
  driver_.backend().setComposition(false);
  const Bitmap before = driver_.screenshot();
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  EXPECT_FALSE(dynamic_cast<TsCustomHintWindow*>(app_.Hints()->HintWindow())->Fading());
  RECT r{};
  GetWindowRect(HintHandle(), &r);
  const Bitmap after = driver_.screenshot();
  ExpectCornersShowTheScreenBeneath(before, after, r);
  const TsHintLayout& l = dynamic_cast<TsCustomHintWindow*>(app_.Hints()->HintWindow())->LastLayout();
  // The window keeps bubble and shadow only: alpha 0 in the corners.
  // The bubble at full strength: Transparency 8 lets nothing through.
  const int bx = r.Left + l.Body.Width() / 2, by = r.Top + l.Body.Top + 4;
  const TsHintPictures p = dynamic_cast<TsCustomHintWindow*>(app_.Hints()->HintWindow())
                               ->BuildPictures(l, kRemoveHint);
  EXPECT_EQ(after.pixel(bx, by), p.Picture.pixel(bx - r.Left, by - r.Top));
  // The shadow below the body darkens what lies beneath.
  const int sx = bx, sy = r.Top + l.Body.Bottom + 3;
  EXPECT_LT(Brightness(after.pixel(sx, sy)), Brightness(before.pixel(sx, sy)));
}

TEST_F(ProgramHints, FromTheSkinTheHintWearsItsSectionWithoutShadowAndFallsBackToEdit) {
  const TsSkinManager* skins = TsSkinManager::DefaultManager();
  ASSERT_TRUE(skins && skins->Active());
  const TsSkinContent& content = skins->Content();
  manager_->SetUseSkinData(true);
  auto* hint = dynamic_cast<TsCustomHintWindow*>(app_.HintWindowClass()(nullptr));
  ASSERT_NE(hint, nullptr);
  auto sectionLook = [&](const char* section) {
    const int index = content.GetSkinIndex(section);
    const int mask = content.GetMaskIndex(index, section, "BORDERSMASK");
    const TsHintMeasure m = hint->Measure(kRemoveHint);
    // The mask's borders on both sides plus 8 pixels in each direction.
    EXPECT_EQ(m.Size.cx, m.Text.cx + content.MaskWidthLeft(mask) + content.MaskWidthRight(mask) + 8) << section;
    EXPECT_EQ(m.Size.cy, m.Text.cy + content.MaskWidthTop(mask) + content.MaskWidthBottom(mask) + 8) << section;
    const TsHintLayout l = hint->Layout(m, {100, 100});
    EXPECT_EQ(l.Shadow, 0) << "no shadow from the skin";
    EXPECT_EQ(l.Body, Rect(0, 0, l.Size.cx, l.Size.cy)) << "no tail room either";
    const TsHintPictures p = hint->BuildPictures(l, kRemoveHint);
    EXPECT_EQ(p.Picture.pixel(content.MaskWidthLeft(mask) + 3, l.Size.cy / 2), ColorToRGB(content.Sections[index].Color))
        << section;
  };
  sectionLook("HINT");
  manager_->SetSkinSection("NOSUCH");
  sectionLook("EDIT");

  // Switching the skin off brings the preset (and its shadow) back.
  manager_->SetUseSkinData(false);
  EXPECT_EQ(hint->Layout(hint->Measure(kRemoveHint), {100, 100}).Shadow, 7);
  delete hint;
}

// A hint drawn from the skin section fades in to the section's own
// transparency, not to HintKind's.
TEST_F(ProgramHints, FromTheSkinTheFadeEndsAtTheSectionsTransparency) {
  TsSkinManager* skins = TsSkinManager::DefaultManager();
  ASSERT_TRUE(skins && skins->Active());
  const int index = skins->Content().GetSkinIndex("HINT");
  ASSERT_GE(index, 0);
  skins->Content().Sections[static_cast<std::size_t>(index)].Transparency = 50;
  ASSERT_EQ(manager_->HintKind().Transparency, 8);
  manager_->SetUseSkinData(true);
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  driver_.runFor(8 * 31 + 50);
  EXPECT_EQ(Alpha(), 128) << "(100 - 50) x 2.55, 127.5 rounded to even";
}

TEST_F(ProgramHints, TheHintGoesAfterThePauseHide) {
  HoverRemoveButton();
  driver_.runFor(500);
  ASSERT_TRUE(HintVisible());
  driver_.runFor(4999);
  EXPECT_TRUE(HintVisible());
  driver_.runFor(1);
  EXPECT_FALSE(HintVisible());
}

}  // namespace
