#include "platform/windowing/HookChain.h"

#include <algorithm>

HHOOK HookChain::add(HOOKPROC proc) {
  if (!proc) return nullptr;
  const HHOOK handle = reinterpret_cast<HHOOK>(nextHandle_++);
  hooks_.insert(hooks_.begin(), Hook{handle, proc});
  return handle;
}

bool HookChain::remove(HHOOK hook) {
  const auto it = std::find_if(hooks_.begin(), hooks_.end(), [hook](const Hook& h) { return h.handle == hook; });
  if (it == hooks_.end()) return false;
  hooks_.erase(it);
  return true;
}

LRESULT HookChain::runFrom(std::size_t index, int code, WPARAM wParam, LPARAM lParam) {
  if (index >= hooks_.size()) return 0;
  // Copied: the hook may install or remove hooks while it runs.
  const HOOKPROC proc = hooks_[index].proc;
  return proc(code, wParam, lParam);
}

LRESULT HookChain::call(int code, WPARAM wParam, LPARAM lParam) { return runFrom(0, code, wParam, lParam); }

LRESULT HookChain::callNext(HHOOK current, int code, WPARAM wParam, LPARAM lParam) {
  const auto it = std::find_if(hooks_.begin(), hooks_.end(), [current](const Hook& h) { return h.handle == current; });
  if (it == hooks_.end()) return 0;
  return runFrom(static_cast<std::size_t>(it - hooks_.begin()) + 1, code, wParam, lParam);
}
