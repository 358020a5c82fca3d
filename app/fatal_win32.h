// Failures the program cannot go on after: they are reported to the user and the process ends
// with exit code -1, without running the exit hook.
#pragma once

namespace orvenal {

[[noreturn]] void FatalFailure(const char* what);

// Makes every failed allocation fatal, so that no allocation returns without memory.
void InstallOutOfMemoryHandler();

}  // namespace orvenal
