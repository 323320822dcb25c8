#include "WindowingTestSupport.h"

#include <algorithm>

namespace {
// Noisy messages that tests never look at are not recorded.
bool worthLogging(UINT msg) { return msg != WM_SETCURSOR && msg != WM_NCHITTEST && msg != WM_GETTEXT && msg != WM_GETTEXTLENGTH; }

LRESULT recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (worthLogging(msg)) WindowingTest::log().push_back({hwnd, msg, wParam, lParam});
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
}  // namespace

WindowingTest::WindowingTest() {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = recordingProc;
  wc.background = clWhite;
  wc.lpszClassName = "TestWindow";
  RegisterClass(&wc);
  clearLog();
}

WindowingTest::~WindowingTest() { clearLog(); }

std::vector<LoggedMessage>& WindowingTest::log() {
  static std::vector<LoggedMessage> messages;
  return messages;
}

HWND WindowingTest::makeTop(const char* title, RECT b, DWORD style, DWORD exStyle, HWND owner) {
  HWND hwnd = CreateWindowEx(exStyle, "TestWindow", title, style | WS_VISIBLE, b.Left, b.Top, b.Width(), b.Height(),
                             owner, 0, nullptr);
  driver.runUntilIdle();
  return hwnd;
}

HWND WindowingTest::makeChild(HWND parent, RECT b, DWORD style, LONG_PTR id) {
  HWND hwnd = CreateWindowEx(0, "TestWindow", "", style | WS_CHILD | WS_VISIBLE, b.Left, b.Top, b.Width(), b.Height(),
                             parent, id, nullptr);
  driver.runUntilIdle();
  return hwnd;
}

std::vector<UINT> WindowingTest::messagesOf(HWND hwnd, std::initializer_list<UINT> only) {
  std::vector<UINT> result;
  for (const LoggedMessage& m : log())
    if (m.hwnd == hwnd && (only.size() == 0 || std::find(only.begin(), only.end(), m.msg) != only.end()))
      result.push_back(m.msg);
  return result;
}

int WindowingTest::count(HWND hwnd, UINT msg) {
  return static_cast<int>(std::count_if(log().begin(), log().end(), [&](const LoggedMessage& m) { return m.hwnd == hwnd && m.msg == msg; }));
}
