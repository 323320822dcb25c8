#pragma once
// Process-wide switches of the painting engine, read and written on the
// user-interface thread only.
#include "platform/graphics/DeviceContext.h"

struct TacEngineFlags {
  // A window is fading in; controls paint themselves into its pictures.
  static inline bool ShowWindowFadeRunning = false;
  // The context a whole window is being painted into at once (the picture
  // a show-window fade fades to); null when none. Meanwhile controls paint
  // only into it: the screen keeps what it shows until the fade is over.
  static inline HDC BulkPaintTarget = nullptr;
  // Copying a cache to the screen leaves windowless children's rectangles
  // out of the copy (they paint themselves on top).
  static inline bool ClipGraphicChildren = true;
};
