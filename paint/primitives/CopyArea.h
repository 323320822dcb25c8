#pragma once
// The part of a copy that survives clipping: a source rectangle and the
// destination position of its top-left pixel.
#include "platform/Geometry.h"

struct CopyArea {
  int SrcX = 0;
  int SrcY = 0;
  int DstX = 0;
  int DstY = 0;
  int Width = 0;
  int Height = 0;
  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// Clips an INCLUSIVE source rectangle copied to a point: the source is cut
// to its bitmap (a negative left or top moves the point along), then to the
// pixels whose destination lies inside the destination bitmap.
CopyArea ClipInclusiveCopy(const TRect& inclusiveSrcRect, TPoint dstPoint, TSize srcSize, TSize dstSize);

// The same for an exclusive source rectangle; a negative destination start
// also cuts the source.
CopyArea ClipCopy(const TRect& srcRect, TPoint dstPoint, TSize srcSize, TSize dstSize);
