#include "platform/windowing/DwmApi.h"

#include "platform/windowing/WindowManager.h"

HRESULT DwmIsCompositionEnabled(BOOL* enabled) {
  if (!enabled) return E_POINTER;
  *enabled = wm().hasBackend() && wm().backend().composesTranslucentWindows() ? TRUE : FALSE;
  return S_OK;
}
