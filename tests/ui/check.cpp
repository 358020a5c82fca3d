// Case, Suite and the polling helpers of the UI driver.
#include "tests/ui/check.h"

#include <windows.h>

#include <cstdio>
#include <exception>

namespace orvenal::ui_test {

bool Case::Expect(bool ok, std::string_view what) {
  if (!ok) {
    Fail(what);
  }
  return ok;
}

void Case::Fail(std::string_view what) {
  failures_.emplace_back(what);
}

namespace {

// Waits like Sleep but handles the driver's own messages meanwhile: a case may own a window,
// and the program's thread must not hang on a message sent to it.
void PumpMessagesFor(Milliseconds duration) {
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(duration.count()), QS_ALLINPUT);
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

}  // namespace

bool PollUntil(const std::function<bool()>& condition, Milliseconds deadline) {
  const std::uint64_t end = ::GetTickCount64() + deadline.count();
  for (;;) {
    if (condition()) {
      return true;
    }
    if (::GetTickCount64() >= end) {
      return false;
    }
    PumpMessagesFor(kPollInterval);
  }
}

bool HoldsFor(const std::function<bool()>& condition, Milliseconds duration) {
  return !PollUntil([&] { return !condition(); }, duration);
}

bool WaitFor(Case& c, std::string_view expectation, const std::function<bool()>& condition,
             const std::function<std::string()>& seen, Milliseconds deadline) {
  if (PollUntil(condition, deadline)) {
    return true;
  }
  c.Fail(std::string(expectation) + " within " + std::to_string(deadline.count()) + " ms; saw " +
         seen());
  return false;
}

void Suite::Run(std::string_view name, const std::function<void(Case&)>& body) {
  Case c;
  try {
    body(c);
  } catch (const std::exception& e) {
    c.Fail(std::string("aborted: ") + e.what());
  }
  const bool ok = c.failures().empty();
  std::printf("%s %.*s\n", ok ? "PASS" : "FAIL", static_cast<int>(name.size()), name.data());
  for (const std::string& failure : c.failures()) {
    std::printf("    %s\n", failure.c_str());
  }
  std::fflush(stdout);
  ++(ok ? passed_ : failed_);
}

// Built with append: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal added to a
// std::string at the front.
std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

}  // namespace orvenal::ui_test
