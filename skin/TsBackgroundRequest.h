#pragma once
// The question a child asks its parent with SKC_GET_BACKGROUND: what lies
// under me? The answer is a picture (with where the child's origin lies in
// it) or a plain colour; with DrawNow the parent draws it at once instead.
#include <cstdint>

#include "paint/CacheInfo.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

// BgKind values.
constexpr std::uint8_t bgNotAnswered = 0;
constexpr std::uint8_t bgColor = 1;
constexpr std::uint8_t bgBitmap = 2;

struct TsBackgroundRequest {
  Bitmap* BgBmp = nullptr;
  TColor BgColor = clFuchsia;
  int BgX = 0;  // where the asker's origin lies in BgBmp
  int BgY = 0;
  TRect BgRect;
  std::uint8_t BgKind = bgNotAnswered;
  bool DrawNow = false;  // draw into TargetDC at BgRect instead of answering
  HDC TargetDC = nullptr;
};

// The cache description painting routines take, made from an answer.
TCacheInfo CacheInfoFromRequest(const TsBackgroundRequest& request);
