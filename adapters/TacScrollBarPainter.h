#pragma once
// Paints one skinned scroll bar into a bitmap of the bar's size: the two
// track halves split at the thumb's centre, the arrows with their glyphs,
// the thumb, and the faded look of a bar that cannot scroll. The adapter
// decides the states; this only draws them.
#include "paint/CacheInfo.h"
#include "paint/TsSkinContent.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

struct TacBarLook {
  int Kind = 0;  // kBarHorizontal or kBarVertical
  int Width = 0;
  int Height = 0;
  int Arrow = 0;         // arrow length along the bar
  int DefaultArrow = 0;  // the square of an arrow that holds its glyph
  int FirstArrowState = 0;
  int SecondArrowState = 0;
  int TrackBeforeState = 0;
  int TrackAfterState = 0;
  bool DrawThumb = false;
  int ThumbStart = 0;  // from the bar's start
  int ThumbLength = 0;
  int ThumbState = 0;
  bool Enabled = true;
  // What lies under the bar: the parent's picture with the bar's place in
  // it, or the parent's colour.
  TCacheInfo Background;
  TPoint Position;
  TColor ParentColor = clFuchsia;
};

class TacScrollBarPainter {
 public:
  explicit TacScrollBarPainter(const TsSkinContent& skin) : skin_(skin) {}

  // Whether the skin has the bar's first track section.
  bool CanPaint(int kind) const;
  Bitmap Paint(const TacBarLook& look) const;

  // The size box square: the parent's picture (or colour) with the grip
  // image in its bottom-right corner when withGrip.
  Bitmap PaintSizeBox(int width, int height, const TCacheInfo& background, TPoint position, TColor parentColor,
                      bool withGrip) const;

 private:
  void PaintTrack(Bitmap& bar, const TacBarLook& look, const TRect& piece, bool second, int state) const;
  void PaintArrow(Bitmap& bar, const TacBarLook& look, const TRect& r, bool second, int state) const;
  void PaintThumb(Bitmap& bar, const TacBarLook& look, const TRect& r, int state) const;
  // A button-like part: its section into a piece over the bar, then its
  // glyph frame centred in `square` (piece coordinates).
  void PaintPart(Bitmap& bar, const TsSectionMasks& part, const char* section, const TRect& r, const TRect& square,
                 int state) const;
  void Fade(Bitmap& bar, const TacBarLook& look) const;

  const TsSkinContent& skin_;
};
