#include "platform/graphics/DeviceContext.h"

#include <optional>

#include "platform/graphics/TextDrawing.h"

DeviceContext::DeviceContext(Bitmap& target) : target_(&target) {}

void DeviceContext::selectBitmap(Bitmap& target) {
  target_ = &target;
  clipValid_ = false;
}

void DeviceContext::setSurfaceOrigin(TPoint origin) {
  surfaceOrigin_ = origin;
  clipValid_ = false;
}

void DeviceContext::setSystemClip(std::optional<Region> region) {
  systemClip_ = std::move(region);
  clipValid_ = false;
}

const HFONT& DeviceContext::currentFont() {
  if (state_.font) return state_.font;
  // The program's default: 11-pixel MS Sans Serif (resolved to a sans face).
  static const HFONT defaultFont = CreateFontIndirect(LogFont{});
  return defaultFont;
}

int DeviceContext::save() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool DeviceContext::restore(int level) {
  const int count = static_cast<int>(saved_.size());
  const int target = level < 0 ? count + level + 1 : level;
  if (target < 1 || target > count) return false;
  state_ = std::move(saved_[static_cast<std::size_t>(target - 1)]);
  saved_.resize(static_cast<std::size_t>(target - 1));
  clipValid_ = false;
  return true;
}

TPoint DeviceContext::toDevice(TPoint p) const {
  return {p.X - state_.windowOrigin.X + state_.viewportOrigin.X, p.Y - state_.windowOrigin.Y + state_.viewportOrigin.Y};
}

TPoint DeviceContext::toLogical(TPoint p) const {
  return {p.X + state_.windowOrigin.X - state_.viewportOrigin.X, p.Y + state_.windowOrigin.Y - state_.viewportOrigin.Y};
}

TPoint DeviceContext::toSurface(TPoint logical) const {
  const TPoint d = toDevice(logical);
  return {d.X + surfaceOrigin_.X, d.Y + surfaceOrigin_.Y};
}

TPoint DeviceContext::toTarget(TPoint logical) const {
  const TPoint d = toDevice(logical);
  const int n = scale();
  return {(d.X + surfaceOrigin_.X) * n, (d.Y + surfaceOrigin_.Y) * n};
}

TRect DeviceContext::toTarget(const TRect& r) const {
  const TPoint topLeft = toTarget(TPoint{r.Left, r.Top});
  const int n = scale();
  return {topLeft.X, topLeft.Y, topLeft.X + r.Width() * n, topLeft.Y + r.Height() * n};
}

const Region& DeviceContext::clipInTarget() {
  const TSize size{target_->width(), target_->height()};
  if (clipValid_ && size == clipBitmapSize_ && scale() == clipScale_) return clipInTarget_;
  const TRect whole{0, 0, size.cx, size.cy};
  std::optional<Region> clip;
  for (const std::optional<Region>* limit : {&systemClip_, &state_.clip}) {
    if (!limit->has_value()) continue;
    Region inTarget = **limit;
    inTarget.offset(surfaceOrigin_.X, surfaceOrigin_.Y);
    // A window's device context has its visible area as the only limit,
    // mostly inside the surface already: then it is the clip as it is.
    if (!clip && (inTarget.empty() || Intersect(inTarget.box(), whole) == inTarget.box()))
      clip = std::move(inTarget);
    else
      clip = Region::combine(clip ? *clip : Region(whole), inTarget, RGN_AND);
  }
  clipInTarget_ = clip ? std::move(*clip) : Region(whole);
  if (scale() != 1) clipInTarget_ = clipInTarget_.scaled(scale());
  clipBitmapSize_ = size;
  clipScale_ = scale();
  clipValid_ = true;
  return clipInTarget_;
}

// ---- Classic state functions ------------------------------------------------

int SaveDC(HDC dc) { return dc ? dc->save() : 0; }
bool RestoreDC(HDC dc, int level) { return dc && dc->restore(level); }

namespace {

bool setOrigin(HDC dc, TPoint& origin, TPoint value, TPoint* previous) {
  if (!dc) return false;
  if (previous) *previous = origin;
  origin = value;
  return true;
}

// The clip in device coordinates, or the whole surface when none is set.
Region deviceClipOrEverything(HDC dc) {
  if (dc->state().clip) return *dc->state().clip;
  Region all(TRect{0, 0, dc->target().width(), dc->target().height()});
  all.offset(-dc->surfaceOrigin().X, -dc->surfaceOrigin().Y);
  return all;
}

int setClip(HDC dc, Region region) {
  dc->state().clip = std::move(region);
  dc->clipChanged();
  return dc->state().clip->kind();
}

TRect logicalRectToDevice(HDC dc, int left, int top, int right, int bottom) {
  const TPoint topLeft = dc->toDevice(TPoint{left, top});
  return {topLeft.X, topLeft.Y, topLeft.X + (right - left), topLeft.Y + (bottom - top)};
}

}  // namespace

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous) {
  return dc && setOrigin(dc, dc->state().viewportOrigin, TPoint{x, y}, previous);
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous) {
  if (!dc) return false;
  const TPoint old = dc->state().viewportOrigin;
  return setOrigin(dc, dc->state().viewportOrigin, TPoint{old.X + dx, old.Y + dy}, previous);
}

