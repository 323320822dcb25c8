#pragma once
// The show-window fade: a window's new picture mixed into what the screen
// showed there before, frame by frame, through a borderless output window
// laid over it. It runs synchronously and leaves nothing behind.
#include <functional>

#include "platform/windowing/WinTypes.h"

class TsSkinManager;

class TacShowWindowFade {
 public:
  // Fades `window` in over `timeMs` milliseconds: timeMs div 8 + 1 mixed
  // frames 8 ms apart, then the new picture; 7 ms or less shows the new
  // picture at once.
  static void Run(HWND window, unsigned timeMs);

  // The fade a form frame runs when its form is shown: the manager's
  // AnimEffects.FormShow (or DialogShow for dialogs) when active.
  static void FormShown(HWND form, bool dialog, TsSkinManager* manager = nullptr);

  // Called with the output window after each frame is on it (the tests read
  // the frames this way).
  static inline std::function<void(HWND output)> FrameShown;

  // The class name of the output window.
  static constexpr const char* kOutputWindowClass = "TOutputWindow";
};
