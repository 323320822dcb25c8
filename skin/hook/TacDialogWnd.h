#pragma once
// The skinner of a platform dialog ("#32770") the program did not create:
// it keeps the window's own frame geometry and paints the whole window from
// the skin into one picture: the dialog's section (DIALOG) under the border
// and the client, the title section (FORMTITLE) over the caption band with
// the caption text and a skinned close button (hot and pressed states, its
// click closes the dialog). The child adapters of the dialog take their
// backgrounds from this picture.
#include <memory>

#include "framework/graphics/TBitmap.h"
#include "skin/hook/TacAdapterWnd.h"

class TacDialogWnd : public TacAdapterWnd {
 public:
  TacDialogWnd(HWND dialog, TsSkinManager* manager);

  // Rebuilds the picture when it is stale or the window's size changed;
  // answers it (window-sized), or null without a skin.
  TBitmap* Picture();
  // Where the client area lies inside the window.
  POINT ClientOffset() const;
  // The close button's span in window coordinates (empty without a mask),
  // its state (0 normal, 1 hot, 2 pressed) and the band it stands in.
  RECT CloseButton() const;
  int CloseState() const { return closeState_; }
  // Marks the picture stale and repaints the frame, the client and children.
  void Refresh();

 protected:
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // Handle's topics; each answers whether it took the message.
  bool HandleSkinCommand(WPARAM wParam, LRESULT& result);
  bool HandlePainting(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleCloseButton(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The held close button follows the pointer; the release over it closes.
  void TrackClosePress(UINT msg, LPARAM lParam);
  void Compose(Bitmap& pixels, HDC dc);
  int CloseMask() const;
  void PaintFrame();
  void PaintClient(HDC dc);
  int HitTest(POINT windowPoint) const;
  void SetCloseState(int state);

  std::unique_ptr<TBitmap> picture_ = std::make_unique<TBitmap>();
  bool stale_ = true;
  bool active_ = false;
  int closeState_ = 0;
  bool tracking_ = false;
};
