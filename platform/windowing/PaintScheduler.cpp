#include "platform/windowing/PaintScheduler.h"

#include <algorithm>

#include "platform/windowing/WindowManager.h"

PaintScheduler::PaintScheduler(WindowManager& wm) : wm_(wm) {}
PaintScheduler::~PaintScheduler() = default;

Window* PaintScheduler::topOf(const Window* w) const { return wm_.find(wm_.rootOf(w->hwnd)); }

// ---- surfaces

void PaintScheduler::attachSurface(Window* top) {
  top->surface = std::make_shared<Bitmap>(top->width(), top->height(), PixelFormat::Bgrx32);
  if (!wm_.hasBackend()) return;
  top->native = wm_.backend().createWindow(top->hwnd, top->rect, top->style, top->exStyle);
  if (top->native) wm_.backend().setTitle(top->native, top->text);
  if (top->native && top->icon) wm_.backend().setIcon(top->native, *top->icon);
}

void PaintScheduler::detachSurface(Window* top) {
  if (top->native && wm_.hasBackend()) wm_.backend().destroyWindow(top->native);
  top->native = 0;
  dirtyTops_.erase(top->hwnd);
  presentTops_.erase(top->hwnd);
}

void PaintScheduler::resizeSurface(Window* top) {
  if (!top->surface || top->surface->width() != top->width() || top->surface->height() != top->height())
    top->surface = std::make_shared<Bitmap>(top->width(), top->height(), PixelFormat::Bgrx32);
  top->surfaceDirty = {};
}

// ---- invalid areas

void PaintScheduler::markDirty(const Window* w) {
  if (Window* top = topOf(w)) dirtyTops_.insert(top->hwnd);
}

void PaintScheduler::invalidate(Window* w, const RECT* rect, bool erase, bool frame, bool allChildren) {
  const RECT clientBounds = Bounds(0, 0, w->client.Width(), w->client.Height());
  const RECT area = rect ? Intersect(*rect, clientBounds) : clientBounds;
  w->update = Union(w->update, area);
  if (erase && !area.IsEmpty()) w->eraseNeeded = true;
  if (frame) w->frameDirty = true;
  if (allChildren)
    for (HWND child : w->children)
      if (Window* c = wm_.find(child)) {
        const RECT inChild = area.Offset(-c->rect.Left, -c->rect.Top).Offset(-c->client.Left, -c->client.Top);
        invalidate(c, &inChild, erase, frame, true);
      }
  if (!w->update.IsEmpty() || w->frameDirty) markDirty(w);
}

void PaintScheduler::validate(Window* w, const RECT* rect, bool frame, bool allChildren) {
  // Bounding-rectangle bookkeeping: validating a part that covers the whole
  // update area empties it; a smaller part leaves it as it is.
  if (!rect || (rect->Left <= w->update.Left && rect->Top <= w->update.Top && rect->Right >= w->update.Right &&
                rect->Bottom >= w->update.Bottom)) {
    w->update = {};
    w->eraseNeeded = false;
  }
  if (frame) w->frameDirty = false;
  if (allChildren)
    for (HWND child : w->children)
      if (Window* c = wm_.find(child)) validate(c, nullptr, frame, true);
}

void PaintScheduler::invalidateWindowArea(Window* w) {
  w->frameDirty = true;
  invalidate(w, nullptr, true, true, false);
}

void PaintScheduler::invalidateUnder(Window* w) {
  // Other top-level windows keep their own pictures; only the screen changes.
  if (w->isTopLevel()) return;
  Window* parent = wm_.find(w->parent);
  if (!parent) return;
  const RECT inParentClient = w->rect;
  invalidate(parent, &inParentClient, true, false, false);
}

void PaintScheduler::markPresent(Window* top, const RECT& surfaceRect) {
  top->surfaceDirty = Union(top->surfaceDirty, surfaceRect);
  presentTops_.insert(top->hwnd);
}

// ---- the paint pass

