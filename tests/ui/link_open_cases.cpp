// The "link" group: 超级链接框1 as a person meets it. A press of the left button on it opens
// the author's address once, through the shell or, when the shell cannot, through the command
// that the ".htm" file type opens with; nothing else done to it opens anything; a press that
// finds nothing to open with leaves the program running and the link working. How the link
// looks meanwhile is in link_look_cases.cpp.
#include <windows.h>

#include <shellapi.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/groups.h"
#include "tests/ui/input.h"
#include "tests/ui/link_associations.h"
#include "tests/ui/link_support.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

// ShellExecute results above this mean success.
constexpr INT_PTR kLastShellError = 32;
// Longer than the 260 bytes the program reads of a registry value.
constexpr std::size_t kOverlong = 300;

struct Setup {
  const Recorder& recorder;
  ClassesRoot& classes;
};

// Asks the shell itself, so that a fallback case knows that the shell really fails here and
// that the press has to take the fallback.
void RequireShellFails() {
  const std::string target(kLinkTarget);
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW));
  if (result > kLastShellError) {
    throw CaseAborted("the shell still opens the address without the protocol keys (result " +
                      std::to_string(result) + ")");
  }
}

void PressOpensBeforeRelease(Suite& suite, const Setup& setup) {
  suite.Run("link: a press opens the address through the shell, before the release", [&](Case& c) {
    setup.classes.Set(ShellWorks(setup.recorder));
    setup.recorder.ClearLog();
    WithProgram(c, suite, [&](const Program& app, HWND, const LinkPlaces& places) {
      SendPointer({{Pointer::kMove, places.centre}, {Pointer::kLeftDown, places.centre}});
      WaitFor(
          c, "the press alone to start the stand-in browser",
          [&] { return !setup.recorder.Lines().empty(); },
          [&] { return Listed(setup.recorder.Lines(), setup.recorder); });
      SendPointer({{Pointer::kLeftUp, places.centre}});
      if (Settle(c, app)) {
        ExpectLines(c, setup.recorder, {ShellLine(setup.recorder)}, "after press and release");
      }
      ExpectStillRunning(c, app, "after the press");
    });
  });
}

enum class Gesture {
  kDoubleClick,
  kTwoClicksApart,
  kReleaseAfterPressBeside,
  kRightClick,
  kKeysTypedInWindow,
  kKeysPostedToLink,
};

struct GestureCase {
  std::string_view name;
  Gesture gesture;
  std::size_t opens;
};

constexpr std::array kGestures{
    // The second press of a double click comes as WM_LBUTTONDBLCLK, which does not open.
    GestureCase{"link: a double click opens the address once", Gesture::kDoubleClick, 1},
    // Too far apart for a double click: two presses, two openings.
    GestureCase{"link: two clicks at places apart open the address twice", Gesture::kTwoClicksApart,
                2},
    GestureCase{"link: a release on it after a press beside it opens nothing",
                Gesture::kReleaseAfterPressBeside, 0},
    GestureCase{"link: a right click opens nothing", Gesture::kRightClick, 0},
    // The link takes no focus, so a person's keys reach the focused edit box.
    GestureCase{"link: Enter and space typed in the window open nothing",
                Gesture::kKeysTypedInWindow, 0},
    GestureCase{"link: Enter and space sent to the link itself open nothing",
                Gesture::kKeysPostedToLink, 0},
};

// A key as the focused window would get it, posted straight to the link instead: down,
// character, up.
void PostKeyTo(HWND hwnd, WORD virtual_key, char character) {
  constexpr LPARAM kRepeatOnce = 1;
  constexpr int kScanShift = 16;
  constexpr LPARAM kReleasedFlags = (LPARAM{1} << 30) | (LPARAM{1} << 31);
  const LPARAM down =
      kRepeatOnce |
      (static_cast<LPARAM>(::MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC)) << kScanShift);
  ::PostMessageA(hwnd, WM_KEYDOWN, virtual_key, down);
  ::PostMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(character), down);
  ::PostMessageA(hwnd, WM_KEYUP, virtual_key, down | kReleasedFlags);
}

void Perform(Gesture gesture, HWND link, const LinkPlaces& p) {
  switch (gesture) {
    case Gesture::kDoubleClick:
      SendPointer({{Pointer::kMove, p.centre},
                   {Pointer::kLeftDown, p.centre},
                   {Pointer::kLeftUp, p.centre},
                   {Pointer::kLeftDown, p.centre},
                   {Pointer::kLeftUp, p.centre}});
      return;
    case Gesture::kTwoClicksApart: {
      std::vector<PointerStep> steps = ClickSteps(p.left_part);
      const std::vector<PointerStep> second = ClickSteps(p.right_part);
      steps.insert(steps.end(), second.begin(), second.end());
      SendPointer(steps);
      return;
    }
    case Gesture::kReleaseAfterPressBeside:
      SendPointer({{Pointer::kLeftDown, p.beside},
                   {Pointer::kMove, p.centre},
                   {Pointer::kLeftUp, p.centre}});
      return;
    case Gesture::kRightClick:
      SendPointer({{Pointer::kMove, p.centre},
                   {Pointer::kRightDown, p.centre},
                   {Pointer::kRightUp, p.centre}});
      return;
    case Gesture::kKeysTypedInWindow:
      PressChord({VK_RETURN});
      PressChord({VK_SPACE});
      return;
    case Gesture::kKeysPostedToLink:
      PostKeyTo(link, VK_RETURN, '\r');
      PostKeyTo(link, VK_SPACE, ' ');
      return;
  }
}

