// The running Orvenal as a test sees it from another process in the same Wine session: its
// main window found by class, its controls by their ControlId, their texts, a click, closing
// the window and the exit code. The test scripts start the program themselves (so that its
// relay trace goes where they want it), and the driver attaches to it here.
//
// Every message goes out with a timeout, so a program that hangs fails the test instead of
// hanging it; every wait is for a condition, with a deadline.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/control_ids.h"

namespace orvenal::ui {

// Durations and points in time in milliseconds, on the system's tick count. (<chrono> does
// not compile with code page 936 as the execution character set.)
using Ms = std::uint64_t;
inline Ms NowMs() {
  return GetTickCount64();
}

// How long a single message to the program may take before the program counts as hung.
inline constexpr Ms kMessageTimeoutMs = 5000;
// How often a wait looks again.
inline constexpr DWORD kPollIntervalMs = 10;

// Polls condition() until it is true or the timeout has passed; one last look at the end.
template <typename Condition>
bool WaitUntil(Condition condition, Ms timeout) {
  const Ms deadline = NowMs() + timeout;
  while (NowMs() < deadline) {
    if (condition()) {
      return true;
    }
    Sleep(kPollIntervalMs);
  }
  return condition();
}

class LiveProgram {
 public:
  // Waits for the program's main window to be shown; nothing if it is not there in time.
  static std::optional<LiveProgram> Attach(Ms timeout);

  LiveProgram(LiveProgram&& other) noexcept;
  LiveProgram& operator=(LiveProgram&&) = delete;
  LiveProgram(const LiveProgram&) = delete;
  LiveProgram& operator=(const LiveProgram&) = delete;
  ~LiveProgram();

  HWND Window() const { return window_; }
  HWND Control(ControlId id) const;
  // True while the process runs and its main window exists.
  bool Running() const;

  // The control's text as WM_GETTEXT gives it; nothing if the program did not answer.
  std::optional<std::string> Text(ControlId id) const;
  bool SetText(ControlId id, std::string_view text) const;
  // A click through the button itself (BM_CLICK), as the mouse would give it.
  bool Click(ControlId id) const;
  // Puts text on the clipboard as CF_TEXT and pastes it into the box, replacing its text.
  bool Paste(ControlId id, std::string_view text) const;

  // Closes the main window as its close box does.
  bool Close() const;
  // The process's exit code once it has ended; nothing if it still runs after the timeout.
  std::optional<DWORD> WaitForExit(Ms timeout) const;

 private:
  LiveProgram(HWND window, HANDLE process) : window_(window), process_(process) {}
  bool Send(HWND target, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR* result) const;

  HWND window_;
  HANDLE process_;
};

}  // namespace orvenal::ui
