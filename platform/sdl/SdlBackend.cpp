#include "platform/sdl/SdlBackend.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/DeviceScale.h"
#include "platform/DeviceScaleChoice.h"
#include "platform/sdl/SdlKeyMap.h"
#include "platform/sdl/X11AlphaVisual.h"
#include "platform/sdl/X11Composition.h"
#include "platform/sdl/X11DesktopDensity.h"
#include "platform/sdl/X11ErrorLog.h"
#include "platform/sdl/X11EventWait.h"
#include "platform/sdl/X11Focus.h"
#include "platform/sdl/X11ScreenReader.h"
#include "platform/sdl/X11TitleWriter.h"
#include "platform/sdl/X11WindowFunctions.h"
#include "platform/sdl/X11WindowManager.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"


namespace {

// Starts SDL's video on a real desktop. Left to itself SDL falls back to its
// invisible "offscreen" driver when the X connection fails for a moment (seen
// on a busy X server right after start): the program then runs on with no
// window anyone can see. A driver named in SDL_VIDEODRIVER is taken as asked;
// otherwise only the desktops the environment names are tried, X a few times.
bool initDesktopVideo() {
  if (SDL_Init(0) != 0) {
    std::fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
    return false;
  }
  if (const char* asked = std::getenv("SDL_VIDEODRIVER"); asked && *asked) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    std::fprintf(stderr, "SDL video (%s) failed: %s\n", asked, SDL_GetError());
    return false;
  }
  struct Desktop {
    const char* driver;
    const char* variable;
    int attempts;
  };
  constexpr Desktop desktops[] = {{"x11", "DISPLAY", 5}, {"wayland", "WAYLAND_DISPLAY", 1}};
  bool anyNamed = false;
  for (const Desktop& desktop : desktops) {
    const char* where = std::getenv(desktop.variable);
    if (!where || !*where) continue;
    anyNamed = true;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, desktop.driver);
    for (int attempt = 1; attempt <= desktop.attempts; ++attempt) {
      if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
      std::fprintf(stderr, "cannot open the display %s (%s, attempt %d of %d): %s\n", where, desktop.driver, attempt,
                   desktop.attempts, SDL_GetError());
      if (attempt < desktop.attempts) SDL_Delay(200u * attempt);
    }
  }
  if (!anyNamed) std::fprintf(stderr, "no desktop to show windows on: neither DISPLAY nor WAYLAND_DISPLAY is set\n");
  SDL_Quit();
  return false;
}

// What the desktop says about its density, read once video is up.
DeviceScaleChoice::DesktopDensity readDesktopDensity() {
  DeviceScaleChoice::DesktopDensity desktop;
  if (const char* own = std::getenv("TRAINER_SCALE")) desktop.trainerScale = own;
  if (const char* gdk = std::getenv("GDK_SCALE")) desktop.gdkScale = gdk;
  desktop.xftDpi = X11DesktopDensity::xftDpi();
  float diagonal = 0, across = 0, down = 0;
  if (SDL_GetDisplayDPI(0, &diagonal, &across, &down) == 0) desktop.displayDpi = across;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) desktop.screen = {mode.w, mode.h};
  return desktop;
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::create(SizeQuery mustFit) {
  // Termination signals keep their default meaning instead of turning into
  // SDL_QUIT events the program would not act on.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A click into the inactive program both activates the window and acts,
  // as on the classic desktop (SDL drops it by default: the pupil's first
  // click on the picker after another program had the focus did nothing).
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // No window manager may be running (a bare X server): windows must still show.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The pictures are made in memory; the plain window framebuffer shows them
  // without an accelerated renderer (which would also re-create the window).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (!initDesktopVideo()) return nullptr;
  // SDL's own X error handler ends the program on any error; ours logs it.
  X11ErrorLog::install();
  SDL_StartTextInput();
  std::unique_ptr<SdlBackend> backend(new SdlBackend());
  // The desktop's density decides; the size that must fit is asked only
  // when it wants more than 1 (a window of no size fits any screen).
  const DeviceScaleChoice::DesktopDensity desktop = readDesktopDensity();
  if (DeviceScaleChoice::Choose(desktop, SIZE{}) > 1)
    backend->scale_ = DeviceScaleChoice::Choose(desktop, mustFit ? mustFit() : SIZE{});
  DeviceScale::SetCurrent(backend->scale_);
  return backend;
}

