// Reporting a fatal failure and ending the process.
#include "app/fatal_win32.h"

#include <windows.h>

#include <new>

namespace orvenal {
namespace {

constexpr UINT kFatalExitCode = static_cast<UINT>(-1);
constexpr char kReportTitle[] = "Orvenal";

[[noreturn]] void OutOfMemory() {
  FatalFailure("内存不足，程序无法继续运行。");
}

}  // namespace

void FatalFailure(const char* what) {
  MessageBoxA(nullptr, what, kReportTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(kFatalExitCode);
}

void InstallOutOfMemoryHandler() {
  std::set_new_handler(OutOfMemory);
}

}  // namespace orvenal
