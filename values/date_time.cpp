// Conversions between DateTime values, calendar fields and the clock label's text.
//
// Day numbers count as 365 * year + leap days + days into the year, so 1899-12-30 (the zero of
// a DateTime) is day 693959 and 0001-01-01 is day 366. Both directions use the same counting,
// so a date turned into a value and back gives itself.
#include "values/date_time.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace orvenal {
namespace {

constexpr std::int32_t kMonthsPerYear = 12;
constexpr std::int32_t kFebruary = 2;
constexpr std::int32_t kMonthsPerQuarter = 3;
constexpr std::int32_t kDaysPerWeek = 7;
constexpr std::int32_t kHoursPerDay = 24;
constexpr std::int32_t kMinutesPerHour = 60;
constexpr std::int32_t kSecondsPerMinute = 60;
constexpr std::int32_t kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
constexpr std::int32_t kSecondsPerDay = kSecondsPerHour * kHoursPerDay;
constexpr std::int32_t kDaysPerCommonYear = 365;
constexpr double kHalfSecond = 0.5 / kSecondsPerDay;

// Days before the first of month m + 1 in a common year, for m = 0..12.
constexpr std::array<std::int32_t, kMonthsPerYear + 1> kDaysBeforeMonth = {
    0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

constexpr std::int64_t kDayNumberOfZero = 693959;  // 1899-12-30
constexpr std::int64_t kDayNumberOfYearOne = 366;  // 0001-01-01
constexpr std::int64_t kYearsPerCycle = 400;
constexpr std::int64_t kDaysPerCycle = 146097;  // the Gregorian calendar repeats every 400 years

// The marks between the numbers, as code page 936 bytes. They are written as escapes so that
// the text is the same whatever execution character set the compiler was given; the fuzzing
// build uses clang, which knows only UTF-8.
constexpr std::string_view kYearMark = "\xC4\xEA";    // 年
constexpr std::string_view kMonthMark = "\xD4\xC2";   // 月
constexpr std::string_view kDayMark = "\xC8\xD5";     // 日
constexpr std::string_view kHourMark = "\xCA\xB1";    // 时
constexpr std::string_view kMinuteMark = "\xB7\xD6";  // 分
constexpr std::string_view kSecondMark = "\xC3\xEB";  // 秒

constexpr std::size_t kDecimalDigitsOfInt32 = 11;  // sign and ten digits

std::int64_t DayNumber(std::int32_t year, std::int32_t month, std::int32_t day) {
  const std::int64_t y = year;
  std::int64_t n =
      kDaysPerCommonYear * y + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[month - 1] + day;
  // y / 4 - y / 100 + y / 400 already counts this year's 29 February; it lies ahead of a date
  // in January or February.
  if (month <= kFebruary && IsLeapYear(year)) {
    --n;
  }
  return n;
}

std::int64_t DayNumberOfNewYear(std::int32_t year) {
  return DayNumber(year, 1, 1);
}

void AppendNumber(std::string& out, std::int32_t value) {
  std::array<char, kDecimalDigitsOfInt32> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

DateTimeFields FieldsOfClamped(DateTime x) {
  // Clamping leaves only values FieldsFromDateTime accepts.
  return FieldsFromDateTime(ClampDateTime(x)).value();
}

}  // namespace

bool IsLeapYear(std::int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
  const std::int32_t days = kDaysBeforeMonth[month] - kDaysBeforeMonth[month - 1];
  return month == kFebruary && IsLeapYear(year) ? days + 1 : days;
}

std::optional<DateTime> DateTimeFromFields(std::int32_t year, std::int32_t month, std::int32_t day,
                                           std::int32_t hour, std::int32_t minute,
                                           std::int32_t second) {
  if (year < 0 || year > kMaxYear || month < 1 || month > kMonthsPerYear) {
    return std::nullopt;
  }
  if (day < 1 || day > DaysInMonth(year, month) || hour < 0 || hour >= kHoursPerDay || minute < 0 ||
      minute >= kMinutesPerHour || second < 0 || second >= kSecondsPerMinute) {
    return std::nullopt;
  }
  const std::int64_t days = DayNumber(year, month, day) - kDayNumberOfZero;
  const double time_of_day =
      static_cast<double>(kSecondsPerHour * hour + kSecondsPerMinute * minute + second) *
      (1.0 / kSecondsPerDay);
  // Before the zero day the fraction still counts forward from midnight, so it moves the
  // value away from zero on either side.
  const double whole_days = static_cast<double>(days);
  return days >= 0 ? whole_days + time_of_day : whole_days - time_of_day;
}

std::optional<DateTimeFields> FieldsFromDateTime(DateTime x) {
  if (std::isnan(x) || x > kMaxDateTime || x < kMinDateTime) {
    return std::nullopt;
  }
  // Round to the second before taking the day, so that the last half second of a day shows
  // as midnight of the next day rather than as 23:59:60.
  const double rounded = x > 0 ? x + kHalfSecond : x - kHalfSecond;
  double whole_days = std::trunc(rounded);
  // Below zero the day and the time of day run in opposite directions: a time less than half
  // a second before midnight rounds away from zero onto the previous day's number, yet the
  // midnight it reaches is that of the next day.
  if (x <= 0 && whole_days != std::trunc(x)) {
    whole_days = std::trunc(x) + 1;
  }
  // A fraction a hair below one must not round up to second 86400 in the product.
  const double magnitude = std::fabs(rounded);
  const auto seconds =
      std::min(static_cast<std::int32_t>((magnitude - std::floor(magnitude)) * kSecondsPerDay),
               kSecondsPerDay - 1);

  const std::int64_t n = static_cast<std::int64_t>(whole_days) + kDayNumberOfZero;
  DateTimeFields fields{};
  fields.day_of_week = static_cast<std::int32_t>((n - 1) % kDaysPerWeek) + 1;

  auto year =
      static_cast<std::int32_t>((n - kDayNumberOfYearOne) * kYearsPerCycle / kDaysPerCycle) + 1;
  while (DayNumberOfNewYear(year + 1) <= n) {
    ++year;
  }
  while (DayNumberOfNewYear(year) > n) {
    --year;
  }
  fields.year = year;
  fields.day_of_year = static_cast<std::int32_t>(n - DayNumberOfNewYear(year)) + 1;

  // Months are found in the common-year table; a leap year's 29 February stands apart and
  // moves every later day back by one.
  const bool leap = IsLeapYear(year);
  const std::int32_t leap_day = kDaysBeforeMonth[kFebruary] + 1;
  if (leap && fields.day_of_year == leap_day) {
    fields.month = kFebruary;
    fields.day = DaysInMonth(year, kFebruary);
  } else {
    const std::int32_t day_in_common_year =
        leap && fields.day_of_year > leap_day ? fields.day_of_year - 1 : fields.day_of_year;
    std::int32_t month = 1;
    while (kDaysBeforeMonth[month] < day_in_common_year) {
      ++month;
    }
    fields.month = month;
    fields.day = day_in_common_year - kDaysBeforeMonth[month - 1];
  }

  fields.hour = seconds / kSecondsPerHour;
  fields.minute = (seconds / kSecondsPerMinute) % kMinutesPerHour;
  fields.second = seconds % kSecondsPerMinute;
  return fields;
}

DateTime ClampDateTime(DateTime x) {
  if (std::isnan(x) || x > kMaxDateTime) {
    return kMaxDateTime;
  }
  return x < kMinDateTime ? kMinDateTime : x;
}

std::int32_t GetDateTimePart(DateTime x, std::int32_t part) {
  namespace p = date_time_parts;
  const DateTimeFields f = FieldsOfClamped(x);
  switch (std::clamp(part, p::kYear, p::kDayOfYear)) {
    case p::kYear:
      return f.year;
    case p::kQuarter:
      return (f.month - 1) / kMonthsPerQuarter + 1;
    case p::kMonth:
      return f.month;
    case p::kWeekOfYear:
      return (f.day_of_year - 1) / kDaysPerWeek + 1;
    case p::kDay:
      return f.day;
    case p::kHour:
      return f.hour;
    case p::kMinute:
      return f.minute;
    case p::kSecond:
      return f.second;
    case p::kDayOfWeek:
      return f.day_of_week;
    default:
      return f.day_of_year;
  }
}

Text DateTimeToText(DateTime x) {
  const DateTimeFields f = FieldsOfClamped(x);
  std::string text;
  text.reserve(kMaxDateTimeTextBytes);
  AppendNumber(text, f.year);
  text += kYearMark;
  AppendNumber(text, f.month);
  text += kMonthMark;
  AppendNumber(text, f.day);
  text += kDayMark;
  // The time of day is cut after its last field that is not zero; midnight shows no time.
  if (f.second != 0 || f.minute != 0 || f.hour != 0) {
    AppendNumber(text, f.hour);
    text += kHourMark;
  }
  if (f.second != 0 || f.minute != 0) {
    AppendNumber(text, f.minute);
    text += kMinuteMark;
  }
  if (f.second != 0) {
    AppendNumber(text, f.second);
    text += kSecondMark;
  }
  return Text::Copy(text);
}

}  // namespace orvenal
