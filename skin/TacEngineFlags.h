#pragma once
// Process-wide switches of the painting engine, read and written on the
// user-interface thread only.
struct TacEngineFlags {
  // A window is fading in; controls paint themselves into its pictures.
  static inline bool ShowWindowFadeRunning = false;
  // Copying a cache to the screen leaves windowless children's rectangles
  // out of the copy (they paint themselves on top).
  static inline bool ClipGraphicChildren = true;
};
