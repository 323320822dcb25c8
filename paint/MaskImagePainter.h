#pragma once
// One state frame of an image mask (corner images, glyphs) drawn at a point.
#include "paint/CacheInfo.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Draws frame `state` (clamped to the mask's frames) with its top-left at
// the point; parts left of or above the bitmap are cut from the frame's
// start. Mode 1 is the normal look; any other mode the faded one. The mask
// lives in its own bitmap or in master.
void DrawMaskImage(Bitmap& dst, TPoint point, int state, const TCacheInfo& ci, const TsMaskData& mask, int mode,
                   const Bitmap* master);
