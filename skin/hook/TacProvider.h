#pragma once
// One entry of the window hook's provider list: the frame object the hook
// gave a form (owned by the form; the entry only watches it), or for a
// foreign dialog its window, its dialog skinner and the adapters made for
// its child windows (owned by the entry).
#include <memory>
#include <vector>

#include "platform/windowing/WinTypes.h"
#include "skin/hook/TacWindowAdapter.h"

class TsSkinProvider;

class TacProvider {
 public:
  TacProvider() = default;
  ~TacProvider();
  TacProvider(const TacProvider&) = delete;
  TacProvider& operator=(const TacProvider&) = delete;

  // ---- a program form
  void SetFormProvider(TsSkinProvider* provider, HWND window);
  // The form's frame object while it lives, else null.
  TsSkinProvider* FormProvider() const;

  // ---- a foreign dialog
  HWND DialogWindow() const { return dialog_; }
  void SetDialogWindow(HWND window) { dialog_ = window; }
  TacWindowAdapter* DialogSkinner() const { return dialogSkinner_.get(); }
  void SetDialogSkinner(std::unique_ptr<TacWindowAdapter> skinner);
  std::vector<std::unique_ptr<TacWindowAdapter>>& Adapters() { return adapters_; }
  // The dialog skinner's window is gone.
  bool DialogDestroyed() const;
  // What the dialog's styles were when it was attached (while a skin was active).
  void SetDialogStyle(DWORD style, bool leftScrollBar) {
    dialogStyle_ = style;
    leftScrollBar_ = leftScrollBar;
  }
  DWORD DialogStyle() const { return dialogStyle_; }
  bool LeftScrollBar() const { return leftScrollBar_; }

  // The window this entry stands for (the form's or the dialog's).
  HWND Window() const { return window_ ? window_ : dialog_; }

 private:
  TsSkinProvider* formProvider_ = nullptr;
  std::weak_ptr<bool> formAlive_;
  HWND window_ = nullptr;
  HWND dialog_ = nullptr;
  DWORD dialogStyle_ = 0;
  bool leftScrollBar_ = false;
  std::unique_ptr<TacWindowAdapter> dialogSkinner_;
  std::vector<std::unique_ptr<TacWindowAdapter>> adapters_;
};
