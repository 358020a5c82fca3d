// Win32PowerApi: the real Windows functions behind PowerApi, for the program itself.
//
// Only the Windows builds compile this; the host tests use a recording fake instead.
#pragma once

#include "power/shutdown.h"

namespace orvenal {

class Win32PowerApi final : public PowerApi {
 public:
  int GetVersionExA(OsVersionInfo* info) override;
  OsHandle GetCurrentProcess() override;
  int OpenProcessToken(OsHandle process, std::uint32_t desired_access, OsHandle* token) override;
  int LookupPrivilegeValueA(const char* system_name, const char* name, Luid* luid) override;
  int AdjustTokenPrivileges(OsHandle token, int disable_all, TokenPrivileges* new_state,
                            std::uint32_t buffer_length, TokenPrivileges* previous_state,
                            std::uint32_t* return_length) override;
  std::uint32_t GetLastError() override;
  int CloseHandle(OsHandle handle) override;
  int ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  int SetSystemPowerState(int suspend, int force) override;
};

}  // namespace orvenal
