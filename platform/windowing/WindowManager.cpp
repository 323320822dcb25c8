#include "platform/windowing/WindowManager.h"

#include <algorithm>
#include <cstdio>

#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"

WindowManager& WindowManager::instance() {
  static WindowManager manager;
  return manager;
}

WindowManager::WindowManager()
    : input_(std::make_unique<InputRouter>(*this)), painter_(std::make_unique<PaintScheduler>(*this)) {}

WindowManager::~WindowManager() = default;

WindowManager::DispatchScope::~DispatchScope() {
  if (--wm.depth_ == 0) wm.graveyard_.clear();
}

void WindowManager::reset() {
  {
    DispatchScope scope(*this);
    for (HWND hwnd : std::vector<HWND>(topLevels_)) destroy(hwnd);
  }
  classes_.clear();
  hooks_ = HookChain();
  timers_ = TimerQueue();
  queue_ = MessageQueue();
  modals_.clear();
  active_ = nullptr;
  focus_ = nullptr;
  appActive_ = false;
  input_ = std::make_unique<InputRouter>(*this);
  painter_ = std::make_unique<PaintScheduler>(*this);
  backend_.reset();
}

Backend& WindowManager::backend() {
  if (!backend_) {
    std::fprintf(stderr, "windowing: no backend installed; call SetBackend first\n");
    std::abort();
  }
  return *backend_;
}

void WindowManager::setBackend(std::unique_ptr<Backend> backend) { backend_ = std::move(backend); }

std::uint64_t WindowManager::now() { return backend_ ? backend_->now() : 0; }

// ---- classes

bool WindowManager::registerClass(const WNDCLASS& wc) {
  if (!wc.lpszClassName || !*wc.lpszClassName || !wc.lpfnWndProc) return false;
  if (classes_.count(wc.lpszClassName)) return false;
  auto cls = std::make_shared<WindowClass>();
  cls->name = wc.lpszClassName;
  cls->style = wc.style;
  cls->proc = wc.lpfnWndProc;
  cls->background = wc.background;
  cls->cursor = wc.cursor;
  classes_[cls->name] = cls;
  return true;
}

bool WindowManager::unregisterClass(const std::string& name) { return classes_.erase(name) > 0; }

std::shared_ptr<const WindowClass> WindowManager::findClass(const std::string& name) const {
  const auto it = classes_.find(name);
  return it == classes_.end() ? nullptr : it->second;
}

// ---- creation

HWND WindowManager::create(DWORD exStyle, const char* className, const char* name, DWORD style, int x, int y, int w,
                           int h, HWND parent, LONG_PTR id, void* params) {
  auto cls = className ? findClass(className) : nullptr;
  if (!cls) return nullptr;
  HWND owner = nullptr;
  if (style & WS_CHILD) {
    if (!find(parent)) return nullptr;
  } else {
    if (parent && !find(parent)) return nullptr;
    owner = parent ? rootOf(parent) : nullptr;
    parent = nullptr;
  }
  // Default placement cascades top-level windows down the screen.
  static int cascade = 0;
  if (x == CW_USEDEFAULT) {
    x = 40 + 24 * (cascade % 8);
    y = 40 + 24 * (cascade % 8);
    ++cascade;
  }
  if (w == CW_USEDEFAULT) {
    w = 480;
    h = 360;
  }

  DispatchScope scope(*this);
  auto record = std::make_unique<Window>();
  record->windowClass = cls;
  record->proc = cls->proc;
  record->style = style & ~WS_VISIBLE;
  record->exStyle = exStyle;
  record->parent = parent;
  record->owner = owner;
  record->id = id;
  record->text = name ? name : "";
  Window* win = record.get();
  const HWND hwnd = handles_.add(std::move(record));

  CREATESTRUCT cs;
  cs.lpCreateParams = params;
  cs.hwndParent = parent ? parent : owner;
  cs.id = id;
  cs.x = x;
  cs.y = y;
  cs.cx = std::max(0, w);
  cs.cy = std::max(0, h);
  cs.style = style;
  cs.lpszName = name;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;

  // The CBT hook sees the window before its first message and may refuse it.
  if (!hooks_.empty()) {
    CBT_CREATEWND cbt{&cs, HWND_TOP};
    if (hooks_.call(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0) {
      graveyard_.push_back(handles_.retire(hwnd));
      return nullptr;
    }
    if (!find(hwnd)) return nullptr;
  }
  win->rect = Bounds(cs.x, cs.y, cs.cx, cs.cy);
  win->client = Bounds(0, 0, cs.cx, cs.cy);
  win->hbarShown = (style & WS_HSCROLL) != 0;
  win->vbarShown = (style & WS_VSCROLL) != 0;
  // New children go to the bottom, so the first created is on top (tab
  // order); new top-level windows go to the top.
  link(win, win->isChild() ? HWND_BOTTOM : HWND_TOP);
  if (win->isTopLevel()) painter_->attachSurface(win);

  if (!send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    destroy(hwnd);
    return nullptr;
  }
  if (!find(hwnd)) return nullptr;
  recalcClient(win);
  if (send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    destroy(hwnd);
    return nullptr;
  }
  win = find(hwnd);
  if (!win) return nullptr;
  win->created = true;
  send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(win->client.Width(), win->client.Height()));
  if (!(win = find(hwnd))) return nullptr;
  send(hwnd, WM_MOVE, 0, MAKELPARAM(win->rect.Left + win->client.Left, win->rect.Top + win->client.Top));
  if (!(win = find(hwnd))) return nullptr;
  if (win->isChild() && !(win->exStyle & WS_EX_NOPARENTNOTIFY))
    send(win->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<int>(id)), reinterpret_cast<LPARAM>(hwnd));
  if ((style & WS_VISIBLE) && find(hwnd)) show(hwnd, SW_SHOW);
  return find(hwnd) ? hwnd : nullptr;
}

