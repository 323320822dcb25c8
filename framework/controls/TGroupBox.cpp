#include "framework/controls/TGroupBox.h"

#include "framework/streaming/TClassInfo.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/graphics/Fills.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TGroupBox::StaticClassInfo() {
  static const TClassInfo info("TGroupBox", &TWinControl::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TGroupBox>()); });
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WNDCLASS standard{};
  if (!GetClassInfo(WC_BUTTON, &standard)) RegisterStandardClasses();
  params.BaseClassName = WC_BUTTON;
  params.Style |= BS_GROUPBOX;
}

void TGroupBox::WndProc(TMessage& message) {
  // The standard group box lets the mouse fall through to its parent; this
  // one holds controls, and its windowless ones need the mouse.
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTCLIENT;
    return;
  }
  // The standard group box leaves its inside to the parent's background; this
  // one is a panel with its own window, so it fills its inside itself.
  if (message.Msg == WM_ERASEBKGND) {
    FillRect(reinterpret_cast<HDC>(message.WParam), ClientRect(), Color());
    message.Result = 1;
    return;
  }
  // The children's windows are disabled with it, so the whole panel is inert.
  if (message.Msg == CM_ENABLEDCHANGED) {
    for (int i = 0; i < ControlCount(); ++i)
      if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated())
        EnableWindow(child->Handle(), Enabled() && child->Enabled());
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
  }
  TWinControl::WndProc(message);
}
