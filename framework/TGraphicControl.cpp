#include "framework/TGraphicControl.h"

#include "framework/streaming/TClassInfo.h"
#include "platform/windowing/WinMessages.h"

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo());
  return info;
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    canvas_.Font.Assign(Font());
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}
