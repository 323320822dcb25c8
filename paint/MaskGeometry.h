#pragma once
// Sizes read off a skin mask record: one state frame, and the source picture.
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// One state frame: R divided by ImageCount across and MaskType + 1 down
// (counts below 1 count as 1); an own bitmap without a frame count or
// without R is three frames over a mask half (a third of its width, half
// its height).
TSize MaskFrameSize(const TsMaskData& mask);

// The picture a mask lives in: its own bitmap, else the master bitmap
// (null when neither exists or the picture is empty).
const Bitmap* MaskPicture(const TsMaskData& mask, const Bitmap* master);

// State index clamped to the mask's frames (0 .. ImageCount - 1).
int ClampMaskState(const TsMaskData& mask, int state);
