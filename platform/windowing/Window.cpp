#include "platform/windowing/Window.h"

#include "platform/windowing/WinStyles.h"

bool Window::isChild() const { return (style & WS_CHILD) != 0; }

HANDLE Window::prop(const std::string& name) const {
  for (const auto& [key, value] : props)
    if (key == name) return value;
  return nullptr;
}
