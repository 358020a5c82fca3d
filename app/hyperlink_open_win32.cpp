// The Windows side of LinkOpenApi: each method forwards to the function of the same name.
//
// Registry keys travel as numbers in the portable code; HKEY is a pointer, so they are cast
// back and forth here and nowhere else. The predefined root keys are defined by Windows as
// sign-extended 32-bit values, which is exactly how the portable constant is formed.
#include "app/hyperlink_open_win32.h"

#include <windows.h>

// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

namespace orvenal {
namespace {

static_assert(sizeof(RegistryKey) == sizeof(HKEY));
static_assert(sizeof(std::int32_t) == sizeof(LONG));
static_assert(link_api::kKeyQueryValue == KEY_QUERY_VALUE);
static_assert(link_api::kErrorSuccess == ERROR_SUCCESS);
static_assert(link_api::kSwShow == SW_SHOW);

HKEY ToHkey(RegistryKey key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

std::intptr_t Win32LinkOpenApi::ShellExecuteA(void* window, const char* verb, const char* file,
                                              const char* parameters, const char* directory,
                                              int show_command) {
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteA(static_cast<HWND>(window), verb, file, parameters, directory, show_command));
}

long Win32LinkOpenApi::RegOpenKeyExA(RegistryKey key, const char* subkey, std::uint32_t options,
                                     std::uint32_t desired_access, RegistryKey* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(ToHkey(key), subkey, options, desired_access, &opened);
  *result = reinterpret_cast<RegistryKey>(opened);
  return status;
}

long Win32LinkOpenApi::RegQueryValueA(RegistryKey key, const char* subkey, char* value,
                                      std::int32_t* value_size) {
  return ::RegQueryValueA(ToHkey(key), subkey, value, reinterpret_cast<LONG*>(value_size));
}

long Win32LinkOpenApi::RegCloseKey(RegistryKey key) {
  return ::RegCloseKey(ToHkey(key));
}

std::uint32_t Win32LinkOpenApi::WinExec(const char* command_line, std::uint32_t show_command) {
  return ::WinExec(command_line, show_command);
}

}  // namespace orvenal
