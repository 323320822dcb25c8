// Writes the demo window, as the headless screen shows it, to a PNG file:
//   build/app/demo-screenshot [out/demo.png]
#include <cstdio>
#include <filesystem>

#include "app/DemoWindow.h"
#include "platform/headless/HeadlessDriver.h"

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "out/demo.png";
  HeadlessDriver driver;
  HWND window = CreateDemoWindow();
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  driver.runUntilIdle();
  std::error_code ignored;
  if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ignored);
  if (!driver.savePng(driver.windowShot(window), out.string())) {
    std::fprintf(stderr, "could not write %s\n", out.string().c_str());
    return 1;
  }
  std::printf("%s\n", out.string().c_str());
  return 0;
}
