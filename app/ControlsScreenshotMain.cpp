// Writes the standard controls, an open drop-down list, a message box and a
// pop-up menu, as the headless screen shows them, to a PNG file:
//   build/app/controls-screenshot [out/controls.png]
// The message box and the menu run their own loops; timers inside those
// loops open the next thing and finally take the picture.
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ControlsDemoWindow.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/headless/HeadlessDriver.h"

namespace {
HeadlessDriver* driver = nullptr;
HWND window = nullptr;
std::string outPath;
bool saved = false;

void takePicture(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  RECT area{};
  GetWindowRect(window, &area);
  area = Rect(area.Left - 10, area.Top - 10, area.Right + 200, area.Bottom + 140);
  const Bitmap screen = driver->screenshot();
  Bitmap part(area.Width(), area.Height());
  for (int y = 0; y < area.Height(); ++y)
    for (int x = 0; x < area.Width(); ++x) part.setPixel(x, y, screen.pixel(area.Left + x, area.Top + y));
  saved = driver->savePng(part, outPath);
  // Closing: Escape ends the menu, the box's OK is pressed by the next timer.
  PostMessage(GetCapture(), WM_KEYDOWN, VK_ESCAPE, 0);
  SetTimer(hwnd, 3, 10, [](HWND h, UINT, UINT_PTR timer, DWORD) {
    KillTimer(h, timer);
    driver->pressKey(VK_RETURN);
  });
}

void openMenu(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  // The box goes below the window so that nothing hides the controls.
  RECT r{};
  GetWindowRect(window, &r);
  SetWindowPos(GetActiveWindow(), nullptr, r.Left + 40, r.Bottom + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HMENU menu = CreatePopupMenu();
  AppendMenu(menu, MF_STRING, 1, "&Удалить строку\tDel");
  AppendMenu(menu, MF_STRING, 2, "&Очистить список");
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING | MF_CHECKED, 3, "Со звуком");
  AppendMenu(menu, MF_STRING | MF_GRAYED, 4, "Недоступно");
  SetTimer(window, 2, 10, &takePicture);
  TrackPopupMenu(menu, TPM_RETURNCMD, r.Right + 10, r.Top + 40, 0, window, nullptr);
  DestroyMenu(menu);
}
}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "out/controls.png";
  outPath = out.string();
  HeadlessDriver headless({1024, 768});
  driver = &headless;
  window = CreateControlsDemoWindow(20, 20, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  headless.runUntilIdle();
  std::error_code ignored;
  if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ignored);

  // The fixed-list combo box shows its drop-down list.
  const HWND fixed = GetWindow(window, GW_CHILD);
  for (HWND c = fixed; c; c = GetWindow(c, GW_HWNDNEXT))
    if (GetWindowLongPtr(c, GWLP_ID) == 205) SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
  headless.runUntilIdle();

  SetTimer(window, 1, 10, &openMenu);
  MessageBox(window, "Отлично! Ты получил один литр сока в БАНКЕ 2", "Warning", MB_OK | MB_ICONWARNING);
  if (!saved) {
    std::fprintf(stderr, "could not write %s\n", outPath.c_str());
    return 1;
  }
  std::printf("%s\n", outPath.c_str());
  return 0;
}
