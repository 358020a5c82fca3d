// The Windows side of PowerApi: each method forwards to the function of the same name.
//
// The mirror structures in power/shutdown.h stand in for the Win32 ones so that the portable
// code needs no Windows header; the checks below keep the two layouts identical, which is
// what makes the pointer casts in this file sound on both the 32-bit and the 64-bit build.
#include "power/power_api_win32.h"

#include <windows.h>

#include <cstddef>

namespace orvenal {
namespace {

static_assert(sizeof(OsVersionInfo) == sizeof(OSVERSIONINFOA));
static_assert(offsetof(OsVersionInfo, size) == offsetof(OSVERSIONINFOA, dwOSVersionInfoSize));
static_assert(offsetof(OsVersionInfo, major_version) == offsetof(OSVERSIONINFOA, dwMajorVersion));
static_assert(offsetof(OsVersionInfo, minor_version) == offsetof(OSVERSIONINFOA, dwMinorVersion));
static_assert(offsetof(OsVersionInfo, build_number) == offsetof(OSVERSIONINFOA, dwBuildNumber));
static_assert(offsetof(OsVersionInfo, platform_id) == offsetof(OSVERSIONINFOA, dwPlatformId));
static_assert(offsetof(OsVersionInfo, csd_version) == offsetof(OSVERSIONINFOA, szCSDVersion));
static_assert(sizeof(OsVersionInfo::csd_version) == sizeof(OSVERSIONINFOA::szCSDVersion));

static_assert(sizeof(Luid) == sizeof(LUID));
static_assert(offsetof(Luid, low_part) == offsetof(LUID, LowPart));
static_assert(offsetof(Luid, high_part) == offsetof(LUID, HighPart));

static_assert(sizeof(LuidAndAttributes) == sizeof(LUID_AND_ATTRIBUTES));
static_assert(offsetof(LuidAndAttributes, luid) == offsetof(LUID_AND_ATTRIBUTES, Luid));
static_assert(offsetof(LuidAndAttributes, attributes) == offsetof(LUID_AND_ATTRIBUTES, Attributes));

static_assert(sizeof(TokenPrivileges) == sizeof(TOKEN_PRIVILEGES));
static_assert(offsetof(TokenPrivileges, privilege_count) ==
              offsetof(TOKEN_PRIVILEGES, PrivilegeCount));
static_assert(offsetof(TokenPrivileges, privileges) == offsetof(TOKEN_PRIVILEGES, Privileges));

static_assert(sizeof(std::uint32_t) == sizeof(DWORD));
static_assert(sizeof(OsHandle) == sizeof(HANDLE));

}  // namespace

int Win32PowerApi::GetVersionExA(OsVersionInfo* info) {
  return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(info));
}

OsHandle Win32PowerApi::GetCurrentProcess() {
  return ::GetCurrentProcess();
}

int Win32PowerApi::OpenProcessToken(OsHandle process, std::uint32_t desired_access,
                                    OsHandle* token) {
  return ::OpenProcessToken(process, desired_access, token);
}

int Win32PowerApi::LookupPrivilegeValueA(const char* system_name, const char* name, Luid* luid) {
  return ::LookupPrivilegeValueA(system_name, name, reinterpret_cast<LUID*>(luid));
}

int Win32PowerApi::AdjustTokenPrivileges(OsHandle token, int disable_all,
                                         TokenPrivileges* new_state, std::uint32_t buffer_length,
                                         TokenPrivileges* previous_state,
                                         std::uint32_t* return_length) {
  return ::AdjustTokenPrivileges(token, disable_all, reinterpret_cast<TOKEN_PRIVILEGES*>(new_state),
                                 buffer_length, reinterpret_cast<TOKEN_PRIVILEGES*>(previous_state),
                                 reinterpret_cast<DWORD*>(return_length));
}

std::uint32_t Win32PowerApi::GetLastError() {
  return ::GetLastError();
}

int Win32PowerApi::CloseHandle(OsHandle handle) {
  return ::CloseHandle(handle);
}

int Win32PowerApi::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  return ::ExitWindowsEx(flags, reason);
}

int Win32PowerApi::SetSystemPowerState(int suspend, int force) {
  return ::SetSystemPowerState(suspend, force);
}

}  // namespace orvenal
