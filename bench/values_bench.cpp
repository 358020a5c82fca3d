// The cost of one clock tick (read the clock, build the label's text) and of reading an edit
// box's text as a number, for a typical text and for the longest one an edit box holds.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "values/date_time.h"
#include "values/local_clock.h"
#include "values/text.h"
#include "values/text_to_number.h"

namespace orvenal {
namespace {

constexpr std::size_t kEditBoxBytes = 30000;
constexpr std::int32_t kSecondsPerMinute = 60;

// Advances one second per reading so that every tick builds a text of its own.
class TickingClock final : public LocalClock {
 public:
  LocalTimeReading Read() const override {
    next_second_ = (next_second_ + 1) % kSecondsPerMinute;
    return LocalTimeReading{2013, 9, 3, 14, 5, next_second_};
  }

 private:
  mutable std::int32_t next_second_ = 0;
};

void BM_ClockTick(benchmark::State& state) {
  const TickingClock clock;
  for (auto _ : state) {
    const Text text = DateTimeToText(CurrentDateTime(clock));
    benchmark::DoNotOptimize(text.CStr());
  }
}
BENCHMARK(BM_ClockTick);

void BM_TextToNumber(benchmark::State& state, const std::string& bytes) {
  const Text text = Text::Copy(bytes);
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextToNumber(text));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.Size()));
}

std::string FullWidthSevens(std::size_t bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes / 2; ++i) {
    text += "\xA3\xB7";
  }
  return text;
}

BENCHMARK_CAPTURE(BM_TextToNumber, typical, std::string("23"));
BENCHMARK_CAPTURE(BM_TextToNumber, full_width, FullWidthSevens(4));
BENCHMARK_CAPTURE(BM_TextToNumber, digits_30000, std::string(kEditBoxBytes, '7'));
BENCHMARK_CAPTURE(BM_TextToNumber, full_width_30000, FullWidthSevens(kEditBoxBytes));
BENCHMARK_CAPTURE(BM_TextToNumber, noise_after_number_30000,
                  "23" + std::string(kEditBoxBytes - 2, '\xFF'));

}  // namespace
}  // namespace orvenal
