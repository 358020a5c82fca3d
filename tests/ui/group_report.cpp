// Printing a group's findings as UTF-8 lines on the driver's standard output.
#include "tests/ui/group_report.h"

#include <windows.h>

#include <cstdio>

namespace orvenal::ui {
namespace {

constexpr std::size_t kShownEdge = 40;  // bytes kept at each end of a long text
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kFirstHigh = 0x80;
// The second byte of a double-byte character in code page 936.
constexpr unsigned char kFirstTrail = 0x40;
constexpr unsigned char kLastTrail = 0xFE;

bool IsTrailByte(unsigned char byte) {
  return byte >= kFirstTrail && byte <= kLastTrail && byte != kDelete;
}

std::string Utf8(const std::string& ansi) {
  const int wide_length =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                      wide_length);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string Escaped(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool pair = byte >= kFirstHigh && i + 1 < text.size() && IsDBCSLeadByte(byte) &&
                      IsTrailByte(static_cast<unsigned char>(text[i + 1]));
    if (pair) {
      shown.append(text.substr(i, 2));
      ++i;
    } else if (byte < kFirstPrintable || byte >= kDelete || byte == '"' || byte == '\\') {
      char escape[] = "\\x00";
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    } else {
      shown += static_cast<char>(byte);
    }
  }
  return shown;
}

}  // namespace

bool GroupReport::Expect(bool ok, const std::string& what) {
  if (!ok) {
    passed_ = false;
    Print("FAIL", what);
  }
  return ok;
}

void GroupReport::Note(const std::string& what) const {
  Print("note", what);
}

void GroupReport::Print(std::string_view kind, const std::string& what) const {
  const std::string line = Utf8(what);
  std::printf("  %.*s %s: %s\n", static_cast<int>(kind.size()), kind.data(), group_.c_str(),
              line.c_str());
  std::fflush(stdout);
}

std::string Shown(std::string_view text) {
  if (text.size() <= 2 * kShownEdge) {
    return Escaped(text);
  }
  return Escaped(text.substr(0, kShownEdge)) + "…(" + std::to_string(text.size()) + " bytes)…" +
         Escaped(text.substr(text.size() - kShownEdge));
}

}  // namespace orvenal::ui
