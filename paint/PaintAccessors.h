#pragma once
// The engine's accessor objects: created once when first needed and freed
// at exit. Primitives attach them for the duration of one call; they are
// used only on the user-interface thread and a primitive never calls another
// primitive while it holds one.
#include "paint/primitives/TacFast24.h"
#include "paint/primitives/TacFast32.h"
#include "paint/primitives/TacFastSum24.h"

// One accessor of each kind, shared by every primitive.
struct PaintAccessors {
  TacFast24 Fast24;
  TacFast32 Fast32;
  TacFastSum24 FastSum24;
};

PaintAccessors& EngineAccessors();
