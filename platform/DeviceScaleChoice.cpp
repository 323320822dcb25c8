#include "platform/DeviceScaleChoice.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/DeviceScale.h"

namespace DeviceScaleChoice {

namespace {

// The density the classic desktop calls 100 %.
constexpr double kBaseDpi = 96.0;

std::optional<int> FromDpi(double dpi) {
  if (!(dpi > 0)) return std::nullopt;
  return std::clamp(static_cast<int>(std::lround(dpi / kBaseDpi)), DeviceScale::kMin, DeviceScale::kMax);
}

bool Fits(SIZE window, SIZE screen, int scale) {
  return window.cx * scale <= screen.cx && window.cy * scale <= screen.cy;
}

}  // namespace

std::optional<int> ParseScale(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || end == text.c_str() || *end != '\0' || value < 1) return std::nullopt;
  return static_cast<int>(std::min<long>(value, DeviceScale::kMax));
}

int Choose(const DesktopDensity& desktop, SIZE mustFit) {
  std::optional<int> scale;
  if (desktop.trainerScale) scale = ParseScale(*desktop.trainerScale);
  if (!scale && desktop.gdkScale) scale = ParseScale(*desktop.gdkScale);
  if (!scale) scale = FromDpi(desktop.xftDpi);
  if (!scale) scale = FromDpi(desktop.displayDpi);
  int chosen = scale.value_or(DeviceScale::kMin);
  // An unknown screen size puts no limit; 1 always stays.
  if (desktop.screen.cx > 0 && desktop.screen.cy > 0)
    while (chosen > DeviceScale::kMin && !Fits(mustFit, desktop.screen, chosen)) --chosen;
  return chosen;
}

}  // namespace DeviceScaleChoice
