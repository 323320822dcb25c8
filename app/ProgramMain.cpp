// The program's entry: the real desktop backend, the first window, the loop.
#include "app/DemoWindow.h"
#include "platform/sdl/SdlBackend.h"

int main() {
  auto backend = SdlBackend::create();
  if (!backend) return 1;
  SetBackend(std::move(backend));
  HWND window = CreateDemoWindow();
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessage(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  ShutdownWindowing();
  return static_cast<int>(msg.wParam);
}
