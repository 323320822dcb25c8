#include "framework/TCustomControl.h"

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo());
  return info;
}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font.Assign(Font());
  canvas_.Brush.SetColor(Color());
  Paint();
  canvas_.SetHandle(nullptr);
}
