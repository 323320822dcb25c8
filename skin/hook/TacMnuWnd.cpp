#include "skin/hook/TacMnuWnd.h"

#include "framework/graphics/TBitmap.h"
#include "paint/SkinItemPainter.h"
#include "paint/SkinTextPainter.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"

namespace {
constexpr const char* kMenuSubclassName = "TacMnuWnd";
constexpr int kCheckColumn = PopupMenuWindow::kCheckColumn;

TColor MarkColor(const TsSkinContent& skin, int itemIndex, bool enabled, bool hot) {
  if (!enabled) return clGrayText;
  if (!skin.IsValidSkinIndex(itemIndex)) return hot ? clHighlightText : clMenuText;
  const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(itemIndex)];
  return static_cast<TColor>(hot ? section.HotFontColor[0] : section.FontColor[0]);
}
}  // namespace

TacMnuWnd::TacMnuWnd(HWND menu, std::string section, TsSkinManager* manager)
    : window_(menu), section_(std::move(section)), manager_(manager), subclass_(kMenuSubclassName) {
  if (!subclass_.Install(window_, &TacMnuWnd::Procedure, this)) destroyed_ = true;
}

TacMnuWnd::~TacMnuWnd() { Release(); }

void TacMnuWnd::Release() {
  subclass_.Release();
  destroyed_ = true;
}

LRESULT TacMnuWnd::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TacMnuWnd*>(WindowSubclass::OwnerOf(hwnd, kMenuSubclassName));
  if (!self) return WindowSubclass::PassOn(hwnd, kMenuSubclassName, msg, wParam, lParam);
  return self->Handle(msg, wParam, lParam);
}

LRESULT TacMnuWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  const bool skinned = manager_ && TsSkinManager::DefaultManager() == manager_ && manager_->Content().SkinData.Active;
  switch (msg) {
    case SM_SKINCOMMAND:
      if (SkinCommandOf(wParam) == SKC_QUERY_SKINNED) return 1;
      break;
    case WM_ERASEBKGND:
      if (skinned) return 1;
      break;
    case WM_PAINT: {
      if (!skinned) break;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client{};
      GetClientRect(window, &client);
      TBitmap picture(client.Width(), client.Height());
      PaintMenu(picture.Pixels());
      if (dc) BitBlt(dc, 0, 0, client.Width(), client.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_NCDESTROY: {
      Release();
      return subclass_.CallPrevious(msg, wParam, lParam);
    }
    default: break;
  }
  return subclass_.CallPrevious(msg, wParam, lParam);
}

void TacMnuWnd::PaintMenu(Bitmap& target) const {
  if (!manager_ || target.empty()) return;
  const TsSkinContent& skin = manager_->Content();
  const TRect whole = Rect(0, 0, target.width(), target.height());
  PaintNamedSection(skin, section_.c_str(), target, whole, 0);
  DeviceContext dc(target);
  LogFont font;  // the menu's own font
  SelectObject(&dc, CreateFontIndirect(font));
  const int itemIndex = skin.GetSkinIndex("MENUITEM");
  const int count = static_cast<int>(SendMessage(window_, MN_GETITEMCOUNT, 0, 0));
  const int hot = static_cast<int>(SendMessage(window_, MN_GETHOTITEM, 0, 0));
  for (int i = 0; i < count; ++i) {
    MenuItem item;
    RECT r{};
    if (!SendMessage(window_, MN_GETITEMINFO, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    SendMessage(window_, MN_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    if (item.separator()) {
      const int middle = r.Top + r.Height() / 2;
      PaintNamedSection(skin, "MENULINE", target, Rect(r.Left + 2, middle - 1, r.Right - 2, middle + 1), 0);
      continue;
    }
    const bool isHot = i == hot && item.enabled();
    if (isHot) PaintNamedSection(skin, "MENUITEM", target, r, 1);
    std::string text = item.text;
    std::string shortcut;
    if (const auto tab = text.find('\t'); tab != std::string::npos) {
      shortcut = text.substr(tab + 1);
      text.resize(tab);
    }
    // Check marks and sub-menu arrows take the colour of the item's text.
    if (item.checked() || item.opensMenu()) {
      const TColor mark = MarkColor(skin, itemIndex, item.enabled(), isHot);
      const TRect checkArea = Rect(r.Left, r.Top, r.Left + kCheckColumn, r.Bottom);
      if (item.checked() && item.radio()) ControlPainter::bullet(&dc, checkArea, mark);
      else if (item.checked()) ControlPainter::tick(&dc, checkArea, mark);
      if (item.opensMenu()) {
        const int middle = r.Top + r.Height() / 2;
        ControlPainter::arrow(&dc, Rect(r.Right - 14, middle - 4, r.Right - 6, middle + 4), ArrowDirection::Right, mark);
      }
    }
    const TRect textRect = Rect(r.Left + kCheckColumn, r.Top, r.Right - kCheckColumn, r.Bottom);
    WriteTextByIndex(&dc, text, item.enabled(), &skin, isHot, itemIndex, DT_LEFT | DT_VCENTER | DT_SINGLELINE, textRect);
    if (!shortcut.empty())
      WriteTextByIndex(&dc, shortcut, item.enabled(), &skin, isHot, itemIndex, DT_RIGHT | DT_VCENTER | DT_SINGLELINE,
                       textRect);
  }
}
