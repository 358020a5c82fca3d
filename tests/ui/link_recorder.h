// The names the link cases and their stand-in browser agree on.
//
// The stand-in browser sits next to the UI driver in the build tree and keeps its log beside
// itself, so both find each other from their own file paths without being told.
#pragma once

#include <string_view>

namespace orvenal::ui_test {

inline constexpr std::string_view kRecorderFileName = "link_recorder.exe";
inline constexpr std::string_view kRecorderLogFileName = "link_recorder.log";

// Each start of the stand-in appends one line: the show command it was started with (the
// number from its STARTUPINFO, or kNoShowCommand when none was given), one space, and its
// whole command line as it was handed over.
inline constexpr std::string_view kNoShowCommand = "none";

}  // namespace orvenal::ui_test
