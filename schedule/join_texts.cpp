// Text joining with a single allocation of the exact size.
#include "schedule/join_texts.h"

#include <cstring>
#include <string>

namespace orvenal {

std::size_t TextLength(const Text& text) {
  return std::strlen(text.CStr());
}

std::string_view JoinablePart(const Text& text) {
  return text.View().substr(0, TextLength(text));
}

Text JoinTexts(std::initializer_list<std::string_view> parts) {
  std::size_t total = 0;
  for (const std::string_view part : parts) {
    total += part.size();
  }
  std::string joined;
  joined.reserve(total);
  for (const std::string_view part : parts) {
    joined.append(part);
  }
  return Text::Copy(joined);
}

}  // namespace orvenal