SdlBackend::SdlBackend() : start_(std::chrono::steady_clock::now()) {}

SdlBackend::~SdlBackend() {
  for (auto& [id, native] : windows_) SDL_DestroyWindow(native.window);
  for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
  SDL_Quit();
}

SDL_Window* SdlBackend::windowOf(NativeWindow window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.window;
}

HWND SdlBackend::hwndOf(Uint32 windowId) const {
  const auto it = windows_.find(windowId);
  return it == windows_.end() ? nullptr : it->second.hwnd;
}

// ---- native windows

NativeWindow SdlBackend::createWindow(HWND hwnd, const RECT& logical, DWORD, DWORD exStyle) {
  const RECT r{toDevice(logical.Left), toDevice(logical.Top), toDevice(logical.Right), toDevice(logical.Bottom)};
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (exStyle & WS_EX_TOOLWINDOW) flags |= SDL_WINDOW_SKIP_TASKBAR;
  if (exStyle & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  // Lists, menus and hints are not the window manager's to place or to
  // activate: they open over the window the pupil works in, which stays active.
  const bool noActivate = (exStyle & WS_EX_NOACTIVATE) != 0;
  if (noActivate) flags |= (exStyle & WS_EX_LAYERED) ? SDL_WINDOW_TOOLTIP : SDL_WINDOW_POPUP_MENU;
  // Translucent windows (hints) are shaped windows where the desktop has
  // them, so that at least their outline is not a rectangle.
  SDL_Window* window = nullptr;
  bool shaped = false;
  bool alpha = false;
  if (exStyle & WS_EX_LAYERED) {
    // Where a compositor runs, the window gets a visual with alpha so that
    // soft edges and shadows blend with the desktop instead of being cut.
    const std::string visual = composesTranslucentWindows() && !windows_.empty()
                                   ? X11AlphaVisual::find(windows_.begin()->second.window)
                                   : std::string();
    if (!visual.empty()) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, visual.c_str());
    window = SDL_CreateShapedWindow("", r.Left, r.Top, std::max(1, r.Width()), std::max(1, r.Height()), flags);
    if (!visual.empty()) SDL_ResetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID);
    shaped = window != nullptr;
    alpha = shaped && !visual.empty();
  }
  if (!window) window = SDL_CreateWindow("", r.Left, r.Top, std::max(1, r.Width()), std::max(1, r.Height()), flags);
  if (!window) {
    std::fprintf(stderr, "SDL_CreateWindow failed: %s\n", SDL_GetError());
    return 0;
  }
  SDL_SetWindowHitTest(window, &SdlBackend::hitTest, this);
  // The framebuffer is set up now, before titles and pictures arrive.
  SDL_GetWindowSurface(window);
  const NativeWindow id = SDL_GetWindowID(window);
  windows_[id] = Native{window, hwnd, shaped, alpha, noActivate};
  // A shaped window starts off screen until its first shape arrives.
  if (shaped) SDL_SetWindowPosition(window, r.Left, r.Top);
  return id;
}

void SdlBackend::destroyWindow(NativeWindow window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  SDL_DestroyWindow(it->second.window);
  windows_.erase(it);
}

