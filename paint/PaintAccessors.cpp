#include "paint/PaintAccessors.h"

PaintAccessors& EngineAccessors() {
  static PaintAccessors accessors;
  return accessors;
}
