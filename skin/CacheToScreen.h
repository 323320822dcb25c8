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
// the visible children that paint over the control; `clientOrigin` is where
// the control's client origin lies on `target` (its children's rectangles
// are moved by it). With updateCorners the corners are repaired first in
// state 0.
void CopyCacheToScreen(TControl& control, TsCommonData& skinData, TPoint source, HDC target, const TRect& targetRect,
                       TPoint clientOrigin, bool updateCorners);

// Draws the container's visible windowless children onto `target`, each at
// its position moved by `shift`, over the container's background.
void PaintWindowlessChildren(HDC target, TWinControl& container, TPoint shift);

// The end of a container's repaint, once its cache shows it as it is: the
// cache block at `source` goes to targetRect (the container's client origin
// at targetRect's top-left corner) around the children that paint over it,
// the windowless children are drawn on top, and the child windows that held
// their paint while the container's picture was stale repaint. A repaint
// made for the animation frame of a windowless child (the skin state's
// linked object) shows only the children: the container's picture did not
// change.
void ShowContainerCache(TWinControl& container, TsCommonData& skinData, TPoint source, HDC target,
                        const TRect& targetRect);
