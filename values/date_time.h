// Date-time values: the OLE Automation date the program uses for a point in local time, its
// calendar fields, its numbered parts and the text the clock label shows.
//
// A DateTime counts days from 1899-12-30 00:00:00; the integer part, taken toward zero, is the
// day and the magnitude of the fraction the time of day, so -1.25 is 1899-12-29 06:00:00. The
// calendar is the Gregorian one for every year. Everything here is a pure function.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "values/text.h"

namespace orvenal {

using DateTime = double;

inline constexpr DateTime kMinDateTime = -657434.0;  // 0100-01-01 00:00:00
inline constexpr DateTime kMaxDateTime = 2958465.0;  // 9999-12-31 00:00:00, no later time
inline constexpr std::int32_t kMinYear = 100;
inline constexpr std::int32_t kMaxYear = 9999;

// The longest date-time text, that of 9999-12-31 23:59:59.
inline constexpr std::size_t kMaxDateTimeTextBytes = 26;

struct DateTimeFields {
  std::int32_t year;         // 100..9999
  std::int32_t month;        // 1..12
  std::int32_t day;          // 1..31
  std::int32_t hour;         // 0..23
  std::int32_t minute;       // 0..59
  std::int32_t second;       // 0..59
  std::int32_t day_of_week;  // 1 = Sunday .. 7 = Saturday
  std::int32_t day_of_year;  // 1..366
};

// The part numbers GetDateTimePart understands; numbers outside 1..10 are brought to the
// nearer end.
namespace date_time_parts {
inline constexpr std::int32_t kYear = 1;
inline constexpr std::int32_t kQuarter = 2;
inline constexpr std::int32_t kMonth = 3;
inline constexpr std::int32_t kWeekOfYear = 4;  // week 1 is 1-7 January, whatever the weekday
inline constexpr std::int32_t kDay = 5;
inline constexpr std::int32_t kHour = 6;
inline constexpr std::int32_t kMinute = 7;
inline constexpr std::int32_t kSecond = 8;
inline constexpr std::int32_t kDayOfWeek = 9;
inline constexpr std::int32_t kDayOfYear = 10;
}  // namespace date_time_parts

bool IsLeapYear(std::int32_t year);
// Days in the month of that year; month must be 1..12.
std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);

// The value of a wall-clock reading, in whole seconds. Refuses fields no clock yields: a year
// above 9999, a month, day, hour, minute or second outside its range, or any negative field.
// Years 0..99 are accepted and give values below kMinDateTime.
std::optional<DateTime> DateTimeFromFields(std::int32_t year, std::int32_t month, std::int32_t day,
                                           std::int32_t hour, std::int32_t minute,
                                           std::int32_t second);

// The fields of x rounded to the nearest second; nothing for a value outside
// kMinDateTime..kMaxDateTime or not a number.
std::optional<DateTimeFields> FieldsFromDateTime(DateTime x);

// x brought into kMinDateTime..kMaxDateTime; a value that is not a number becomes kMaxDateTime.
DateTime ClampDateTime(DateTime x);

// One numbered part (date_time_parts) of x, after clamping x; never fails.
std::int32_t GetDateTimePart(DateTime x, std::int32_t part);

// "2013年9月3日14时5分9秒", shortened at midnight, on the hour or on the minute; never empty.
Text DateTimeToText(DateTime x);

}  // namespace orvenal
