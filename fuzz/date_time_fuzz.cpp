// The date-time functions over any double, any part number and any clock reading: the text
// is never empty nor longer than 26 bytes, every part stays in its range, a clamped value
// always has fields, and a clock reading always gives a value inside the range.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "fuzz/fuzz_check.h"
#include "values/date_time.h"
#include "values/local_clock.h"

namespace orvenal {
namespace {

class FixedClock final : public LocalClock {
 public:
  explicit FixedClock(LocalTimeReading reading) : reading_(reading) {}
  LocalTimeReading Read() const override { return reading_; }

 private:
  LocalTimeReading reading_;
};

struct Input {
  double value;
  std::int32_t part;
  LocalTimeReading reading;
};

// Missing bytes count as zero, so that short inputs still reach every check.
Input Decode(const std::uint8_t* data, std::size_t size) {
  unsigned char bytes[sizeof(double) + sizeof(std::int32_t) + sizeof(LocalTimeReading)] = {};
  std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
  Input input{};
  std::memcpy(&input.value, bytes, sizeof input.value);
  std::memcpy(&input.part, bytes + sizeof input.value, sizeof input.part);
  std::memcpy(&input.reading, bytes + sizeof input.value + sizeof input.part, sizeof input.reading);
  return input;
}

bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v >= low && v <= high;
}

bool PartInRange(std::int32_t part, std::int32_t v) {
  namespace p = date_time_parts;
  constexpr struct {
    std::int32_t low, high;
  } kRanges[] = {{kMinYear, kMaxYear},
                 {1, 4},
                 {1, 12},
                 {1, 53},
                 {1, 31},
                 {0, 23},
                 {0, 59},
                 {0, 59},
                 {1, 7},
                 {1, 366}};
  const std::int32_t n = part < p::kYear ? p::kYear : part > p::kDayOfYear ? p::kDayOfYear : part;
  return InRange(v, kRanges[n - 1].low, kRanges[n - 1].high);
}

void CheckValue(DateTime x, std::int32_t part) {
  const Text text = DateTimeToText(x);
  FuzzCheck(text.Size() > 0 && text.Size() <= kMaxDateTimeTextBytes, "text of 1 to 26 bytes");
  FuzzCheck(PartInRange(part, GetDateTimePart(x, part)), "part within its range");

  const std::optional<DateTimeFields> f = FieldsFromDateTime(ClampDateTime(x));
  FuzzCheck(f.has_value(), "a clamped value has fields");
  FuzzCheck(InRange(f->month, 1, 12) && InRange(f->day, 1, DaysInMonth(f->year, f->month)) &&
                InRange(f->hour, 0, 23) && InRange(f->minute, 0, 59) && InRange(f->second, 0, 59),
            "fields within their ranges");

  // The fields name a whole second; built again, they give the same text.
  const std::optional<DateTime> rebuilt =
      DateTimeFromFields(f->year, f->month, f->day, f->hour, f->minute, f->second);
  FuzzCheck(rebuilt.has_value(), "fields of a value can be built again");
  FuzzCheck(DateTimeToText(*rebuilt).View() == text.View(), "rebuilt value shows the same text");
}

void CheckReading(const LocalTimeReading& reading) {
  const DateTime now = CurrentDateTime(FixedClock(reading));
  FuzzCheck(now >= kMinDateTime && now <= kMaxDateTime, "clock value inside the range");
}

}  // namespace
}  // namespace orvenal

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvenal::Input input = orvenal::Decode(data, size);
  orvenal::CheckValue(input.value, input.part);
  orvenal::CheckReading(input.reading);
  return 0;
}
