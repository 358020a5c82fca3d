// The program under test, seen from outside: started with CreateProcess, found by its main
// window, inspected through the Win32 calls that work across processes, and ended.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/control_ids.h"
#include "tests/ui/check.h"

namespace orvenal::ui_test {

class Program {
 public:
  // Starts the program and waits until its main window is visible; throws CaseAborted when
  // the process cannot be started, ends early or shows no window in time.
  explicit Program(const std::string& path);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // Ends a program that is still running, so that no window of it is left for later cases.
  ~Program();

  HWND window() const { return window_; }
  // The thread that owns the window, whose focus GetGUIThreadInfo reports.
  DWORD ui_thread() const { return ui_thread_; }
  HWND Control(ControlId id) const { return ::GetDlgItem(window_, static_cast<int>(id)); }
  // The window that has the keyboard focus in the program's thread, or none.
  HWND Focus() const;
  // A name for a window in failure messages: the control's name, "the main window", ...
  std::string Describe(HWND hwnd) const;

  // The exit code once the process has ended; none while it runs.
  std::optional<std::int32_t> ExitCode() const;
  // Waits until the process ends with the expected code; fails the case otherwise.
  bool ExpectExit(Case& c, std::int32_t expected_code) const;

 private:
  void End();

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  DWORD ui_thread_ = 0;
};

std::string WindowClass(HWND hwnd);

// What the window answers WM_NCHITTEST for a point in screen coordinates (HTCAPTION,
// HTCLOSE, ...); HTNOWHERE when it does not answer.
LRESULT HitTest(HWND window, POINT screen_point);

// The row of screen pixels through the middle of the window's title bar.
LONG TitleBarRow(HWND window);

// Waits until the control has the focus; fails the case, naming where the focus is, when
// it does not. `when` says at which step, for the message.
bool ExpectFocus(Case& c, const Program& app, ControlId id, std::string_view when);

// Waits until the control's text is the given one; fails the case with the text seen.
bool ExpectText(Case& c, const Program& app, ControlId id, std::string_view text);

// The window's text as the window itself answers WM_GETTEXT, in the ANSI code page.
std::string WindowText(HWND hwnd);

}  // namespace orvenal::ui_test
