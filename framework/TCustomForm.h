#pragma once
// A top-level window with a frame, built from its layout ("layouts/<class>.lfm")
// when created through TForm::Create or TApplication::CreateForm. Closing it
// hides it (or ends the program when it is the main form); ShowModal runs a
// nested loop until ModalResult is set. Tab, Enter and Escape pressed in any
// of its controls come here: Tab moves the focus, Enter clicks the default
// button, Escape the cancel button.
#include <functional>

#include "framework/TWinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
  poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

class TCustomForm : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  void Show();
  void Close();
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);
  bool Modal() const { return modal_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // A control of the form took the focus.
  void FocusChanged(TWinControl* control);
  // Focuses the next (or previous) tab stop of the form.
  void SelectNextControl(bool forward);

  // Reads the form's layout resource if it has one, then runs OnCreate.
  void InitializeForm();

  bool Showing() const override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void BeforeDestruction() override;
  virtual bool CloseQuery();
  virtual void DoClose(TCloseAction& action);
  // The layout this form reads; empty for forms built in code.
  virtual std::string LayoutResource() const;

 private:
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;
  void ShowingChanged();
  void PlaceOnScreen();
  bool DialogKey(WPARAM key, TWinControl* from);

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool placed_ = false;
  bool shown_ = false;
  TWinControl* activeControl_ = nullptr;
};

// The plain form class; program windows derive from it.
class TForm : public TCustomForm {
 public:
  TRAINER_CLASS_INFO()
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}

  // Creates a form of class T owned by `owner`, reads its layout and runs
  // OnCreate.
  template <class T>
  static T* Create(TComponent* owner) {
    T* form = new T(owner);
    try {
      form->InitializeForm();
    } catch (...) {
      form->Free();
      throw;
    }
    return form;
  }
};
