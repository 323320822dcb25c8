#include "platform/windowing/MessageQueue.h"

#include <algorithm>

namespace {
bool matches(const MSG& msg, HWND filter, UINT min, UINT max) {
  if (filter && msg.hwnd != filter) return false;
  if (min == 0 && max == 0) return true;
  return msg.message >= min && msg.message <= max;
}
}  // namespace

bool MessageQueue::take(HWND filter, UINT min, UINT max, bool remove, MSG* out) {
  for (auto it = messages_.begin(); it != messages_.end(); ++it) {
    if (!matches(*it, filter, min, max)) continue;
    *out = *it;
    if (remove) messages_.erase(it);
    return true;
  }
  return false;
}

bool MessageQueue::takeIf(const std::function<bool(const MSG&)>& accept, MSG* out) {
  for (auto it = messages_.begin(); it != messages_.end(); ++it) {
    if (!accept(*it)) continue;
    *out = *it;
    messages_.erase(it);
    return true;
  }
  return false;
}

void MessageQueue::discard(HWND hwnd) {
  std::erase_if(messages_, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
}
