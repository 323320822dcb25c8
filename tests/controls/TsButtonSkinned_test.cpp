// The skinned push button on the headless screen: the state pictures, the
// hover and press fades frame by frame on the virtual clock, the pressed
// picture a quick release still shows, the caption rectangle, the focus
// frame, the disabled look, and the plain look without a skin.
#include <gtest/gtest.h>

#include <vector>

#include "controls/buttons/TsButton.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TGroupBox.h"
#include "platform/controls/ControlMessages.h"
#include "skin/SkinCommands.h"
#include "skin/TsFadeTimer.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

struct SkinnedButton : ::testing::Test, SkinnedButtonFixture {
  TsButton* button = nullptr;

  SkinnedButton() {
    button = new TsButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 75, 25);
    button->SetCaption("Go");
    button->SkinData().SetSkinSection("BUTTON");
    form->Show();
    driver.runUntilIdle();
    FocusElsewhere();
  }
  HWND Window() { return button->Handle(); }
  Bitmap Picture() { return Shot(Window()); }
  // A point of the button's face away from its caption.
  TColor Face() { return Picture().pixel(4, 12); }
  void Hover() { driver.moveTo(ScreenPoint(Window(), 60, 12)); }
  void Leave() { driver.moveTo(ScreenPoint(form->Handle(), 250, 150)); }
  void Press() { driver.press(ScreenPoint(Window(), 60, 12)); }
  void Release() { driver.release(ScreenPoint(Window(), 60, 12)); }
  // One picture per 10 ms tick while a fade runs.
  std::vector<Bitmap> Frames(int ticks) {
    std::vector<Bitmap> frames;
    for (int i = 0; i < ticks; ++i) {
      driver.runFor(10);
      frames.push_back(Picture());
    }
    return frames;
  }
};

}  // namespace

TEST(ButtonCaptionRect, ACaptionFortyByThirteenInASeventyFiveByTwentyFiveButton) {
  EXPECT_EQ(CenteredCaptionRect({75, 25}, {40, 13}, false), Rect(16, 6, 60, 19));
  EXPECT_EQ(CenteredCaptionRect({75, 25}, {40, 13}, true), Rect(17, 7, 61, 20));
  // Odd leftovers truncate toward zero; an empty caption centres nothing.
  EXPECT_EQ(CenteredCaptionRect({75, 25}, {41, 14}, false), Rect(16, 5, 60, 20));
  EXPECT_EQ(CenteredCaptionRect({75, 25}, {0, 0}, false), Rect(36, 12, 40, 13));
}

