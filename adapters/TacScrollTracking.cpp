#include "adapters/TacScrollTracking.h"

TacScrollTracking& ScrollTracking() {
  static TacScrollTracking tracking;
  return tracking;
}
