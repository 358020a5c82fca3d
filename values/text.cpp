// Construction of Text values; the rest of the class is inline in the header.
#include "values/text.h"

#include <cstring>

namespace orvenal {

Text Text::Copy(std::string_view bytes) {
  Text text;
  text.bytes_ = std::make_unique<char[]>(bytes.size() + 1);
  if (!bytes.empty()) {
    std::memcpy(text.bytes_.get(), bytes.data(), bytes.size());
  }
  text.bytes_[bytes.size()] = '\0';
  text.size_ = bytes.size();
  return text;
}

Text Text::CopyOrNull(std::string_view bytes) {
  return bytes.empty() ? Text() : Copy(bytes);
}

}  // namespace orvenal
