// The program's entry: start-up, the event loop and the end sequence, in that order.
//
// The program takes nothing from its command line and reads no configuration: everything it
// does is fixed by the window description and the handlers bound here.
#include <ole2.h>
#include <windows.h>

#include <cfenv>
#include <string>

#include "app/control_ids.h"
#include "app/fatal_win32.h"
#include "app/frame_win32.h"
#include "app/hyperlink_open_win32.h"
#include "power/power_api_win32.h"
#include "schedule/schedule.h"
#include "values/local_clock_win32.h"

namespace orvenal {
namespace {

// Relative paths the program might meet resolve against its own folder.
void EnterProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return;
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string::npos) {
    SetCurrentDirectoryA(path.substr(0, slash + 1).c_str());
  }
}

// Round to nearest with every floating-point exception masked, so that no arithmetic traps.
void ResetFloatingPoint() {
  std::fesetenv(FE_DFL_ENV);
  std::fesetround(FE_TONEAREST);
}

// Ties each handler the window description can name to the schedule's routine.
HandlerTable BindSchedule(Schedule& schedule) {
  HandlerTable handlers;
  handlers[static_cast<std::size_t>(HandlerId::ClockTick)] = [&schedule] { schedule.ClockTick(); };
  handlers[static_cast<std::size_t>(HandlerId::ArmClick)] = [&schedule] { schedule.ArmClick(); };
  handlers[static_cast<std::size_t>(HandlerId::ScheduleTick)] = [&schedule] {
    schedule.ScheduleTick();
  };
  return handlers;
}

void StartHook() {}
void ExitHook() {}

}  // namespace

// Start-up, the event loop and the end sequence. The frame is built and its handlers bound
// before anything is shown; the process's exit code is the quit request's.
int StartUp(HINSTANCE instance) {
  InstallOutOfMemoryHandler();
  OleInitialize(nullptr);
  EnterProgramFolder();
  int exit_code = 0;
  {
    Win32LinkOpenApi link_open;
    SystemLocalClock clock;
    Win32PowerApi power;
    Frame frame(instance, link_open);
    Schedule schedule(frame, clock, power);
    frame.BindHandlers(BindSchedule(schedule));
    ResetFloatingPoint();
    StartHook();
    frame.RegisterExitHook(ExitHook);
    frame.LoadWindow(ids::kMainWindow);
    exit_code = frame.RunEventLoop();
    frame.EndProgram();
  }
  OleUninitialize();
  return exit_code;
}

}  // namespace orvenal

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return orvenal::StartUp(instance);
}
