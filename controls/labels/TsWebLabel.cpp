#include "controls/labels/TsWebLabel.h"

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/ShellApi.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TsWebLabel::StaticClassInfo() {
  static const TClassInfo info("TsWebLabel", &TsCustomLabel::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsWebLabel>());
    TPropertyBuilder<TsWebLabel>(c)
        .Object("Font", [](TsWebLabel& l) { return &l.NormalFont(); })
        .Object("HoverFont", [](TsWebLabel& l) { return &l.HoverFont(); })
        .Enumeration("ShowMode",
                     {"soHide", "soNormal", "soShowMinimized", "soMaximize", "soShowNoActivate", "soShow",
                      "soMinimize", "soShowMinNoActive", "soShowNA", "soRestore", "soDefault"},
                     &TsWebLabel::ShowMode, &TsWebLabel::SetShowMode)
        .String("URL", &TsWebLabel::URL, &TsWebLabel::SetURL);
  });
  return info;
}

TsWebLabel::TsWebLabel(TComponent* owner) : TsCustomLabel(owner) {
  SetCursor(crHandPoint);
  // A change of the normal font shows at once unless the hover font is up.
  normalFont_.OnChange = [this](TObject*) {
    if (!hot_ && !IsLoading()) ApplyCurrentFont();
  };
  hoverFont_.OnChange = [this](TObject*) {
    if (hot_ && !IsLoading()) ApplyCurrentFont();
  };
}

void TsWebLabel::Loaded() {
  TsCustomLabel::Loaded();
  ApplyCurrentFont();
}

void TsWebLabel::ApplyCurrentFont() {
  const TFont& current = hot_ ? hoverFont_ : normalFont_;
  if (!(Font() == current)) Font().Assign(current);  // the label resizes itself when AutoSize
  Invalidate();
}

void TsWebLabel::WndProc(TMessage& message) {
  TsCustomLabel::WndProc(message);
  // A non-zero lParam names a child the mouse moved over; a label has none.
  if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && message.LParam == 0)
    HotChanged(message.Msg == CM_MOUSEENTER);
}

void TsWebLabel::HotChanged(bool hot) {
  hot_ = hot;
  if (AutoSize()) {
    // The paint puts the state's font on the label; the size follows it.
    Invalidate();
    Update();
    AdjustBounds();
  }
  Invalidate();
}

void TsWebLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TsCustomLabel::MouseDown(button, shift, x, y);
  if (button != mbLeft || url_.empty()) return;
  // The shell opens the link for the main window, its window shown by
  // ShowMode (whose ordinals are the show commands). Its answer is not
  // reported: a link that cannot open does nothing.
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  const HWND owner = main && main->HandleAllocated() ? main->Handle() : nullptr;
  ShellExecute(owner, "open", url_, "", "", static_cast<int>(showMode_));
}
