// Button fades on the virtual clock: the frames a hover and a press show,
// the weights they use, the end of a fade, the cases that repaint at once,
// and the show-window fade through its output window.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsFadeTimer.h"
#include "skin/frame/TacShowWindowFade.h"
#include "skin/load/TsStoredSkins.h"
#include "tests/skin/SkinTestFiles.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

constexpr TColor kNormal = 0x00204060;
constexpr TColor kHot = 0x00E0C0A0;

// A windowed button whose cache is one colour per state, faded by a timer.
class TFadingButton : public TCustomControl {
 public:
  explicit TFadingButton(TComponent* owner) : TCustomControl(owner), SkinData(this, true, 93) {}
  TsCommonData SkinData;
  TsFadeTimerSlot Fade;
  bool Hot = false;
  int FadeDone = 0;
  // Called when a new skin is announced, before the skin state hears of it.
  std::function<void()> OnSkinLoaded;
  std::vector<TColor> Frames;  // the centre pixel of every frame shown
  LRESULT FrameAnswer = 0;     // 1: the button shows the frames itself (here: not at all)

  void Enter(bool halve = false) {
    Hot = true;
    FadeOrRepaint(Fade, SkinData, halve, 1, true);
  }
  void RebuildCache() {
    TBitmap& cache = SkinData.PrepareCache();
    FillRect(cache.Canvas().Handle(), Rect(0, 0, cache.Width(), cache.Height()), Hot ? kHot : kNormal);
    SkinData.CacheRebuilt();
  }

 protected:
  void Paint() override {
    if (SkinData.BackgroundChanged()) RebuildCache();
    TBitmap& cache = *SkinData.CacheBmp();
    BitBlt(Canvas().Handle(), 0, 0, cache.Width(), cache.Height(), cache.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCOMMAND) {
      switch (SkinCommandOf(message.WParam)) {
        case SKC_SKIN_LOADED:
          if (OnSkinLoaded) OnSkinLoaded();
          break;
        case SKC_PREPARE_FADE:
          RebuildCache();
          return;
        case SKC_FADE_FRAME: {
          const auto* frame = reinterpret_cast<const Bitmap*>(message.LParam);
          Frames.push_back(frame->pixel(frame->width() / 2, frame->height() / 2));
          message.Result = FrameAnswer;  // 0: the timer copies it onto the window
          return;
        }
        case SKC_FADE_DONE:
          ++FadeDone;
          StopFade(Fade);
          Invalidate();
          return;
        default:
          break;
      }
    }
    if (SkinData.ProcessMessage(message)) return;
    TCustomControl::WndProc(message);
  }
};

// (old * A + new * (255 - A) + 127) >> 8 on every channel.
TColor Mixed(TColor old, TColor fresh, int a) {
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int o = (old >> shift) & 0xFF, n = (fresh >> shift) & 0xFF;
    out |= static_cast<TColor>(((o * a + n * (255 - a) + 127) >> 8) << shift);
  }
  return out;
}

struct Fades : ::testing::Test, SkinStateFixture {
  TFadingButton* button = nullptr;
  int section = -1;

  Fades() {
    section = AddSection("BUTTON", 0, kNormal);
    Section(section).FadingEnabled = true;
    Section(section).FadingIterations = 20;
    button = new TFadingButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 40, 20);
    button->SkinData.SetSkinSection("BUTTON");
    form->Show();
    driver.runUntilIdle();
  }
  TColor OnScreen() {
    const Bitmap shot = driver.windowShot(button->Handle());
    return shot.pixel(20, 10);
  }
};

}  // namespace

TEST_F(Fades, AHoverShowsTwentyFramesTenMillisecondsApartThenEnds) {
  ASSERT_EQ(OnScreen(), kNormal);
  button->Enter();
  ASSERT_TRUE(button->Fade);
  EXPECT_EQ(button->Fade->Interval(), 10u);
  std::vector<TColor> screen;
  for (int tick = 1; tick <= 20; ++tick) {
    driver.runFor(10);
    ASSERT_EQ(button->Frames.size(), static_cast<std::size_t>(tick)) << "one frame per 10 ms";
    screen.push_back(OnScreen());
  }
  const int expectedAlpha[] = {243, 230, 217};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(FadeAlpha(k + 1, 20), expectedAlpha[k]);
  EXPECT_EQ(FadeAlpha(20, 20), 0);
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(button->Frames[static_cast<std::size_t>(k)], Mixed(kNormal, kHot, FadeAlpha(k + 1, 20))) << "frame " << k + 1;
    EXPECT_EQ(screen[static_cast<std::size_t>(k)], button->Frames[static_cast<std::size_t>(k)]) << "frame " << k + 1;
  }
  EXPECT_EQ(button->FadeDone, 0);
  driver.runFor(10);  // the 21st tick
  EXPECT_EQ(button->FadeDone, 1);
  EXPECT_FALSE(button->Fade) << "the fade ended and freed its timer";
  driver.runUntilIdle();
  EXPECT_EQ(OnScreen(), kHot);
}

