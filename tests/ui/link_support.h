// What the link cases share: the stand-in browser and its log, pointer input in steps, the
// wait until the program has dealt with all input sent, and the start of the program with
// the pointer away from the link.
//
// The stand-in browser, link_recorder.exe, is registered by the cases in HKEY_CLASSES_ROOT and
// logs the command line of every start. A case never waits a fixed time for something not to
// happen: after its input it types a check key into the focused edit box and waits until the
// box shows it, so the program has dealt with every earlier input, and then waits until no
// stand-in browser is still running, so the log is complete.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/link_associations.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {

// The address stored for 超级链接框1.
inline constexpr std::string_view kLinkTarget = "https://orvenal.example.com/";

class Recorder {
 public:
  // Finds the stand-in next to the running driver.
  Recorder();
  // The program path as a command line starts it: in double quotes.
  std::string Quoted() const { return "\"" + exe_ + "\""; }
  // Throws CaseAborted when the old log cannot be removed.
  void ClearLog() const;
  // The command lines of the starts logged so far; a line still being written is left out.
  std::vector<std::string> Lines() const;
  // The show commands of the same starts, as the log writes them.
  std::vector<std::string> ShowCommands() const;
  // How many stand-in browsers run at this moment.
  static int Running();

 private:
  // The complete lines of the log, show command and command line.
  std::vector<std::string> Entries() const;

  std::string exe_;
  std::string log_;
};

// The lines as a failure message lists them, each quoted, with the quoted stand-in path
// written as {R}.
std::string Listed(const std::vector<std::string>& lines, const Recorder& recorder);

// Fills "{R}" with the quoted stand-in path and "{T}" with the link's address, so that the
// case tables read like the command lines they stand for.
std::string Expand(std::string_view pattern, const Recorder& recorder);

// The shell opens web addresses with the stand-in, and ".htm" would run it with a command line
// of its own, so that a fallback taken needlessly shows in the log.
Associations ShellWorks(const Recorder& recorder);
// What the stand-in logs when the shell starts it for the link's address.
std::string ShellLine(const Recorder& recorder);

// Places on and beside the link, in screen coordinates.
struct LinkPlaces {
  POINT centre;
  // Apart by far more than the system's double-click distance, both well inside the link.
  POINT left_part;
  POINT right_part;
  // On the bare main window below the link, where no control takes a press.
  POINT beside;
};

enum class Pointer { kMove, kLeftDown, kLeftUp, kRightDown, kRightUp };

struct PointerStep {
  Pointer what;
  POINT where;
};

// Sends the steps as one batch of input, each at its own place.
void SendPointer(const std::vector<PointerStep>& steps);
std::vector<PointerStep> ClickSteps(POINT where);

// The window that holds the mouse capture in the program's thread, or none.
HWND CaptureOf(const Program& app);

// Waits until the program has dealt with every input sent before and no stand-in browser
// runs any more; fails the case and returns false when that does not happen in time.
bool Settle(Case& c, const Program& app);

// Fails the case unless the log holds exactly the expected command lines, each started with
// SW_SHOW.
void ExpectLines(Case& c, const Recorder& recorder, const std::vector<std::string>& expected,
                 std::string_view after);

// Fails the case and returns false when the program has ended, lost its window or shows
// another one, such as a message box.
bool ExpectStillRunning(Case& c, const Program& app, std::string_view after);

// Starts the program, puts the pointer beside the link and the window in front, and runs the
// body with the program, its link and the places on it.
void WithProgram(Case& c, const Suite& suite,
                 const std::function<void(const Program&, HWND, const LinkPlaces&)>& body);

// The cases of how the link looks, run by the link group.
void RunLinkLookCases(Suite& suite, const Recorder& recorder, ClassesRoot& classes);

}  // namespace orvenal::ui_test
