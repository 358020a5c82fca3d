// Bookkeeping of a UI run: named cases that collect their failures, a suite that runs them
// and counts, and the polling helper every wait on the program goes through.
//
// The program runs in another process on a loaded machine, so nothing it does is awaited
// with a fixed sleep: a wait polls its condition until a deadline and, when that passes,
// reports what it saw instead.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvenal::ui_test {

// A duration in Milliseconds. <chrono> is not used because GCC 12's header holds a "µs"
// literal that has no code page 936 form, so it does not compile with this project's flags.
struct Milliseconds {
  std::uint64_t value;
  constexpr std::uint64_t count() const { return value; }
};

// Generous, because Wine starts processes slowly and the machine is shared.
inline constexpr Milliseconds kStartDeadline{30000};
inline constexpr Milliseconds kReactionDeadline{5000};
inline constexpr Milliseconds kExitDeadline{10000};
inline constexpr Milliseconds kPollInterval{20};

class Case {
 public:
  // Records a failure when ok is false. The case goes on, so one run lists every difference.
  bool Expect(bool ok, std::string_view what);
  void Fail(std::string_view what);
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  std::vector<std::string> failures_;
};

// Thrown when a case cannot go on, such as when the program never shows its window.
class CaseAborted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Polls condition until it holds; false when the deadline passes first.
bool PollUntil(const std::function<bool()>& condition, Milliseconds deadline);

// Polls condition until it holds. When the deadline passes first, the case fails with the
// expectation and what `seen` reports at that moment.
bool WaitFor(Case& c, std::string_view expectation, const std::function<bool()>& condition,
             const std::function<std::string()>& seen, Milliseconds deadline = kReactionDeadline);

// Polls condition for the whole duration; false as soon as it fails. Only for checking that
// something does not happen, where no event marks the moment it would have happened by.
bool HoldsFor(const std::function<bool()>& condition, Milliseconds duration);

// Runs cases, prints one line per case (and one per failure under it) and counts them.
class Suite {
 public:
  explicit Suite(std::string program_path) : program_path_(std::move(program_path)) {}
  const std::string& program_path() const { return program_path_; }
  void Run(std::string_view name, const std::function<void(Case&)>& body);
  int passed() const { return passed_; }
  int failed() const { return failed_; }

 private:
  std::string program_path_;
  int passed_ = 0;
  int failed_ = 0;
};

// Quotes a text for a failure message.
std::string Quoted(std::string_view text);

}  // namespace orvenal::ui_test
