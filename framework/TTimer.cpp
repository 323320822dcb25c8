#include "framework/TTimer.h"

#include <map>

#include "framework/ExceptionReport.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/WinUser.h"

namespace {

// All timers tick through one hidden window, keyed by their timer id.
constexpr const char* kTimerWindowClass = "TPUtilWindow";
std::map<UINT_PTR, TTimer*>& Timers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
HWND timerWindow = nullptr;
unsigned nextId = 1;

LRESULT TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto it = Timers().find(wParam);
    if (it != Timers().end()) {
      try {
        it->second->Timer();
      } catch (...) {
        ReportException(std::current_exception());
      }
    }
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The window is made again when the windowing layer was reset (tests).
HWND TimerWindow() {
  if (timerWindow && IsWindow(timerWindow)) return timerWindow;
  WNDCLASS existing{};
  if (!GetClassInfo(kTimerWindowClass, &existing)) {
    WNDCLASS wc{};
    wc.lpfnWndProc = &TimerWindowProc;
    wc.lpszClassName = kTimerWindowClass;
    RegisterClass(&wc);
  }
  timerWindow = CreateWindowEx(0, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
  return timerWindow;
}

}  // namespace

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info("TTimer", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TTimer>());
    TPropertyBuilder<TTimer>(c)
        .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
        .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
        .Event("OnTimer", &TTimer::OnTimer);
  });
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(nextId++) {}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) {
    if (timerWindow && IsWindow(timerWindow)) KillTimer(timerWindow, id_);
    Timers().erase(id_);
    running_ = false;
  }
  // Nothing runs while the layout is still being read.
  if (!enabled_ || interval_ == 0 || IsLoading() || IsDestroying()) return;
  HWND window = TimerWindow();
  if (!window || !SetTimer(window, id_, interval_, nullptr)) return;
  Timers()[id_] = this;
  running_ = true;
}

void TTimer::Timer() {
  if (!enabled_ || !OnTimer) return;
  // A copy: the handler may free this timer (a fade that ends frees its own).
  const TNotifyEvent handler = OnTimer;
  handler(this);
}