void PaintScheduler::paintAll() {
  // Painting may invalidate again; those windows wait for the next pass.
  const std::set<HWND> tops = std::move(dirtyTops_);
  dirtyTops_.clear();
  for (HWND hwnd : tops)
    if (Window* top = wm_.find(hwnd)) paintTop(top);
  const std::set<HWND> presenting = std::move(presentTops_);
  presentTops_.clear();
  for (HWND hwnd : presenting)
    if (Window* top = wm_.find(hwnd)) present(top);
}

void PaintScheduler::paintNow(Window* w) {
  Window* top = topOf(w);
  if (!top || !dirtyTops_.count(top->hwnd)) return;
  dirtyTops_.erase(top->hwnd);
  paintTop(top);
  if (Window* t = wm_.find(top->hwnd)) present(t);
  presentTops_.erase(top->hwnd);
}

void PaintScheduler::paintTop(Window* top) {
  if (!wm_.isVisible(top) || top->perPixelAlpha) return;
  const HWND hwnd = top->hwnd;
  Region painted;
  paintTree(top, painted);
  if (Window* t = wm_.find(hwnd); t && !painted.empty()) markPresent(t, painted.box());
}

void PaintScheduler::paintTree(Window* w, Region& painted) {
  if (!(w->style & WS_VISIBLE) || !w->redrawEnabled) return;
  const HWND hwnd = w->hwnd;
  const POINT o = wm_.surfaceOrigin(w);
  const RECT windowArea = Bounds(o.X, o.Y, w->width(), w->height());
  // Something below painted over part of this window: that part comes again.
  if (painted.intersects(windowArea)) {
    const RECT over = Region::combine(painted, Region(windowArea), RGN_AND).box();
    w->frameDirty = true;
    const RECT inClient = Intersect(over.Offset(-(o.X + w->client.Left), -(o.Y + w->client.Top)),
                                    Bounds(0, 0, w->client.Width(), w->client.Height()));
    if (!inClient.IsEmpty()) {
      w->update = Union(w->update, inClient);
      w->eraseNeeded = true;
    }
  }
  if (w->frameDirty) {
    w->frameDirty = false;
    wm_.send(hwnd, WM_NCPAINT, 1, 0);
    if (!(w = wm_.find(hwnd))) return;
    painted = Region::combine(painted, visibleArea(w, false), RGN_OR);
  }
  if (!w->update.IsEmpty()) {
    const RECT updateArea = w->update.Offset(o.X + w->client.Left, o.Y + w->client.Top);
    wm_.send(hwnd, WM_PAINT, 0, 0);
    if (!(w = wm_.find(hwnd))) return;
    // A window that ignores WM_PAINT must not be asked forever.
    w->update = {};
    w->eraseNeeded = false;
    painted = Region::combine(painted, Region::combine(visibleArea(w, true), Region(updateArea), RGN_AND), RGN_OR);
  }
  // Children bottom first, so the top ones end up in front.
  const std::vector<HWND> children = w->children;
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (Window* c = wm_.find(*it)) paintTree(c, painted);
}

void PaintScheduler::present(Window* top) {
  RECT dirty = top->surfaceDirty;
  top->surfaceDirty = {};
  if (!top->native || !wm_.hasBackend() || !wm_.isVisible(top)) return;
  if (top->perPixelAlpha) {
    wm_.backend().present(top->native, top->layeredPicture,
                          Bounds(0, 0, top->layeredPicture.width(), top->layeredPicture.height()), true,
                          top->layerAlpha);
    return;
  }
  dirty = Intersect(dirty, Bounds(0, 0, top->width(), top->height()));
  if (dirty.IsEmpty() || !top->surface) return;
  const bool layered = (top->exStyle & WS_EX_LAYERED) != 0;
  wm_.backend().present(top->native, *top->surface, dirty, false, layered ? top->layerAlpha : 255);
}

// ---- visibility and contexts

namespace {

// Every device context asks for its window's visible area (a fade frame
// every 10 ms does): rectangles that cannot change the area are skipped
// instead of combined.
void SubtractRect(Region& area, const TRect& r) {
  if (area.empty() || Intersect(area.box(), r).IsEmpty()) return;
  area = Region::combine(area, Region(r), RGN_DIFF);
}

void ClipToRect(Region& area, const TRect& r) {
  if (area.empty() || Intersect(area.box(), r) == area.box()) return;
  area = Region::combine(area, Region(r), RGN_AND);
}

}  // namespace

