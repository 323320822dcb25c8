#pragma once
// Whole-picture colour filters: grey-scale and tone toward a colour.
#include "platform/Bitmap.h"

// Each pixel's three channels become (blue + green + red) div 3.
void GrayScale(Bitmap& bmp);
// The same, leaving pixels equal to the key colour untouched.
void GrayScaleTrans(Bitmap& bmp, TColor key);

// Every pixel not equal to the key moves toward the colour: each channel v
// becomes rounded(x * (v - k) + k); x = 1 keeps the picture, x = 0 gives the
// colour.
void ToneBitmap(Bitmap& bmp, TColor color, TColor key, double x);
