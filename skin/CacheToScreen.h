#pragma once
// Putting a finished cache bitmap on the screen: the corners repaired over
// the parent's current picture, the copy clipped around children that paint
// over their parent, and the windowless children drawn on top through an
// off-screen picture.
#include "paint/BorderMaskPainter.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

class TControl;
class TWinControl;
class TsCommonData;

// Repaints the chosen corners (bc* flags) of the control's border mask in
// its cache over what its parent shows now. Needs a control of at least 2
// by 2, a valid border mask and a cache bitmap.
void UpdateCorners(TsCommonData& skinData, int state, unsigned corners = bcAll);

// Copies the cache block at `source` to targetRect of `target`, leaving out
// the visible children that paint over the control (moved by the offset of
// targetRect from source); with updateCorners the corners are repaired
// first in state 0.
void CopyCacheToScreen(TControl& control, TsCommonData& skinData, TPoint source, HDC target, const TRect& targetRect,
                       bool updateCorners);

// Draws the container's visible windowless children onto `target`, each at
// its position moved by `shift`, over the container's background.
void PaintWindowlessChildren(HDC target, TWinControl& container, TPoint shift);