Region PaintScheduler::visibleArea(const Window* w, bool clientOnly) const {
  POINT o = wm_.surfaceOrigin(w);
  Region area(clientOnly ? w->client.Offset(o.X, o.Y) : Bounds(o.X, o.Y, w->width(), w->height()));
  if (w->region) {
    Region shape = *w->region;
    shape.offset(o.X, o.Y);
    area = Region::combine(area, shape, RGN_AND);
  }
  if (clientOnly && (w->style & WS_CLIPCHILDREN))
    for (HWND child : w->children)
      if (const Window* c = wm_.find(child); c && (c->style & WS_VISIBLE)) {
        const POINT co = wm_.surfaceOrigin(c);
        SubtractRect(area, Bounds(co.X, co.Y, c->width(), c->height()));
      }
  for (const Window* cur = w; cur->isChild();) {
    const Window* parent = wm_.find(cur->parent);
    if (!parent) break;
    if (cur->style & WS_CLIPSIBLINGS)
      for (HWND sibling : parent->children) {
        if (sibling == cur->hwnd) break;  // only those in front of it
        if (const Window* s = wm_.find(sibling); s && (s->style & WS_VISIBLE)) {
          const POINT so = wm_.surfaceOrigin(s);
          SubtractRect(area, Bounds(so.X, so.Y, s->width(), s->height()));
        }
      }
    const POINT po = wm_.surfaceOrigin(parent);
    ClipToRect(area, parent->client.Offset(po.X, po.Y));
    if (parent->region) {
      Region shape = *parent->region;
      shape.offset(po.X, po.Y);
      area = Region::combine(area, shape, RGN_AND);
    }
    cur = parent;
  }
  return area;
}

HDC PaintScheduler::getDC(Window* w, bool wholeWindow) {
  Window* top = topOf(w);
  if (!top || !top->surface) return nullptr;
  const POINT o = wm_.surfaceOrigin(w);
  const POINT origin = wholeWindow ? o : POINT{o.X + w->client.Left, o.Y + w->client.Top};
  Region clip = visibleArea(w, !wholeWindow);
  OpenContext open;
  open.surface = top->surface;
  open.top = top->hwnd;
  open.area = clip.box();
  open.dc = std::make_unique<DeviceContext>(*open.surface);
  open.dc->setSurfaceOrigin(origin);
  clip.offset(-origin.X, -origin.Y);
  open.dc->setSystemClip(std::move(clip));
  HDC dc = open.dc.get();
  contexts_.push_back(std::move(open));
  return dc;
}

bool PaintScheduler::releaseDC(HDC dc) {
  const auto it = std::find_if(contexts_.begin(), contexts_.end(), [dc](const OpenContext& c) { return c.dc.get() == dc; });
  if (it == contexts_.end()) return false;
  OpenContext open = std::move(*it);
  contexts_.erase(it);
  // What was drawn outside the paint pass still has to reach the screen.
  if (Window* top = wm_.find(open.top); top && top->surface == open.surface) markPresent(top, open.area);
  return true;
}

HDC PaintScheduler::beginPaint(Window* w, PAINTSTRUCT* ps) {
  const HWND hwnd = w->hwnd;
  *ps = PAINTSTRUCT{};
  ps->rcPaint = w->update;
  const bool erase = w->eraseNeeded;
  w->update = {};
  w->eraseNeeded = false;
  HDC dc = getDC(w, false);
  if (!dc) return nullptr;
  // Only the invalid part may be painted.
  IntersectClipRect(dc, ps->rcPaint.Left, ps->rcPaint.Top, ps->rcPaint.Right, ps->rcPaint.Bottom);
  ps->hdc = dc;
  ps->fErase = FALSE;
  if (erase) ps->fErase = wm_.send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  return dc;
}

void PaintScheduler::endPaint(Window*, const PAINTSTRUCT* ps) {
  if (ps && ps->hdc) releaseDC(ps->hdc);
}
