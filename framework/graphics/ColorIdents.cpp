#include "framework/graphics/ColorIdents.h"

#include <array>
#include <utility>

#include "framework/streaming/TClassInfo.h"

namespace {

struct ColorName {
  std::string_view Name;
  TColor Color;
};

constexpr std::array kColors = {
    ColorName{"clBlack", clBlack},
    ColorName{"clMaroon", clMaroon},
    ColorName{"clGreen", clGreen},
    ColorName{"clOlive", clOlive},
    ColorName{"clNavy", clNavy},
    ColorName{"clPurple", clPurple},
    ColorName{"clTeal", clTeal},
    ColorName{"clGray", clGray},
    ColorName{"clSilver", clSilver},
    ColorName{"clRed", clRed},
    ColorName{"clLime", clLime},
    ColorName{"clYellow", clYellow},
    ColorName{"clBlue", clBlue},
    ColorName{"clFuchsia", clFuchsia},
    ColorName{"clAqua", clAqua},
    ColorName{"clWhite", clWhite},
    ColorName{"clMoneyGreen", 0xC0DCC0},
    ColorName{"clSkyBlue", 0xF0CAA6},
    ColorName{"clCream", 0xF0FBFF},
    ColorName{"clMedGray", 0xA4A0A0},
    ColorName{"clNone", clNone},
    ColorName{"clDefault", clDefault},
    ColorName{"clScrollBar", SystemColor(COLOR_SCROLLBAR)},
    ColorName{"clBackground", SystemColor(COLOR_BACKGROUND)},
    ColorName{"clActiveCaption", SystemColor(COLOR_ACTIVECAPTION)},
    ColorName{"clInactiveCaption", SystemColor(COLOR_INACTIVECAPTION)},
    ColorName{"clMenu", SystemColor(COLOR_MENU)},
    ColorName{"clWindow", SystemColor(COLOR_WINDOW)},
    ColorName{"clWindowFrame", SystemColor(COLOR_WINDOWFRAME)},
    ColorName{"clMenuText", SystemColor(COLOR_MENUTEXT)},
    ColorName{"clWindowText", SystemColor(COLOR_WINDOWTEXT)},
    ColorName{"clCaptionText", SystemColor(COLOR_CAPTIONTEXT)},
    ColorName{"clActiveBorder", SystemColor(COLOR_ACTIVEBORDER)},
    ColorName{"clInactiveBorder", SystemColor(COLOR_INACTIVEBORDER)},
    ColorName{"clAppWorkSpace", SystemColor(COLOR_APPWORKSPACE)},
    ColorName{"clHighlight", SystemColor(COLOR_HIGHLIGHT)},
    ColorName{"clHighlightText", SystemColor(COLOR_HIGHLIGHTTEXT)},
    ColorName{"clBtnFace", SystemColor(COLOR_BTNFACE)},
    ColorName{"clBtnShadow", SystemColor(COLOR_BTNSHADOW)},
    ColorName{"clGrayText", SystemColor(COLOR_GRAYTEXT)},
    ColorName{"clBtnText", SystemColor(COLOR_BTNTEXT)},
    ColorName{"clInactiveCaptionText", SystemColor(COLOR_INACTIVECAPTIONTEXT)},
    ColorName{"clBtnHighlight", SystemColor(COLOR_BTNHIGHLIGHT)},
    ColorName{"cl3DDkShadow", SystemColor(COLOR_3DDKSHADOW)},
    ColorName{"cl3DLight", SystemColor(COLOR_3DLIGHT)},
    ColorName{"clInfoText", SystemColor(COLOR_INFOTEXT)},
    ColorName{"clInfoBk", SystemColor(COLOR_INFOBK)},
    ColorName{"clHotLight", SystemColor(COLOR_HOTLIGHT)},
    ColorName{"clGradientActiveCaption", SystemColor(COLOR_GRADIENTACTIVECAPTION)},
    ColorName{"clGradientInactiveCaption", SystemColor(COLOR_GRADIENTINACTIVECAPTION)},
    ColorName{"clMenuHighlight", SystemColor(COLOR_MENUHILIGHT)},
    ColorName{"clMenuBar", SystemColor(COLOR_MENUBAR)},
};

}  // namespace

std::optional<TColor> IdentToColor(std::string_view name) {
  for (const ColorName& c : kColors)
    if (SameText(c.Name, name)) return c.Color;
  // Older spellings that name the same colours.
  if (SameText(name, "clLtGray")) return clSilver;
  if (SameText(name, "clDkGray")) return clGray;
  return std::nullopt;
}

std::optional<std::string_view> ColorToIdent(TColor color) {
  for (const ColorName& c : kColors)
    if (c.Color == color) return c.Name;
  return std::nullopt;
}
