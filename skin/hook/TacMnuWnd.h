#pragma once
// The skinner of one open pop-up menu window ("#32768"): it takes over the
// window's procedure and paints the menu from the skin, the background from
// its section (MAINMENU), the hot item from MENUITEM with that section's
// text colours and separators from MENULINE. Everything else stays with
// the menu window.
#include <string>

#include "platform/windowing/WinTypes.h"
#include "skin/hook/TacWindowAdapter.h"

class TsSkinManager;
class Bitmap;

class TacMnuWnd : public TacWindowAdapter {
 public:
  TacMnuWnd(HWND menu, std::string section, TsSkinManager* manager);
  ~TacMnuWnd() override;
  TacMnuWnd(const TacMnuWnd&) = delete;
  TacMnuWnd& operator=(const TacMnuWnd&) = delete;

  HWND Window() const override { return window_; }
  const std::string& SkinSection() const override { return section_; }
  bool Destroyed() const override { return destroyed_; }

  // Paints the whole menu as it is now into `target` (the menu's client size).
  void PaintMenu(Bitmap& target) const;

 private:
  static LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void Release();

  HWND window_;
  std::string section_;
  TsSkinManager* manager_;
  WNDPROC previous_ = nullptr;
  bool destroyed_ = false;
};
