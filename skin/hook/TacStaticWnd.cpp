#include "skin/hook/TacStaticWnd.h"

#include "paint/SkinTextPainter.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"

void TacStaticWnd::PaintContent(Bitmap& target, HDC dc, int state) {
  const std::string text = GetWindowTextString(Window());
  if (text.empty()) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtr(Window(), GWL_STYLE));
  const DWORD type = style & SS_TYPEMASK;
  // The same flags the plain static draws with, so the text wraps alike.
  unsigned format = DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? unsigned{DT_NOPREFIX} : 0u);
  if (type == SS_CENTER) format |= DT_CENTER;
  else if (type == SS_RIGHT) format |= DT_RIGHT;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  const HFONT previous = SelectObject(dc, ChildFont());
  WriteTextByIndex(dc, text, IsWindowEnabled(Window()), Skin(), state != 0, SectionIndex(), format,
                   Rect(0, 0, target.width(), target.height()));
  SelectObject(dc, previous);
}
