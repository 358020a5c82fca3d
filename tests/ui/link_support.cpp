// The stand-in browser's log, pointer input, settling and starting the program for the link
// cases.
#include "tests/ui/link_support.h"

#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "app/control_ids.h"
#include "tests/ui/input.h"
#include "tests/ui/link_recorder.h"

namespace orvenal::ui_test {
namespace {

// Typed into the focused edit box as the sign that all input before it has been handled.
constexpr char kCheckKey = '7';
constexpr DWORD kReadChunkSize = 4096;
// SendInput takes absolute pointer positions on a 0..65535 scale across the screen.
constexpr LONG kAbsoluteScale = 65535;
constexpr LONG kApart = 20;
constexpr LONG kBesideBelow = 20;

LinkPlaces PlacesOf(HWND link) {
  RECT r{};
  ::GetWindowRect(link, &r);
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return {centre,
          {centre.x - kApart, centre.y},
          {centre.x + kApart, centre.y},
          {centre.x, r.bottom + kBesideBelow}};
}

DWORD ButtonFlags(Pointer what) {
  switch (what) {
    case Pointer::kMove:
      return 0;
    case Pointer::kLeftDown:
      return MOUSEEVENTF_LEFTDOWN;
    case Pointer::kLeftUp:
      return MOUSEEVENTF_LEFTUP;
    case Pointer::kRightDown:
      return MOUSEEVENTF_RIGHTDOWN;
    case Pointer::kRightUp:
      return MOUSEEVENTF_RIGHTUP;
  }
  return 0;
}

// Visible top-level windows of the program other than its main window.
std::vector<HWND> OtherWindows(const Program& app) {
  struct Search {
    DWORD process_id;
    HWND main;
    std::vector<HWND> found;
  } search{0, app.window(), {}};
  ::GetWindowThreadProcessId(app.window(), &search.process_id);
  ::EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner == s->process_id && hwnd != s->main && ::IsWindowVisible(hwnd)) {
          s->found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Recorder::Recorder() {
  std::string path(MAX_PATH, '\0');
  const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
  exe_ = folder + std::string(kRecorderFileName);
  log_ = folder + std::string(kRecorderLogFileName);
}

void Recorder::ClearLog() const {
  if (!::DeleteFileA(log_.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
    throw CaseAborted("cannot delete " + log_ + ", error " + std::to_string(::GetLastError()));
  }
}

std::vector<std::string> Recorder::Lines() const {
  std::vector<std::string> lines = Entries();
  for (std::string& line : lines) {
    line.erase(0, line.find(' ') + 1);
  }
  return lines;
}

std::vector<std::string> Recorder::ShowCommands() const {
  std::vector<std::string> shows = Entries();
  for (std::string& show : shows) {
    show = show.substr(0, show.find(' '));
  }
  return shows;
}

std::vector<std::string> Recorder::Entries() const {
  std::vector<std::string> lines;
  const HANDLE file = ::CreateFileA(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return lines;
  }
  std::string text;
  std::array<char, kReadChunkSize> chunk{};
  DWORD got = 0;
  while (::ReadFile(file, chunk.data(), kReadChunkSize, &got, nullptr) && got > 0) {
    text.append(chunk.data(), got);
  }
  ::CloseHandle(file);
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

int Recorder::Running() {
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    return 0;
  }
  const std::string name(kRecorderFileName);
  int running = 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more;
       more = ::Process32Next(snapshot, &entry)) {
    running += ::lstrcmpiA(entry.szExeFile, name.c_str()) == 0 ? 1 : 0;
  }
  ::CloseHandle(snapshot);
  return running;
}

std::string Listed(const std::vector<std::string>& lines, const Recorder& recorder) {
  if (lines.empty()) {
    return "no line";
  }
  const std::string path = recorder.Quoted();
  std::string text;
  for (std::string line : lines) {
    for (std::size_t at = line.find(path); at != std::string::npos; at = line.find(path, at)) {
      line.replace(at, path.size(), "{R}");
    }
    text += (text.empty() ? "" : ", ") + Quoted(line);
  }
  return text;
}

std::string Expand(std::string_view pattern, const Recorder& recorder) {
  constexpr std::string_view kRecorderMark = "{R}";
  constexpr std::string_view kTargetMark = "{T}";
  std::string text;
  while (!pattern.empty()) {
    if (pattern.starts_with(kRecorderMark)) {
      text += recorder.Quoted();
      pattern.remove_prefix(kRecorderMark.size());
    } else if (pattern.starts_with(kTargetMark)) {
      text += kLinkTarget;
      pattern.remove_prefix(kTargetMark.size());
    } else {
      text += pattern.front();
      pattern.remove_prefix(1);
    }
  }
  return text;
}

Associations ShellWorks(const Recorder& recorder) {
  return {Expand("{R} \"%1\"", recorder),
          {true, std::string(kTestPageType), Expand("{R} --htm \"%1\"", recorder)}};
}

std::string ShellLine(const Recorder& recorder) {
  return Expand("{R} \"{T}\"", recorder);
}

void SendPointer(const std::vector<PointerStep>& steps) {
  const LONG width = ::GetSystemMetrics(SM_CXSCREEN) - 1;
  const LONG height = ::GetSystemMetrics(SM_CYSCREEN) - 1;
  std::vector<INPUT> inputs;
  for (const PointerStep& step : steps) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = step.where.x * kAbsoluteScale / width;
    input.mi.dy = step.where.y * kAbsoluteScale / height;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | ButtonFlags(step.what);
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<PointerStep> ClickSteps(POINT where) {
  return {{Pointer::kMove, where}, {Pointer::kLeftDown, where}, {Pointer::kLeftUp, where}};
}

HWND CaptureOf(const Program& app) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(app.ui_thread(), &info) ? info.hwndCapture : nullptr;
}

// Input reaches the program in order, and posted messages are handled before input, so once
// the check key shows in the focused edit box, everything sent earlier has been handled.
bool Settle(Case& c, const Program& app) {
  // A program that has ended answers nothing; say so at once instead of at the deadline.
  const auto wait_on_program = [&](std::string_view expectation,
                                   const std::function<bool()>& condition,
                                   const std::function<std::string()>& seen) {
    if (!WaitFor(
            c, expectation, [&] { return app.ExitCode().has_value() || condition(); }, seen)) {
      return false;
    }
    if (const std::optional<std::int32_t> code = app.ExitCode()) {
      c.Fail("the program ended with code " + std::to_string(*code) + " before " +
             std::string(expectation));
      return false;
    }
    return true;
  };
  HWND focus = nullptr;
  if (!wait_on_program(
          "a focused window in the program to type the check key into",
          [&] { return (focus = app.Focus()) != nullptr; },
          [] {
            return "the foreground window of class " + Quoted(WindowClass(::GetForegroundWindow()));
          })) {
    return false;
  }
  const auto keys_in = [&] {
    const std::string text = WindowText(focus);
    return std::count(text.begin(), text.end(), kCheckKey);
  };
  const auto before = keys_in();
  TypeText(std::string(1, kCheckKey));
  if (!wait_on_program(
          "the check key typed after the input to show in " + app.Describe(focus),
          [&] { return keys_in() > before; }, [&] { return Quoted(WindowText(focus)); })) {
    return false;
  }
  return WaitFor(
      c, "every stand-in browser to finish", [] { return Recorder::Running() == 0; },
      [] { return std::to_string(Recorder::Running()) + " still running"; });
}

void ExpectLines(Case& c, const Recorder& recorder, const std::vector<std::string>& expected,
                 std::string_view after) {
  const std::vector<std::string> lines = recorder.Lines();
  c.Expect(lines == expected, std::string(after) + ": the stand-in browser logged " +
                                  Listed(lines, recorder) + ", expected " +
                                  Listed(expected, recorder));
  const std::string shown = std::to_string(SW_SHOW);
  for (const std::string& show : recorder.ShowCommands()) {
    c.Expect(show == shown, std::string(after) + ": a stand-in browser started with show command " +
                                show + ", expected SW_SHOW (" + shown + ")");
  }
}

bool ExpectStillRunning(Case& c, const Program& app, std::string_view after) {
  if (const std::optional<std::int32_t> code = app.ExitCode()) {
    c.Fail(std::string(after) + ": the program ended with code " + std::to_string(*code));
    return false;
  }
  bool ok = c.Expect(::IsWindow(app.window()) && ::IsWindowVisible(app.window()),
                     std::string(after) + ": the main window is gone");
  for (HWND other : OtherWindows(app)) {
    c.Fail(std::string(after) + ": the program shows " + app.Describe(other) + " " +
           Quoted(WindowText(other)));
    ok = false;
  }
  return ok;
}

void WithProgram(Case& c, const Suite& suite,
                 const std::function<void(const Program&, HWND, const LinkPlaces&)>& body) {
  const Program app(suite.program_path());
  const HWND link = app.Control(ids::kHyperLinker1);
  if (link == nullptr) {
    throw CaseAborted("the program has no control 超级链接框1");
  }
  const LinkPlaces places = PlacesOf(link);
  MovePointerTo(places.beside, app.window());
  // The check keys of Settle go to the focused edit box, which gets the focus only once the
  // window has been activated.
  const HWND first_box = app.Control(ids::kEditBox1);
  if (BringToFront(c, app.window()) &&
      WaitFor(
          c, "the focus in 编辑框1", [&] { return app.Focus() == first_box; },
          [&] { return app.Describe(app.Focus()); })) {
    body(app, link, places);
  }
}

}  // namespace orvenal::ui_test
