#pragma once
// A drawing context over an in-memory bitmap, after the classic desktop API:
// a window origin and viewport origin turn logical coordinates into device
// coordinates, a clip region limits drawing, and the selected pen, brush,
// font, text colour and background mode drive the primitives. SaveDC and
// RestoreDC keep these on a stack.
//
// Coordinates:
//   device = logical - window origin + viewport origin
//   target pixel = (device + surface origin) x the target bitmap's scale
// The surface origin and the system clip belong to whoever set the context
// up (the windowing layer: where the client area lies in the window bitmap
// and which part of it may be painted); SaveDC/RestoreDC and SelectClipRgn
// never change them. Clip regions passed to SelectClipRgn are in device
// coordinates, as on the classic desktop; IntersectClipRect and
// ExcludeClipRect take logical ones. Everything a caller hands a primitive
// is in the bitmap's logical pixels; only the last step, to target pixels,
// multiplies by the bitmap's scale (Bitmap.h), so one logical pixel covers
// scale x scale target pixels and the primitives draw their shapes, lines
// and text at the target's own resolution.
//
// Drawing on a 32-bit bitmap writes 0 in the fourth byte of every pixel it
// touches, except copies from another 32-bit bitmap, which carry it along.
//
// The primitives live in BlockTransfer.h, Shapes.h, Fills.h, GradientFill.h
// and TextDrawing.h; Gdi.h includes them all.
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Region.h"

class Font;
using HFONT = std::shared_ptr<Font>;

class DeviceContext;
using HDC = DeviceContext*;

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };
// StretchBlt modes: COLORONCOLOR picks the nearest pixel, HALFTONE averages
// every source pixel that falls on a target pixel (area-weighted box filter).
enum StretchMode : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

class DeviceContext {
 public:
  // Everything SaveDC keeps.
  struct State {
    TPoint viewportOrigin;
    TPoint windowOrigin;
    std::optional<Region> clip;  // device coordinates; none = unclipped
    Pen pen;
    Brush brush;
    HFONT font;  // null means the default font
    TColor textColor = clBlack;
    TColor backgroundColor = clWhite;
    int backgroundMode = OPAQUE;
    int stretchMode = COLORONCOLOR;
    int polyFillMode = ALTERNATE;
    TPoint currentPosition;
  };

  explicit DeviceContext(Bitmap& target);
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // ---- Set-up by the owner of the surface --------------------------------
  Bitmap& target() { return *target_; }
  const Bitmap& target() const { return *target_; }
  // Draws into another bitmap from now on (a memory context selecting a new
  // bitmap); the state is kept.
  void selectBitmap(Bitmap& target);
  // Where device (0, 0) lies in the target bitmap.
  void setSurfaceOrigin(TPoint origin);
  TPoint surfaceOrigin() const { return surfaceOrigin_; }
  // Limits all drawing, in device coordinates; nullopt removes the limit.
  void setSystemClip(std::optional<Region> region);

  // ---- State ------------------------------------------------------------
  State& state() { return state_; }
  const State& state() const { return state_; }
  // Call after changing state().clip or an origin directly.
  void clipChanged() { clipValid_ = false; }
  // The font text functions use: the selected one or the default font.
  const HFONT& currentFont();

  int save();
  // level > 0: back to the state saved as that level; level < 0: that many
  // levels back. False for a level that does not exist.
  bool restore(int level);
  int saveLevel() const { return static_cast<int>(saved_.size()); }

  // ---- Coordinate helpers for the primitives ----------------------------
  // Target pixels per logical pixel: the target bitmap's scale.
  int scale() const { return target_->scale(); }
  TPoint toDevice(TPoint logical) const;
  TPoint toLogical(TPoint device) const;
  // Where a logical point lies on the target bitmap, in its logical pixels
  // (text is laid out there before it is drawn at the target's scale).
  TPoint toSurface(TPoint logical) const;
  // The target pixel at the top-left of a logical pixel, and the target
  // pixels a logical rectangle covers.
  TPoint toTarget(TPoint logical) const;
  TRect toTarget(const TRect& logical) const;
  // The region drawing may touch, in target pixels: system clip, clip
  // region and the bitmap's bounds together.
  const Region& clipInTarget();

 private:
  Bitmap* target_;
  TPoint surfaceOrigin_;
  std::optional<Region> systemClip_;
  State state_;
  std::vector<State> saved_;
  Region clipInTarget_;
  TSize clipBitmapSize_;
  int clipScale_ = 1;
  bool clipValid_ = false;
};

// ---- Classic state functions (null contexts fail quietly) ----------------
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int level);

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous = nullptr);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous = nullptr);
bool GetViewportOrgEx(HDC dc, TPoint* origin);
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* previous = nullptr);
bool GetWindowOrgEx(HDC dc, TPoint* origin);
bool LPtoDP(HDC dc, std::span<TPoint> points);
bool DPtoLP(HDC dc, std::span<TPoint> points);

// Clip region in device coordinates; a null region removes the clip. The
// region is copied. Returns the kind of the resulting clip (RGN_ERROR on a
// null context).
int SelectClipRgn(HDC dc, const Region* region);
int ExtSelectClipRgn(HDC dc, const Region* region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
// The bounding box of what may be drawn, in logical coordinates.
int GetClipBox(HDC dc, TRect* box);
// 1 and the clip region (device coordinates) when one is selected, 0 when none.
int GetClipRgn(HDC dc, Region* region);
bool PtVisible(HDC dc, int x, int y);
bool RectVisible(HDC dc, const TRect& rect);

Pen SelectObject(HDC dc, const Pen& pen);
Brush SelectObject(HDC dc, const Brush& brush);
HFONT SelectObject(HDC dc, HFONT font);

TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
