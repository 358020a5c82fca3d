// Fuzz target for BuildAssociationCommand: any command line with any target.
//
// The first two input bytes choose where the rest splits into command line and target, so
// both parts reach every length, the buffer limit included. A result must fit the 520-byte
// command buffer and consist of a prefix of the command line, one space and the whole
// target; anything else, or a crash, is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/hyperlink_open.h"

namespace {

constexpr std::size_t kSplitBytes = 2;
constexpr int kBitsPerByte = 8;

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSplitBytes) {
    return 0;
  }
  const std::size_t split_choice = (static_cast<std::size_t>(data[0]) << kBitsPerByte) | data[1];
  const std::string_view rest(reinterpret_cast<const char*>(data + kSplitBytes),
                              size - kSplitBytes);
  const std::size_t split = split_choice % (rest.size() + 1);
  const std::string_view command_line = rest.substr(0, split);
  const std::string_view target = rest.substr(split);

  const auto command = orvenal::BuildAssociationCommand(command_line, target);
  if (!command) {
    return 0;
  }
  const std::string_view built(*command);
  Check(built.size() < orvenal::kCommandLineBufferSize);
  Check(built.size() > target.size());
  const std::size_t kept = built.size() - target.size() - 1;
  Check(built.substr(0, kept) == command_line.substr(0, kept));
  Check(built[kept] == ' ');
  Check(built.substr(kept + 1) == target);
  Check(built.find('\0') == std::string_view::npos);
  return 0;
}
