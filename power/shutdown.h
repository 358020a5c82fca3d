// ShutDownSystem: asks Windows to power off, restart, log off, suspend or hibernate.
//
// The Windows functions it needs come through PowerApi, so the whole algorithm is portable
// and is exercised on the host against a recording fake; the program binds the real
// functions (power/power_api_win32.h).
#pragma once

#include <cstdint>
#include <optional>

namespace orvenal {

enum class ShutdownMethod : std::int32_t {
  PowerOff = 1,
  Restart = 2,
  LogOff = 3,
  Suspend = 4,
  Hibernate = 5,
};

// Mirrors of the Win32 structures the request passes, laid out as Windows lays them out.
struct OsVersionInfo {
  std::uint32_t size;
  std::uint32_t major_version;
  std::uint32_t minor_version;
  std::uint32_t build_number;
  std::uint32_t platform_id;
  char csd_version[128];
};
static_assert(sizeof(OsVersionInfo) == 148);

struct Luid {
  std::uint32_t low_part;
  std::int32_t high_part;
};

struct LuidAndAttributes {
  Luid luid;
  std::uint32_t attributes;
};

struct TokenPrivileges {
  std::uint32_t privilege_count;
  LuidAndAttributes privileges[1];
};

using OsHandle = void*;

// The Windows functions ShutDownSystem calls, one method each, with the Win32 arguments.
class PowerApi {
 public:
  virtual int GetVersionExA(OsVersionInfo* info) = 0;
  virtual OsHandle GetCurrentProcess() = 0;
  virtual int OpenProcessToken(OsHandle process, std::uint32_t desired_access, OsHandle* token) = 0;
  virtual int LookupPrivilegeValueA(const char* system_name, const char* name, Luid* luid) = 0;
  virtual int AdjustTokenPrivileges(OsHandle token, int disable_all, TokenPrivileges* new_state,
                                    std::uint32_t buffer_length, TokenPrivileges* previous_state,
                                    std::uint32_t* return_length) = 0;
  virtual std::uint32_t GetLastError() = 0;
  virtual int CloseHandle(OsHandle handle) = 0;
  virtual int ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  virtual int SetSystemPowerState(int suspend, int force) = 0;

 protected:
  ~PowerApi() = default;
};

// True when the operating system accepted the request. An omitted force counts as false.
bool ShutDownSystem(PowerApi& api, ShutdownMethod method, std::optional<bool> force = {});

}  // namespace orvenal
