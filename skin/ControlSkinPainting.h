#pragma once
// Painting a control's own section from its skin state: the item with its
// background, border mask and corner images, and captions in the section's
// font colours.
#include <string_view>

#include "paint/CacheInfo.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

class TsCommonData;

// The control's section into rect of dst in the given state: background
// (the control's own colour when it keeps a custom colour), the border mask
// with the parent of ci (moved by position) showing through its corners
// when updateCorners is set, then the corner images. Nothing is drawn
// without a bitmap, a skin or a valid section, or when rect leaves dst.
void PaintSkinItem(const TsCommonData& skinData, TCacheInfo ci, bool fillCentre, bool updateCorners, Bitmap* dst,
                   TPoint position, const TRect& rect, int state);
// The two halves of PaintSkinItem, for controls that draw their own content
// between the background and the border pieces.
void PaintSkinItemBackground(const TsCommonData& skinData, const TCacheInfo& ci, Bitmap* dst, TPoint position,
                             const TRect& rect, int state);
void PaintSkinItemBorder(const TsCommonData& skinData, TCacheInfo ci, bool fillCentre, bool updateCorners, Bitmap* dst,
                         TPoint position, const TRect& rect, int state);

// The caption in the section's font colours (the hot ones when hot) with
// its contour; disabled text mixed into the section colour.
void WriteSkinText(HDC dc, std::string_view text, bool enabled, bool hot, const TsCommonData& skinData, unsigned format,
                   const TRect& rect);
