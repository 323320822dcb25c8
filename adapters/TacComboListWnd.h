#pragma once
// The skinned drop-down list of a combo box. The list is a pop-up window
// floating over whatever the screen shows, so nothing lends it a picture:
// its frame is the outer ring of a section ("EDIT") painted on that
// section's own colour, and its vertical bar is the scroll-window adapter's.
// The list keeps the mouse captured while it is open; a grab of the bar
// releases the capture when it ends, so the adapter takes it back for the
// list.
#include <string>

#include "adapters/TacScrollWnd.h"
#include "platform/Bitmap.h"

class TacComboListWnd : public TacScrollWnd {
 public:
  // simple: the list of a simple-style box, always shown under its edit.
  TacComboListWnd(HWND list, TsSkinManager* manager, std::string section, bool simple);

  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  const std::string& Section() const { return section_; }
  bool Simple() const { return simple_; }
  // The section painted over the whole window; the frame strips come from it.
  Bitmap FramePicture() const;
  // The frame strips and the bars onto a context over the whole window.
  void PaintFrame(HDC dc);

 private:
  LRESULT NcPaint();

  TsSkinManager* manager_;
  std::string section_;
  bool simple_;
};
