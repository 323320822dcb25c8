// Costs of the windowing layer's hot roads on the headless screen: a sent
// message through a subclass, a full repaint of a window with many children,
// and composing the whole screen.
#include <benchmark/benchmark.h>

#include "platform/graphics/Gdi.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"

namespace {

LRESULT paintingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, ps.rcPaint, clSilver);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

WNDPROC previous = nullptr;
LRESULT passOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return CallWindowProc(previous, hwnd, msg, wParam, lParam); }

HWND makeForm(int children) {
  WNDCLASS wc;
  wc.lpfnWndProc = paintingProc;
  wc.background = clBtnFace;
  wc.lpszClassName = "BenchForm";
  RegisterClass(&wc);
  HWND form = CreateWindowEx(0, "BenchForm", "Банки", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100,
                             642, 478, nullptr, 0, nullptr);
  for (int i = 0; i < children; ++i)
    CreateWindowEx(0, "BenchForm", "", WS_CHILD | WS_VISIBLE, 10 + (i % 10) * 60, 10 + (i / 10) * 40, 55, 35, form, i,
                   nullptr);
  return form;
}

void BM_SendMessageThroughASubclass(benchmark::State& state) {
  HeadlessDriver driver;
  HWND form = makeForm(0);
  previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(passOn)));
  for (auto _ : state) benchmark::DoNotOptimize(SendMessage(form, WM_USER, 1, 2));
}
BENCHMARK(BM_SendMessageThroughASubclass);

void BM_RepaintFormWithChildren(benchmark::State& state) {
  HeadlessDriver driver;
  HWND form = makeForm(static_cast<int>(state.range(0)));
  driver.runUntilIdle();
  for (auto _ : state) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}
BENCHMARK(BM_RepaintFormWithChildren)->Arg(0)->Arg(60);

void BM_ComposeScreen(benchmark::State& state) {
  HeadlessDriver driver;
  makeForm(20);
  driver.runUntilIdle();
  for (auto _ : state) benchmark::DoNotOptimize(driver.screenshot());
}
BENCHMARK(BM_ComposeScreen);

}  // namespace
