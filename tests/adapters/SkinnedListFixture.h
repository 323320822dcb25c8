#pragma once
// A form with one skinned list box on the headless screen and a small skin
// whose scroll parts are plain colours, so a pixel tells which part and
// which state was painted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapters/TacScrollWnd.h"
#include "controls/TsListBox.h"
#include "platform/windowing/WinUser.h"
#include "tests/skin/SkinOnScreen.h"

namespace scroll_test {

constexpr TColor kTrack1 = 0x00D0D0D0;
constexpr TColor kTrack2 = 0x00C8C8C8;
constexpr TColor kTrackPressed = 0x00808080;
constexpr TColor kArrowTop = 0x00A0C0E0;
constexpr TColor kArrowBottom = 0x00A0E0C0;
constexpr TColor kArrowHot = 0x00FFE0A0;
constexpr TColor kSlider = 0x00406080;
constexpr TColor kSliderHot = 0x00507090;
constexpr TColor kEdit = 0x00FFFFFF;

struct SkinnedList : ::testing::Test, SkinOnScreen {
  TBareTestForm* form = nullptr;
  TsListBox* list = nullptr;
  // Scroll notifications the list heard: (code, position).
  std::vector<std::pair<int, int>> scrolls;

  SkinnedList() {
    AddSection("GLOBALINFO", 0x00F0F0F0, 0x00F0F0F0);
    AddSection("EDIT", kEdit, kEdit);
    for (const char* bar : {"SCROLLBAR1V", "SCROLLBAR1H"}) AddSection(bar, kTrack1, kTrackPressed);
    for (const char* bar : {"SCROLLBAR2V", "SCROLLBAR2H"}) AddSection(bar, kTrack2, kTrackPressed);
    AddSection("SCROLLBTNTOP", kArrowTop, kArrowHot);
    AddSection("SCROLLBTNLEFT", kArrowTop, kArrowHot);
    AddSection("SCROLLBTNBOTTOM", kArrowBottom, kArrowHot);
    AddSection("SCROLLBTNRIGHT", kArrowBottom, kArrowHot);
    AddSection("SCROLLSLIDERV", kSlider, kSliderHot);
    AddSection("SCROLLSLIDERH", kSlider, kSliderHot);
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(40, 40, 300, 260);
    list = new TsListBox(form);
    list->SetParent(form);
    // A 127-pixel list with a one-pixel border: a 125-pixel bar, 9 lines.
    list->SetBounds(10, 10, 150, 127);
    list->SetItemHeight(13);
    form->Show();
    driver.runUntilIdle();
  }
  void Fill(int lines) {
    for (int i = 0; i < lines; ++i) list->Items().Add("Строка " + std::to_string(i));
    driver.runUntilIdle();
  }
  TacScrollWnd& adapter() { return *list->ScrollAdapter(); }
  HWND hwnd() { return list->Handle(); }
  // Records the list's scroll notifications ahead of every other handler.
  void SpyOnScrolls() {
    TWndMethod previous = list->WindowProc;
    list->WindowProc = [this, previous](TMessage& m) {
      if (m.Msg == WM_VSCROLL) scrolls.emplace_back(LOWORD(m.WParam), HIWORD(m.WParam));
      previous(m);
    };
  }
  int Count(int code) const {
    int n = 0;
    for (const auto& s : scrolls) n += s.first == code;
    return n;
  }
  // A point of the list's window (frame included) on the screen.
  POINT Screen(int x, int y) { return driver.windowToScreen(hwnd(), {x, y}); }
  TColor At(int x, int y) {
    const POINT p = Screen(x, y);
    return driver.screenshot().pixel(p.X, p.Y);
  }
  // The middle of the vertical bar across.
  int BarX() { return adapter().BarRect(kBarVertical).Left + 8; }
};

}  // namespace scroll_test
