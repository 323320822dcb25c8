#pragma once
// The common part of the adapters the window hook makes for windows the
// program did not create (a platform dialog and the controls inside it):
// it takes over the window's procedure, finds itself again through a window
// property, answers SKC_QUERY_SKINNED with 1 while it is attached and gives
// the window back (procedure and property) when it is freed or the window
// goes. What the adapter does not consume goes to the previous procedure.
#include <string>

#include "platform/windowing/WinTypes.h"
#include "skin/hook/TacWindowAdapter.h"

class TsSkinManager;
class TsSkinContent;

class TacAdapterWnd : public TacWindowAdapter {
 public:
  TacAdapterWnd(HWND window, std::string section, TsSkinManager* manager);
  ~TacAdapterWnd() override;
  TacAdapterWnd(const TacAdapterWnd&) = delete;
  TacAdapterWnd& operator=(const TacAdapterWnd&) = delete;

  HWND Window() const override { return window_; }
  const std::string& SkinSection() const override { return section_; }
  bool Destroyed() const override { return destroyed_; }

  // The adapter attached to a window, or null.
  static TacAdapterWnd* Of(HWND window);
  // Some adapter's handler is running now: freeing adapters must wait.
  static bool Busy() { return busy_ > 0; }

 protected:
  // The adapter's own handling; answers whether it consumed the message
  // (with its result in `result`).
  virtual bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
  LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
  // The default manager still has this adapter's skin active.
  bool Skinned() const;
  const TsSkinContent* Skin() const;
  TsSkinManager* Manager() const { return manager_; }

 private:
  static LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Release();

  HWND window_;
  std::string section_;
  TsSkinManager* manager_;
  WNDPROC previous_ = nullptr;
  bool destroyed_ = false;
  static inline int busy_ = 0;
};
