#pragma once
// The common part of the adapters for the child windows of a skinned
// platform dialog: it records where the child lies (its rectangle, its
// parent, its size and its position in the parent's client area, less the
// client offset the parent reports), paints the child's whole client into a
// picture of its own (the section at the child's state over what the
// dialog's picture shows beneath it, then the child's content) and copies it
// to the screen.
#include "framework/graphics/TBitmap.h"
#include "paint/CacheInfo.h"
#include "skin/hook/TacAdapterWnd.h"

class TacDialogWnd;

class TacDlgChildWnd : public TacAdapterWnd {
 public:
  TacDlgChildWnd(HWND child, std::string section, TsSkinManager* manager, TacDialogWnd* dialog);

  HWND ParentWindow() const { return parent_; }
  RECT WindowRect() const { return rect_; }
  TSize Size() const { return size_; }
  // The child's position in its parent's client area, less the parent's
  // reported client offset.
  TPoint Position() const { return position_; }

  // Paints the child as it is now into `target` (the child's client size).
  void PaintTo(Bitmap& target, HDC dc);

 protected:
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The mask state the child is in: 0 normal, 1 hot, 2 pressed.
  virtual int State() const { return 0; }
  // Draws what lies over the section (text, icon ...).
  virtual void PaintContent(Bitmap& target, HDC dc, int state) = 0;
  // The adapter paints the child's client itself (else only what it adds).
  virtual bool PaintsClient() const { return true; }
  // The dialog's picture beneath the child's client area (or its whole
  // window), else nothing to borrow.
  TCacheInfo Background(bool wholeWindow) const;
  // The skin index of the adapter's section, -1 without.
  int SectionIndex() const;
  // The child's font, else the dialog font.
  HFONT ChildFont() const;
  void Repaint();
  TacDialogWnd* Dialog() const { return dialog_; }

 private:
  void Remember();

  TacDialogWnd* dialog_;
  HWND parent_ = nullptr;
  RECT rect_{};
  TSize size_{};
  TPoint position_{};
};
