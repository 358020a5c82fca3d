// The clock display and the shutdown schedule.
#include "schedule/schedule.h"

#include <cmath>
#include <string_view>

#include "schedule/join_texts.h"
#include "values/date_time.h"
#include "values/text_to_number.h"

namespace orvenal {
namespace {

constexpr std::string_view kStatusPrefix = "设置的关机时间为：";
constexpr std::string_view kHourMark = "时";
constexpr std::string_view kMinuteMark = "分";
constexpr std::int32_t kArmingPeriodMs = 1000;

bool Matches(std::int32_t clock_value, double typed) {
  // A difference of exactly the tolerance still matches.
  return !(std::fabs(clock_value - typed) > MatchTolerance);
}

}  // namespace

void Schedule::ClockTick() {
  properties_.WriteProperty(ids::kMainWindow, ids::kLabel1, props::kLabelCaption,
                            props::kWholeValue, DateTimeToText(CurrentDateTime(clock_)));
}

void Schedule::ArmClick() {
  properties_.WriteProperty(ids::kMainWindow, ids::kTimer2, props::kTimerPeriod, props::kWholeValue,
                            kArmingPeriodMs);
}

void Schedule::ScheduleTick() {
  {
    const Text hour_text = ReadText(ids::kEditBox1);
    const Text minute_text = ReadText(ids::kEditBox2);
    Text status = JoinTexts({kStatusPrefix, JoinablePart(hour_text), kHourMark,
                             JoinablePart(minute_text), kMinuteMark});
    properties_.WriteProperty(ids::kMainWindow, ids::kLabel2, props::kLabelCaption,
                              props::kWholeValue, std::move(status));
  }

  // The hour and the minute come from two readings of the clock, the minute's taken only
  // once the hour has matched.
  const std::int32_t hour = GetDateTimePart(CurrentDateTime(clock_), date_time_parts::kHour);
  if (!Matches(hour, ReadNumber(ids::kEditBox1))) {
    return;
  }
  const std::int32_t minute = GetDateTimePart(CurrentDateTime(clock_), date_time_parts::kMinute);
  if (!Matches(minute, ReadNumber(ids::kEditBox2))) {
    return;
  }
  // A refused request is asked again at the next tick while the minute lasts.
  ShutDownSystem(power_, ShutdownMethod::PowerOff, true);
}

Text Schedule::ReadText(ControlId control) {
  PropertyValue value = properties_.ReadProperty(ids::kMainWindow, control, props::kEditBoxContent,
                                                 props::kWholeValue);
  return std::move(std::get<Text>(value));
}

double Schedule::ReadNumber(ControlId control) {
  return TextToNumber(ReadText(control));
}

}  // namespace orvenal