bool GetViewportOrgEx(HDC dc, TPoint* origin) {
  if (!dc || !origin) return false;
  *origin = dc->state().viewportOrigin;
  return true;
}

bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* previous) {
  return dc && setOrigin(dc, dc->state().windowOrigin, TPoint{x, y}, previous);
}

bool GetWindowOrgEx(HDC dc, TPoint* origin) {
  if (!dc || !origin) return false;
  *origin = dc->state().windowOrigin;
  return true;
}

bool LPtoDP(HDC dc, std::span<TPoint> points) {
  if (!dc) return false;
  for (TPoint& p : points) p = dc->toDevice(p);
  return true;
}

bool DPtoLP(HDC dc, std::span<TPoint> points) {
  if (!dc) return false;
  for (TPoint& p : points) p = dc->toLogical(p);
  return true;
}

int SelectClipRgn(HDC dc, const Region* region) {
  if (!dc) return RGN_ERROR;
  if (!region) {
    dc->state().clip.reset();
    dc->clipChanged();
    return SIMPLEREGION;
  }
  return setClip(dc, *region);
}

int ExtSelectClipRgn(HDC dc, const Region* region, int mode) {
  if (!dc) return RGN_ERROR;
  if (mode == RGN_COPY || !region) {
    if (mode != RGN_COPY) return RGN_ERROR;  // only RGN_COPY may pass no region
    return SelectClipRgn(dc, region);
  }
  if (mode < RGN_AND || mode > RGN_DIFF) return RGN_ERROR;
  return setClip(dc, Region::combine(deviceClipOrEverything(dc), *region, mode));
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return RGN_ERROR;
  const Region rect(logicalRectToDevice(dc, left, top, right, bottom));
  return setClip(dc, Region::combine(deviceClipOrEverything(dc), rect, RGN_AND));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return RGN_ERROR;
  const Region rect(logicalRectToDevice(dc, left, top, right, bottom));
  return setClip(dc, Region::combine(deviceClipOrEverything(dc), rect, RGN_DIFF));
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
  if (!dc) return RGN_ERROR;
  if (!dc->state().clip) return SIMPLEREGION;
  Region moved = *dc->state().clip;
  moved.offset(dx, dy);
  return setClip(dc, std::move(moved));
}

int GetClipBox(HDC dc, TRect* box) {
  if (!dc || !box) return RGN_ERROR;
  const Region& clip = dc->clipInTarget();
  const TRect inTarget = clip.box();
  if (inTarget.IsEmpty()) {
    *box = {};
    return NULLREGION;
  }
  // Target pixels back to logical coordinates; the clip covers whole
  // logical pixels.
  const TPoint origin = dc->toTarget(TPoint{0, 0});
  const int n = dc->scale();
  const TRect moved = inTarget.Offset(-origin.X, -origin.Y);
  *box = {moved.Left / n, moved.Top / n, moved.Right / n, moved.Bottom / n};
  return clip.kind();
}

int GetClipRgn(HDC dc, Region* region) {
  if (!dc || !region) return -1;
  if (!dc->state().clip) return 0;
  *region = *dc->state().clip;
  return 1;
}

bool PtVisible(HDC dc, int x, int y) {
  if (!dc) return false;
  const TPoint p = dc->toTarget(TPoint{x, y});
  return dc->clipInTarget().contains(p.X, p.Y);
}

bool RectVisible(HDC dc, const TRect& rect) { return dc && dc->clipInTarget().intersects(dc->toTarget(rect)); }

Pen SelectObject(HDC dc, const Pen& pen) {
  if (!dc) return Pen{};
  Pen old = dc->state().pen;
  dc->state().pen = pen;
  return old;
}

Brush SelectObject(HDC dc, const Brush& brush) {
  if (!dc) return Brush{};
  Brush old = dc->state().brush;
  dc->state().brush = brush;
  return old;
}

HFONT SelectObject(HDC dc, HFONT font) {
  if (!dc) return nullptr;
  HFONT old = dc->state().font;
  dc->state().font = std::move(font);
  return old;
}

namespace {

template <class T>
T exchangeState(HDC dc, T DeviceContext::State::*field, T value, T failure) {
  if (!dc) return failure;
  T old = dc->state().*field;
  dc->state().*field = value;
  return old;
}

}  // namespace

TColor SetTextColor(HDC dc, TColor color) { return exchangeState(dc, &DeviceContext::State::textColor, color, CLR_INVALID); }
TColor GetTextColor(HDC dc) { return dc ? dc->state().textColor : CLR_INVALID; }
TColor SetBkColor(HDC dc, TColor color) {
  return exchangeState(dc, &DeviceContext::State::backgroundColor, color, CLR_INVALID);
}
TColor GetBkColor(HDC dc) { return dc ? dc->state().backgroundColor : CLR_INVALID; }
int SetBkMode(HDC dc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return exchangeState(dc, &DeviceContext::State::backgroundMode, mode, 0);
}
int GetBkMode(HDC dc) { return dc ? dc->state().backgroundMode : 0; }
int SetStretchBltMode(HDC dc, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return exchangeState(dc, &DeviceContext::State::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC dc) { return dc ? dc->state().stretchMode : 0; }
int SetPolyFillMode(HDC dc, int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return exchangeState(dc, &DeviceContext::State::polyFillMode, mode, 0);
}