TEST_F(SkinnedButton, IsOwnerDrawnFromItsSectionWhileSkinned) {
  const auto style = static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE));
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(button->StateIndex(), 0);
  EXPECT_EQ(Face(), kButtonNormal);
  // Its picture covers the whole window: the background erase is taken as done.
  HDC dc = GetDC(Window());
  EXPECT_EQ(SendMessage(Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(Window(), dc);
}

TEST_F(SkinnedButton, AHoverShowsTwentyFramesThenTheHotPictureAndLeavingFadesBack) {
  const Bitmap normal = Picture();
  Hover();
  ASSERT_TRUE(button->Fade()) << "the hover fades";
  EXPECT_EQ(button->StateIndex(), 1);
  const std::vector<Bitmap> frames = Frames(20);
  EXPECT_TRUE(button->Fade()) << "SKC_FADE_DONE only comes at the 21st tick";
  driver.runFor(10);
  EXPECT_FALSE(button->Fade());
  const Bitmap hot = Picture();
  EXPECT_EQ(hot.pixel(4, 12), kButtonHot);
  const int alphas[] = {243, 230, 217};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(FadeAlpha(k + 1, 20), alphas[k]);
  for (int k = 0; k < 20; ++k)
    EXPECT_TRUE(SamePixels(frames[static_cast<std::size_t>(k)], FadeFrame(normal, hot, FadeAlpha(k + 1, 20))))
        << "frame " << k + 1 << " is the hot picture weighted over the normal one";

  Leave();
  ASSERT_TRUE(button->Fade()) << "leaving fades back";
  const std::vector<Bitmap> back = Frames(20);
  EXPECT_TRUE(SamePixels(back[0], FadeFrame(hot, normal, FadeAlpha(1, 20))));
  driver.runFor(10);
  EXPECT_FALSE(button->Fade());
  EXPECT_EQ(Face(), kButtonNormal);
}

TEST_F(SkinnedButton, APressOfAFocusedHotButtonFadesInTenFramesAndShowsItsCaptionMoved) {
  button->SetFocus();
  driver.runUntilIdle();
  Hover();
  driver.runFor(250);
  ASSERT_FALSE(button->Fade());
  const Bitmap hot = Picture();
  const TRect raised = button->CaptionRect(1);
  Press();
  ASSERT_TRUE(button->Fade());
  EXPECT_EQ(button->StateIndex(), 2);
  EXPECT_EQ(button->Fade()->FadeLength, 10) << "a press uses half the iterations";
  const std::vector<Bitmap> frames = Frames(10);
  driver.runFor(10);
  EXPECT_FALSE(button->Fade());
  const Bitmap pressed = Picture();
  EXPECT_EQ(button->CaptionRect(2), raised.Offset(1, 1));
  EXPECT_FALSE(SamePixels(pressed, hot)) << "the caption moved one pixel right and down";
  for (int k = 0; k < 10; ++k)
    EXPECT_TRUE(SamePixels(frames[static_cast<std::size_t>(k)], FadeFrame(hot, pressed, FadeAlpha(k + 1, 10))))
        << "press frame " << k + 1;
  Release();
  EXPECT_TRUE(button->Fade()) << "the release fades too";
}

TEST_F(SkinnedButton, AReleaseDuringThePressFadeShowsThePressedPictureForThirtyMilliseconds) {
  button->SetFocus();
  driver.runUntilIdle();
  Hover();
  driver.runFor(250);
  // The pressed picture, made once without a fade to compare with.
  Section().FadingEnabled = false;
  Press();
  const Bitmap pressed = Picture();
  Release();
  Section().FadingEnabled = true;
  Hover();
  driver.runFor(250);

  Press();
  driver.runFor(20);
  ASSERT_TRUE(button->Fade());
  ASSERT_LT(button->Fade()->Step, button->Fade()->FadeLength);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  const std::uint64_t before = driver.now();
  Release();
  EXPECT_EQ(driver.now() - before, 30u) << "the pressed picture stays 30 ms";
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(SamePixels(Picture(), pressed)) << "the pressed picture, before any release frame";
  ASSERT_TRUE(button->Fade()) << "then the release fade starts";
  driver.runFor(10);
  EXPECT_FALSE(SamePixels(Picture(), pressed));
}

TEST_F(SkinnedButton, OneIterationHoverShowsOneFrameAndAHalvedPressNone) {
  Section().FadingIterations = 1;
  const Bitmap normal = Picture();
  Hover();
  ASSERT_TRUE(button->Fade());
  driver.runFor(10);
  const Bitmap frame = Picture();
  driver.runFor(10);
  const Bitmap hot = Picture();
  EXPECT_EQ(hot.pixel(4, 12), kButtonHot);
  EXPECT_TRUE(SamePixels(frame, FadeFrame(normal, hot, 0))) << "one frame with A = 0: the new picture";
  EXPECT_FALSE(button->Fade()) << "then SKC_FADE_DONE";

  button->SetFocus();
  driver.runUntilIdle();
  Press();
  ASSERT_TRUE(button->Fade());
  EXPECT_EQ(button->Fade()->FadeLength, 0);
  EXPECT_EQ(button->Fade()->Step, 1);
  driver.runFor(10);
  EXPECT_FALSE(button->Fade()) << "the first tick reports SKC_FADE_DONE without a frame";
  EXPECT_EQ(button->StateIndex(), 2);
  Release();
}

TEST_F(SkinnedButton, ASectionWithoutFadingChangesStateAtOnce) {
  Section().FadingEnabled = false;
  Hover();
  EXPECT_FALSE(button->Fade());
  EXPECT_EQ(Face(), kButtonHot) << "no time passed, the hot picture is there";
  Leave();
  EXPECT_EQ(Face(), kButtonNormal);
}

TEST_F(SkinnedButton, AButtonDisabledDuringAFadeStopsAndShowsTheDisabledLook) {
  Hover();
  driver.runFor(30);
  button->SetEnabled(false);
  driver.runFor(30);
  EXPECT_FALSE(button->Fade());
  // dkBlended over a plain parent: half the form colour, half the face.
  const TColor face = Face();
  for (int shift = 0; shift < 24; shift += 8) {
    const int expected = (((kButtonNormal >> shift) & 0xFF) + ((kFormColor >> shift) & 0xFF) + 1) / 2;
    EXPECT_NEAR(static_cast<int>((face >> shift) & 0xFF), expected, 1) << "channel " << shift / 8;
  }
  button->SetDisabledKind(dkGrayed);
  driver.runUntilIdle();
  const TColor grey = Face();
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
}

TEST_F(SkinnedButton, TheCaptionLiesInsideItsRectangleAndWrapsWhenItMust) {
  button->SetCaption("Наклонить вверх");
  driver.runUntilIdle();
  const TRect r = button->CaptionRect(0);
  EXPECT_GT(r.Height(), 20) << "two lines: the caption wraps in a 75-pixel button";
  const Bitmap picture = Picture();
  int inside = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == kButtonNormal) continue;
      EXPECT_TRUE(r.Contains(Point(x, y))) << x << "," << y << " drawn outside the caption rectangle";
      ++inside;
    }
  EXPECT_GT(inside, 40);
}

