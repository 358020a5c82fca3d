// The yardstick for the cost of idling: the least a window can do that shows the local time
// in a label rewritten every 50 ms. It is a stock STATIC control in a fixed window of the same
// outer size as Orvenal's, fed by one system timer; SetWindowTextA makes the control repaint
// itself. tests/perf/idle-cost.sh runs it beside the real program and compares their CPU time.
#include <windows.h>

#include <cstdio>

namespace orvenal {
namespace {

constexpr char kClassName[] = "OrvenalMinimalClock";
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 50;
constexpr int kWindowWidth = 380;
constexpr int kWindowHeight = 250;
constexpr int kLabelLeft = 42;
constexpr int kLabelTop = 42;
constexpr int kLabelWidth = 232;
constexpr int kLabelHeight = 48;
constexpr int kLabelId = 1;
constexpr DWORD kWindowStyles = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
// "2013年9月3日14时5分9秒" is 22 bytes in code page 936; room to spare.
constexpr int kClockTextBytes = 64;
constexpr int kStartFailed = 1;

void ShowTime(HWND label) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[kClockTextBytes];
  std::snprintf(text, sizeof text, "%d年%d月%d日%d时%d分%d秒", now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute, now.wSecond);
  SetWindowTextA(label, text);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, kLabelLeft, kLabelTop,
                      kLabelWidth, kLabelHeight, hwnd,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLabelId)), nullptr, nullptr);
      SetTimer(hwnd, kClockTimer, kClockPeriodMs, nullptr);
      return 0;
    case WM_TIMER:
      ShowTime(GetDlgItem(hwnd, kLabelId));
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kClockTimer);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace
}  // namespace orvenal

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = orvenal::WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = orvenal::kClassName;
  if (RegisterClassExA(&window_class) == 0) {
    return orvenal::kStartFailed;
  }
  HWND window = CreateWindowExA(0, orvenal::kClassName, "", orvenal::kWindowStyles, CW_USEDEFAULT,
                                CW_USEDEFAULT, orvenal::kWindowWidth, orvenal::kWindowHeight,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return orvenal::kStartFailed;
  }
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