TEST_F(Fades, AButtonThatShowsTheFramesItselfGetsNoCopyOfThemOnItsWindow) {
  ASSERT_EQ(OnScreen(), kNormal);
  button->FrameAnswer = 1;
  button->Enter();
  driver.runFor(10);
  driver.runFor(10);
  ASSERT_EQ(button->Frames.size(), 2u);
  EXPECT_NE(button->Frames[1], kNormal);
  EXPECT_EQ(OnScreen(), kNormal) << "the window keeps what the button drew";
}

TEST_F(Fades, APressShowsHalfTheFrames) {
  button->Enter(true);
  driver.runFor(100);
  EXPECT_EQ(button->Frames.size(), 10u);
  EXPECT_EQ(button->Frames.back(), Mixed(kNormal, kHot, 0));
  EXPECT_EQ(button->FadeDone, 0);
  driver.runFor(10);
  EXPECT_EQ(button->FadeDone, 1);
}

TEST_F(Fades, OneIterationShowsTheNewPictureOnceAndAHalvedOneNone) {
  Section(section).FadingIterations = 1;
  button->Enter();
  driver.runFor(10);
  ASSERT_EQ(button->Frames.size(), 1u);
  EXPECT_EQ(button->Frames[0], Mixed(kNormal, kHot, 0)) << "A = 0: the new picture";
  driver.runFor(10);
  EXPECT_EQ(button->FadeDone, 1);

  button->Hot = false;
  button->Frames.clear();
  FadeOrRepaint(button->Fade, button->SkinData, true, 1, true);
  driver.runFor(10);
  EXPECT_TRUE(button->Frames.empty()) << "a halved single frame leaves none";
  EXPECT_EQ(button->FadeDone, 2);
}

TEST_F(Fades, ASectionThatDoesNotFadeOrAForbiddenEventRepaintsAtOnce) {
  Section(section).FadingEnabled = false;
  button->Enter();
  EXPECT_FALSE(button->Fade);
  driver.runUntilIdle();
  EXPECT_EQ(OnScreen(), kHot);

  Section(section).FadingEnabled = true;
  button->Hot = false;
  FadeOrRepaint(button->Fade, button->SkinData, false, 1, false);
  EXPECT_FALSE(button->Fade);
  driver.runUntilIdle();
  EXPECT_EQ(OnScreen(), kNormal);
}

TEST_F(Fades, AControlDisabledDuringAFadeStopsAndRepaints) {
  button->Enter();
  driver.runFor(30);
  ASSERT_EQ(button->Frames.size(), 3u);
  button->SetEnabled(false);
  driver.runFor(10);
  EXPECT_EQ(button->Frames.size(), 3u) << "no frame after the control was disabled";
  ASSERT_TRUE(button->Fade);
  EXPECT_FALSE(button->Fade->Enabled());
  EXPECT_EQ(button->Fade->FadeLength, 0);
  driver.runFor(50);
  EXPECT_EQ(button->Frames.size(), 3u);
  EXPECT_EQ(OnScreen(), kHot) << "repainted in its new state";
}

TEST_F(Fades, ARestartedFadeKeepsItsTimerAndStartsOver) {
  button->Enter();
  driver.runFor(50);
  TsFadeTimer* first = button->Fade.get();
  button->Hot = false;
  FadeOrRepaint(button->Fade, button->SkinData, false, 1, true);
  EXPECT_EQ(button->Fade.get(), first);
  EXPECT_EQ(button->Fade->Step, 1);
  EXPECT_EQ(button->Fade->FadeLength, 20);
}

