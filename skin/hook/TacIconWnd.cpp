#include "skin/hook/TacIconWnd.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/windowing/WinUser.h"

void TacIconWnd::PaintContent(Bitmap& target, HDC dc, int) {
  if (GetWindowTextString(Window()) == IDI_WARNING_NAME)
    ControlPainter::warningSign(dc, Rect(0, 0, target.width(), target.height()));
}
