// Starting, finding, inspecting and ending the program under test.
#include "tests/ui/program.h"

#include <array>

#include "tests/ui/controls.h"

namespace orvenal::ui_test {
namespace {

// The code a program gets when the driver has to end it; the program itself never uses it.
constexpr UINT kTerminatedExitCode = 0xDEAD;
constexpr UINT kMessageTimeoutMs = 2000;
constexpr int kClassNameSize = 256;
constexpr WPARAM kTextBufferSize = 4096;

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->process_id && ::IsWindowVisible(hwnd) &&
      WindowClass(hwnd) == kMainWindowClass) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindMainWindow(DWORD process_id) {
  WindowSearch search{process_id, nullptr};
  ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Program::Program(const std::string& path) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  // CreateProcess may write into the command line, so it gets a copy of its own.
  std::string command_line = "\"" + path + "\"";
  if (!::CreateProcessA(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
    throw CaseAborted("cannot start " + path + ", error " + std::to_string(::GetLastError()));
  }
  PollUntil(
      [&] {
        window_ = FindMainWindow(process_.dwProcessId);
        return window_ != nullptr || ExitCode().has_value();
      },
      kStartDeadline);
  if (window_ == nullptr) {
    const std::optional<std::int32_t> code = ExitCode();
    // The destructor does not run for an object whose constructor throws.
    End();
    throw CaseAborted(code ? "the program ended with code " + std::to_string(*code) +
                                 " before showing its window"
                           : "no visible " + std::string(kMainWindowClass) + " window within " +
                                 std::to_string(kStartDeadline.count()) + " ms");
  }
  ui_thread_ = ::GetWindowThreadProcessId(window_, nullptr);
}

Program::~Program() {
  End();
}

void Program::End() {
  if (!ExitCode()) {
    ::TerminateProcess(process_.hProcess, kTerminatedExitCode);
    ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(kExitDeadline.count()));
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

HWND Program::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(ui_thread_, &info) ? info.hwndFocus : nullptr;
}

std::string Program::Describe(HWND hwnd) const {
  if (hwnd == nullptr) {
    return "no window";
  }
  if (hwnd == window_) {
    return "the main window";
  }
  if (::GetParent(hwnd) == window_) {
    return ControlName(static_cast<ControlId>(::GetWindowLongPtrA(hwnd, GWLP_ID)));
  }
  return "a window of class " + Quoted(WindowClass(hwnd));
}

std::optional<std::int32_t> Program::ExitCode() const {
  DWORD code = 0;
  if (!::GetExitCodeProcess(process_.hProcess, &code) || code == STILL_ACTIVE) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(code);
}

bool Program::ExpectExit(Case& c, std::int32_t expected_code) const {
  if (!WaitFor(
          c, "the program to end", [&] { return ExitCode().has_value(); },
          [&] { return std::string(::IsWindow(window_) ? "its window still open" : "it running"); },
          kExitDeadline)) {
    return false;
  }
  return c.Expect(*ExitCode() == expected_code, "exit code " + std::to_string(*ExitCode()) +
                                                    ", expected " + std::to_string(expected_code));
}

bool ExpectFocus(Case& c, const Program& app, ControlId id, std::string_view when) {
  const HWND want = app.Control(id);
  return WaitFor(
      c, "focus in " + ControlName(id) + " " + std::string(when),
      [&] { return want != nullptr && app.Focus() == want; },
      [&] { return "the focus in " + app.Describe(app.Focus()); });
}

bool ExpectText(Case& c, const Program& app, ControlId id, std::string_view text) {
  const HWND control = app.Control(id);
  return WaitFor(
      c, ControlName(id) + " to hold " + Quoted(text), [&] { return WindowText(control) == text; },
      [&] { return Quoted(WindowText(control)); });
}

LRESULT HitTest(HWND window, POINT screen_point) {
  DWORD_PTR hit = HTNOWHERE;
  ::SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(screen_point.x, screen_point.y),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &hit);
  return static_cast<LRESULT>(hit);
}

LONG TitleBarRow(HWND window) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  POINT client_origin{0, 0};
  ::ClientToScreen(window, &client_origin);
  return (outer.top + client_origin.y) / 2;
}

std::string WindowClass(HWND hwnd) {
  std::array<char, kClassNameSize> name{};
  const int length = ::GetClassNameA(hwnd, name.data(), static_cast<int>(name.size()));
  return std::string(name.data(), length > 0 ? length : 0);
}

std::string WindowText(HWND hwnd) {
  std::array<char, kTextBufferSize> text{};
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) {
    return "(no answer to WM_GETTEXT)";
  }
  return std::string(text.data(), length < text.size() ? length : 0);
}

}  // namespace orvenal::ui_test