TEST_F(Fades, AnEventFadesWhenTheButtonOrTheManagerAllowsIt) {
  EXPECT_TRUE(AnimatEventAllowed(aeMouseEnter, aeMouseEnter, &manager));
  EXPECT_FALSE(AnimatEventAllowed(aeMouseDown, aeMouseEnter, &manager));
  EXPECT_TRUE(AnimatEventAllowed(aeMouseDown, aeGlobalDef, &manager));
  manager.AnimEffects().Buttons.Events = TacBtnEffects::beMouseEnter;
  EXPECT_FALSE(AnimatEventAllowed(aeMouseDown, aeGlobalDef, &manager));
  EXPECT_TRUE(AnimatEventAllowed(aeMouseEnter, aeGlobalDef, &manager));
  manager.AnimEffects().Buttons.Events = TacBtnEffects::beMouseUp;
  EXPECT_TRUE(AnimatEventAllowed(aeMouseUp, aeGlobalDef, &manager));
}

TEST_F(Fades, TheShowWindowFadeMixesTheOldScreenIntoTheNewPicture) {
  std::vector<TColor> frames;
  TacShowWindowFade::FrameShown = [&](HWND output) {
    const Bitmap shot = driver.windowShot(output);
    frames.push_back(shot.pixel(shot.width() / 2, shot.height() / 2));
  };
  // Quick fades show the new picture at once.
  TacShowWindowFade::Run(form->Handle(), 7);
  EXPECT_EQ(frames.size(), 1u);

  // The screen still shows a white patch where the new picture is blue.
  TSkinnedDot* patch = AddDot(form, "BUTTON", Bounds(60, 40, 200, 160));
  patch->Fill = 0x00FFFFFF;
  driver.runUntilIdle();
  patch->Fill = 0x00FF0000;
  frames.clear();
  const std::uint64_t start = driver.now();
  TacShowWindowFade::Run(form->Handle(), 200);
  ASSERT_EQ(frames.size(), 27u) << "26 mixed frames (n = 25, step 10), then the new picture";
  // ((old - new) * w + new * 256) >> 8 per channel, w = 255, 245, ... 5.
  auto mix = [](int old, int fresh, int w) { return ((old - fresh) * w + fresh * 256) >> 8; };
  for (int i : {0, 1, 25}) {
    const int w = 255 - 10 * i;
    const TColor expected = static_cast<TColor>(mix(255, 0, w) | (mix(255, 0, w) << 8) | (mix(255, 255, w) << 16));
    EXPECT_EQ(frames[static_cast<std::size_t>(i)], expected) << "frame " << i;
  }
  EXPECT_EQ(frames.back(), 0x00FF0000u);
  EXPECT_EQ(driver.now() - start, 25u * 8u) << "8 ms between mixed frames";
  EXPECT_FALSE(TacEngineFlags::ShowWindowFadeRunning);
  TacShowWindowFade::FrameShown = nullptr;

  // No output window is left behind.
  int outputs = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM count) -> BOOL {
        if (GetClassNameString(hwnd) == TacShowWindowFade::kOutputWindowClass) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&outputs));
  EXPECT_EQ(outputs, 0);
}

TEST_F(Fades, TheShowWindowFadeOfAChildWindowLiesExactlyOverTheChild) {
  std::vector<RECT> places;
  TacShowWindowFade::FrameShown = [&places](HWND output) {
    RECT r{};
    GetWindowRect(output, &r);
    places.push_back(r);
  };
  RECT child{};
  GetWindowRect(button->Handle(), &child);
  TacShowWindowFade::Run(button->Handle(), 16);
  TacShowWindowFade::FrameShown = nullptr;
  ASSERT_FALSE(places.empty());
  for (const RECT& r : places) EXPECT_EQ(r, child);
}

// A form or dialog shown while its manager has no skin loaded appears at
// once: there is no skinned picture to fade in.
TEST_F(Fades, AFormShownWithoutALoadedSkinAppearsWithoutAFade) {
  int frames = 0;
  TacShowWindowFade::FrameShown = [&frames](HWND) { ++frames; };
  manager.AnimEffects().FormShow.Active = true;
  manager.AnimEffects().FormShow.Time = 80;
  manager.AnimEffects().DialogShow.Time = 40;
  manager.Content().SkinData.Active = false;
  TacShowWindowFade::FormShown(form->Handle(), false, &manager);
  TacShowWindowFade::FormShown(form->Handle(), true, &manager);
  EXPECT_EQ(frames, 0);
  manager.Content().SkinData.Active = true;
  TacShowWindowFade::FormShown(form->Handle(), false, &manager);
  EXPECT_EQ(frames, 12) << "with the skin: ten mixed frames, the last at full weight, then the picture";
  TacShowWindowFade::FrameShown = nullptr;
}

