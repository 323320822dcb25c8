#include "platform/headless/HeadlessDriver.h"

#include <memory>

#include "platform/FileBytes.h"
#include "platform/PngCodec.h"
#include "platform/windowing/WindowManager.h"

HeadlessDriver::HeadlessDriver(SIZE screen) {
  ShutdownWindowing();
  auto backend = std::make_unique<HeadlessBackend>(screen);
  backend_ = backend.get();
  SetBackend(std::move(backend));
}

HeadlessDriver::~HeadlessDriver() { ShutdownWindowing(); }

// ---- the loop

int HeadlessDriver::runUntilIdle() {
  int dispatched = 0;
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitSeen_ = true;
      quitCode_ = static_cast<int>(msg.wParam);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    ++dispatched;
  }
  return dispatched;
}

void HeadlessDriver::runFor(std::uint64_t ms) {
  const std::uint64_t end = backend_->now() + ms;
  for (;;) {
    runUntilIdle();
    const auto next = wm().timers().nextDeadline();
    if (!next || *next > end) break;
    if (*next > backend_->now()) backend_->setClock(*next);
  }
  if (backend_->now() < end) backend_->setClock(end);
  runUntilIdle();
}

// ---- mouse

void HeadlessDriver::moveTo(POINT screen) {
  wm().input().mouseMove(screen);
  runUntilIdle();
}

void HeadlessDriver::press(POINT screen, MouseButton button) {
  if (wm().input().cursor() != screen) wm().input().mouseMove(screen);
  wm().input().mouseButton(screen, button, true);
  runUntilIdle();
}

void HeadlessDriver::release(POINT screen, MouseButton button) {
  if (wm().input().cursor() != screen) wm().input().mouseMove(screen);
  wm().input().mouseButton(screen, button, false);
  runUntilIdle();
}

void HeadlessDriver::click(POINT screen, MouseButton button) {
  moveTo(screen);
  press(screen, button);
  release(screen, button);
}

void HeadlessDriver::doubleClick(POINT screen) {
  click(screen);
  click(screen);
}

void HeadlessDriver::drag(POINT from, POINT to, int steps) {
  moveTo(from);
  press(from);
  steps = std::max(1, steps);
  for (int i = 1; i <= steps; ++i)
    moveTo({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
  release(to);
}

void HeadlessDriver::wheel(POINT screen, int delta) {
  moveTo(screen);
  wm().input().mouseWheel(screen, delta);
  runUntilIdle();
}

POINT HeadlessDriver::clientToScreen(HWND hwnd, POINT client) const {
  ClientToScreen(hwnd, &client);
  return client;
}

POINT HeadlessDriver::windowToScreen(HWND hwnd, POINT inWindow) const {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {r.Left + inWindow.X, r.Top + inWindow.Y};
}

void HeadlessDriver::clickClient(HWND hwnd, POINT client, MouseButton button) { click(clientToScreen(hwnd, client), button); }

void HeadlessDriver::doubleClickClient(HWND hwnd, POINT client) { doubleClick(clientToScreen(hwnd, client)); }

// ---- keyboard

void HeadlessDriver::keyDown(int virtualKey) {
  wm().input().key(virtualKey, true);
  runUntilIdle();
}

void HeadlessDriver::keyUp(int virtualKey) {
  wm().input().key(virtualKey, false);
  runUntilIdle();
}

void HeadlessDriver::pressKey(int virtualKey) {
  keyDown(virtualKey);
  keyUp(virtualKey);
}

void HeadlessDriver::typeText(const std::string& utf8) {
  wm().input().text(utf8);
  runUntilIdle();
}

// ---- the desktop

void HeadlessDriver::focusAnotherProgram() {
  wm().input().applicationDeactivated();
  runUntilIdle();
}

void HeadlessDriver::giveKeyboardTo(HWND hwnd) {
  wm().input().nativeActivated(hwnd);
  runUntilIdle();
}

void HeadlessDriver::requestClose(HWND hwnd) {
  wm().input().closeRequested(hwnd);
  runUntilIdle();
}

// ---- pictures

Bitmap HeadlessDriver::screenshot() const {
  const SIZE size = backend_->screenSize();
  return CaptureScreen(Bounds(0, 0, size.cx, size.cy));
}

Bitmap HeadlessDriver::windowShot(HWND hwnd) const {
  RECT r;
  if (!GetWindowRect(hwnd, &r)) return Bitmap();
  return CaptureScreen(r);
}

bool HeadlessDriver::savePng(const Bitmap& picture, const std::string& path) const {
  auto bytes = PngCodec::encode(picture);
  if (!bytes) return false;
  return FileBytes::write(path, bytes.value()).ok();
}
