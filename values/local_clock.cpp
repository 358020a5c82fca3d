// Turns a wall-clock reading into a DateTime, whatever the reading holds.
#include "values/local_clock.h"

#include <algorithm>

namespace orvenal {
namespace {

constexpr std::int32_t kLastMonth = 12;
constexpr std::int32_t kLastHour = 23;
constexpr std::int32_t kLastMinute = 59;
constexpr std::int32_t kLastSecond = 59;

}  // namespace

DateTime CurrentDateTime(const LocalClock& clock) {
  const LocalTimeReading r = clock.Read();
  if (r.year > kMaxYear) {
    return kMaxDateTime;
  }
  if (r.year < kMinYear) {
    return kMinDateTime;
  }
  const std::int32_t month = std::clamp(r.month, 1, kLastMonth);
  const std::optional<DateTime> value =
      DateTimeFromFields(r.year, month, std::clamp(r.day, 1, DaysInMonth(r.year, month)),
                         std::clamp(r.hour, 0, kLastHour), std::clamp(r.minute, 0, kLastMinute),
                         std::clamp(r.second, 0, kLastSecond));
  // Every field is in range by now, so the value exists; only the times after the midnight
  // that starts 9999-12-31 still lie above the range.
  return ClampDateTime(value.value_or(kMaxDateTime));
}

}  // namespace orvenal
