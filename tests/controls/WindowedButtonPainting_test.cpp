// How a skinned windowed button puts itself on the screen: it waits while
// the container under it rebuilds its picture and shows itself over the new
// one afterwards, paints only into the picture of a window painted at once,
// keeps still while its plain handling of a focus loss runs, and answers
// the keyboard-cue notice itself.
#include <gtest/gtest.h>

#include <string>

#include "controls/TsGroupBox.h"
#include "controls/buttons/TsButton.h"
#include "framework/graphics/TBitmap.h"
#include "platform/windowing/WinMessages.h"
#include "skin/TacEngineFlags.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

// A skinned button that counts the paint requests of its window.
class TCountingButton : public TsButton {
 public:
  using TsButton::TsButton;
  int Paints = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_PAINT && message.WParam == 0) ++Paints;
    TsButton::WndProc(message);
  }
};

constexpr TColor kBoxBefore = 0x00008000;
constexpr TColor kBoxAfter = 0x00800000;

struct WindowedButtonPainting : ::testing::Test, SkinnedButtonFixture {
  TsGroupBox* box = nullptr;
  TCountingButton* button = nullptr;
  int boxSection = -1;

  WindowedButtonPainting() {
    // A frame with a plain colour of its own, and a button that lets half
    // of what lies under it through.
    boxSection = AddSection("BOXFACE", kBoxBefore);
    Section().Transparency = 50;
    box = new TsGroupBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 120);
    box->SkinData().SetSkinSection("BOXFACE");
    button = new TCountingButton(form);
    button->SetParent(box);
    button->SetBounds(20, 40, 75, 25);
    button->SetCaption("Go");
    button->SkinData().SetSkinSection("BUTTON");
    form->Show();
    driver.runUntilIdle();
    FocusElsewhere();
  }
  HWND Window() { return button->Handle(); }
  // A point of the button's face away from its caption and corners.
  TColor Face() { return Shot(Window()).pixel(4, 12); }
  // What the face shows over a frame of a plain colour: a translucent
  // section over a colour (not a picture) is that colour, the frame
  // keeping weight 127 of 255 in the mix.
  static TColor FaceOver(TColor frame) {
    TColor mixed = 0;
    for (int shift : {0, 8, 16}) {
      const int channel = (frame >> shift) & 0xFF;
      mixed |= static_cast<TColor>(((channel * 127 + channel * 128 + 127) >> 8) << shift);
    }
    return mixed;
  }
};

}  // namespace

// The frame's picture goes stale and is rebuilt later: a repaint of the
// button in between waits for it, and the frame's repaint brings the button
// back drawn over the frame's new picture.
TEST_F(WindowedButtonPainting, WaitsForTheContainerAndThenShowsItselfOverItsNewPicture) {
  ASSERT_EQ(Face(), FaceOver(kBoxBefore));
  manager.Content().Sections[static_cast<std::size_t>(boxSection)].Color = kBoxAfter;
  box->SkinData().MarkCacheStale();
  const Bitmap before = Shot(Window());
  button->SetCaption("Stop");
  button->Repaint();
  EXPECT_TRUE(SamePixels(Shot(Window()), before)) << "nothing is painted over a stale frame";
  EXPECT_TRUE(button->SkinData().Updating());

  box->Repaint();
  EXPECT_FALSE(button->SkinData().Updating());
  EXPECT_EQ(Face(), FaceOver(kBoxAfter)) << "rebuilt over the frame's new picture";
  EXPECT_FALSE(SamePixels(Shot(Window()), before));
}

// A show-window fade paints the whole window into the picture it fades to;
// meanwhile the button's own window is not painted, a print into that
// picture is.
TEST_F(WindowedButtonPainting, WhileAWindowIsPaintedAtOnceOnlyThatPictureIsPaintedInto) {
  TBitmap picture(form->Width(), form->Height());
  const Bitmap before = Shot(Window());
  button->SetCaption("Stop");
  button->Invalidate();
  TacEngineFlags::BulkPaintTarget = picture.Canvas().Handle();
  button->Update();
  const Bitmap during = Shot(Window());
  TBitmap printed(button->Width(), button->Height());
  TacEngineFlags::BulkPaintTarget = printed.Canvas().Handle();
  SendMessage(Window(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
  TacEngineFlags::BulkPaintTarget = nullptr;
  EXPECT_TRUE(SamePixels(during, before)) << "the screen keeps its picture";
  EXPECT_EQ(printed.Canvas().Pixel(4, 12), Face()) << "the print shows the button";
  EXPECT_FALSE(SamePixels(printed.Pixels(), before)) << "with its new caption";
}

// The plain handling of a focus loss runs the exit handler; whatever that
// asks to repaint waits until the skinned button has left its focused look.
TEST_F(WindowedButtonPainting, NothingIsPaintedWhileThePlainHandlingOfAFocusLossRuns) {
  button->SetFocus();
  driver.runUntilIdle();
  int paintsDuringExit = -1;
  button->OnExit = [&](TObject*) {
    const int before = button->Paints;
    button->Repaint();
    paintsDuringExit = button->Paints - before;
  };
  FocusElsewhere();
  EXPECT_EQ(paintsDuringExit, 0);
  EXPECT_FALSE(button->SkinData().Focused());
  const int settled = button->Paints;
  button->Repaint();
  EXPECT_EQ(button->Paints, settled + 1) << "painting is switched on again afterwards";
}

TEST_F(WindowedButtonPainting, AnswersTheKeyboardCueNoticeItselfWhileSkinned) {
  EXPECT_EQ(SendMessage(Window(), WM_UPDATEUISTATE, 0, 0), 1);
}