TEST(DottedFocusFrame, BlackDotsEveryThirdPixelWithWhiteOnesAboveLeft) {
  Bitmap bmp(20, 12, PixelFormat::Bgr24);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) bmp.setPixel(x, y, 0x00808080);
  DrawDottedFocusFrame(bmp, Rect(2, 2, 14, 9));
  for (int x : {2, 5, 8, 11, 14}) {
    EXPECT_EQ(bmp.pixel(x, 2), clBlack) << x;
    EXPECT_EQ(bmp.pixel(x, 9), clBlack) << x;
    EXPECT_EQ(bmp.pixel(x - 1, 1), clWhite) << x;
    if (x != 2) {
      EXPECT_EQ(bmp.pixel(x - 1, 8), clWhite) << x;
    }
  }
  EXPECT_EQ(bmp.pixel(3, 2), 0x00808080u);
  for (int y : {2, 5, 8}) {
    EXPECT_EQ(bmp.pixel(2, y), clBlack) << y;
    EXPECT_EQ(bmp.pixel(14, y), clBlack) << y;
    EXPECT_EQ(bmp.pixel(13, y - 1), clWhite) << y;
  }
  EXPECT_EQ(bmp.pixel(2, 3), 0x00808080u);
}

TEST_F(SkinnedButton, AFocusedButtonShowsTheFrameOnlyWhenTheSectionAsks) {
  button->SetFocus();
  driver.runUntilIdle();
  TRect r = button->CaptionRect(button->StateIndex());
  const TPoint corner = Point(r.Left - 1, r.Top - 1);  // FocusMargin 1
  EXPECT_NE(Picture().pixel(corner.X, corner.Y), clBlack);
  Section().ShowFocus = true;
  button->SkinData().Invalidate();
  driver.runUntilIdle();
  EXPECT_EQ(Picture().pixel(corner.X, corner.Y), clBlack);
}

