// Win32LinkOpenApi: the real shell and registry functions behind LinkOpenApi.
//
// Only the Windows builds compile this; the host tests use a fake instead.
#pragma once

#include "app/hyperlink_open.h"

namespace orvenal {

class Win32LinkOpenApi final : public LinkOpenApi {
 public:
  std::intptr_t ShellExecuteA(void* window, const char* verb, const char* file,
                              const char* parameters, const char* directory,
                              int show_command) override;
  long RegOpenKeyExA(RegistryKey key, const char* subkey, std::uint32_t options,
                     std::uint32_t desired_access, RegistryKey* result) override;
  long RegQueryValueA(RegistryKey key, const char* subkey, char* value,
                      std::int32_t* value_size) override;
  long RegCloseKey(RegistryKey key) override;
  std::uint32_t WinExec(const char* command_line, std::uint32_t show_command) override;
};

}  // namespace orvenal
