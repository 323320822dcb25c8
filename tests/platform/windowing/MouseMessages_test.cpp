// Which messages count as the mouse's: the move and the three buttons over
// the client area and over the frame, and nothing beside them.
#include <gtest/gtest.h>

#include "platform/windowing/MouseMessages.h"

TEST(MouseMessages, TheMoveAndTheThreeButtonsOverClientAndFrameAndNothingElse) {
  for (UINT msg = WM_MOUSEMOVE; msg <= WM_MBUTTONDBLCLK; ++msg) {
    EXPECT_TRUE(IsClientMouseMessage(msg)) << msg;
    EXPECT_FALSE(IsNonClientMouseMessage(msg)) << msg;
    EXPECT_TRUE(IsMouseMessage(msg)) << msg;
  }
  for (UINT msg = WM_NCMOUSEMOVE; msg <= WM_NCMBUTTONDBLCLK; ++msg) {
    EXPECT_TRUE(IsNonClientMouseMessage(msg)) << msg;
    EXPECT_FALSE(IsClientMouseMessage(msg)) << msg;
    EXPECT_TRUE(IsMouseMessage(msg)) << msg;
  }
  // The neighbours of both ranges, the wheel and the hover and leave notices.
  for (UINT msg : {WM_MOUSEMOVE - 1, WM_MOUSEWHEEL, WM_NCMOUSEMOVE - 1, WM_NCMBUTTONDBLCLK + 1, WM_MOUSEHOVER,
                   WM_MOUSELEAVE, WM_NCMOUSELEAVE, WM_MOUSEACTIVATE, WM_SETCURSOR})
    EXPECT_FALSE(IsMouseMessage(msg)) << msg;
}

TEST(MouseMessages, AButtonUpIsTheReleaseOfOneOfTheThreeButtonsOverTheClient) {
  for (UINT msg : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}) EXPECT_TRUE(IsClientButtonUp(msg)) << msg;
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MOUSEMOVE, WM_NCLBUTTONUP})
    EXPECT_FALSE(IsClientButtonUp(msg)) << msg;
}
