// The program's windows with their skinned frames: each gets its frame at
// its first activation, the clients stay where the plain frames put them,
// a message box is skinned, and the river window's skinned close box ends
// the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/TApplication.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "skin/SkinCommandMessage.h"
#include "skin/frame/TsSkinProvider.h"
#include "tests/app/TrainerSession.h"

namespace {

TsSkinProvider* FrameOf(TCustomForm* form) {
  return reinterpret_cast<TsSkinProvider*>(SendMessage(form->Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_FRAME_PROVIDER), 0));
}

bool HasPlainCaptionPixel(const Bitmap& picture) {
  for (int x = 30; x < picture.width() - 60; ++x)
    if (picture.pixel(x, 10) == ColorToRGB(clActiveCaption) || picture.pixel(x, 10) == ColorToRGB(clInactiveCaption))
      return true;
  return false;
}

}  // namespace

TEST(SkinnedFrames, EveryWindowGetsItsFrameWhenFirstActivatedAndKeepsItsClientPlace) {
  TrainerSession session;
  TrainerProgram& program = session.Program();
  TCustomForm* jugs = program.JugsWindow();
  ASSERT_NE(FrameOf(jugs), nullptr);
  for (TCustomForm* window : session.VisibleWindows()) {
    SCOPED_TRACE(window->ClassName());
    TsSkinProvider* frame = FrameOf(window);
    ASSERT_NE(frame, nullptr);
    POINT offset{};
    GetClientOffset(window->Handle(), &offset);
    // A single border of 3 and the caption of 19 above the client.
    EXPECT_EQ(offset.X, 3);
    EXPECT_EQ(offset.Y, 22);
    EXPECT_FALSE(HasPlainCaptionPixel(session.Driver().windowShot(window->Handle())));
  }
  EXPECT_EQ(FrameOf(program.RiverWindow()), nullptr) << "not yet activated";
  program.RiverWindow()->Show();
  session.Driver().runUntilIdle();
  EXPECT_NE(FrameOf(program.RiverWindow()), nullptr);
}

TEST(SkinnedFrames, AMessageBoxIsASkinnedMessageForm) {
  TrainerSession session;
  session.Execute(session.Program().JugsWindow());  // nothing to replay
  session.Run(100);
  ASSERT_FALSE(session.Messages().empty());
  const SeenMessage& box = session.Messages().front();
  EXPECT_EQ(box.Text, "Дык нечего выполнять :)");
  EXPECT_FALSE(HasPlainCaptionPixel(box.Picture));
}

TEST(SkinnedFrames, EveryMessageBoxShowsTheSkinnedOkButton) {
  TrainerSession session;
  session.Execute(session.Program().JugsWindow());  // "Дык нечего выполнять :)"
  session.Run(100);
  session.Execute(session.Program().JugsWindow());  // a new box, skinned again
  session.Run(100);
  ASSERT_GE(session.Messages().size(), 2u);
  for (const SeenMessage& box : session.Messages()) {
    SCOPED_TRACE(box.Text);
    EXPECT_EQ(box.OkSection, "BUTTON");
    // Made the Default button after its window existed, it is still drawn
    // by its owner: the default-push style would hand it to the platform.
    EXPECT_EQ(box.OkType, static_cast<DWORD>(BS_OWNERDRAW));
    ASSERT_EQ(box.OkCache.width(), box.Ok.Width());
    ASSERT_EQ(box.OkCache.height(), box.Ok.Height());
    // The screen shows the button's picture from the skin (its corners may
    // show the box through the section's key pixels, so the middle rows).
    int differs = 0, plainFace = 0;
    for (int y = 4; y < box.Ok.Height() - 4; ++y)
      for (int x = 4; x < box.Ok.Width() - 4; ++x) {
        const TColor shown = box.Picture.pixel(box.Ok.Left + x, box.Ok.Top + y);
        differs += shown != box.OkCache.pixel(x, y);
        plainFace += shown == ColorToRGB(clBtnFace);
      }
    EXPECT_EQ(differs, 0);
    EXPECT_EQ(plainFace, 0);
  }
}

TEST(SkinnedFrames, AClickOnTheRiverWindowsSkinnedCloseBoxEndsTheProgram) {
  TrainerSession session;
  TCustomForm* river = session.Program().RiverWindow();
  river->Show();
  session.Program().JugsWindow()->Hide();
  session.Driver().runUntilIdle();
  TsSkinProvider* frame = FrameOf(river);
  ASSERT_NE(frame, nullptr);
  const TsFrameButtonState close = frame->Button(TsSkinProvider::sbClose);
  ASSERT_LT(close.Left, close.Right);
  const POINT at = session.Driver().windowToScreen(river->Handle(), {(close.Left + close.Right) / 2, frame->ButtonBandTop() + 8});
  session.Driver().click(at);
  EXPECT_TRUE(session.Program().Application().Terminated());
  session.Driver().runUntilIdle();
  EXPECT_TRUE(session.Driver().quitSeen());
  EXPECT_FALSE(std::filesystem::exists(session.WorkDir().path() / "res.txt"));
}