void SdlBackend::setBounds(NativeWindow window, const RECT& logical) {
  SDL_Window* w = windowOf(window);
  const RECT r{toDevice(logical.Left), toDevice(logical.Top), toDevice(logical.Right), toDevice(logical.Bottom)};
  if (!w) return;
  // Moves the desktop itself reported come back here: leave those alone.
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(w, &x, &y);
  SDL_GetWindowSize(w, &width, &height);
  if (x != r.Left || y != r.Top) SDL_SetWindowPosition(w, r.Left, r.Top);
  if (width != std::max(1, r.Width()) || height != std::max(1, r.Height()))
    SDL_SetWindowSize(w, std::max(1, r.Width()), std::max(1, r.Height()));
}

void SdlBackend::setVisible(NativeWindow window, bool visible, bool activate) {
  SDL_Window* w = windowOf(window);
  if (!w) return;
  const bool noActivate = windows_[window].noActivate;
  const bool shown = (SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) != 0;
  if (visible && (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED)) SDL_RestoreWindow(w);
  if (visible && !shown) {
    // The desktop may offer for the window what its frame offers, no more
    // (the name window: no Close, no Minimise). Read as it is mapped.
    if (const Window* layered = wm().find(windows_[window].hwnd); layered && !noActivate)
      X11WindowFunctions::apply(w, layered->style);
    // Without a window manager SDL focuses every window it maps: a list or
    // hint hands the focus straight back, or the keys would go to it and be
    // lost for good once it closes.
    const unsigned long focus = noActivate ? X11Focus::current(w) : 0;
    SDL_ShowWindow(w);
    if (noActivate) X11Focus::restore(w, focus);
    // Mapping the window writes the legacy title once more.
    X11TitleWriter::write(w, SDL_GetWindowTitle(w));
  }
  if (!visible && shown) SDL_HideWindow(w);
  if (visible && activate && !noActivate) {
    SDL_RaiseWindow(w);
    // Raising only asks a window manager to activate; the keys must come
    // here also where none runs (or after the focused box went away).
    SDL_SetWindowInputFocus(w);
  }
}

bool SdlBackend::minimize(NativeWindow window) {
  SDL_Window* w = windowOf(window);
  // Without a window manager nothing could bring the window back.
  if (!w || !X11WindowManager::running(w)) return false;
  SDL_MinimizeWindow(w);
  return true;
}

void SdlBackend::raise(NativeWindow window) {
  SDL_Window* w = windowOf(window);
  if (!w || !(SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN)) return;
  // Only the stacking changes; activating is setVisible's business.
  if (!X11Focus::raiseOnly(w) && !windows_[window].noActivate) SDL_RaiseWindow(w);
}

void SdlBackend::setTitle(NativeWindow window, const std::string& utf8) {
  SDL_Window* w = windowOf(window);
  if (!w) return;
  SDL_SetWindowTitle(w, utf8.c_str());
  X11TitleWriter::write(w, utf8);
}

void SdlBackend::setIcon(NativeWindow window, const Bitmap& icon) {
  SDL_Window* w = windowOf(window);
  if (!w || icon.empty() || icon.format() != PixelFormat::Bgrx32) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(icon.start()), icon.deviceWidth(),
                                                            icon.deviceHeight(), 32, static_cast<int>(icon.delta()),
                                                            SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;
  SDL_SetWindowIcon(w, surface);
  SDL_FreeSurface(surface);
}

