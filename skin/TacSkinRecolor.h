#pragma once
// Recolouring of a loaded skin by hue rotation and saturation change. Each
// step changes the master bitmap, every mask's own bitmap (made 24-bit), the
// section colours and gradients and two global colours. Pixels of the key
// colour 0xFF00FF and grey pixels (red = green = blue) keep their values.
#include "paint/TsSkinContent.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"

namespace TacSkinRecolor {

// Rotates the hue by `offset` degrees (HSV); colours without saturation are
// returned unchanged.
TColor ChangeHue(TColor color, int offset);
// Moves every channel `amount` percent away from the channels' average when
// amount is negative, towards it when positive.
TColor ChangeSaturation(TColor color, int amount);

// Applies a colour change to a 24-bit bitmap, skipping key-colour and grey
// pixels. Other formats are left alone.
void ChangeHue(Bitmap& bitmap, int offset);
void ChangeSaturation(Bitmap& bitmap, int amount);

// Hue first (skipped for 0), then saturation with the amount
// -saturation rem 101 (skipped for 0).
void Recolor(TsSkinContent& content, int hueOffset, int saturation);

}  // namespace TacSkinRecolor
