// Reading a window's text whole, whatever its length.
#pragma once

#include <windows.h>

#include <string>

namespace orvenal {

inline std::string WindowText(HWND hwnd) {
  // The length can be an overestimate for double-byte text; the copy's count is exact.
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace orvenal