void SdlBackend::present(NativeWindow window, const Bitmap& picture, const RECT& dirty, bool layered, BYTE opacity) {
  SDL_Window* w = windowOf(window);
  if (!w || picture.empty()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(w);
  if (!surface) return;
  // The picture's own pixels (the layer's dirty rectangle times its scale).
  const int n = picture.scale();
  const RECT deviceDirty{dirty.Left * n, dirty.Top * n, dirty.Right * n, dirty.Bottom * n};
  const RECT area = Intersect(
      deviceDirty, Bounds(0, 0, std::min(surface->w, picture.deviceWidth()), std::min(surface->h, picture.deviceHeight())));
  if (area.IsEmpty()) return;
  const Native& native = windows_[window];
  // A window with an alpha visual on a composing desktop takes the
  // premultiplied B, G, R, A bytes as they are (the same layout, so SDL
  // copies them unchanged); otherwise our pictures are B, G, R, X bytes:
  // SDL's XRGB8888 on little-endian machines.
  const bool blended = layered && native.alpha && surface->format->BytesPerPixel == 4 && composesTranslucentWindows();
  const Uint32 source = blended ? surface->format->format : static_cast<Uint32>(SDL_PIXELFORMAT_XRGB8888);
  const std::uint8_t* src = picture.row(area.Top) + area.Left * picture.bytesPerPixel();
  auto* dst = static_cast<std::uint8_t*>(surface->pixels) + area.Top * surface->pitch + area.Left * surface->format->BytesPerPixel;
  SDL_ConvertPixels(area.Width(), area.Height(), source, src, static_cast<int>(picture.delta()), surface->format->format,
                    dst, surface->pitch);
  const SDL_Rect rect{area.Left, area.Top, area.Width(), area.Height()};
  SDL_UpdateWindowSurfaceRects(w, &rect, 1);
  // A shaped window keeps the part of the picture that shows: every pixel
  // with any alpha where the compositor blends them, else the opaque part.
  // The constant opacity applies where a compositor runs.
  if (layered && native.shaped) applyShape(w, picture, blended ? 1 : 128);
  if (layered || opacity < 255) SDL_SetWindowOpacity(w, opacity / 255.0f);
}

void SdlBackend::applyShape(SDL_Window* window, const Bitmap& picture, Uint8 cutoff) {
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  if (picture.format() != PixelFormat::Bgrx32 || picture.deviceWidth() != width || picture.deviceHeight() != height)
    return;
  // B, G, R, A bytes are SDL's ARGB8888 on little-endian machines.
  SDL_Surface* shape = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(picture.start()), width, height, 32,
                                                          static_cast<int>(picture.delta()), SDL_PIXELFORMAT_ARGB8888);
  if (!shape) return;
  SDL_WindowShapeMode mode;
  mode.mode = ShapeModeBinarizeAlpha;
  mode.parameters.binarizationCutoff = cutoff;
  SDL_SetWindowShape(window, shape, &mode);
  SDL_FreeSurface(shape);
}

// ---- events

bool SdlBackend::waitForEvents(std::uint64_t deadlineMs) {
  if (handlePendingEvents()) return true;
  const std::uint64_t current = now();
  if (deadlineMs != UINT64_MAX && deadlineMs <= current) return true;
  const int timeout =
      deadlineMs == UINT64_MAX ? -1 : static_cast<int>(std::min<std::uint64_t>(deadlineMs - current, 1u << 30));
  // Events our handlers caused (a window shown) may already wait in SDL's queue.
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return true;
  // SDL's blocking wait would wake itself with a message to a window that
  // may be gone by the time the server reads it (X11EventWait.h); on X11
  // the program sleeps on the display connection and SDL only polls.
  SDL_Window* anyWindow = windows_.empty() ? nullptr : windows_.begin()->second.window;
  if (X11EventWait::wait(anyWindow, timeout)) {
    handlePendingEvents();
    return true;
  }
  SDL_Event event;
  if (timeout < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeout)) {
    handle(event);
    if (!endsBatch(event)) handlePendingEvents();
  }
  return true;
}

bool SdlBackend::endsBatch(const SDL_Event& event) {
  // The layer picks the target of a press, a release or a key as it hears
  // of it, from the capture and the focus of that moment. What a press or a
  // key does (a title button taking the capture, Tab moving the focus) must
  // therefore be dispatched before the next of them is heard: a quick click
  // otherwise sends its release past the capture its press was about to take.
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT: return true;
    default: return false;
  }
}

