// The clock label's text, the numbered parts and the two conversions between values and
// calendar fields, at the values where rounding, negative days and clamping meet.
#include "values/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace orvenal {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kSecondsPerDay = 86400.0;

DateTime At(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour = 0,
            std::int32_t minute = 0, std::int32_t second = 0) {
  return DateTimeFromFields(year, month, day, hour, minute, second).value();
}

struct TextCase {
  const char* remark;
  DateTime value;
  std::string_view text;
};

TEST(DateTimeToTextTest, ShowsTheDateAndTheTimeUpToItsLastNonZeroField) {
  const TextCase cases[] = {
      {"all fields", At(2013, 9, 3, 14, 5, 9), "2013年9月3日14时5分9秒"},
      {"no seconds", At(2013, 9, 3, 14, 30, 0), "2013年9月3日14时30分"},
      {"on the hour", At(2013, 9, 3, 14, 0, 0), "2013年9月3日14时"},
      {"midnight", At(2013, 9, 3), "2013年9月3日"},
      {"zeros before a second", At(2013, 9, 3, 0, 0, 5), "2013年9月3日0时0分5秒"},
      {"zero hour before a minute", At(2013, 9, 3, 0, 5, 0), "2013年9月3日0时5分"},
      {"day zero", 0.0, "1899年12月30日"},
      {"negative day, time counted forward", -1.25, "1899年12月29日6时"},
      {"noon of day zero", 0.5, "1899年12月30日12时"},
      {"noon of day zero, negative", -0.5, "1899年12月30日12时"},
      {"upper bound", kMaxDateTime, "9999年12月31日"},
      {"lower bound", kMinDateTime, "100年1月1日"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.value).View(), c.text) << c.remark;
  }
}

TEST(DateTimeToTextTest, RoundsToTheNearestSecondBeforeTakingTheDay) {
  const double just_under_half = 0.4 / kSecondsPerDay;
  const double just_over_half = 0.6 / kSecondsPerDay;
  const TextCase cases[] = {
      {"carry into the next day", 0.999999999, "1899年12月31日"},
      {"stays on its second", 2.0 - just_over_half, "1899年12月31日23时59分59秒"},
      {"carries to midnight", 2.0 - just_under_half, "1900年1月1日"},
      // Below zero the time of day still runs forward, so the carry reaches the next day too.
      {"negative, stays on its second", -1.0 - (1.0 - just_over_half),
       "1899年12月29日23时59分59秒"},
      {"negative, carries to midnight", -1.0 - (1.0 - just_under_half), "1899年12月30日"},
      {"day zero's last instant, negative", -0.9999999999, "1899年12月31日"},
      {"carry onto the upper bound", kMaxDateTime - just_under_half, "9999年12月31日"},
      {"carry past the hour", At(2013, 9, 3, 14, 59, 59) + just_over_half, "2013年9月3日15时"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.value).View(), c.text) << c.remark;
  }
}

TEST(DateTimeToTextTest, ClampsEveryDouble) {
  const TextCase cases[] = {
      {"far above", 1e9, "9999年12月31日"},
      {"noon of the last day", 2958465.5, "9999年12月31日"},
      {"not a number", kNaN, "9999年12月31日"},
      {"positive infinity", kInfinity, "9999年12月31日"},
      {"far below", -1e9, "100年1月1日"},
      {"negative infinity", -kInfinity, "100年1月1日"},
      {"noon of the first day lies below", kMinDateTime - 0.5, "100年1月1日"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.value).View(), c.text) << c.remark;
  }
}

TEST(DateTimeToTextTest, LongestTextIsTwentySixCodePage936Bytes) {
  const Text text = DateTimeToText(At(9999, 12, 30, 23, 59, 59));
  EXPECT_EQ(text.View(),
            "9999\xC4\xEA"
            "12\xD4\xC2"
            "30\xC8\xD5"
            "23\xCA\xB1"
            "59\xB7\xD6"
            "59\xC3\xEB");
  EXPECT_EQ(text.Size(), kMaxDateTimeTextBytes);
}

struct PartCase {
  std::int32_t part;
  std::int32_t expected;
};

TEST(GetDateTimePartTest, EveryPartNumberOfOneMoment) {
  const DateTime moment = At(2013, 9, 3, 14, 5, 9);  // a Tuesday
  const PartCase cases[] = {
      {1, 2013},
      {2, 3},
      {3, 9},
      {4, 36},
      {5, 3},
      {6, 14},
      {7, 5},
      {8, 9},
      {9, 3},
      {10, 246},
      // Part numbers outside 1..10 go to the nearer end.
      {0, 2013},
      {-1, 2013},
      {std::numeric_limits<std::int32_t>::min(), 2013},
      {11, 246},
      {12, 246},
      {std::numeric_limits<std::int32_t>::max(), 246},
  };
  for (const PartCase& c : cases) {
    EXPECT_EQ(GetDateTimePart(moment, c.part), c.expected) << "part " << c.part;
  }
}