TEST_F(SkinnedButton, SwitchingTheSkinOffAndOnMovesBetweenThePlainAndTheSkinnedLook) {
  SendSkinCommand(Window(), SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE)) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(Face(), ColorToRGB(clBtnFace)) << "the plain face";
  Hover();
  EXPECT_FALSE(button->Fade()) << "a plain button does not fade";
  Leave();

  button->SkinData().UpdateIndexes();
  SendSkinCommand(Window(), SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(Face(), kButtonNormal);
}

TEST(PlainButton, WithoutASkinTheButtonIsThePlatformButton) {
  HeadlessDriver driver;
  TApplication app{nullptr};
  app.Initialize();
  auto* form = TForm::Create<TButtonTestForm>(&app);
  form->SetBounds(40, 40, 200, 100);
  auto* button = new TsButton(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 75, 25);
  button->SetCaption("Очистить");
  form->Show();
  driver.runUntilIdle();
  EXPECT_FALSE(button->SkinData().Skinned());
  // The form's only control has the focus, so it is the button Enter
  // presses and shows the default-push style.
  ASSERT_TRUE(button->Focused());
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(button->Handle(), GWL_STYLE)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(driver.windowShot(button->Handle()).pixel(4, 12), ColorToRGB(clBtnFace));
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  driver.clickClient(button->Handle(), {30, 12});
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinnedButton, DownShowsThePressedPictureForGoodAndRebuildsTheRegion) {
  const Bitmap raised = Picture();
  button->SetDown(true);
  EXPECT_TRUE(button->RegionRebuild());
  driver.runUntilIdle();
  EXPECT_EQ(button->StateIndex(), 2);
  EXPECT_FALSE(button->RegionRebuild()) << "the paint applied the new region";
  const Bitmap down = Picture();
  EXPECT_FALSE(SamePixels(down, raised)) << "the caption moved";
  Hover();
  Leave();
  driver.runFor(300);
  EXPECT_EQ(button->StateIndex(), 2) << "the mouse does not lift it";
  EXPECT_TRUE(SamePixels(Picture(), down));
}

TEST_F(SkinnedButton, TheSpaceKeyShowsThePressedPictureAndClicksOnRelease) {
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  button->SetFocus();
  driver.runUntilIdle();
  const Bitmap focused = Picture();
  driver.keyDown(VK_SPACE);
  // The space character that follows the key repaints the button.
  SendMessage(Window(), WM_CHAR, static_cast<WPARAM>(VK_SPACE), 0);
  driver.runUntilIdle();
  EXPECT_EQ(button->StateIndex(), 2);
  EXPECT_FALSE(SamePixels(Picture(), focused)) << "pressed at once, without a fade";
  EXPECT_FALSE(button->Fade());
  driver.keyUp(VK_SPACE);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->StateIndex(), 1);
  EXPECT_TRUE(SamePixels(Picture(), focused));
}

TEST_F(SkinnedButton, AButtonThatShrinksLeavesNoPictureOfItselfBehind) {
  // The strips the button no longer covers show the form again.
  button->SetBounds(20, 20, 40, 15);
  driver.runUntilIdle();
  const Bitmap shot = Shot(form->Handle());
  RECT window;
  GetWindowRect(form->Handle(), &window);
  auto formAt = [&](int x, int y) {
    const POINT p = ScreenPoint(form->Handle(), x, y);
    return shot.pixel(p.X - window.Left, p.Y - window.Top);
  };
  EXPECT_EQ(formAt(20 + 60, 20 + 5), kFormColor) << "right strip";
  EXPECT_EQ(formAt(20 + 5, 20 + 20), kFormColor) << "bottom strip";
  EXPECT_EQ(formAt(20 + 70, 20 + 22), kFormColor) << "the corner of both";
  EXPECT_EQ(formAt(20 + 20, 20 + 7), Picture().pixel(20, 7)) << "the button itself at its new size";
}

