#pragma once
// Saves a drawing context's state and restores it at the end of the scope,
// so an early return cannot leave a changed clip or origin behind.
#include "platform/graphics/DeviceContext.h"

class ScopedSaveDC {
 public:
  explicit ScopedSaveDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
  ~ScopedSaveDC() {
    if (level_ > 0) RestoreDC(dc_, level_);
  }
  ScopedSaveDC(const ScopedSaveDC&) = delete;
  ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

 private:
  HDC dc_;
  int level_;
};
