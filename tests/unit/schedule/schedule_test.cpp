// The handlers against a fake frame, a scripted clock and the recording power fake: the status
// text, matching within the tolerance, the two clock readings, and the forced power-off.
#include "schedule/schedule.h"

#include <gtest/gtest.h>

#include <string>

#include "schedule/join_texts.h"
#include "tests/unit/power/recording_power_api.h"
#include "tests/unit/schedule/fake_frame.h"

namespace orvenal {
namespace {

using orvenal::testing::RecordingPowerApi;

constexpr char kForcedPowerOff[] = "ExitWindowsEx(12, 0)";

LocalTimeReading At(std::int32_t hour, std::int32_t minute, std::int32_t second = 0) {
  return {2026, 12, 11, hour, minute, second};
}

struct Rig {
  explicit Rig(std::vector<LocalTimeReading> readings) : clock(std::move(readings)) {}
  Rig(std::string hour, std::string minute, LocalTimeReading now) : clock({now}) {
    frame.texts[ids::kEditBox1] = std::move(hour);
    frame.texts[ids::kEditBox2] = std::move(minute);
  }
  int PowerOffRequests() const { return power.CountCalls(kForcedPowerOff); }

  FakeFrame frame;
  ScriptedClock clock;
  RecordingPowerApi power;
  Schedule schedule{frame, clock, power};
};

struct StatusCase {
  std::string hour;
  std::string minute;
  std::string status;
};

TEST(ScheduleTickTest, StatusShowsTheBoxesExactlyAsTyped) {
  const std::string long_text(30000, '7');
  const StatusCase kCases[] = {
      {"10", "30", "设置的关机时间为：10时30分"},
      {"07", "05", "设置的关机时间为：07时05分"},
      {"", "", "设置的关机时间为：时分"},
      {"１０", "abc", "设置的关机时间为：１０时abc分"},
      {" 8 ", "10点", "设置的关机时间为： 8 时10点分"},
      {long_text, "5", "设置的关机时间为：" + long_text + "时5分"},
  };
  for (const StatusCase& c : kCases) {
    SCOPED_TRACE(c.status.substr(0, 40));
    Rig rig(c.hour, c.minute, At(3, 3));
    rig.schedule.ScheduleTick();
    EXPECT_EQ(rig.frame.texts[ids::kLabel2], c.status);
  }
}

struct MatchCase {
  const char* hour;
  const char* minute;
  LocalTimeReading now;
  bool powers_off;
};

TEST(ScheduleTickTest, MatchesTheTypedNumbersWithinTheTolerance) {
  const MatchCase kCases[] = {
      {"10", "30", At(10, 30, 0), true},
      {"10", "30", At(10, 30, 59), true},
      {"10", "30", At(10, 31, 0), false},
      {"10", "30", At(11, 30, 0), false},
      {"07", "05", At(7, 5), true},
      {"10.0000001", "30", At(10, 30), true},
      {"10.0000002", "30", At(10, 30), false},
      {"１０", "３０", At(10, 30), true},
      {"10点", "30分", At(10, 30), true},
      {"abc", "", At(0, 0), true},  // no number counts as 0
      {"", "", At(0, 0), true},
      {"abc", "30", At(10, 30), false},
      {"24", "0", At(0, 0), false},
      {"23", "60", At(23, 59), false},
      {"8.5", "0", At(8, 0), false},
      {"1e400", "0", At(23, 0), false},
  };
  for (const MatchCase& c : kCases) {
    SCOPED_TRACE(::testing::Message()
                 << c.hour << ":" << c.minute << " at " << c.now.hour << ":" << c.now.minute);
    Rig rig(c.hour, c.minute, c.now);
    rig.schedule.ScheduleTick();
    EXPECT_EQ(rig.PowerOffRequests(), c.powers_off ? 1 : 0);
  }
}

TEST(ScheduleTickTest, HourAndMinuteComeFromTwoReadings) {
  // The clock passes the full hour between the readings: hour 10 and minute 0 match.
  Rig rig({At(10, 59, 59), At(11, 0, 0)});
  rig.frame.texts[ids::kEditBox1] = "10";
  rig.frame.texts[ids::kEditBox2] = "0";
  rig.schedule.ScheduleTick();
  EXPECT_EQ(rig.clock.Reads(), 2u);
  EXPECT_EQ(rig.PowerOffRequests(), 1);
}

TEST(ScheduleTickTest, MinuteIsNotLookedAtWhileTheHourDiffers) {
  Rig rig("9", "30", At(10, 30));
  rig.schedule.ScheduleTick();
  EXPECT_EQ(rig.clock.Reads(), 1u);
  EXPECT_EQ(rig.frame.reads[ids::kEditBox1], 2);  // status, then the hour
  EXPECT_EQ(rig.frame.reads[ids::kEditBox2], 1);  // status only
  EXPECT_TRUE(rig.power.calls.empty());
}

TEST(ScheduleTickTest, RefusedRequestIsAskedAgainAtEveryTickOfTheMinute) {
  Rig rig("10", "30", At(10, 30));
  rig.power.exit_windows_result = 0;
  rig.schedule.ScheduleTick();
  rig.schedule.ScheduleTick();
  EXPECT_EQ(rig.PowerOffRequests(), 2);
  // The schedule stays armed: the handler never touches the timer.
  EXPECT_FALSE(rig.frame.periods.contains(ids::kTimer2));
}

TEST(ScheduleTickTest, FollowsTheBoxesLive) {
  Rig rig("9", "30", At(10, 30));
  rig.schedule.ScheduleTick();
  EXPECT_EQ(rig.PowerOffRequests(), 0);
  rig.frame.texts[ids::kEditBox1] = "10";
  rig.schedule.ScheduleTick();
  EXPECT_EQ(rig.frame.texts[ids::kLabel2], "设置的关机时间为：10时30分");
  EXPECT_EQ(rig.PowerOffRequests(), 1);
}

TEST(ArmClickTest, StartsTheScheduleTimerAndShowsNothing) {
  Rig rig("10", "30", At(10, 30));
  rig.schedule.ArmClick();
  rig.schedule.ArmClick();
  EXPECT_EQ(rig.frame.periods[ids::kTimer2], 1000);
  EXPECT_EQ(rig.frame.writes, (std::vector<ControlId>{ids::kTimer2, ids::kTimer2}));
  EXPECT_TRUE(rig.power.calls.empty());
}

TEST(ClockTickTest, WritesTheCurrentDateAndTimeToTheClockLabel) {
  Rig rig({{2013, 9, 3, 14, 5, 9}});
  rig.schedule.ClockTick();
  EXPECT_EQ(rig.frame.texts[ids::kLabel1], "2013年9月3日14时5分9秒");
  EXPECT_EQ(rig.frame.writes, (std::vector<ControlId>{ids::kLabel1}));
  EXPECT_EQ(rig.clock.Reads(), 1u);
}

TEST(JoinTextsTest, NullPartsContributeNothingAndTheResultIsNeverNull) {
  const Text null_text;
  const Text some = Text::Copy("ab");
  EXPECT_EQ(TextLength(null_text), 0u);
  EXPECT_EQ(TextLength(Text::Copy(std::string_view("a\0b", 3))), 1u);
  const Text joined = JoinTexts({JoinablePart(null_text), JoinablePart(some), "c"});
  EXPECT_EQ(joined.View(), "abc");
  const Text empty = JoinTexts({JoinablePart(null_text)});
  EXPECT_FALSE(empty.IsNull());
  EXPECT_EQ(empty.Size(), 0u);
}

}  // namespace
}  // namespace orvenal