// The parent marking the button's picture stale (SKC_INVALIDATE) neither
// stops a running fade nor keeps the next hover from fading: the fade shows
// its frames, the picture is rebuilt once it ends, and a hover starts from
// the picture on the screen.
TEST_F(SkinnedButton, APictureMarkedStaleDuringAHoverFadeIsRebuiltOnceTheFadeEnds) {
  const Bitmap normal = Picture();
  Hover();
  ASSERT_TRUE(button->Fade());
  std::vector<Bitmap> frames = Frames(3);
  SendSkinCommand(button, SKC_INVALIDATE, 0, 1);
  ASSERT_TRUE(button->Fade()) << "the fade goes on";
  for (Bitmap& frame : Frames(17)) frames.push_back(std::move(frame));
  driver.runFor(10);
  EXPECT_FALSE(button->Fade());
  driver.runUntilIdle();
  EXPECT_FALSE(button->SkinData().BackgroundChanged()) << "rebuilt once the fade was over";
  const Bitmap hot = Picture();
  EXPECT_EQ(hot.pixel(4, 12), kButtonHot);
  for (int k = 0; k < 20; ++k)
    EXPECT_TRUE(SamePixels(frames[static_cast<std::size_t>(k)], FadeFrame(normal, hot, FadeAlpha(k + 1, 20))))
        << "frame " << k + 1;
}

TEST_F(SkinnedButton, AHoverFadesFromThePictureShownEvenWhenTheParentMarkedItStale) {
  SendSkinCommand(button, SKC_INVALIDATE, 0, 1);
  ASSERT_TRUE(button->SkinData().BackgroundChanged());
  Hover();
  EXPECT_TRUE(button->Fade()) << "the hover starts from the normal picture on the screen";
  driver.runFor(250);
  EXPECT_FALSE(button->Fade());
  EXPECT_EQ(Face(), kButtonHot);
}

TEST_F(SkinnedButton, WhilePaintingIsHeldTheOldPictureStaysUntilTheChildRepaint) {
  const Bitmap before = Picture();
  SendSkinCommand(button, SKC_SET_UPDATING, 0, 1);
  button->SetCaption("Stop");
  driver.runUntilIdle();
  EXPECT_TRUE(SamePixels(Picture(), before)) << "nothing new is shown while painting is held";
  SendSkinCommand(button, SKC_CHILD_REPAINT);
  EXPECT_FALSE(button->SkinData().Updating());
  EXPECT_FALSE(SamePixels(Picture(), before)) << "the held picture comes at once";
}

// The pointer leaves a hot button while its panel is disabled (a replay
// runs): the common handler still clears the mouse-above mark, so once the
// panel is enabled again the button shows its normal picture, and the next
// hover fades as usual.
TEST_F(SkinnedButton, AButtonLeftWhileItsPanelIsDisabledIsNormalWhenThePanelComesBack) {
  auto* panel = new TGroupBox(form);
  panel->SetParent(form);
  panel->SetBounds(110, 10, 160, 70);
  auto* inside = new TsButton(panel);
  inside->SetParent(panel);
  inside->SetBounds(10, 25, 75, 25);
  inside->SetCaption("In");
  inside->SkinData().SetSkinSection("BUTTON");
  driver.runUntilIdle();
  const Bitmap normal = Shot(inside->Handle());
  driver.moveTo(ScreenPoint(inside->Handle(), 30, 12));
  driver.runFor(300);
  ASSERT_EQ(inside->StateIndex(), 1);

  panel->SetEnabled(false);
  driver.runUntilIdle();
  EXPECT_FALSE(inside->LooksEnabled());
  Leave();
  driver.runFor(300);
  EXPECT_FALSE(inside->SkinData().MouseAbove()) << "the pointer has left";
  panel->SetEnabled(true);
  driver.runUntilIdle();
  EXPECT_EQ(inside->StateIndex(), 0);
  EXPECT_TRUE(SamePixels(Shot(inside->Handle()), normal)) << "the normal picture, not the hot one";
  driver.moveTo(ScreenPoint(inside->Handle(), 30, 12));
  EXPECT_TRUE(inside->Fade()) << "a new hover fades";
}