void GestureCases(Suite& suite, const Setup& setup) {
  for (const GestureCase& row : kGestures) {
    suite.Run(row.name, [&](Case& c) {
      setup.classes.Set(ShellWorks(setup.recorder));
      setup.recorder.ClearLog();
      WithProgram(c, suite, [&](const Program& app, HWND link, const LinkPlaces& places) {
        Perform(row.gesture, link, places);
        if (Settle(c, app)) {
          ExpectLines(c, setup.recorder,
                      std::vector<std::string>(row.opens, ShellLine(setup.recorder)),
                      "after the input");
        }
        ExpectStillRunning(c, app, "after the input");
      });
    });
  }
}

struct FallbackCase {
  // The ".htm" type's open command and the command line a press must run, as patterns for
  // Expand.
  std::string_view open_command;
  std::string_view runs;
};

constexpr std::array kFallbacks{
    // The usual form: cut at the quoted placeholder, then one space and the bare address,
    // which leaves two spaces after the program.
    FallbackCase{"{R} \"%1\"", "{R}  {T}"},
    FallbackCase{"{R} %1", "{R}  {T}"},
    // The quoted placeholder is looked for first, even when a bare one comes before it.
    FallbackCase{"{R} -a %1 -b \"%1\" -c", "{R} -a %1 -b  {T}"},
    // Everything from the placeholder on is dropped.
    FallbackCase{"{R} -a %1 -b", "{R} -a  {T}"},
    // Without a placeholder the address goes after the whole line.
    FallbackCase{"{R}", "{R} {T}"},
    FallbackCase{"{R} -new", "{R} -new {T}"},
};

void FallbackCases(Suite& suite, const Setup& setup) {
  for (const FallbackCase& row : kFallbacks) {
    const std::string command = Expand(row.open_command, setup.recorder);
    const std::string runs = Expand(row.runs, setup.recorder);
    // Named by the patterns: {R} is the quoted stand-in path, {T} the link's address.
    suite.Run("link: without the shell, the .htm command " + Quoted(row.open_command) + " runs " +
                  Quoted(row.runs),
              [&](Case& c) {
                setup.classes.Set({std::nullopt, {true, std::string(kTestPageType), command}});
                RequireShellFails();
                setup.recorder.ClearLog();
                WithProgram(c, suite, [&](const Program& app, HWND, const LinkPlaces& places) {
                  SendPointer(ClickSteps(places.centre));
                  if (Settle(c, app)) {
                    ExpectLines(c, setup.recorder, {runs}, "after a click");
                  }
                  ExpectStillRunning(c, app, "after a click");
                });
              });
  }
}

struct NothingToOpenCase {
  std::string_view name;
  HtmlAssociation html;
  // False where the program may run something made of what it could read of an overlong
  // value; only its staying alive counts then.
  bool runs_nothing;
};

std::vector<NothingToOpenCase> NothingToOpenCases(const Recorder& recorder) {
  const std::string type(kTestPageType);
  return {
      {"no .htm key", {false, std::nullopt, std::nullopt}, true},
      {".htm without a default value", {true, std::nullopt, std::nullopt}, true},
      {".htm naming a type without an open command", {true, type, std::nullopt}, true},
      {"an open command naming a missing program",
       {true, type, "\"C:\\orvenal-absent\\browser.exe\" \"%1\""},
       true},
      {".htm naming a type longer than the program reads",
       {true, std::string(kOverlong, 'x'), std::nullopt},
       true},
      {"an open command longer than the program reads",
       {true, type, Expand("{R} \"%1\" ", recorder) + std::string(kOverlong, 'x')},
       false},
  };
}

void NothingToOpenRows(Suite& suite, const Setup& setup) {
  for (const NothingToOpenCase& row : NothingToOpenCases(setup.recorder)) {
    suite.Run("link: without the shell and with " + std::string(row.name) +
                  ", a press fails quietly and the link still works",
              [&](Case& c) {
                setup.classes.Set({std::nullopt, row.html});
                RequireShellFails();
                setup.recorder.ClearLog();
                WithProgram(c, suite, [&](const Program& app, HWND, const LinkPlaces& places) {
                  SendPointer(ClickSteps(places.centre));
                  if (Settle(c, app) && row.runs_nothing) {
                    ExpectLines(c, setup.recorder, {}, "after the failed press");
                  }
                  if (!ExpectStillRunning(c, app, "after the failed press")) {
                    return;
                  }
                  setup.classes.Set(ShellWorks(setup.recorder));
                  setup.recorder.ClearLog();
                  // Away from the first press, so that the two do not make a double click.
                  SendPointer(ClickSteps(places.right_part));
                  if (Settle(c, app)) {
                    ExpectLines(c, setup.recorder, {ShellLine(setup.recorder)},
                                "after a press with the shell working again");
                  }
                });
              });
  }
}

}  // namespace

void RunLinkGroup(Suite& suite) {
  const Recorder recorder;
  std::optional<ClassesRoot> classes;
  try {
    classes.emplace();
  } catch (const CaseAborted& e) {
    suite.Run("link: the test associations can be set up", [&](Case& c) { c.Fail(e.what()); });
    return;
  }
  const Setup setup{recorder, *classes};
  PressOpensBeforeRelease(suite, setup);
  GestureCases(suite, setup);
  FallbackCases(suite, setup);
  NothingToOpenRows(suite, setup);
  RunLinkLookCases(suite, recorder, *classes);
}

}  // namespace orvenal::ui_test
