// Attaching to the running program and working its controls from the driver's process.
//
// Wine passes the ANSI texts of cross-process WM_SETTEXT and WM_GETTEXT through Unicode and
// the ANSI code page (936 here), so what a box holds afterwards is what that round trip made
// of the bytes; the tests compare against the text read back.
#include "tests/ui/live_program.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace orvenal::ui {
namespace {

constexpr char kMainWindowClass[] = "OrvenalWindow";
constexpr DWORD kProcessRights = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION;
// WM_GETTEXTLENGTH may count Unicode characters where bytes are wanted; a double-byte
// character takes at most two bytes per character counted.
constexpr std::size_t kBytesPerCountedCharacter = 2;

HWND ShownMainWindow() {
  HWND window = FindWindowA(kMainWindowClass, nullptr);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace

std::optional<LiveProgram> LiveProgram::Attach(Ms timeout) {
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = ShownMainWindow()) != nullptr; }, timeout)) {
    return std::nullopt;
  }
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  HANDLE process = OpenProcess(kProcessRights, FALSE, process_id);
  if (process == nullptr) {
    return std::nullopt;
  }
  return LiveProgram(window, process);
}

LiveProgram::LiveProgram(LiveProgram&& other) noexcept
    : window_(other.window_), process_(std::exchange(other.process_, nullptr)) {}

LiveProgram::~LiveProgram() {
  if (process_ != nullptr) {
    CloseHandle(process_);
  }
}

HWND LiveProgram::Control(ControlId id) const {
  return GetDlgItem(window_, static_cast<int>(id));
}

bool LiveProgram::Running() const {
  return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT && IsWindow(window_);
}

bool LiveProgram::Send(HWND target, UINT message, WPARAM wparam, LPARAM lparam,
                       DWORD_PTR* result) const {
  DWORD_PTR ignored = 0;
  return target != nullptr && SendMessageTimeoutA(target, message, wparam, lparam, SMTO_ABORTIFHUNG,
                                                  static_cast<DWORD>(kMessageTimeoutMs),
                                                  result != nullptr ? result : &ignored) != 0;
}

std::optional<std::string> LiveProgram::Text(ControlId id) const {
  const HWND control = Control(id);
  DWORD_PTR length = 0;
  if (!Send(control, WM_GETTEXTLENGTH, 0, 0, &length)) {
    return std::nullopt;
  }
  std::vector<char> buffer(length * kBytesPerCountedCharacter + 1, '\0');
  DWORD_PTR copied = 0;
  if (!Send(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied)) {
    return std::nullopt;
  }
  return std::string(buffer.data(), std::min<std::size_t>(copied, std::strlen(buffer.data())));
}

bool LiveProgram::SetText(ControlId id, std::string_view text) const {
  const std::string copy(text);
  DWORD_PTR result = 0;
  return Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()), &result) &&
         result != 0;
}

bool LiveProgram::Click(ControlId id) const {
  return Send(Control(id), BM_CLICK, 0, 0, nullptr);
}

bool LiveProgram::Paste(ControlId id, std::string_view text) const {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory == nullptr) {
    return false;
  }
  auto* bytes = static_cast<char*>(GlobalLock(memory));
  std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) {
    GlobalFree(memory);
    return false;
  }
  constexpr LPARAM kWholeText = -1;
  return Send(Control(id), EM_SETSEL, 0, kWholeText, nullptr) &&
         Send(Control(id), WM_PASTE, 0, 0, nullptr);
}

bool LiveProgram::Close() const {
  return PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0) != 0;
}

std::optional<DWORD> LiveProgram::WaitForExit(Ms timeout) const {
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout)) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process_, &code)) {
    return std::nullopt;
  }
  return code;
}

}  // namespace orvenal::ui