TEST(GetDateTimePartTest, WeekAndDayOfYearAtTheEndOfALeapYear) {
  const DateTime last_of_2012 = At(2012, 12, 31);
  EXPECT_EQ(GetDateTimePart(last_of_2012, date_time_parts::kDayOfYear), 366);
  EXPECT_EQ(GetDateTimePart(last_of_2012, date_time_parts::kWeekOfYear), 53);
  EXPECT_EQ(GetDateTimePart(last_of_2012, date_time_parts::kDayOfWeek), 2);  // Monday
  EXPECT_EQ(GetDateTimePart(last_of_2012, date_time_parts::kQuarter), 4);
  // Week 1 is 1 to 7 January whatever the weekday.
  EXPECT_EQ(GetDateTimePart(At(2013, 1, 7), date_time_parts::kWeekOfYear), 1);
  EXPECT_EQ(GetDateTimePart(At(2013, 1, 8), date_time_parts::kWeekOfYear), 2);
}

TEST(GetDateTimePartTest, QuarterChangesAfterEveryThirdMonth) {
  const PartCase month_to_quarter[] = {{1, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 3}, {10, 4}, {12, 4}};
  for (const PartCase& c : month_to_quarter) {
    EXPECT_EQ(GetDateTimePart(At(2013, c.part, 15), date_time_parts::kQuarter), c.expected)
        << "month " << c.part;
  }
}

TEST(GetDateTimePartTest, HourAndMinuteOfTheRoundedAndTheClampedValue) {
  const DateTime almost_three = At(2013, 9, 3, 14, 59, 59) + 0.7 / kSecondsPerDay;
  EXPECT_EQ(GetDateTimePart(almost_three, date_time_parts::kHour), 15);
  EXPECT_EQ(GetDateTimePart(almost_three, date_time_parts::kMinute), 0);
  EXPECT_EQ(GetDateTimePart(kNaN, date_time_parts::kYear), 9999);
  EXPECT_EQ(GetDateTimePart(kNaN, date_time_parts::kHour), 0);
  EXPECT_EQ(GetDateTimePart(-1e300, date_time_parts::kYear), 100);
}

struct FieldsCase {
  const char* remark;
  std::int32_t year, month, day, hour, minute, second;
};

TEST(DateTimeFromFieldsTest, RefusesFieldsNoClockYields) {
  const FieldsCase cases[] = {
      {"29 February of a common year", 2013, 2, 29, 0, 0, 0},
      {"1900 is not a leap year", 1900, 2, 29, 0, 0, 0},
      {"31 April", 2013, 4, 31, 0, 0, 0},
      {"day 0", 2013, 1, 0, 0, 0, 0},
      {"day 32", 2013, 1, 32, 0, 0, 0},
      {"month 0", 2013, 0, 1, 0, 0, 0},
      {"month 13", 2013, 13, 1, 0, 0, 0},
      {"hour 24", 2013, 9, 3, 24, 0, 0},
      {"minute 60", 2013, 9, 3, 0, 60, 0},
      {"second 60", 2013, 9, 3, 0, 0, 60},
      {"year 10000", 10000, 1, 1, 0, 0, 0},
      {"negative year", -1, 1, 1, 0, 0, 0},
      {"negative hour", 2013, 9, 3, -1, 0, 0},
      {"negative minute", 2013, 9, 3, 0, -1, 0},
      {"negative second", 2013, 9, 3, 0, 0, -1},
  };
  for (const FieldsCase& c : cases) {
    EXPECT_FALSE(DateTimeFromFields(c.year, c.month, c.day, c.hour, c.minute, c.second))
        << c.remark;
  }
}

TEST(DateTimeFromFieldsTest, CountsDaysFromTheZeroDayBothWays) {
  const struct {
    const char* remark;
    std::int32_t year, month, day, hour;
    DateTime value;
  } cases[] = {
      {"leap year by 4", 2012, 2, 29, 0, 40968.0},
      {"leap year by 400", 2000, 2, 29, 0, 36585.0},
      {"the zero day", 1899, 12, 30, 0, 0.0},
      {"noon of the zero day", 1899, 12, 30, 12, 0.5},
      {"the day before, 6 o'clock", 1899, 12, 29, 6, -1.25},
      {"lower bound", 100, 1, 1, 0, kMinDateTime},
      {"upper bound", 9999, 12, 31, 0, kMaxDateTime},
      {"a year below 100 lies below the range", 99, 12, 31, 0, kMinDateTime - 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateTimeFromFields(c.year, c.month, c.day, c.hour, 0, 0), c.value) << c.remark;
  }
}

TEST(FieldsFromDateTimeTest, RefusesExactlyWhatLiesOutsideTheRange) {
  EXPECT_TRUE(FieldsFromDateTime(kMaxDateTime));
  EXPECT_TRUE(FieldsFromDateTime(kMinDateTime));
  const double outside[] = {std::nextafter(kMaxDateTime, kInfinity),
                            std::nextafter(kMinDateTime, -kInfinity), kNaN, kInfinity, -kInfinity};
  for (const double x : outside) {
    EXPECT_FALSE(FieldsFromDateTime(x)) << x;
  }
}

TEST(ClampDateTimeTest, BringsEveryDoubleIntoTheRange) {
  const struct {
    double x;
    double expected;
  } cases[] = {
      {kNaN, kMaxDateTime},         {kInfinity, kMaxDateTime},
      {2958465.5, kMaxDateTime},    {-kInfinity, kMinDateTime},
      {-657434.5, kMinDateTime},    {kMaxDateTime, kMaxDateTime},
      {kMinDateTime, kMinDateTime}, {-1.25, -1.25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClampDateTime(c.x), c.expected) << c.x;
  }
}

}  // namespace
}  // namespace orvenal
