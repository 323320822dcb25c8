#pragma once
// The state of the windowing layer on the user-interface thread: the handle
// table, the registered classes, the order of top-level windows, the queue,
// timers and hooks, focus and activation. The API functions of WinUser.h are
// thin validating wrappers around it.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/windowing/Backend.h"
#include "platform/windowing/HandleTable.h"
#include "platform/windowing/HookChain.h"
#include "platform/windowing/MessageQueue.h"
#include "platform/windowing/TimerQueue.h"
#include "platform/windowing/WindowClass.h"

class InputRouter;
class PaintScheduler;

class WindowManager {
 public:
  static WindowManager& instance();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // Destroys every window and forgets classes, hooks, timers and the backend:
  // a fresh start for the next test.
  void reset();

  Window* find(HWND hwnd) const { return handles_.find(hwnd); }
  Backend& backend();
  void setBackend(std::unique_ptr<Backend> backend);
  bool hasBackend() const { return backend_ != nullptr; }
  std::uint64_t now();

  // ---- classes
  bool registerClass(const WNDCLASS& wc);
  bool unregisterClass(const std::string& name);
  std::shared_ptr<const WindowClass> findClass(const std::string& name) const;

  // ---- windows
  HWND create(DWORD exStyle, const char* className, const char* name, DWORD style, int x, int y, int w, int h,
              HWND parent, LONG_PTR id, void* params);
  bool destroy(HWND hwnd);

  // ---- messages
  LRESULT send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT callProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  MessageQueue& queue() { return queue_; }
  TimerQueue& timers() { return timers_; }
  HookChain& hooks() { return hooks_; }
  // One step of the loop: fills `msg` with the next message to dispatch.
  // With `wait`, sleeps in the backend until something arrives; answers
  // false when nothing is there (no wait) or WM_QUIT was taken.
  bool nextMessage(MSG* msg, HWND filter, UINT min, UINT max, bool remove, bool wait, bool* quit);
  LRESULT dispatch(const MSG& msg);

  // ---- modal loops
  int runModal(HWND hwnd);
  bool endModal(HWND hwnd, int result);

  // ---- the tree and z-order
  const std::vector<HWND>& topLevels() const { return topLevels_; }  // front first
  std::vector<HWND>* siblingsOf(Window* w);
  HWND rootOf(HWND hwnd) const;  // top-level ancestor
  void bringToTop(Window* w);
  bool isVisible(const Window* w) const;  // it and its ancestors
  bool isEnabledTree(const Window* w) const;

  // ---- coordinates
  // Window's top-left in screen coordinates.
  POINT screenOrigin(const Window* w) const;
  // Window's top-left inside its top-level window's picture.
  POINT surfaceOrigin(const Window* w) const;
  RECT screenRect(const Window* w) const;
  // The client rectangle in window coordinates, recomputed with WM_NCCALCSIZE.
  void recalcClient(Window* w);

  // ---- position and state
  bool setWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags);
  bool show(HWND hwnd, int command);
  bool enable(HWND hwnd, bool enable);
  LONG_PTR setLong(HWND hwnd, int index, LONG_PTR value);

  // ---- focus and activation
  HWND active() const { return active_; }
  HWND focus() const { return focus_; }
  HWND setActive(HWND hwnd, bool byMouse);
  HWND setFocus(HWND hwnd);
  // Picks another window to activate when the active one hides or goes.
  void activateNext(HWND leaving);

  InputRouter& input() { return *input_; }
  PaintScheduler& painter() { return *painter_; }

 private:
  WindowManager();
  ~WindowManager();

  // Keeps retired window records alive while any dispatch is running.
  struct DispatchScope {
    explicit DispatchScope(WindowManager& wm) : wm(wm) { ++wm.depth_; }
    ~DispatchScope();
    WindowManager& wm;
  };
  void destroyTree(HWND hwnd);
  void unlink(Window* w);
  void link(Window* w, HWND insertAfter);

  HandleTable handles_;
  std::map<std::string, std::shared_ptr<const WindowClass>> classes_;
  std::vector<HWND> topLevels_;
  MessageQueue queue_;
  TimerQueue timers_;
  HookChain hooks_;
  std::unique_ptr<Backend> backend_;
  std::unique_ptr<InputRouter> input_;
  std::unique_ptr<PaintScheduler> painter_;
  HWND active_ = nullptr;
  HWND focus_ = nullptr;
  bool appActive_ = false;
  int depth_ = 0;
  std::vector<std::unique_ptr<Window>> graveyard_;
  struct ModalState {
    HWND hwnd;
    bool ended;
    int result;
  };
  std::vector<ModalState> modals_;
};

inline WindowManager& wm() { return WindowManager::instance(); }
