// ShutDownSystem against a recording fake: the exact calls made for every method and
// platform, and what keeps the shutdown request from being made at all.
#include "power/shutdown.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/unit/power/recording_power_api.h"

namespace orvenal {
namespace {

using testing::RecordingPowerApi;
using Calls = std::vector<std::string>;

const std::string kVersionQuery = "GetVersionExA(size=148, zeroed)";
const Calls kNtPrivilegeStep = {
    kVersionQuery,
    "GetCurrentProcess()",
    "OpenProcessToken(process, 0x28)",
    "LookupPrivilegeValueA(null, SeShutdownPrivilege)",
    "AdjustTokenPrivileges(token, 0, {1, luid, 2}, 0, null, null)",
    "GetLastError()",
    "CloseHandle(token)",
};
const Calls kOlderPrivilegeStep = {kVersionQuery};

Calls Then(Calls first, const Calls& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

struct MethodCase {
  const char* name;
  ShutdownMethod method;
  std::optional<bool> force;
  std::uint32_t platform_id;
  Calls expected_calls;
};

class ShutDownSystemCalls : public ::testing::TestWithParam<MethodCase> {};

TEST_P(ShutDownSystemCalls, MakesExactlyTheseCalls) {
  const MethodCase& c = GetParam();
  RecordingPowerApi api;
  api.platform_id = c.platform_id;
  EXPECT_TRUE(ShutDownSystem(api, c.method, c.force));
  EXPECT_EQ(api.calls, c.expected_calls);
}

constexpr std::uint32_t kNt = RecordingPowerApi::kPlatformNt;
constexpr std::uint32_t kOlder = RecordingPowerApi::kPlatformWindows;
constexpr std::optional<bool> kOmitted;

// Omitted force and force false must both leave EWX_FORCE out and pass fForce FALSE.
INSTANTIATE_TEST_SUITE_P(
    , ShutDownSystemCalls,
    ::testing::Values(MethodCase{"PowerOffNtOmitted", ShutdownMethod::PowerOff, kOmitted, kNt,
                                 Then(kNtPrivilegeStep, {kVersionQuery, "ExitWindowsEx(8, 0)"})},
                      MethodCase{"PowerOffNtNoForce", ShutdownMethod::PowerOff, false, kNt,
                                 Then(kNtPrivilegeStep, {kVersionQuery, "ExitWindowsEx(8, 0)"})},
                      MethodCase{"PowerOffNtForce", ShutdownMethod::PowerOff, true, kNt,
                                 Then(kNtPrivilegeStep, {kVersionQuery, "ExitWindowsEx(12, 0)"})},
                      MethodCase{"PowerOffOlderOmitted", ShutdownMethod::PowerOff, kOmitted, kOlder,
                                 Then(kOlderPrivilegeStep, {kVersionQuery, "ExitWindowsEx(1, 0)"})},
                      MethodCase{"PowerOffOlderForce", ShutdownMethod::PowerOff, true, kOlder,
                                 Then(kOlderPrivilegeStep, {kVersionQuery, "ExitWindowsEx(5, 0)"})},
                      MethodCase{"RestartNtNoForce", ShutdownMethod::Restart, false, kNt,
                                 Then(kNtPrivilegeStep, {"ExitWindowsEx(2, 0)"})},
                      MethodCase{"RestartNtForce", ShutdownMethod::Restart, true, kNt,
                                 Then(kNtPrivilegeStep, {"ExitWindowsEx(6, 0)"})},
                      MethodCase{"RestartOlderForce", ShutdownMethod::Restart, true, kOlder,
                                 Then(kOlderPrivilegeStep, {"ExitWindowsEx(6, 0)"})},
                      MethodCase{"LogOffNtOmitted", ShutdownMethod::LogOff, kOmitted, kNt,
                                 Then(kNtPrivilegeStep, {"ExitWindowsEx(0, 0)"})},
                      MethodCase{"LogOffNtForce", ShutdownMethod::LogOff, true, kNt,
                                 Then(kNtPrivilegeStep, {"ExitWindowsEx(4, 0)"})},
                      MethodCase{"LogOffOlderNoForce", ShutdownMethod::LogOff, false, kOlder,
                                 Then(kOlderPrivilegeStep, {"ExitWindowsEx(0, 0)"})},
                      MethodCase{"SuspendNtOmitted", ShutdownMethod::Suspend, kOmitted, kNt,
                                 Then(kNtPrivilegeStep, {"SetSystemPowerState(1, 0)"})},
                      MethodCase{"SuspendNtForce", ShutdownMethod::Suspend, true, kNt,
                                 Then(kNtPrivilegeStep, {"SetSystemPowerState(1, 1)"})},
                      MethodCase{"HibernateNtNoForce", ShutdownMethod::Hibernate, false, kNt,
                                 Then(kNtPrivilegeStep, {"SetSystemPowerState(0, 0)"})},
                      MethodCase{"HibernateOlderForce", ShutdownMethod::Hibernate, true, kOlder,
                                 Then(kOlderPrivilegeStep, {"SetSystemPowerState(0, 1)"})}),
    [](const ::testing::TestParamInfo<MethodCase>& param_info) { return param_info.param.name; });

TEST(ShutDownSystemTest, InvalidMethodsAreRefusedBeforeAnyCall) {
  for (const int value : {0, 6, -1}) {
    RecordingPowerApi api;
    EXPECT_FALSE(ShutDownSystem(api, static_cast<ShutdownMethod>(value), true)) << value;
    EXPECT_TRUE(api.calls.empty()) << value;
  }
}

// A failed privilege step must keep every method from reaching ExitWindowsEx or
// SetSystemPowerState; the token, once open, is closed all the same.
TEST(ShutDownSystemTest, FailedPrivilegeStepMakesNoRequest) {
  for (const ShutdownMethod method :
       {ShutdownMethod::PowerOff, ShutdownMethod::LogOff, ShutdownMethod::Hibernate}) {
    RecordingPowerApi not_assigned;
    not_assigned.error_after_adjust = RecordingPowerApi::kErrorNotAllAssigned;
    EXPECT_FALSE(ShutDownSystem(not_assigned, method, true));
    EXPECT_EQ(not_assigned.calls, kNtPrivilegeStep);

    RecordingPowerApi no_token;
    no_token.open_token_result = 0;
    EXPECT_FALSE(ShutDownSystem(no_token, method, true));
    EXPECT_EQ(no_token.calls,
              Calls({kVersionQuery, "GetCurrentProcess()", "OpenProcessToken(process, 0x28)"}));
  }
}

TEST(ShutDownSystemTest, ResultIsTheRequestsAnswer) {
  RecordingPowerApi refused_exit;
  refused_exit.exit_windows_result = 0;
  EXPECT_FALSE(ShutDownSystem(refused_exit, ShutdownMethod::PowerOff, true));
  EXPECT_EQ(refused_exit.CountCalls("ExitWindowsEx("), 1);

  RecordingPowerApi refused_state;
  refused_state.set_power_state_result = 0;
  EXPECT_FALSE(ShutDownSystem(refused_state, ShutdownMethod::Suspend));
  EXPECT_EQ(refused_state.CountCalls("SetSystemPowerState("), 1);

  // Any nonzero answer is acceptance, not only TRUE.
  RecordingPowerApi odd_true;
  odd_true.exit_windows_result = -1;
  EXPECT_TRUE(ShutDownSystem(odd_true, ShutdownMethod::Restart));
}

// Nothing is remembered between calls: the second call enables the privilege again.
TEST(ShutDownSystemTest, RepeatedCallRepeatsThePrivilegeStep) {
  RecordingPowerApi api;
  EXPECT_TRUE(ShutDownSystem(api, ShutdownMethod::PowerOff, true));
  EXPECT_TRUE(ShutDownSystem(api, ShutdownMethod::PowerOff, true));
  const Calls once = Then(kNtPrivilegeStep, {kVersionQuery, "ExitWindowsEx(12, 0)"});
  EXPECT_EQ(api.calls, Then(once, once));
}

}  // namespace
}  // namespace orvenal
