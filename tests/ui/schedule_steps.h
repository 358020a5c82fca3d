// Steps that the schedule's test groups share: attaching to the program, reading the clock,
// filling the two boxes without passing through a time that would fire, and arming.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/ui/group_report.h"
#include "tests/ui/live_program.h"

namespace orvenal::ui {

// The program's start under a loaded Wine can take a while.
inline constexpr Ms kStartTimeoutMs = 30000;
inline constexpr Ms kTickPeriodMs = 1000;
// A tick that should come within one period may be late on a busy machine by this much.
inline constexpr Ms kTickSlackMs = 1500;
inline constexpr Ms kExitTimeoutMs = 10000;
// An hour box text that no clock ever matches, so that the other box can hold anything.
inline constexpr std::string_view kNeverHour = "99";
inline constexpr int kHoursPerDay = 24;
inline constexpr int kMinutesPerHour = 60;

std::optional<LiveProgram> AttachOrReport(GroupReport& report);

SYSTEMTIME LocalNow();
// Returns at once when the second of the minute is at most latest_second; otherwise waits for
// the next minute to begin, so that a case has the rest of the minute to run in.
void WaitForRoomInMinute(int latest_second);
// Two digits, as a person types an hour or a minute.
std::string TwoDigits(int number);
// An hour half a day from now: a box holding it cannot match for hours.
std::string FarHour();

// Fills the boxes so that no state on the way matches the clock when the final one does not:
// the hour box holds kNeverHour while the minute box changes.
bool FillBoxes(GroupReport& report, const LiveProgram& program, std::string_view hour,
               std::string_view minute);
// Waits until the status label shows what the boxes hold now, read back from them.
bool WaitForStatus(GroupReport& report, const LiveProgram& program, Ms timeout);
// Fills the boxes, clicks 按钮1 and waits for the first tick's status text.
bool Arm(GroupReport& report, const LiveProgram& program, std::string_view hour,
         std::string_view minute);

}  // namespace orvenal::ui