bool SdlBackend::handlePendingEvents() {
  SDL_Event event;
  bool any = false;
  while (SDL_PollEvent(&event)) {
    handle(event);
    any = true;
    if (endsBatch(event)) break;
  }
  return any;
}

POINT SdlBackend::toScreen(Uint32 windowId, int x, int y) const {
  // The layer knows where its windows are (it places them, and hears of the
  // desktop's moves); SDL's own idea can lag behind without a window manager.
  RECT r;
  if (!GetWindowRect(hwndOf(windowId), &r)) return {toLogical(x), toLogical(y)};
  return {r.Left + toLogical(x), r.Top + toLogical(y)};
}

void SdlBackend::handle(const SDL_Event& event) {
  InputRouter& input = wm().input();
  switch (event.type) {
    case SDL_MOUSEMOTION:
      input.mouseMove(toScreen(event.motion.windowID, event.motion.x, event.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const MouseButton button = event.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                                 : event.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                            : MouseButton::Left;
      input.mouseButton(toScreen(event.button.windowID, event.button.x, event.button.y), button,
                        event.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int x = 0, y = 0;
      SDL_GetGlobalMouseState(&x, &y);
      input.mouseWheel({toLogical(x), toLogical(y)}, event.wheel.y * WHEEL_DELTA);
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (const int vk = SdlKeyMap::virtualKey(event.key.keysym)) input.key(vk, event.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT:
      input.text(event.text.text);
      break;
    case SDL_WINDOWEVENT:
      handleWindowEvent(event.window);
      break;
    default:
      // SDL_QUIT follows the close request of the last window, which the
      // program has already been told about; nothing else is of interest.
      break;
  }
}

void SdlBackend::handleWindowEvent(const SDL_WindowEvent& event) {
  const HWND hwnd = hwndOf(event.windowID);
  if (!hwnd) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      wm().input().closeRequested(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      wm().input().nativeActivated(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // The keyboard may only have passed to another window of the program
      // (a message box, or a list that SDL focused as it mapped it).
      if (!keyboardStaysWithProgram()) wm().input().applicationDeactivated();
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      // A window manager that ignores the hints may iconify a window with no
      // minimise box (the name window) from its own menu. Nothing of the
      // program would bring it back, so it comes back at once.
      if (const Window* w = wm().find(hwnd); w && !(w->style & WS_MINIMIZEBOX) && !windows_[event.windowID].noActivate)
        SDL_RestoreWindow(windowOf(event.windowID));
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED: {
      // Back from the task bar. Only the window's state now counts: the
      // events of earlier hiding and showing may still be on their way.
      const Uint32 flags = SDL_GetWindowFlags(windowOf(event.windowID));
      if ((flags & SDL_WINDOW_SHOWN) && !(flags & SDL_WINDOW_MINIMIZED)) wm().input().nativeRestored(hwnd);
      break;
    }
    case SDL_WINDOWEVENT_MOVED:
      wm().input().windowMoved(hwnd, {toLogical(event.data1), toLogical(event.data2)});
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      wm().input().windowResized(hwnd, {toLogical(event.data1), toLogical(event.data2)});
      [[fallthrough]];
    case SDL_WINDOWEVENT_EXPOSED:
      // The window surface may be new: show the whole picture again.
      if (Window* w = wm().find(hwnd)) wm().painter().markPresent(w, Bounds(0, 0, w->width(), w->height()));
      break;
    default:
      break;
  }
}

bool SdlBackend::keyboardStaysWithProgram() const {
  std::vector<SDL_Window*> ours;
  for (const auto& [id, native] : windows_) ours.push_back(native.window);
  if (const std::optional<bool> held = X11Focus::heldByOneOf(ours)) return *held;
  // Elsewhere SDL's own record, which has moved on to the other window by
  // the time a move between two of ours is heard.
  SDL_Window* focused = SDL_GetKeyboardFocus();
  return focused && hwndOf(SDL_GetWindowID(focused));
}

SDL_HitTestResult SdlBackend::hitTest(SDL_Window* window, const SDL_Point* area, void* data) {
  auto* self = static_cast<SdlBackend*>(data);
  const HWND hwnd = self->hwndOf(SDL_GetWindowID(window));
  if (!hwnd) return SDL_HITTEST_NORMAL;
  const POINT screen = self->toScreen(SDL_GetWindowID(window), area->x, area->y);
  switch (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y))) {
    case HTCAPTION: return SDL_HITTEST_DRAGGABLE;
    case HTTOPLEFT: return SDL_HITTEST_RESIZE_TOPLEFT;
    case HTTOP: return SDL_HITTEST_RESIZE_TOP;
    case HTTOPRIGHT: return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HTRIGHT: return SDL_HITTEST_RESIZE_RIGHT;
    case HTBOTTOMRIGHT: return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    case HTBOTTOM: return SDL_HITTEST_RESIZE_BOTTOM;
    case HTBOTTOMLEFT: return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HTLEFT: return SDL_HITTEST_RESIZE_LEFT;
    default: return SDL_HITTEST_NORMAL;
  }
}

// ---- desktop services

std::uint64_t SdlBackend::now() {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count());
}

SIZE SdlBackend::screenSize() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1280, 1024};
  return {toLogical(mode.w), toLogical(mode.h)};
}

