#include "skin/frame/TacFrameMetrics.h"

#include "platform/windowing/WinUser.h"

bool TacFrameMetrics::HasFrame(const TCustomForm& form) { return form.BorderStyle() != bsNone; }

bool TacFrameMetrics::ToolWindow(const TCustomForm& form) {
  return form.BorderStyle() == bsToolWindow || form.BorderStyle() == bsSizeToolWin;
}

bool TacFrameMetrics::BigTitleBar(const TCustomForm& form) {
  return form.BorderStyle() == bsSingle || form.BorderStyle() == bsSizeable;
}

namespace {
bool FixedBorder(TFormBorderStyle style) { return style == bsSingle || style == bsDialog || style == bsToolWindow; }
}  // namespace

int TacFrameMetrics::SideBorderWidth(const TCustomForm& form) {
  if (!HasFrame(form)) return 0;
  return GetSystemMetrics(FixedBorder(form.BorderStyle()) ? SM_CXDLGFRAME : SM_CXFRAME);
}

int TacFrameMetrics::TopBorderHeight(const TCustomForm& form) {
  if (!HasFrame(form)) return 0;
  return GetSystemMetrics(FixedBorder(form.BorderStyle()) ? SM_CYDLGFRAME : SM_CYFRAME);
}

int TacFrameMetrics::CaptionHeight(const TCustomForm& form) {
  const HWND window = form.HandleAllocated() ? const_cast<TCustomForm&>(form).Handle() : nullptr;
  const bool iconic = window && IsIconic(window);
  bool caption = true;
  if (window) caption = (GetWindowLongPtr(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  if (!((HasFrame(form) && caption) || iconic)) return 0;
  return GetSystemMetrics(ToolWindow(form) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int TacFrameMetrics::StandardIconSize(int captionHeight) {
  if (captionHeight < 9) return 0;
  if (captionHeight <= 16) return 8;
  if (captionHeight <= 27) return 16;
  return 32;
}

TPoint TacFrameMetrics::ClientOffset(const TCustomForm& form) {
  if (!form.HandleAllocated()) {
    const int side = SideBorderWidth(form);
    return {side, TopBorderHeight(form) + CaptionHeight(form)};
  }
  POINT offset{};
  GetClientOffset(const_cast<TCustomForm&>(form).Handle(), &offset);
  return {offset.X, offset.Y};
}

TSize TacFrameMetrics::WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.Width(), r.Height()};
}
