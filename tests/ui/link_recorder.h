// The names the link cases and their stand-in browser agree on.
//
// The stand-in browser sits next to the UI driver in the build tree and keeps its log beside
// itself, so both find each other from their own file paths without being told.
#pragma once

#include <string_view>

namespace orvenal::ui_test {

inline constexpr std::string_view kRecorderFileName = "link_recorder.exe";
inline constexpr std::string_view kRecorderLogFileName = "link_recorder.log";

}  // namespace orvenal::ui_test
