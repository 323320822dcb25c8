#include "paint/primitives/CopyArea.h"

#include <algorithm>

CopyArea ClipCopy(const TRect& srcRect, TPoint dstPoint, TSize srcSize, TSize dstSize) {
  TRect s = srcRect;
  TPoint d = dstPoint;
  if (s.Left < 0) { d.X -= s.Left; s.Left = 0; }
  if (s.Top < 0) { d.Y -= s.Top; s.Top = 0; }
  if (d.X < 0) { s.Left -= d.X; d.X = 0; }
  if (d.Y < 0) { s.Top -= d.Y; d.Y = 0; }
  s.Right = std::min(s.Right, srcSize.cx);
  s.Bottom = std::min(s.Bottom, srcSize.cy);
  CopyArea area;
  area.SrcX = s.Left;
  area.SrcY = s.Top;
  area.DstX = d.X;
  area.DstY = d.Y;
  area.Width = std::min(s.Width(), dstSize.cx - d.X);
  area.Height = std::min(s.Height(), dstSize.cy - d.Y);
  if (area.IsEmpty()) area.Width = area.Height = 0;
  return area;
}

CopyArea ClipInclusiveCopy(const TRect& inclusiveSrcRect, TPoint dstPoint, TSize srcSize, TSize dstSize) {
  // Cut to the source as the inclusive rules say, then clip as an exclusive copy.
  TRect s = inclusiveSrcRect;
  TPoint d = dstPoint;
  if (s.Left < 0) { d.X -= s.Left; s.Left = 0; }
  if (s.Top < 0) { d.Y -= s.Top; s.Top = 0; }
  s.Right = std::min(s.Right, srcSize.cx - 1) + 1;
  s.Bottom = std::min(s.Bottom, srcSize.cy - 1) + 1;
  return ClipCopy(s, d, srcSize, dstSize);
}
