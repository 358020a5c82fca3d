// The current local date and time, read through a small clock interface so that the
// conversion from a wall-clock reading can be exercised with any reading on any platform.
//
// The program reads the Windows clock (values/local_clock_win32.h); tests script a reading.
#pragma once

#include <cstdint>

#include "values/date_time.h"

namespace orvenal {

// Local wall-clock time as the system reports it; milliseconds are not part of it.
struct LocalTimeReading {
  std::int32_t year;
  std::int32_t month;
  std::int32_t day;
  std::int32_t hour;
  std::int32_t minute;
  std::int32_t second;
};

class LocalClock {
 public:
  virtual LocalTimeReading Read() const = 0;

 protected:
  ~LocalClock() = default;
};

// The present moment in whole seconds, always inside kMinDateTime..kMaxDateTime. The value is
// built from the local fields directly, so it holds for every year the clock can report. A
// reading past the last representable moment (a year above 9999, or a time of day after the
// midnight that starts 9999-12-31) gives kMaxDateTime, one before the year 100 gives
// kMinDateTime; a field outside its range, which no working clock reports, is brought to the
// nearer end of its range.
DateTime CurrentDateTime(const LocalClock& clock);

}  // namespace orvenal
