// Writes the demo window, as the headless screen shows it, to a PNG file,
// at the device scale given (1 unless said otherwise):
//   build/app/demo-screenshot [out/demo.png [scale]]
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "app/DemoWindow.h"
#include "platform/DeviceScale.h"
#include "platform/DeviceScaleChoice.h"
#include "platform/headless/HeadlessDriver.h"

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "out/demo.png";
  const std::optional<int> scale = argc > 2 ? DeviceScaleChoice::ParseScale(argv[2]) : 1;
  if (!scale) {
    std::fprintf(stderr, "the scale is 1, 2 or 3\n");
    return 2;
  }
  DeviceScale::Scoped atScale(*scale);
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