// The plain button takes the focus before it shows itself pushed; the focus
// marks the picture stale, yet the press still fades from the hot picture
// shown, in half the frames.
TEST_F(SkinnedButton, TheFirstPressOnAButtonWithoutTheFocusFadesInHalfTheFrames) {
  ASSERT_FALSE(button->Focused());
  Hover();
  driver.runFor(250);
  ASSERT_FALSE(button->Fade());
  const Bitmap hot = Picture();
  Press();
  EXPECT_TRUE(button->Focused());
  ASSERT_TRUE(button->Fade()) << "the press fades";
  EXPECT_EQ(button->Fade()->FadeLength, 10) << "half the iterations";
  const std::vector<Bitmap> frames = Frames(10);
  driver.runFor(10);
  EXPECT_FALSE(button->Fade());
  driver.runUntilIdle();
  const Bitmap pressed = Picture();
  EXPECT_EQ(button->StateIndex(), 2);
  for (int k = 0; k < 10; ++k)
    EXPECT_TRUE(SamePixels(frames[static_cast<std::size_t>(k)], FadeFrame(hot, pressed, FadeAlpha(k + 1, 10))))
        << "press frame " << k + 1;
  Release();
}

// Default set after the window exists keeps the button drawn by its owner
// (the message box's OK button is made so). Its default-button flag then
// follows the focus: Enter presses the focused button, or the Default one
// while the focus is on a control that is not a button, and that button
// shows hot.
TEST_F(SkinnedButton, DefaultSetOnAShownButtonKeepsItOwnerDrawnAndFollowsTheFocus) {
  button->SetDefault(true);
  driver.runUntilIdle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(button->StateIndex(), 0) << "another button has the focus: Enter presses that one";
  EXPECT_EQ(Face(), kButtonNormal);

  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(120, 150, 80, 21);
  edit->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(button->StateIndex(), 1) << "the focus is on an edit: Enter presses the Default button";
  EXPECT_EQ(Face(), kButtonHot);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW);

  button->SetDefault(false);
  driver.runUntilIdle();
  EXPECT_EQ(button->StateIndex(), 0);
  EXPECT_EQ(Face(), kButtonNormal);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW);
}

// The plain button shows the same flag by its window style.
TEST(PlainButton, TheDefaultPushStyleFollowsTheButtonEnterWouldPress) {
  HeadlessDriver driver;
  TApplication app{nullptr};
  app.Initialize();
  auto* form = TForm::Create<TButtonTestForm>(&app);
  form->SetBounds(40, 40, 300, 120);
  auto* ok = new TButton(form);
  ok->SetParent(form);
  ok->SetBounds(10, 10, 75, 25);
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(100, 10, 75, 25);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 50, 80, 21);
  form->Show();
  ok->SetDefault(true);
  auto type = [](TButton* b) { return static_cast<DWORD>(GetWindowLongPtr(b->Handle(), GWL_STYLE)) & BS_TYPEMASK; };
  edit->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(type(ok), static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_EQ(type(other), static_cast<DWORD>(BS_PUSHBUTTON));
  other->SetFocus();
  driver.runUntilIdle();
  EXPECT_EQ(type(ok), static_cast<DWORD>(BS_PUSHBUTTON));
  EXPECT_EQ(type(other), static_cast<DWORD>(BS_DEFPUSHBUTTON));
  int clicks = 0;
  other->OnClick = [&clicks](TObject*) { ++clicks; };
  driver.pressKey(VK_RETURN);
  EXPECT_EQ(clicks, 1) << "Enter pressed the focused button";
}
