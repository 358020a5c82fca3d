// The hyperlink's open attempt: the shell first, then the ".htm" association by hand.
//
// The fallback reads two registry default values into fixed buffers and builds a command line
// in a third. A value that does not arrive whole, a name or command that would not fit, or an
// empty one, ends the attempt in failure: a cut-off command line could start a different
// program or pass a different address, so nothing is run rather than something half-read.
#include "app/hyperlink_open.h"

#include <array>
#include <cstring>

namespace orvenal {
namespace {

using link_api::kErrorSuccess;
using link_api::kHkeyClassesRoot;
using link_api::kKeyQueryValue;
using link_api::kLastErrorResult;

constexpr std::string_view kMailtoPrefix = "mailto:";
constexpr std::string_view kQuotedPlaceholder = "\"%1\"";
constexpr std::string_view kPlaceholder = "%1";
constexpr std::string_view kTargetSeparator = " ";
constexpr const char* kOpenVerb = "open";
constexpr const char* kHtmlExtensionKey = ".htm";
constexpr std::string_view kOpenCommandSuffix = "\\shell\\open\\command";
constexpr std::uint32_t kNoOptions = 0;
constexpr std::size_t kTerminator = 1;

bool HasZeroByte(std::string_view bytes) {
  return bytes.find('\0') != std::string_view::npos;
}

// The default value of HKEY_CLASSES_ROOT\subkey, or nullopt when it cannot be had whole and
// non-empty. RegQueryValueA reports a value longer than the buffer as an error and leaves the
// buffer's contents undefined, so only a successful read that is terminated inside the
// buffer is used.
std::optional<std::string> ReadClassesRootDefault(LinkOpenApi& api, const char* subkey) {
  RegistryKey key = 0;
  if (api.RegOpenKeyExA(kHkeyClassesRoot, subkey, kNoOptions, kKeyQueryValue, &key) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::array<char, kRegistryValueBufferSize> buffer{};
  auto size = static_cast<std::int32_t>(buffer.size());
  const long status = api.RegQueryValueA(key, nullptr, buffer.data(), &size);
  api.RegCloseKey(key);
  if (status != kErrorSuccess) {
    return std::nullopt;
  }
  const void* terminator = std::memchr(buffer.data(), '\0', buffer.size());
  if (terminator == nullptr) {
    return std::nullopt;
  }
  std::string value(buffer.data(), static_cast<const char*>(terminator) - buffer.data());
  // A key without a default value reads as the empty string; it names no type and no command.
  if (value.empty()) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> AssociationCommand(LinkOpenApi& api, std::string_view target) {
  const std::optional<std::string> file_type = ReadClassesRootDefault(api, kHtmlExtensionKey);
  if (!file_type) {
    return std::nullopt;
  }
  // The subkey name is built in a buffer of the value's size, so it must fit there too.
  if (file_type->size() + kOpenCommandSuffix.size() + kTerminator > kRegistryValueBufferSize) {
    return std::nullopt;
  }
  const std::string command_key = *file_type + std::string(kOpenCommandSuffix);
  const std::optional<std::string> command_line = ReadClassesRootDefault(api, command_key.c_str());
  if (!command_line) {
    return std::nullopt;
  }
  return BuildAssociationCommand(*command_line, target);
}

}  // namespace

std::string LinkTarget(std::int32_t link_kind, std::string_view email,
                       std::string_view web_address) {
  if (link_kind == kLinkKindEmail) {
    return email.empty() ? std::string() : std::string(kMailtoPrefix) + std::string(email);
  }
  return std::string(web_address);
}

std::optional<std::string> BuildAssociationCommand(std::string_view command_line,
                                                   std::string_view target) {
  if (HasZeroByte(command_line) || HasZeroByte(target)) {
    return std::nullopt;
  }
  std::size_t cut = command_line.find(kQuotedPlaceholder);
  if (cut == std::string_view::npos) {
    cut = command_line.find(kPlaceholder);
  }
  const std::string_view kept = command_line.substr(0, cut);
  // Compared piece by piece so that no sum can wrap around.
  constexpr std::size_t kRoom = kCommandLineBufferSize - kTerminator - kTargetSeparator.size();
  if (kept.size() > kRoom || target.size() > kRoom - kept.size()) {
    return std::nullopt;
  }
  std::string command;
  command.reserve(kept.size() + kTargetSeparator.size() + target.size());
  command.append(kept).append(kTargetSeparator).append(target);
  return command;
}

bool OpenLinkTarget(LinkOpenApi& api, const std::string& target, int show_command) {
  // Windows reads the target as a C string; the fallback must pass the very same address.
  const std::string_view address(target.c_str());
  if (address.empty()) {
    return false;
  }
  if (api.ShellExecuteA(nullptr, kOpenVerb, target.c_str(), nullptr, nullptr, show_command) >
      kLastErrorResult) {
    return true;
  }
  const std::optional<std::string> command = AssociationCommand(api, address);
  if (!command) {
    return false;
  }
  return static_cast<std::intptr_t>(api.WinExec(
             command->c_str(), static_cast<std::uint32_t>(show_command))) > kLastErrorResult;
}

}  // namespace orvenal
