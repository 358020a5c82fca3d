// The program's handlers: the live clock in 标签1, and the shutdown schedule that powers the
// machine off when the current hour and minute equal the numbers typed into the two boxes.
//
// The handlers keep no state of their own. Whether the schedule is armed is the period of
// 时钟2, and the time it waits for is whatever the boxes hold at each tick, so editing the boxes
// after arming changes the time without another press of the button.
#pragma once

#include "app/property_access.h"
#include "power/shutdown.h"
#include "values/local_clock.h"

namespace orvenal {

// A typed number within this distance of the current hour or minute matches it.
inline constexpr double MatchTolerance = 1e-7;

class Schedule {
 public:
  Schedule(PropertyAccess& properties, const LocalClock& clock, PowerApi& power)
      : properties_(properties), clock_(clock), power_(power) {}

  // The tick of 时钟1: shows the current date and time in 标签1.
  void ClockTick();
  // The click of 按钮1: arms the schedule by starting 时钟2.
  void ArmClick();
  // The tick of 时钟2: repeats the chosen time in 标签2 and, at the chosen minute, asks for a
  // forced power-off.
  void ScheduleTick();

 private:
  Text ReadText(ControlId control);
  double ReadNumber(ControlId control);

  PropertyAccess& properties_;
  const LocalClock& clock_;
  PowerApi& power_;
};

}  // namespace orvenal
