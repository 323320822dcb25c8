#pragma once
// The real desktop through SDL2. Every top-level window is a borderless SDL
// window showing the layer's own picture (frame included); dragging by the
// caption goes through SDL's hit-test callback, which asks the window
// (WM_NCHITTEST). Waiting for events sleeps on the display connection (on
// X11, X11EventWait.h) or in SDL_WaitEventTimeout until the next timer
// deadline, so an idle program uses no processor time. X errors are logged,
// not fatal (X11ErrorLog.h).
#include <SDL.h>

#include <chrono>
#include <map>
#include <memory>

#include "platform/windowing/Backend.h"

class SdlBackend : public Backend {
 public:
  // Null (with the reason on stderr) when there is no display to open.
  // Chooses the program's device scale from the desktop (DeviceScaleChoice.h)
  // so that a window of the size `mustFit` answers fits the screen, and sets
  // it before any window exists. `mustFit` is asked only when a scale other
  // than 1 is wanted, so that a start at 1 spends nothing on it.
  using SizeQuery = SIZE (*)();
  static std::unique_ptr<SdlBackend> create(SizeQuery mustFit = nullptr);
  ~SdlBackend() override;

  NativeWindow createWindow(HWND hwnd, const RECT& screenRect, DWORD style, DWORD exStyle) override;
  void destroyWindow(NativeWindow window) override;
  void setBounds(NativeWindow window, const RECT& screenRect) override;
  void setVisible(NativeWindow window, bool visible, bool activate) override;
  void raise(NativeWindow window) override;
  bool minimize(NativeWindow window) override;
  void setTitle(NativeWindow window, const std::string& utf8) override;
  void setIcon(NativeWindow window, const Bitmap& icon) override;
  void present(NativeWindow window, const Bitmap& picture, const RECT& dirty, bool layered, BYTE opacity) override;
  bool waitForEvents(std::uint64_t deadlineMs) override;
  std::uint64_t now() override;
  SIZE screenSize() override;
  POINT cursorPos() override;
  void setCursor(int cursorId) override;
  std::string clipboardText() override;
  void setClipboardText(const std::string& utf8) override;
  void openUrl(const std::string& url, int showCommand, HWND owner) override;
  bool composesTranslucentWindows() override;
  Bitmap readScreen(const RECT& screenRect) override;

 private:
  SdlBackend();
  SDL_Window* windowOf(NativeWindow window) const;
  HWND hwndOf(Uint32 windowId) const;
  void handle(const SDL_Event& event);
  // Handles the events SDL has or can read without waiting, up to and
  // including the first press, release or key; answers whether there was one.
  bool handlePendingEvents();
  // Whether the messages `event` makes must be dispatched before the next
  // event is routed.
  static bool endsBatch(const SDL_Event& event);
  void handleWindowEvent(const SDL_WindowEvent& event);
  // Whether the keyboard focus is still on one of the program's windows.
  bool keyboardStaysWithProgram() const;
  // A position in a window's screen pixels to the layer's screen position.
  POINT toScreen(Uint32 windowId, int x, int y) const;
  // Screen pixels and the layer's logical pixels: n of those make one.
  int toDevice(int logical) const { return logical * scale_; }
  // Rounded down, so that a pixel left of or above a window stays outside it.
  int toLogical(int device) const { return device >= 0 ? device / scale_ : -((scale_ - 1 - device) / scale_); }
  static SDL_HitTestResult hitTest(SDL_Window* window, const SDL_Point* area, void* data);

  // Cuts a shaped window to the part of a translucent picture with at least
  // `cutoff` alpha.
  void applyShape(SDL_Window* window, const Bitmap& picture, Uint8 cutoff);

  struct Native {
    SDL_Window* window = nullptr;
    HWND hwnd = nullptr;
    bool shaped = false;  // made with SDL_CreateShapedWindow
    bool alpha = false;   // made with a 32-bit visual: the fourth byte reaches the compositor
    bool noActivate = false;  // a list, menu or hint: never takes the keyboard focus
  };
  std::map<NativeWindow, Native> windows_;  // keyed by SDL window id
  std::map<int, SDL_Cursor*> cursors_;
  std::chrono::steady_clock::time_point start_;
  int scale_ = 1;
};
