// SendInput wrappers of the UI driver.
#include "tests/ui/input.h"

#include <string>
#include <vector>

#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

// SendInput takes absolute pointer positions on a 0..65535 scale across the screen.
constexpr LONG kAbsoluteScale = 65535;
constexpr UINT kFlushTimeoutMs = 2000;

INPUT Key(WORD virtual_key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

INPUT UnicodeKey(wchar_t unit, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = static_cast<WORD>(unit);
  input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
  return input;
}

INPUT Mouse(DWORD flags, LONG x, LONG y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool BringToFront(Case& c, HWND window) {
  return WaitFor(
      c, "the program's window in the foreground",
      [&] {
        if (::GetForegroundWindow() == window) {
          return true;
        }
        ::SetForegroundWindow(window);
        return false;
      },
      [] {
        return "the foreground window of class " + Quoted(WindowClass(::GetForegroundWindow()));
      });
}

void PressChord(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    inputs.push_back(Key(key, 0));
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    inputs.push_back(Key(*key, KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

void TypeText(std::string_view ascii) {
  std::vector<INPUT> inputs;
  for (char character : ascii) {
    inputs.push_back(UnicodeKey(static_cast<unsigned char>(character), 0));
    inputs.push_back(UnicodeKey(static_cast<unsigned char>(character), KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

void MovePointerTo(POINT screen_point, HWND window) {
  const LONG x = screen_point.x * kAbsoluteScale / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = screen_point.y * kAbsoluteScale / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  std::vector<INPUT> move{Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)};
  Send(move);
  PollUntil(
      [&] {
        // The reply comes once the thread has looked at its queue, X events included.
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kFlushTimeoutMs, nullptr);
        POINT at{};
        if (::GetCursorPos(&at) && at.x == screen_point.x && at.y == screen_point.y) {
          return true;
        }
        Send(move);
        return false;
      },
      kReactionDeadline);
}

void ClickAt(POINT screen_point, HWND window, DWORD ui_thread) {
  MovePointerTo(screen_point, window);
  std::vector<INPUT> press{Mouse(MOUSEEVENTF_LEFTDOWN, 0, 0)};
  Send(press);
  // Not every window captures the mouse on a press; a click on one that does not just goes
  // on after the deadline.
  PollUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return ::GetGUIThreadInfo(ui_thread, &info) && info.hwndCapture != nullptr;
      },
      kReactionDeadline);
  std::vector<INPUT> release{Mouse(MOUSEEVENTF_LEFTUP, 0, 0)};
  Send(release);
}

}  // namespace orvenal::ui_test
