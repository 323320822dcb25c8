#include "framework/TCustomForm.h"

#include "framework/ExceptionReport.h"
#include "framework/TApplication.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/WinUser.h"
#include "resources/Resources.h"

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info("TCustomForm", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TCustomForm>(c)
        .Enumeration("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                     &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
        .Set("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, &TCustomForm::BorderIcons,
             &TCustomForm::SetBorderIcons)
        .Enumeration("Position",
                     {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                      "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                     &TCustomForm::Position, &TCustomForm::SetPosition)
        .Event("OnCreate", &TCustomForm::OnCreate)
        .Event("OnDestroy", &TCustomForm::OnDestroy)
        .Event("OnShow", &TCustomForm::OnShow)
        .Event("OnHide", &TCustomForm::OnHide)
        .Event("OnActivate", &TCustomForm::OnActivate)
        .Event("OnDeactivate", &TCustomForm::OnDeactivate)
        .Event("OnClose", &TCustomForm::OnClose)
        .Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  });
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TForm>()); });
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  InitVisible(false);
  SetBounds(0, 0, 320, 240);
}

void TCustomForm::BeforeDestruction() {
  if (!OnDestroy) return;
  try {
    OnDestroy(this);
  } catch (...) {
    ReportException(std::current_exception());
  }
}

TCustomForm::~TCustomForm() {
  if (Application && Application->MainForm() == this) Application->FormDestroyed(this);
}

// ---- frame ----------------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (HandleAllocated() && !IsLoading()) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  if (HandleAllocated() && !IsLoading()) RecreateWnd();
}

DWORD TCustomForm::FrameStyle() const {
  DWORD style = 0;
  switch (borderStyle_) {
    case bsNone: style = WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: style = WS_CAPTION; break;
    case bsSizeable:
    case bsSizeToolWin: style = WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style = WS_POPUP | WS_CAPTION; break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    // Dialogs and tool windows never get minimise or maximise boxes.
    if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow && borderStyle_ != bsSizeToolWin) {
      if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
      if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TCustomForm::FrameExStyle() const {
  switch (borderStyle_) {
    case bsDialog: return WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    case bsToolWindow:
    case bsSizeToolWin: return WS_EX_TOOLWINDOW;
    default: return WS_EX_APPWINDOW;
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // A form appears only when shown, after it has been placed.
  params.Style = (params.Style & ~(WS_CHILD | WS_VISIBLE)) | FrameStyle();
  params.ExStyle |= FrameExStyle();
}

TRect TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, FrameStyle(), FALSE, FrameExStyle());
  return Rect(0, 0, std::max(0, Width() - frame.Width()), std::max(0, Height() - frame.Height()));
}

TPoint TCustomForm::ClientOrigin() const {
  if (HandleAllocated()) return TWinControl::ClientOrigin();
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, FrameStyle(), FALSE, FrameExStyle());
  return {-frame.Left, -frame.Top};
}

// ---- creation -------------------------------------------------------------

std::string TCustomForm::LayoutResource() const { return "layouts/" + ClassName() + ".lfm"; }

void TCustomForm::InitializeForm() {
  std::string layout = LayoutResource();
  if (!layout.empty() && FindResource(layout)) ReadComponentResource(*this, layout);
  if (OnCreate) OnCreate(this);
  // Forms marked visible appear now; the main form waits for the loop.
  if (Visible() && (!Application || Application->MainForm() != this)) ShowingChanged();
}

// ---- showing and closing --------------------------------------------------

bool TCustomForm::Showing() const { return Visible() && HandleAllocated() && IsWindowVisible(const_cast<TCustomForm*>(this)->Handle()); }

void TCustomForm::Show() {
  if (!Visible())
    SetVisible(true);
  else
    ShowingChanged();
  if (HandleAllocated()) BringWindowToTop(Handle());
}

void TCustomForm::PlaceOnScreen() {
  if (placed_) return;
  placed_ = true;
  if (position_ == poScreenCenter || position_ == poDesktopCenter || position_ == poMainFormCenter ||
      position_ == poOwnerFormCenter) {
    int sw = GetSystemMetrics(SM_CXSCREEN);
    int sh = GetSystemMetrics(SM_CYSCREEN);
    SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());
  }
}

void TCustomForm::ShowingChanged() {
  if (IsLoading() || IsDestroying()) return;
  if (Visible()) {
    PlaceOnScreen();
    HWND hwnd = Handle();
    if (!hwnd) return;
    bool wasVisible = IsWindowVisible(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    if (!activeControl_) SelectNextControl(true);
    if (!wasVisible && OnShow) OnShow(this);
  } else if (HandleAllocated()) {
    bool wasVisible = IsWindowVisible(Handle());
    ShowWindow(Handle(), SW_HIDE);
    if (wasVisible && OnHide) OnHide(this);
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide:
    case caMinimize:
      Hide();
      break;
    case caFree:
      // Freed once the message that asked for it is done.
      if (HandleAllocated()) PostMessage(Handle(), CM_RELEASE, 0, 0);
      break;
    case caNone:
      break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (modal_ || Visible()) throw std::logic_error("Cannot make a visible window modal");
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  HWND hwnd = Handle();
  if (hwnd && modalResult_ == mrNone) RunModalLoop(hwnd);
  modal_ = false;
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  Hide();
  return modalResult_;
}

void TCustomForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  if (!modal_ || result == mrNone) return;
  TCloseAction action = caHide;
  if (!CloseQuery()) {
    modalResult_ = mrNone;
    return;
  }
  DoClose(action);
  if (action == caNone) {
    modalResult_ = mrNone;
    return;
  }
  if (HandleAllocated()) EndModalLoop(Handle(), result);
}

// ---- focus and keys -------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control) control->FreeNotification(this);
  if (control && Showing() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::SelectNextControl(bool forward) { SelectNext(activeControl_, forward); }

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
}

bool TCustomForm::DialogKey(WPARAM key, TWinControl* from) {
  if (key == VK_TAB) {
    bool backwards = GetKeyState(VK_SHIFT) < 0;
    return SelectNext(from, !backwards);
  }
  // Enter and Escape: the buttons decide (default and cancel buttons).
  TMessage message{CM_DIALOGKEY, key, reinterpret_cast<LPARAM>(from), 0};
  Broadcast(message);
  return message.Result != 0;
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowingChanged();
      return;
    case CM_DIALOGKEY:
      message.Result = DialogKey(message.WParam, reinterpret_cast<TWinControl*>(message.LParam)) ? 1 : 0;
      return;
    case CM_RELEASE:
      Free();
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_SETFOCUS:
      // The form passes its focus on to the control that had it.
      if (activeControl_ && activeControl_ != this && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
      }
      break;
    case WM_ACTIVATEAPP:
      // Another program took over: a hint shown or about to show goes.
      if (!message.WParam && Application) Application->CancelHint();
      break;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::FocusChanged(TWinControl* control) {
  if (control != this) activeControl_ = control;
  // The form's controls hear where the focus went (buttons move their
  // default-button flag with it).
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  const TControl* top = control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}