// The two reasons a caller changes the background-changed mark stay apart:
// marking the cache stale makes the next state change repaint at once, and
// only a change that starts from the picture shown may fade over a stale mark.
TEST_F(Fades, AStaleCacheRepaintsAtOnceUnlessTheChangeStartsFromThePictureShown) {
  button->SkinData.MarkCacheStale();
  EXPECT_FALSE(button->SkinData.CacheCanStartFade());
  button->Enter();
  EXPECT_FALSE(button->Fade) << "a stale cache is no fade's first picture";
  driver.runUntilIdle();
  EXPECT_EQ(OnScreen(), kHot);
  EXPECT_FALSE(button->SkinData.BackgroundChanged()) << "the repaint rebuilt the cache";

  button->SkinData.MarkCacheStale();
  button->SkinData.AllowFadeFromCache();
  EXPECT_TRUE(button->SkinData.CacheCanStartFade());
  button->Hot = false;
  FadeOrRepaint(button->Fade, button->SkinData, false, 1, true);
  ASSERT_TRUE(button->Fade) << "the leave fades from the hot picture on the screen";
  driver.runFor(10);
  ASSERT_EQ(button->Frames.size(), 1u);
  EXPECT_EQ(button->Frames[0], Mixed(kHot, kNormal, FadeAlpha(1, 20)));
}

TEST_F(Fades, MarkingTheCacheStaleDuringAFadeLetsTheFadeRunToItsEnd) {
  button->Enter();
  driver.runFor(30);
  ASSERT_EQ(button->Frames.size(), 3u);
  button->SkinData.MarkCacheStale();
  driver.runFor(170);
  ASSERT_EQ(button->Frames.size(), 20u) << "every frame is still shown";
  for (int k = 0; k < 20; ++k)
    EXPECT_EQ(button->Frames[static_cast<std::size_t>(k)], Mixed(kNormal, kHot, FadeAlpha(k + 1, 20))) << "frame " << k + 1;
  EXPECT_EQ(button->FadeDone, 0);
  driver.runFor(10);
  EXPECT_EQ(button->FadeDone, 1) << "the fade ends when its frames are done, not before";
  driver.runUntilIdle();
  EXPECT_EQ(OnScreen(), kHot);
}

// A hover that arrives while the manager changes its skin (here: while the
// new skin is announced) repaints at once instead of fading: the old
// picture belongs to the skin that is going.
TEST_F(Fades, AHoverDuringASkinChangeRepaintsAtOnce) {
  const char* options =
      "[GLOBALINFO]\nVERSION=1\nMASTERBITMAP=MASTER.BMP\n"
      "[BUTTON]\nCOLOR=6299648\nFADINGENABLED=TRUE\nFADINGITERATIONS=20\n";
  TsStoredSkin* next = manager.InternalSkins().Add();
  next->Name = "Next";
  next->ReadData(SkinTestFiles::Pack({{"Options.dat", SkinTestFiles::Text(options)},
                                      {"Master.bmp", SkinTestFiles::BmpFile(6, 6, RGB(255, 0, 0))}}));
  ASSERT_TRUE(button->SkinData.CacheCanStartFade()) << "a fade could start from the picture shown";
  bool heard = false, changing = false, faded = true;
  button->OnSkinLoaded = [&] {
    heard = true;
    changing = TsSkinManager::SkinChanging();
    button->Enter();
    faded = static_cast<bool>(button->Fade);
  };
  manager.SetSkinName("Next");
  manager.SetActive(true);
  ASSERT_TRUE(heard);
  ASSERT_TRUE(changing);
  ASSERT_EQ(manager.Content().GetSkinIndex("BUTTON"), button->SkinData.SkinIndex);
  ASSERT_TRUE(Section(button->SkinData.SkinIndex).FadingEnabled) << "only the change keeps the fade away";
  EXPECT_FALSE(faded) << "no fade while the skin changes";
  driver.runFor(100);
  EXPECT_TRUE(button->Frames.empty());
}
