// Every day of the valid range, checked against the standard library's calendar: the value
// built from a date and time lands on the right day, and breaking it up again gives the same
// date and time with the right day of week and day of year.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "values/date_time.h"

namespace orvenal {
namespace {

namespace chr = std::chrono;

constexpr std::int32_t kHoursPerDay = 24;
constexpr std::int32_t kMinutesPerHour = 60;
constexpr std::int32_t kSecondsPerMinute = 60;

struct Moment {
  chr::sys_days day;
  std::int32_t hour;
  std::int32_t minute;
  std::int32_t second;
};

std::string Describe(const DateTimeFields& f) {
  std::ostringstream text;
  text << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':'
       << f.second << ", weekday " << f.day_of_week << ", day of year " << f.day_of_year;
  return text.str();
}

// Empty when the moment survives the round trip, else what went wrong.
std::string RoundTripFault(const Moment& m) {
  const chr::year_month_day date{m.day};
  DateTimeFields expected{};
  expected.year = static_cast<int>(date.year());
  expected.month = static_cast<std::int32_t>(static_cast<unsigned>(date.month()));
  expected.day = static_cast<std::int32_t>(static_cast<unsigned>(date.day()));
  expected.hour = m.hour;
  expected.minute = m.minute;
  expected.second = m.second;
  expected.day_of_week = static_cast<std::int32_t>(chr::weekday{m.day}.c_encoding()) + 1;
  expected.day_of_year =
      static_cast<std::int32_t>((m.day - chr::sys_days{date.year() / 1 / 1}).count()) + 1;
  const std::int64_t serial = (m.day - chr::sys_days{chr::year{1899} / 12 / 30}).count();

  const std::optional<DateTime> value = DateTimeFromFields(
      expected.year, expected.month, expected.day, expected.hour, expected.minute, expected.second);
  if (!value) {
    return Describe(expected) + ": refused";
  }
  if (static_cast<std::int64_t>(std::trunc(*value)) != serial) {
    return Describe(expected) + ": value " + std::to_string(*value) + " is not on day " +
           std::to_string(serial);
  }
  const std::optional<DateTimeFields> fields = FieldsFromDateTime(*value);
  if (!fields) {
    return Describe(expected) + ": its value is refused";
  }
  const DateTimeFields& f = *fields;
  if (f.year != expected.year || f.month != expected.month || f.day != expected.day ||
      f.hour != expected.hour || f.minute != expected.minute || f.second != expected.second ||
      f.day_of_week != expected.day_of_week || f.day_of_year != expected.day_of_year) {
    return Describe(expected) + ": came back as " + Describe(f);
  }
  return {};
}

constexpr chr::sys_days kFirstDay{chr::year{100} / 1 / 1};
constexpr chr::sys_days kLastDay{chr::year{9999} / 12 / 31};

TEST(DateTimeCalendarTest, EveryDayOfTheRangeRoundTrips) {
  for (chr::sys_days day = kFirstDay; day <= kLastDay; day += chr::days{1}) {
    // The time of day moves on from one day to the next so that every hour, minute and
    // second is met; only the midnight of the first and the last day lies inside the range.
    const auto index = static_cast<std::int32_t>((day - kFirstDay).count());
    const bool at_an_end = day == kFirstDay || day == kLastDay;
    const Moment moment{day, at_an_end ? 0 : index % kHoursPerDay,
                        at_an_end ? 0 : (index / kHoursPerDay) % kMinutesPerHour,
                        at_an_end ? 0 : (index * 7) % kSecondsPerMinute};
    const std::string fault = RoundTripFault(moment);
    ASSERT_TRUE(fault.empty()) << fault;
  }
}

// The fraction is finest-grained where the day number is largest; every second must still
// come back, on either side of the zero day.
TEST(DateTimeCalendarTest, EverySecondOfTheOutermostWholeDaysRoundTrips) {
  for (const chr::sys_days day : {kFirstDay + chr::days{1}, kLastDay - chr::days{1}}) {
    for (std::int32_t s = 0; s < kHoursPerDay * kMinutesPerHour * kSecondsPerMinute; ++s) {
      const Moment moment{day, s / (kMinutesPerHour * kSecondsPerMinute),
                          (s / kSecondsPerMinute) % kMinutesPerHour, s % kSecondsPerMinute};
      const std::string fault = RoundTripFault(moment);
      ASSERT_TRUE(fault.empty()) << fault;
    }
  }
}

}  // namespace
}  // namespace orvenal
