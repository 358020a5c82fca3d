// ShutDownSystem and the privilege step that precedes it.
//
// Everything here is portable: the Windows calls go through PowerApi, whose methods take the
// Win32 arguments one to one. The constants below carry the Windows values under their
// Windows names so that the calls read as they would against the real headers.
#include "power/shutdown.h"

#include <cstdint>

namespace orvenal {
namespace {

constexpr std::uint32_t kVerPlatformWin32Nt = 2;
constexpr std::uint32_t kTokenAdjustPrivileges = 0x0020;
constexpr std::uint32_t kTokenQuery = 0x0008;
constexpr std::uint32_t kSePrivilegeEnabled = 0x00000002;
constexpr std::uint32_t kErrorSuccess = 0;
constexpr const char* kSeShutdownName = "SeShutdownPrivilege";

constexpr std::uint32_t kEwxLogOff = 0;
constexpr std::uint32_t kEwxShutdown = 1;
constexpr std::uint32_t kEwxReboot = 2;
constexpr std::uint32_t kEwxForce = 4;
constexpr std::uint32_t kEwxPowerOff = 8;
constexpr std::uint32_t kNoShutdownReason = 0;

constexpr std::uint32_t kOnePrivilege = 1;
constexpr std::uint32_t kNoPreviousStateBuffer = 0;

constexpr int kFalse = 0;
constexpr int kTrue = 1;

int Win32Bool(bool value) {
  return value ? kTrue : kFalse;
}

bool IsValidMethod(ShutdownMethod method) {
  const auto value = static_cast<std::int32_t>(method);
  return value >= static_cast<std::int32_t>(ShutdownMethod::PowerOff) &&
         value <= static_cast<std::int32_t>(ShutdownMethod::Hibernate);
}

// Only the platform id is of interest; a failed query leaves the zero-filled record, which
// reads as "not NT", the same answer the older family gives.
bool IsNtPlatform(PowerApi& api) {
  OsVersionInfo info{};
  info.size = sizeof(OsVersionInfo);
  api.GetVersionExA(&info);
  return info.platform_id == kVerPlatformWin32Nt;
}

std::uint32_t ExitWindowsFlags(PowerApi& api, ShutdownMethod method, bool force) {
  std::uint32_t flags = kEwxLogOff;
  switch (method) {
    case ShutdownMethod::PowerOff:
      // The older family cannot switch the power off through this call; it only shuts down.
      flags = IsNtPlatform(api) ? kEwxPowerOff : kEwxShutdown;
      break;
    case ShutdownMethod::Restart:
      flags = kEwxReboot;
      break;
    default:
      flags = kEwxLogOff;
      break;
  }
  return force ? (flags | kEwxForce) : flags;
}

// The NT family refuses shutdown requests from a process whose token does not have the
// shutdown privilege enabled; the older family has no tokens and needs nothing.
bool EnableShutdownPrivilege(PowerApi& api) {
  if (!IsNtPlatform(api)) {
    return true;
  }
  OsHandle token = nullptr;
  if (api.OpenProcessToken(api.GetCurrentProcess(), kTokenAdjustPrivileges | kTokenQuery, &token) ==
      kFalse) {
    return false;
  }
  // A failed lookup leaves a zero LUID; the adjustment then reports an error, which is what
  // decides the step, so the lookup's own result is not needed.
  TokenPrivileges privileges{};
  privileges.privilege_count = kOnePrivilege;
  privileges.privileges[0].attributes = kSePrivilegeEnabled;
  api.LookupPrivilegeValueA(nullptr, kSeShutdownName, &privileges.privileges[0].luid);
  // AdjustTokenPrivileges reports success even when it could not enable the privilege; only
  // the last-error code tells, so it is read before any other call can overwrite it.
  api.AdjustTokenPrivileges(token, kFalse, &privileges, kNoPreviousStateBuffer, nullptr, nullptr);
  const std::uint32_t error = api.GetLastError();
  api.CloseHandle(token);
  return error == kErrorSuccess;
}

}  // namespace

bool ShutDownSystem(PowerApi& api, ShutdownMethod method, std::optional<bool> force) {
  const bool effective_force = force.value_or(false);
  if (!IsValidMethod(method)) {
    return false;
  }
  if (!EnableShutdownPrivilege(api)) {
    return false;
  }
  if (method == ShutdownMethod::Suspend || method == ShutdownMethod::Hibernate) {
    return api.SetSystemPowerState(Win32Bool(method == ShutdownMethod::Suspend),
                                   Win32Bool(effective_force)) != kFalse;
  }
  return api.ExitWindowsEx(ExitWindowsFlags(api, method, effective_force), kNoShutdownReason) !=
         kFalse;
}

}  // namespace orvenal