POINT SdlBackend::cursorPos() {
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {toLogical(x), toLogical(y)};
}

void SdlBackend::setCursor(int cursorId) {
  SDL_SystemCursor kind = SDL_SYSTEM_CURSOR_ARROW;
  switch (cursorId) {
    case IDC_IBEAM: kind = SDL_SYSTEM_CURSOR_IBEAM; break;
    case IDC_WAIT: kind = SDL_SYSTEM_CURSOR_WAIT; break;
    case IDC_CROSS: kind = SDL_SYSTEM_CURSOR_CROSSHAIR; break;
    case IDC_SIZENWSE: kind = SDL_SYSTEM_CURSOR_SIZENWSE; break;
    case IDC_SIZENESW: kind = SDL_SYSTEM_CURSOR_SIZENESW; break;
    case IDC_SIZEWE: kind = SDL_SYSTEM_CURSOR_SIZEWE; break;
    case IDC_SIZENS: kind = SDL_SYSTEM_CURSOR_SIZENS; break;
    case IDC_SIZEALL: kind = SDL_SYSTEM_CURSOR_SIZEALL; break;
    case IDC_HAND: kind = SDL_SYSTEM_CURSOR_HAND; break;
    default: break;
  }
  SDL_Cursor*& cursor = cursors_[kind];
  if (!cursor) cursor = SDL_CreateSystemCursor(kind);
  if (cursor) SDL_SetCursor(cursor);
}

std::string SdlBackend::clipboardText() {
  char* text = SDL_GetClipboardText();
  std::string result = text ? text : "";
  SDL_free(text);
  return result;
}

void SdlBackend::setClipboardText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

void SdlBackend::openUrl(const std::string& url, int showCommand, HWND owner) {
  // xdg-open takes no show command and no owner: the handler opens its
  // window as the desktop likes.
  (void)showCommand, (void)owner;
  // Only web and mail links are handed to the desktop, as one argument and
  // never through a shell.
  const bool allowed = url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0 || url.rfind("mailto:", 0) == 0;
  if (!allowed) return;
  // Two forks, so that the opener never stays behind as a zombie.
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    if (fork() == 0) {
      execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(0);
  }
  waitpid(child, nullptr, 0);
}

bool SdlBackend::composesTranslucentWindows() {
  return windows_.empty() || X11Composition::running(windows_.begin()->second.window);
}

Bitmap SdlBackend::readScreen(const RECT& screenRect) {
  return windows_.empty() ? Bitmap() : X11ScreenReader::read(windows_.begin()->second.window, screenRect, scale_);
}
