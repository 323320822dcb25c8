#pragma once
// The sizes of a form's frame as the system measures them for its border
// style: side and top border, caption height, the standard icon size for a
// caption and where the client area lies inside the window. The skinned
// frame keeps exactly this geometry, so clients sit where the plain frame
// put them.
#include "framework/TCustomForm.h"
#include "platform/Geometry.h"
#include "platform/windowing/WinTypes.h"

class TacFrameMetrics {
 public:
  // The character height of the system caption font (negative: the
  // character cell without the internal leading).
  static constexpr int kCaptionFontHeight = -11;

  // A form has a frame unless its border style is none.
  static bool HasFrame(const TCustomForm& form);
  static int SideBorderWidth(const TCustomForm& form);
  static int TopBorderHeight(const TCustomForm& form);
  // With a frame and WS_CAPTION in the window style (or iconic): the small
  // caption for tool windows, else the normal one; otherwise 0.
  static int CaptionHeight(const TCustomForm& form);
  // The standard title icon size for a caption height: 0 below 9, 8 up to
  // 16, 16 up to 27, else 32.
  static int StandardIconSize(int captionHeight);
  // Single and sizeable forms have the big title bar (big buttons, icon).
  static bool BigTitleBar(const TCustomForm& form);
  static bool ToolWindow(const TCustomForm& form);
  // The client area's top-left corner inside the window rectangle.
  static TPoint ClientOffset(const TCustomForm& form);
  // The size of the window rectangle, frame included.
  static TSize WindowSize(HWND window);
};
