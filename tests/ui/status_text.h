// The texts of the status label 标签2: its stored caption before the schedule's first tick,
// and the one every tick writes from what the two boxes hold.
#pragma once

#include <string>
#include <string_view>

namespace orvenal::ui_test {

inline constexpr std::string_view kStoredStatus = "设置关机时间为：";
inline constexpr std::string_view kStatusPrefix = "设置的关机时间为：";
inline constexpr std::string_view kHourMark = "时";
inline constexpr std::string_view kMinuteMark = "分";

inline std::string StatusText(std::string_view hour, std::string_view minute) {
  std::string text(kStatusPrefix);
  text.append(hour).append(kHourMark).append(minute).append(kMinuteMark);
  return text;
}

}  // namespace orvenal::ui_test
