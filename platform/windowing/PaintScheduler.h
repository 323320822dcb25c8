#pragma once
// Painting of windows. Each top-level window owns a 32-bit picture of its
// whole rectangle; children paint into it, clipped to what of them is visible.
// Invalid areas are collected per window (as bounding rectangles) and painted
// in one pass when the queue is empty: frame (WM_NCPAINT), background
// (WM_ERASEBKGND) and client (WM_PAINT), parents before children, bottom
// siblings before top ones; whatever a window paints over is painted again by
// the windows above it. Then the changed part goes to the backend.
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/Window.h"

class WindowManager;

class PaintScheduler {
 public:
  explicit PaintScheduler(WindowManager& wm);
  ~PaintScheduler();

  // ---- surfaces of top-level windows
  void attachSurface(Window* top);
  void detachSurface(Window* top);
  void resizeSurface(Window* top);

  // ---- invalid areas
  // rect in client coordinates (nullptr: the whole client area).
  void invalidate(Window* w, const RECT* rect, bool erase, bool frame, bool allChildren);
  void validate(Window* w, const RECT* rect, bool frame, bool allChildren);
  // The whole window, frame and client, needs painting.
  void invalidateWindowArea(Window* w);
  // What lies under the window (in its parent) needs painting again.
  void invalidateUnder(Window* w);
  // A top-level picture changed outside painting (layered pictures).
  void markPresent(Window* top, const RECT& surfaceRect);

  bool paintPending() const { return !dirtyTops_.empty() || !presentTops_.empty(); }
  // The whole pass: paints every pending window and presents the changes.
  void paintAll();
  // Paints hwnd's pending areas and its children's at once (UpdateWindow).
  void paintNow(Window* w);

  // ---- drawing contexts
  HDC getDC(Window* w, bool wholeWindow);
  bool releaseDC(HDC dc);
  HDC beginPaint(Window* w, PAINTSTRUCT* ps);
  void endPaint(Window* w, const PAINTSTRUCT* ps);
  // What of the window (or its client area) is visible, in its top-level
  // window's picture coordinates.
  Region visibleArea(const Window* w, bool clientOnly) const;

 private:
  struct OpenContext {
    std::unique_ptr<DeviceContext> dc;
    std::shared_ptr<Bitmap> surface;  // keeps the picture alive while drawing
    HWND top = nullptr;
    RECT area{};  // picture coordinates
  };
  Window* topOf(const Window* w) const;
  void markDirty(const Window* w);
  void paintTop(Window* top);
  void paintTree(Window* w, Region& painted);
  void present(Window* top);

  WindowManager& wm_;
  std::set<HWND> dirtyTops_;
  std::set<HWND> presentTops_;
  std::vector<OpenContext> contexts_;
};
