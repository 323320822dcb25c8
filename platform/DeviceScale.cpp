#include "platform/DeviceScale.h"

#include <algorithm>

namespace DeviceScale {

namespace {
int current = kMin;
}  // namespace

int Current() { return current; }

void SetCurrent(int scale) { current = std::clamp(scale, kMin, kMax); }

}  // namespace DeviceScale
