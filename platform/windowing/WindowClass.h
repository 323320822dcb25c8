#pragma once
// A registered window class as the layer keeps it. Windows hold a shared
// reference, so unregistering a class in use never leaves them dangling.
#include <string>

#include "platform/windowing/WinTypes.h"

struct WindowClass {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  TColor background = clNone;
  int cursor = 0;
};
