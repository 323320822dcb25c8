#include "app/ControlsDemoWindow.h"

#include <string>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"

namespace {
constexpr const char* kClass = "TControlsDemoForm";
constexpr int kClientWidth = 560;
constexpr int kClientHeight = 436;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HWND add(HWND parent, const char* className, const char* text, DWORD style, RECT r, int id, DWORD exStyle = 0) {
  return CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width(),
                        r.Height(), parent, id, nullptr);
}

void fill(HWND parent) {
  // Left column: buttons and boxes inside a group.
  add(parent, WC_BUTTON, "Панель Управления", BS_GROUPBOX, Bounds(10, 8, 200, 186), 100);
  add(parent, WC_BUTTON, "ВЫПОЛНИТЬ", BS_DEFPUSHBUTTON | WS_TABSTOP, Bounds(22, 30, 85, 25), 101);
  add(parent, WC_BUTTON, "Очистить", BS_PUSHBUTTON | WS_TABSTOP, Bounds(114, 30, 85, 25), 102);
  const HWND disabled = add(parent, WC_BUTTON, "Недоступна", BS_PUSHBUTTON, Bounds(22, 62, 177, 25), 103);
  EnableWindow(disabled, FALSE);
  const HWND check = add(parent, WC_BUTTON, "Со звуком", BS_AUTOCHECKBOX | WS_TABSTOP, Bounds(22, 96, 170, 20), 104);
  SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
  add(parent, WC_BUTTON, "Без подсказок", BS_AUTOCHECKBOX | WS_TABSTOP, Bounds(22, 118, 170, 20), 105);
  const HWND radio = add(parent, WC_BUTTON, "Первый тур", BS_AUTORADIOBUTTON, Bounds(22, 142, 170, 20), 106);
  SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
  add(parent, WC_BUTTON, "Второй тур", BS_AUTORADIOBUTTON, Bounds(22, 164, 170, 20), 107);

  // Middle column: edits, combo boxes and the spin field.
  add(parent, WC_STATIC, "Имя:", SS_LEFT, Bounds(225, 12, 100, 16), 200);
  const HWND name = add(parent, WC_EDIT, "Маша Иванова", ES_AUTOHSCROLL | WS_TABSTOP, Bounds(225, 30, 150, 22), 201,
                        WS_EX_CLIENTEDGE);
  SendMessage(name, EM_SETSEL, 5, 12);
  add(parent, WC_EDIT, "только чтение", ES_READONLY, Bounds(225, 58, 150, 22), 202, WS_EX_CLIENTEDGE);
  add(parent, WC_EDIT, "секрет", ES_PASSWORD, Bounds(225, 86, 150, 22), 203, WS_EX_CLIENTEDGE);
  const char* commands[] = {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2", "Вылить БАНКУ 1", "Вылить БАНКУ 2",
                            "Перелить всё из БАНКИ1 В БАНКУ 2", "Перелить всё из БАНКИ2 В БАНКУ 1"};
  const HWND picker = add(parent, WC_COMBOBOX, "", CBS_DROPDOWN | WS_TABSTOP, Bounds(225, 150, 150, 22), 204);
  const HWND fixed = add(parent, WC_COMBOBOX, "", CBS_DROPDOWNLIST | WS_TABSTOP, Bounds(225, 180, 150, 22), 205);
  for (const char* c : commands) {
    SendMessage(picker, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c));
    SendMessage(fixed, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c));
  }
  SetWindowText(picker, "Выбери команду");
  SendMessage(fixed, CB_SETCURSEL, 1, 0);
  const HWND buddy = add(parent, WC_EDIT, "", WS_TABSTOP, Bounds(225, 120, 60, 22), 206, WS_EX_CLIENTEDGE);
  const HWND spin = add(parent, UPDOWN_CLASS, "", UDS_SETBUDDYINT, Bounds(285, 120, 16, 22), 207);
  SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessage(spin, UDM_SETRANGE32, 0, 99);
  SendMessage(spin, UDM_SETPOS32, 0, 7);

  // Right column: the command list with more lines than fit.
  const HWND list = add(parent, WC_LISTBOX, "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, Bounds(390, 12, 160, 192), 300,
                        WS_EX_CLIENTEDGE);
  SendMessage(list, LB_SETITEMHEIGHT, 0, 16);
  for (int i = 0; i < 16; ++i) {
    const std::string line = std::to_string(i + 1) + ". " + commands[i % 6];
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessage(list, LB_SETCURSEL, 2, 0);

  // Bottom: static texts in their three alignments inside an etched frame.
  add(parent, WC_STATIC, "", SS_ETCHEDFRAME, Bounds(10, 320, 540, 106), 400);
  add(parent, WC_STATIC, "Слева", SS_LEFT, Bounds(20, 330, 160, 16), 401);
  add(parent, WC_STATIC, "По центру", SS_CENTER, Bounds(200, 330, 160, 16), 402);
  add(parent, WC_STATIC, "Справа", SS_RIGHT, Bounds(380, 330, 160, 16), 403);
  add(parent, WC_STATIC,
      "Длинный текст переносится по словам: в каждом окне пользователь пишет алгоритм из команд, "
      "редактирует список и нажимает кнопку выполнения.",
      SS_LEFT, Bounds(20, 354, 520, 60), 404);
  SetFocus(name);
}

LRESULT demoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    fill(hwnd);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
}  // namespace

HWND CreateControlsDemoWindow(int x, int y, HWND owner) {
  RegisterStandardClasses();
  WNDCLASS wc;
  wc.lpfnWndProc = demoProc;
  wc.background = clBtnFace;
  wc.lpszClassName = kClass;
  WNDCLASS existing;
  if (!GetClassInfo(kClass, &existing)) RegisterClass(&wc);
  RECT bounds = Bounds(0, 0, kClientWidth, kClientHeight);
  AdjustWindowRectEx(&bounds, kStyle, FALSE, 0);
  return CreateWindowEx(0, kClass, "Стандартные элементы", kStyle, x, y, bounds.Width(), bounds.Height(), owner, 0,
                        nullptr);
}
