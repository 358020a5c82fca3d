// The UI driver: a Windows console program that runs the window program under test and
// checks it from outside, as a person would see and operate it.
//
//   ui_driver PROGRAM.exe [GROUP]   runs one group of cases (all groups without GROUP),
//                                   prints a line per case and closes with "N passed, M failed";
//                                   the exit code is 0 only when every case passed
//   ui_driver PROGRAM.exe --show    starts the program, prints "window LEFT TOP WIDTH HEIGHT"
//                                   once it is drawn, and closes it when a line (or the end)
//                                   arrives on standard input; for screenshots
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "tests/ui/check.h"
#include "tests/ui/controls.h"
#include "tests/ui/groups.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

constexpr int kUsageExitCode = 2;
constexpr std::string_view kShowOption = "--show";
constexpr int kLineBufferSize = 256;

int Usage() {
  std::fprintf(stderr, "usage: ui_driver PROGRAM.exe [GROUP | %s]\ngroups:",
               std::string(kShowOption).c_str());
  for (const Group& group : kGroups) {
    std::fprintf(stderr, " %.*s", static_cast<int>(group.name.size()), group.name.data());
  }
  std::fprintf(stderr, "\n");
  return kUsageExitCode;
}

int RunGroups(const std::string& program, std::string_view wanted) {
  Suite suite(program);
  bool found = false;
  for (const Group& group : kGroups) {
    if (wanted.empty() || wanted == group.name) {
      found = true;
      group.run(suite);
    }
  }
  if (!found) {
    return Usage();
  }
  std::printf("%d passed, %d failed\n", suite.passed(), suite.failed());
  return suite.failed() == 0 ? 0 : 1;
}

// The window counts as drawn once the clock has shown its first time: by then every control
// has painted at least once.
int Show(const std::string& program) {
  try {
    const Program app(program);
    const HWND clock = app.Control(ids::kLabel1);
    if (!PollUntil([&] { return !WindowText(clock).empty(); }, kReactionDeadline)) {
      std::fprintf(stderr, "ui_driver: the clock shows no time; going on\n");
    }
    RECT r{};
    ::GetWindowRect(app.window(), &r);
    std::printf("window %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
    char line[kLineBufferSize];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
      std::clearerr(stdin);
    }
    ::PostMessageA(app.window(), WM_CLOSE, 0, 0);
    Case c;
    return app.ExpectExit(c, 0) ? 0 : 1;
  } catch (const CaseAborted& e) {
    std::fprintf(stderr, "ui_driver: %s\n", e.what());
    return 1;
  }
}

}  // namespace
}  // namespace orvenal::ui_test

int main(int argc, char** argv) {
  using namespace orvenal::ui_test;
  constexpr int kMaxArgs = 3;
  if (argc < 2 || argc > kMaxArgs) {
    return Usage();
  }
  const std::string program = argv[1];
  const std::string_view mode = argc == kMaxArgs ? argv[2] : "";
  return mode == kShowOption ? Show(program) : RunGroups(program, mode);
}
