#include "app/DemoWindow.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/graphics/Gdi.h"

namespace {
constexpr const char* kDemoClass = "TDemoForm";
constexpr int kClientWidth = 636;
constexpr int kClientHeight = 453;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HFONT font(int height, bool bold) {
  LogFont lf;
  lf.lfHeight = -height;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  return CreateFontIndirect(lf);
}

// One jug: glass outline, juice up to `litres` of `capacity`, and its name.
void paintJug(HDC dc, const RECT& glass, int litres, int capacity, const char* name) {
  const Pen oldPen = SelectObject(dc, CreatePen(PS_SOLID, 2, clNavy));
  const Brush oldBrush = SelectObject(dc, CreateSolidBrush(clWhite));
  RoundRect(dc, glass.Left, glass.Top, glass.Right, glass.Bottom, 16, 16);
  const int juiceTop = glass.Bottom - 3 - (glass.Height() - 6) * litres / capacity;
  FillRect(dc, RECT{glass.Left + 3, juiceTop, glass.Right - 3, glass.Bottom - 3}, RGB(255, 140, 0));
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  RECT label{glass.Left - 20, glass.Bottom + 8, glass.Right + 20, glass.Bottom + 28};
  DrawText(dc, name, label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  SetBkMode(dc, TRANSPARENT);
  const HFONT previous = SelectObject(dc, font(20, true));
  SetTextColor(dc, clNavy);
  RECT heading{0, 16, kClientWidth, 48};
  DrawText(dc, "Первый тур", heading, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, font(13, false));
  SetTextColor(dc, clBlack);
  RECT task{40, 56, kClientWidth - 40, 100};
  DrawText(dc, "Отмерь ровно один литр сока, пользуясь двумя банками.", task,
           DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  paintJug(dc, Bounds(260, 130, 90, 200), 0, 2, "БАНКА 1");
  paintJug(dc, Bounds(440, 110, 110, 220), 3, 3, "БАНКА 2");
  RECT panel = Bounds(40, 380, kClientWidth - 80, 50);
  DrawEdge(dc, panel, EDGE_ETCHED, BF_RECT);
  SelectObject(dc, font(11, false));
  RECT credit{8, 436, 300, 452};
  SetTextColor(dc, clGray);
  DrawText(dc, "Демонстрация оконного слоя", credit, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(hwnd, &ps);
}

// The controls of the jugs window's panel: the command list, the command
// picker and the execute button.
void createControls(HWND hwnd) {
  static const char* const kCommands[] = {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2", "Вылить всё из БАНКИ 1",
                                          "Вылить всё из БАНКИ 2", "Перелить всё из БАНКИ1 В БАНКУ 2",
                                          "Перелить всё из БАНКИ2 В БАНКУ 1"};
  HWND list = CreateWindowEx(WS_EX_CLIENTEDGE, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 20,
                             110, 210, 220, hwnd, 1, nullptr);
  for (int round = 0; round < 3; ++round)
    for (const char* command : kCommands) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(command));
  HWND picker = CreateWindowEx(0, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 60, 393, 300,
                               24, hwnd, 2, nullptr);
  for (const char* command : kCommands) SendMessage(picker, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(command));
  SendMessage(picker, CB_SETCURSEL, 1, 0);
  CreateWindowEx(0, WC_BUTTON, "ВЫПОЛНИТЬ", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 440, 390, 130, 28,
                 hwnd, 3, nullptr);
}

LRESULT demoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      createControls(hwnd);
      return 0;
    case WM_PAINT:
      paint(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}
}  // namespace

HWND CreateDemoWindow() {
  WNDCLASS wc;
  wc.lpfnWndProc = demoProc;
  wc.background = clBtnFace;
  wc.lpszClassName = kDemoClass;
  WNDCLASS existing;
  if (!GetClassInfo(kDemoClass, &existing)) RegisterClass(&wc);
  if (!GetClassInfo(WC_BUTTON, &existing)) RegisterStandardClasses();
  RECT bounds = Bounds(0, 0, kClientWidth, kClientHeight);
  AdjustWindowRectEx(&bounds, kStyle, FALSE, 0);
  const int width = bounds.Width();
  const int height = bounds.Height();
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowEx(0, kDemoClass, "Банки", kStyle, x, y, width, height, nullptr, 0, nullptr);
}
