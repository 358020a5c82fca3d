// The Windows local clock behind LocalClock. Built only for Windows.
#pragma once

#include "values/local_clock.h"

namespace orvenal {

// Reads GetLocalTime; the milliseconds are dropped, not rounded, so that the shown second
// never runs ahead of the system clock.
class SystemLocalClock final : public LocalClock {
 public:
  LocalTimeReading Read() const override;
};

}  // namespace orvenal