// ---- destruction

bool WindowManager::destroy(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w || w->destroyed) return false;
  DispatchScope scope(*this);
  if (!hooks_.empty() && hooks_.call(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return false;
  if (!(w = find(hwnd)) || w->destroyed) return false;
  // Hidden first, so that activation and focus move on while it still exists.
  if (w->style & WS_VISIBLE) setWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                                          SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!(w = find(hwnd)) || w->destroyed) return false;
  if (w->isChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
    send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<int>(w->id)), reinterpret_cast<LPARAM>(hwnd));
  destroyTree(hwnd);
  return true;
}

void WindowManager::destroyTree(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w || w->destroyed) return;
  w->destroyed = true;
  // Owned pop-ups go with their owner.
  if (w->isTopLevel())
    for (HWND other : std::vector<HWND>(topLevels_))
      if (Window* o = find(other); o && o->owner == hwnd) destroy(other);
  input_->forget(hwnd);
  if (focus_ == hwnd) focus_ = nullptr;
  if (active_ == hwnd) active_ = nullptr;
  send(hwnd, WM_DESTROY, 0, 0);
  if ((w = find(hwnd)))
    for (HWND child : std::vector<HWND>(w->children)) destroyTree(child);
  send(hwnd, WM_NCDESTROY, 0, 0);
  w = find(hwnd);
  if (!w) return;
  timers_.killAll(hwnd);
  queue_.discard(hwnd);
  input_->forget(hwnd);
  if (focus_ == hwnd) focus_ = nullptr;
  if (active_ == hwnd) active_ = nullptr;
  for (auto& modal : modals_)
    if (modal.hwnd == hwnd) modal.ended = true;
  painter_->detachSurface(w);
  unlink(w);
  graveyard_.push_back(handles_.retire(hwnd));
}

// ---- tree

std::vector<HWND>* WindowManager::siblingsOf(Window* w) {
  if (w->isChild()) {
    Window* parent = find(w->parent);
    return parent ? &parent->children : nullptr;
  }
  return &topLevels_;
}

void WindowManager::unlink(Window* w) {
  if (auto* list = siblingsOf(w)) std::erase(*list, w->hwnd);
}

void WindowManager::link(Window* w, HWND insertAfter) {
  auto* list = siblingsOf(w);
  if (!list) return;
  std::erase(*list, w->hwnd);
  if (w->isChild()) {
    if (insertAfter == HWND_TOP) {
      list->insert(list->begin(), w->hwnd);
      return;
    }
    if (insertAfter == HWND_BOTTOM) {
      list->push_back(w->hwnd);
      return;
    }
    auto it = std::find(list->begin(), list->end(), insertAfter);
    list->insert(it == list->end() ? list->end() : it + 1, w->hwnd);
    return;
  }
  // Top-level windows: topmost ones stay in front of all others.
  const bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
  auto pos = list->begin();
  if (!topmost)
    while (pos != list->end()) {
      Window* other = find(*pos);
      if (!other || !(other->exStyle & WS_EX_TOPMOST)) break;
      ++pos;
    }
  if (insertAfter == HWND_BOTTOM) {
    list->push_back(w->hwnd);
    return;
  }
  list->insert(pos, w->hwnd);
}

void WindowManager::bringToTop(Window* w) {
  link(w, HWND_TOP);
  if (w->isTopLevel()) {
    if (w->native) backend().raise(w->native);
    // Owned windows stay in front of their owner.
    for (HWND other : std::vector<HWND>(topLevels_))
      if (Window* o = find(other); o && o->owner == w->hwnd && (o->style & WS_VISIBLE)) {
        link(o, HWND_TOP);
        if (o->native) backend().raise(o->native);
      }
  }
  painter_->invalidateWindowArea(w);
}

