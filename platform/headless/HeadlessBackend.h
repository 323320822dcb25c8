#pragma once
// A backend without a display: every top-level window lives on an in-memory
// screen, time is a virtual clock that jumps straight to the next timer
// deadline when the program has nothing else to do, and the clipboard, the
// cursor and opened links are just recorded. Tests drive it through
// HeadlessDriver.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/windowing/Backend.h"

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(SIZE screen = {1280, 1024});

  NativeWindow createWindow(HWND hwnd, const RECT& screenRect, DWORD style, DWORD exStyle) override;
  void destroyWindow(NativeWindow window) override;
  void setBounds(NativeWindow window, const RECT& screenRect) override;
  void setVisible(NativeWindow window, bool visible, bool activate) override;
  void raise(NativeWindow window) override;
  void setTitle(NativeWindow window, const std::string& utf8) override;
  void setIcon(NativeWindow window, const Bitmap& icon) override;
  void present(NativeWindow window, const Bitmap& picture, const RECT& dirty, bool layered, BYTE opacity) override;
  bool waitForEvents(std::uint64_t deadlineMs) override;
  std::uint64_t now() override { return clock_; }
  SIZE screenSize() override { return screen_; }
  POINT cursorPos() override;
  void setCursor(int cursorId) override { cursor_ = cursorId; }
  std::string clipboardText() override { return clipboard_; }
  void setClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
  void openUrl(const std::string& url, int showCommand, HWND owner) override {
    openedUrls_.push_back(url);
    openedLinks_.push_back({url, showCommand, owner});
  }
  bool composesTranslucentWindows() override { return composes_; }

  // ---- what tests look at
  void setClock(std::uint64_t ms) { clock_ = ms; }
  // The screen composes translucent windows unless a test says otherwise
  // (a plain X server without a compositor).
  void setComposition(bool on) { composes_ = on; }
  int cursor() const { return cursor_; }
  const std::vector<std::string>& openedUrls() const { return openedUrls_; }
  // The same links with the show command and owner they were opened with.
  struct OpenedLink {
    std::string Url;
    int ShowCommand = 0;
    HWND Owner = nullptr;
  };
  const std::vector<OpenedLink>& openedLinks() const { return openedLinks_; }
  int nativeWindowCount() const { return liveWindows_; }
  int presentCount() const { return presents_; }

 private:
  SIZE screen_;
  std::uint64_t clock_ = 0;
  int cursor_ = 0;
  std::string clipboard_;
  std::vector<std::string> openedUrls_;
  std::vector<OpenedLink> openedLinks_;
  NativeWindow nextWindow_ = 1;
  int liveWindows_ = 0;
  int presents_ = 0;
  bool composes_ = true;
};
