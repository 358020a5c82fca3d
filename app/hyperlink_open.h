// What a click on the hyperlink control asks of Windows: open the target through the shell,
// or failing that, run the command that the registry associates with ".htm" files.
//
// The shell and registry functions come through LinkOpenApi so that the whole attempt runs on
// the host against a fake; the program binds the real functions (app/hyperlink_open_win32.h).
// The control's window procedure calls OpenLinkTarget and keeps the result as its visited
// state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvenal {

// An open registry key (HKEY) as a number; the predefined roots are sign-extended 32-bit
// values, which this type carries unchanged on both the 32-bit and the 64-bit build.
using RegistryKey = std::uintptr_t;

// The Windows values the attempt passes and tests, under their Windows names.
namespace link_api {
inline constexpr RegistryKey kHkeyClassesRoot =
    static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000000)));
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr long kErrorSuccess = 0;
inline constexpr int kSwShow = 5;
// ShellExecuteA and WinExec report success as a value above this; at or below it the value
// is an error code.
inline constexpr std::intptr_t kLastErrorResult = 32;
}  // namespace link_api

// The fixed buffers of the association fallback, terminating zero included.
inline constexpr std::size_t kRegistryValueBufferSize = 260;
inline constexpr std::size_t kCommandLineBufferSize = 520;

inline constexpr std::int32_t kLinkKindEmail = 0;

// The Windows functions the attempt calls, one method each, with the Win32 arguments.
class LinkOpenApi {
 public:
  virtual std::intptr_t ShellExecuteA(void* window, const char* verb, const char* file,
                                      const char* parameters, const char* directory,
                                      int show_command) = 0;
  virtual long RegOpenKeyExA(RegistryKey key, const char* subkey, std::uint32_t options,
                             std::uint32_t desired_access, RegistryKey* result) = 0;
  virtual long RegQueryValueA(RegistryKey key, const char* subkey, char* value,
                              std::int32_t* value_size) = 0;
  virtual long RegCloseKey(RegistryKey key) = 0;
  virtual std::uint32_t WinExec(const char* command_line, std::uint32_t show_command) = 0;

 protected:
  ~LinkOpenApi() = default;
};

// The address a click opens: "mailto:" and the e-mail address for link kind 0, otherwise the
// web address as stored. Empty when that address is empty: there is nothing to open.
std::string LinkTarget(std::int32_t link_kind, std::string_view email,
                       std::string_view web_address);

// The association's command line with the target put in place of its "%1" placeholder (a
// quoted one first, else a bare one; without either the target goes at the end), separated
// by one space. Nullopt when the result would not fit the command-line buffer, or when either
// input holds a zero byte, which would cut the command short.
std::optional<std::string> BuildAssociationCommand(std::string_view command_line,
                                                   std::string_view target);

// One attempt to open the target; true when the shell or the associated program took it.
bool OpenLinkTarget(LinkOpenApi& api, const std::string& target, int show_command);

}  // namespace orvenal
