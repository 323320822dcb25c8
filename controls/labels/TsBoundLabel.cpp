#include "controls/labels/TsBoundLabel.h"

#include <algorithm>

#include "controls/labels/TsEditLabel.h"
#include "framework/FrameworkMessages.h"
#include "framework/TWinControl.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/WinMessages.h"

const TClassInfo& TsBoundLabel::StaticClassInfo() {
  using B = TsBoundLabel;
  static const TClassInfo info("TsBoundLabel", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<B>(c)
        .Boolean("Active", &B::Active)
        .String("Caption", &B::Caption)
        .Integer("Indent", &B::Indent)
        .Object("Font", [](B& b) { return &b.Font; })
        .Enumeration("Layout", {"sclLeft", "sclTopLeft", "sclTopCenter", "sclTopRight"}, &B::Layout)
        .Integer("MaxWidth", &B::MaxWidth)
        .Boolean("UseSkinColor", &B::UseSkinColor);
  });
  return info;
}

bool MovesBoundLabel(unsigned msg) {
  return msg == WM_MOVE || msg == WM_SIZE || msg == CM_VISIBLECHANGED || msg == CM_ENABLEDCHANGED;
}

TsBoundLabel::TsBoundLabel() = default;

TsBoundLabel::~TsBoundLabel() { Release(); }

void TsBoundLabel::Release() {
  TsEditLabel* label = Label;
  Label = nullptr;
  delete label;
}

void TsBoundLabel::Follow(TControl& control) {
  if (control.IsLoading() || control.IsDestroying()) return;
  if (!Active || !control.Parent()) {
    Release();
    return;
  }
  if (!Label) Label = new TsEditLabel(nullptr, this);
  TsEditLabel& label = *Label;
  if (label.Parent() != control.Parent()) label.SetParent(control.Parent());
  label.Font().Assign(Font);
  label.SetWordWrap(MaxWidth > 0);
  if (MaxWidth > 0) label.SetWidth(MaxWidth);
  label.SetAutoSize(true);
  label.SetCaption(Caption);
  if (MaxWidth > 0 && label.Width() > MaxWidth) label.SetWidth(MaxWidth);
  const int w = label.Width(), h = label.Height();
  int left = 0, top = 0;
  switch (Layout) {
    case sclLeft:
      left = control.Left() - Indent - w;
      top = control.Top() + (control.Height() - h) / 2;
      break;
    case sclTopLeft:
      left = control.Left() + Indent;
      top = control.Top() - h - Indent;
      break;
    case sclTopCenter:
      left = control.Left() + (control.Width() - w) / 2;
      top = control.Top() - h - Indent;
      break;
    case sclTopRight:
      left = control.Left() + control.Width() - w - Indent;
      top = control.Top() - h - Indent;
      break;
  }
  label.SetBounds(left, top, w, h);
  label.SetVisible(control.Visible());
  label.SetEnabled(control.Enabled());
}
