// Text: the program's byte string in code page 936, ended by a zero byte.
//
// A Text either holds bytes (possibly none: a zero-length text) or is null, which is how the
// frame hands out an empty value. Every consumer treats a null Text as the empty text, so
// View() and CStr() never need a check at the call site. A Text owns its copy and releases it
// when it goes out of scope; copying is explicit (Copy) so that ownership stays visible.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace orvenal {

class Text {
 public:
  Text() noexcept = default;  // the null text

  // A new text holding exactly these bytes; a zero-length view gives a zero-length text.
  static Text Copy(std::string_view bytes);
  // The frame's rule for handing out values: empty becomes null, never a zero-length copy.
  static Text CopyOrNull(std::string_view bytes);

  Text(Text&&) noexcept = default;
  Text& operator=(Text&&) noexcept = default;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;

  bool IsNull() const noexcept { return bytes_ == nullptr; }
  std::size_t Size() const noexcept { return size_; }
  std::string_view View() const noexcept { return {CStr(), size_}; }
  const char* CStr() const noexcept { return bytes_ ? bytes_.get() : ""; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace orvenal
