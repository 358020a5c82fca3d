// The rule for writing a Timer's period, kept apart from the system timer it drives.
//
// Writing the period a timer already has must not restart it, so that a second press of the
// arming button leaves the phase of the schedule's ticks alone.
#pragma once

#include <cstdint>

namespace orvenal {

struct TimerPeriodChange {
  bool changed;         // false: leave the timer exactly as it is
  std::int32_t period;  // the new stored period
  bool start;           // start the system timer with the new period (after stopping it)
};

constexpr TimerPeriodChange ChangeTimerPeriod(std::int32_t current, std::int32_t requested) {
  const std::int32_t period = requested < 0 ? 0 : requested;
  if (period == current) {
    return {false, current, false};
  }
  return {true, period, period > 0};
}

}  // namespace orvenal
