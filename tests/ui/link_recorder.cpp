// A stand-in web browser for the link cases. The cases register it in the test prefix as the
// program that opens web addresses and HTML files; when started with arguments it appends the
// show command it was started with and its whole command line, exactly as Windows hands it
// over, as one line to link_recorder.log beside itself and exits. The cases read that log to
// see what the program under test asked the system to run, how and how often.
//
// It is a GUI-subsystem program on purpose: a console program started from a window program
// would bring up a console window under Wine and could take the foreground from the window
// under test.
#include <windows.h>

#include <string>
#include <string_view>

#include "tests/ui/link_recorder.h"

namespace orvenal::ui_test {
namespace {

constexpr int kRecorded = 0;
constexpr int kNoArguments = 1;
constexpr int kCannotWrite = 2;

// What follows the program's own name on a command line, after the separating blanks; the
// name is quoted or ends at the first blank, as Windows itself parses it.
std::string_view Arguments(std::string_view command_line) {
  std::size_t end = 0;
  if (!command_line.empty() && command_line.front() == '"') {
    end = command_line.find('"', 1);
    end = end == std::string_view::npos ? command_line.size() : end + 1;
  } else {
    end = command_line.find_first_of(" \t");
    end = end == std::string_view::npos ? command_line.size() : end;
  }
  const std::size_t start = command_line.find_first_not_of(" \t", end);
  return start == std::string_view::npos ? std::string_view() : command_line.substr(start);
}

std::string LogPath() {
  std::string path(MAX_PATH, '\0');
  const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of('\\') + 1) + std::string(kRecorderLogFileName);
}

std::string ShowCommand() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? std::to_string(startup.wShowWindow)
                                                       : std::string(kNoShowCommand);
}

// One WriteFile with FILE_APPEND_DATA per line: recorders started close together append
// whole lines and never interleave.
int Record(std::string_view command_line) {
  const HANDLE log = ::CreateFileA(LogPath().c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) {
    return kCannotWrite;
  }
  const std::string line = ShowCommand() + " " + std::string(command_line) + "\n";
  DWORD written = 0;
  const BOOL ok = ::WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ::CloseHandle(log);
  return ok && written == line.size() ? kRecorded : kCannotWrite;
}

}  // namespace
}  // namespace orvenal::ui_test

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace orvenal::ui_test;
  const std::string_view command_line = ::GetCommandLineA();
  if (Arguments(command_line).empty()) {
    return kNoArguments;
  }
  return Record(command_line);
}