HWND WindowManager::rootOf(HWND hwnd) const {
  Window* w = find(hwnd);
  while (w && w->isChild()) {
    Window* parent = find(w->parent);
    if (!parent) break;
    w = parent;
  }
  return w ? w->hwnd : nullptr;
}

bool WindowManager::isVisible(const Window* w) const {
  while (w) {
    if (!(w->style & WS_VISIBLE)) return false;
    if (!w->isChild()) return !w->minimized;
    w = find(w->parent);
  }
  return false;
}

bool WindowManager::isEnabledTree(const Window* w) const {
  while (w) {
    if (w->style & WS_DISABLED) return false;
    if (!w->isChild()) return true;
    w = find(w->parent);
  }
  return false;
}

// ---- messages

LRESULT WindowManager::callProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  DispatchScope scope(*this);
  return proc(hwnd, msg, wParam, lParam);
}

LRESULT WindowManager::send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = find(hwnd);
  if (!w) return 0;
  DispatchScope scope(*this);
  return w->proc ? w->proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
}

bool WindowManager::nextMessage(MSG* msg, HWND filter, UINT min, UINT max, bool remove, bool wait, bool* quit) {
  *quit = false;
  for (;;) {
    if (queue_.take(filter, min, max, remove, msg)) {
      if (msg->hwnd && !find(msg->hwnd)) {
        if (!remove) queue_.discard(msg->hwnd);
        continue;
      }
      return true;
    }
    if (queue_.quitPosted()) {
      *msg = MSG{};
      msg->message = WM_QUIT;
      msg->wParam = static_cast<WPARAM>(remove ? queue_.takeQuit() : 0);
      *quit = true;
      return false;
    }
    if (painter_->paintPending()) {
      painter_->paintAll();
      continue;
    }
    const std::uint64_t t = now();
    MSG timer;
    if (!remove) {
      if (timers_.peekDue(t, filter, msg)) return true;
    } else if (timers_.takeDue(t, filter, &timer)) {
      if (timer.message == WM_NULL) continue;  // an internal timer ran
      *msg = timer;
      return true;
    }
    if (!wait) return false;
    const auto deadline = timers_.nextDeadline();
    if (!backend().waitForEvents(deadline ? *deadline : UINT64_MAX)) {
      // Nothing can ever arrive (a headless screen with no timers): end the
      // loop instead of hanging.
      std::fprintf(stderr, "windowing: message loop stalled with nothing to wait for; quitting\n");
      queue_.postQuit(-1);
    }
  }
}

LRESULT WindowManager::dispatch(const MSG& msg) {
  if (msg.message == WM_TIMER && msg.lParam) {
    if (msg.hwnd && !find(msg.hwnd)) return 0;
    DispatchScope scope(*this);
    reinterpret_cast<TIMERPROC>(msg.lParam)(msg.hwnd, WM_TIMER, msg.wParam, static_cast<DWORD>(now()));
    return 0;
  }
  if (!msg.hwnd) return 0;
  return send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

// ---- modal loops

int WindowManager::runModal(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w) return IDCANCEL;
  const HWND owner = w->owner;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) enable(owner, false);
  if (!(w->style & WS_VISIBLE)) show(hwnd, SW_SHOW);
  modals_.push_back(ModalState{hwnd, false, IDCANCEL});
  int result = IDCANCEL;
  for (;;) {
    const auto state = std::find_if(modals_.rbegin(), modals_.rend(), [hwnd](const ModalState& m) { return m.hwnd == hwnd; });
    if (state->ended || !find(hwnd)) {
      result = state->result;
      modals_.erase(std::next(state).base());
      break;
    }
    MSG msg;
    bool quit = false;
    if (!nextMessage(&msg, nullptr, 0, 0, true, true, &quit)) {
      if (quit) {
        // The outer loop must see the quit as well.
        queue_.postQuit(static_cast<int>(msg.wParam));
        auto again = std::find_if(modals_.rbegin(), modals_.rend(), [hwnd](const ModalState& m) { return m.hwnd == hwnd; });
        modals_.erase(std::next(again).base());
        break;
      }
      continue;
    }
    TranslateMessage(&msg);
    dispatch(msg);
  }
  // As a dialog ends: the owner comes back first, so hiding hands activation to it.
  if (ownerWasEnabled && find(owner)) enable(owner, true);
  if (find(hwnd)) show(hwnd, SW_HIDE);
  if (owner && find(owner) && (!active_ || active_ == hwnd)) setActive(owner, false);
  return result;
}

bool WindowManager::endModal(HWND hwnd, int result) {
  for (auto it = modals_.rbegin(); it != modals_.rend(); ++it)
    if (it->hwnd == hwnd) {
      it->ended = true;
      it->result = result;
      return true;
    }
  return false;
}
