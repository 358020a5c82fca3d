// Binds SystemLocalClock to GetLocalTime.
#include "values/local_clock_win32.h"

#include <windows.h>

namespace orvenal {

LocalTimeReading SystemLocalClock::Read() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalTimeReading{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace orvenal
