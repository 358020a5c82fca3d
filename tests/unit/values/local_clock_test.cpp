// CurrentDateTime over scripted clock readings: years long past 2038, the limits of the
// value range, and readings no working clock gives.
#include "values/local_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace orvenal {
namespace {

class ScriptedClock final : public LocalClock {
 public:
  explicit ScriptedClock(LocalTimeReading reading) : reading_(reading) {}
  LocalTimeReading Read() const override { return reading_; }

 private:
  LocalTimeReading reading_;
};

struct ClockCase {
  const char* remark;
  LocalTimeReading reading;
  std::string_view text;
};

TEST(CurrentDateTimeTest, TakesTheWallClockFieldsAsTheyAre) {
  const ClockCase cases[] = {
      {"the last second a signed 32-bit count of seconds holds",
       {2038, 1, 19, 3, 14, 7},
       "2038年1月19日3时14分7秒"},
      {"one second later", {2038, 1, 19, 3, 14, 8}, "2038年1月19日3时14分8秒"},
      {"2040", {2040, 2, 29, 23, 59, 59}, "2040年2月29日23时59分59秒"},
      {"2100, not a leap year", {2100, 3, 1, 0, 0, 1}, "2100年3月1日0时0分1秒"},
      {"before 1970", {1969, 12, 31, 23, 59, 59}, "1969年12月31日23时59分59秒"},
      {"the first year the Windows clock knows", {1601, 1, 1, 0, 0, 0}, "1601年1月1日"},
      {"the last moment of the range", {9999, 12, 31, 0, 0, 0}, "9999年12月31日"},
  };
  for (const ClockCase& c : cases) {
    const ScriptedClock clock(c.reading);
    const DateTime now = CurrentDateTime(clock);
    const LocalTimeReading& r = c.reading;
    EXPECT_EQ(now, DateTimeFromFields(r.year, r.month, r.day, r.hour, r.minute, r.second))
        << c.remark;
    EXPECT_EQ(DateTimeToText(now).View(), c.text) << c.remark;
  }
}

TEST(CurrentDateTimeTest, ReadingsOutsideTheRangeGiveItsNearerEnd) {
  const struct {
    const char* remark;
    LocalTimeReading reading;
    DateTime expected;
  } cases[] = {
      {"the year after 9999", {10000, 1, 1, 0, 0, 0}, kMaxDateTime},
      {"the largest year the Windows clock holds", {30827, 12, 31, 23, 59, 59}, kMaxDateTime},
      {"after the midnight that starts 9999-12-31", {9999, 12, 31, 0, 0, 1}, kMaxDateTime},
      {"a year before 100", {99, 12, 31, 23, 59, 59}, kMinDateTime},
      {"a negative year", {-1, 1, 1, 0, 0, 0}, kMinDateTime},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CurrentDateTime(ScriptedClock(c.reading)), c.expected) << c.remark;
  }
}

TEST(CurrentDateTimeTest, FieldsOutOfRangeGoToTheNearerEndOfTheirRange) {
  const ClockCase cases[] = {
      {"30 February", {2013, 2, 30, 12, 0, 0}, "2013年2月28日12时"},
      {"30 February of a leap year", {2012, 2, 30, 12, 0, 0}, "2012年2月29日12时"},
      {"month 13", {2013, 13, 5, 0, 0, 0}, "2013年12月5日"},
      {"month 0, day 0", {2013, 0, 0, 0, 0, 0}, "2013年1月1日"},
      {"hour 24, minute 60, second 60", {2013, 9, 3, 24, 60, 60}, "2013年9月3日23时59分59秒"},
      {"negative time", {2013, 9, 3, -1, -1, -1}, "2013年9月3日"},
  };
  for (const ClockCase& c : cases) {
    EXPECT_EQ(DateTimeToText(CurrentDateTime(ScriptedClock(c.reading))).View(), c.text) << c.remark;
  }
}

}  // namespace
}  // namespace orvenal
