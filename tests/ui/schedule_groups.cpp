// Test groups of the shutdown schedule, run by the driver against a program that the script
// started: what 标签2 shows and when, the times that must not fire, the one that must, and
// closing while armed.
//
// A power-off request ends the whole Wine session, this driver too; so the script reads the
// program's relay trace for ExitWindowsEx, and the groups print, before each step that could
// end the session, what they are about to do.
#include "tests/ui/schedule_groups.h"

#include "tests/ui/schedule_steps.h"
#include "tests/ui/status_text.h"

namespace orvenal::ui {
namespace {

// A first tick sooner than this after the click came from the click itself.
constexpr Ms kEarliestFirstTickMs = 800;
// After a second click half-way through a period, the next tick comes half a period later if
// the click left the timer alone, a whole period later if it restarted it.
constexpr Ms kHalfPeriodMs = 500;
constexpr Ms kLatestKeptPhaseTickMs = 800;
constexpr int kPhaseAttempts = 3;
// The minute box's texts around each second click, so that the next tick can be seen.
constexpr int kMinuteBeforeSecondClick = 40;
constexpr int kMinuteAfterSecondClick = 50;
// A case that watches the clock's minute must start early enough to run within it.
constexpr int kLatestCaseSecond = 45;
// The request must come within two ticks of the click, and both must fit in the minute.
constexpr int kLatestPowerSecond = 55;
constexpr Ms kPowerOffTimeoutMs = 10000;
constexpr int kObservedTicks = 3;

Ms Since(Ms start) {
  return NowMs() - start;
}

std::string Duration(Ms duration) {
  return std::to_string(duration) + " ms";
}

// The edits after arming: the label takes each at the next tick. Each keeps the schedule
// away from the clock: either the hour is half a day off, or the minute box says 99.
struct BoxEdit {
  bool far_hour;  // the hour box holds FarHour(), else `hour`
  std::string_view hour;
  std::string_view minute;
};
constexpr BoxEdit kEdits[] = {
    {true, "", ""},      {true, "", "30分"},    {false, "abc", "99"},
    {false, " 7", "99"}, {false, "１０", "99"},
};

bool FollowsEdits(GroupReport& report, const LiveProgram& program) {
  for (const BoxEdit& edit : kEdits) {
    const std::string hour = edit.far_hour ? FarHour() : std::string(edit.hour);
    if (!FillBoxes(report, program, hour, edit.minute) ||
        !WaitForStatus(report, program, 2 * kTickPeriodMs + kTickSlackMs)) {
      return false;
    }
  }
  return true;
}

// Clicks again half-way between two ticks and times the next tick from the click, made
// visible by a new minute text. A tick never comes early, so one short wait proves the phase
// was kept; only a restarted timer makes every attempt wait a whole period.
bool SecondClickKeepsPhase(GroupReport& report, const LiveProgram& program) {
  const std::string hour = FarHour();
  Ms waits[kPhaseAttempts];
  for (int attempt = 0; attempt < kPhaseAttempts; ++attempt) {
    const std::string before = std::to_string(kMinuteBeforeSecondClick + attempt);
    const std::string after = std::to_string(kMinuteAfterSecondClick + attempt);
    if (!FillBoxes(report, program, hour, before) ||
        !WaitForStatus(report, program, 2 * kTickPeriodMs + kTickSlackMs)) {
      return false;
    }
    Sleep(static_cast<DWORD>(kHalfPeriodMs));
    const auto clicked = NowMs();
    if (!report.Expect(program.Click(ids::kButton1) && program.SetText(ids::kEditBox2, after),
                       "the second click or the new minute was not taken") ||
        !WaitForStatus(report, program, 2 * kTickPeriodMs + kTickSlackMs)) {
      return false;
    }
    waits[attempt] = Since(clicked);
    if (waits[attempt] < kLatestKeptPhaseTickMs) {
      report.Note("next tick " + Duration(waits[attempt]) + " after a second click mid-period");
      return true;
    }
  }
  std::string seen;
  for (const Ms wait : waits) {
    seen += ' ';
    seen += Duration(wait);
  }
  return report.Expect(false, "after a second click mid-period the next tick came" + seen +
                                  " later: the click restarts 时钟2");
}

// Times that must not fire, each taken from the clock when its case starts.
struct NearMiss {
  const char* name;
  int hours_off;
  int minutes_off;
  std::string_view hour_suffix;
};
constexpr NearMiss kNearMisses[] = {
    {"the hour matches, the minute is half an hour off", 0, 30, ""},
    {"the minute matches, the hour is half a day off", 12, 0, ""},
    {"both match but the hour box is 2e-7 above the hour", 0, 0, ".0000002"},
};

bool WatchNearMiss(GroupReport& report, const LiveProgram& program, const NearMiss& miss) {
  WaitForRoomInMinute(kLatestCaseSecond);
  const SYSTEMTIME now = LocalNow();
  const std::string hour =
      std::to_string((now.wHour + miss.hours_off) % kHoursPerDay) + std::string(miss.hour_suffix);
  std::string minute = std::to_string((now.wMinute + miss.minutes_off) % kMinutesPerHour);
  report.Note(std::string("watching: ") + miss.name + " (" + hour + "时" + minute + "分)");
  // A space more at each step changes the label but not the number, so every step's tick is
  // seen to have run with the case in the boxes.
  for (int tick = 0; tick < kObservedTicks; ++tick) {
    minute += ' ';
    if (!FillBoxes(report, program, hour, minute) ||
        !WaitForStatus(report, program, 2 * kTickPeriodMs + kTickSlackMs)) {
      return false;
    }
  }
  return report.Expect(program.Running(), std::string("the program ended: ") + miss.name);
}

}  // namespace

bool ScheduleStatusGroup() {
  GroupReport report("schedule_status");
  auto program = AttachOrReport(report);
  if (!program) {
    return false;
  }
  const std::string hour = FarHour();
  constexpr std::string_view kMinute = "05";
  if (!FillBoxes(report, *program, hour, kMinute)) {
    return false;
  }
  report.Expect(
      program->Text(ids::kLabel2) == kStoredStatus,
      "before the click 标签2 shows \"" + program->Text(ids::kLabel2).value_or("") + "\"");
  const auto clicked = NowMs();
  report.Expect(program->Click(ids::kButton1), "按钮1 did not take BM_CLICK");
  const auto at_click = program->Text(ids::kLabel2);
  report.Expect(at_click == kStoredStatus,
                "the click itself changed 标签2 to \"" + at_click.value_or("") + "\"");
  if (!WaitForStatus(report, *program, kTickPeriodMs + kTickSlackMs)) {
    return false;
  }
  const Ms first_tick = Since(clicked);
  report.Note("the status text came " + Duration(first_tick) + " after the click");
  report.Expect(first_tick >= kEarliestFirstTickMs,
                "the status text came only " + Duration(first_tick) + " after the click");
  FollowsEdits(report, *program) && SecondClickKeepsPhase(report, *program);
  return report.Passed();
}

bool NearMissGroup() {
  GroupReport report("near_miss");
  auto program = AttachOrReport(report);
  if (!program || !Arm(report, *program, FarHour(), "00")) {
    return false;
  }
  for (const NearMiss& miss : kNearMisses) {
    if (!WatchNearMiss(report, *program, miss)) {
      break;
    }
  }
  return report.Passed();
}

bool PowerRequestGroup() {
  GroupReport report("power_request");
  auto program = AttachOrReport(report);
  if (!program) {
    return false;
  }
  WaitForRoomInMinute(kLatestPowerSecond);
  const SYSTEMTIME now = LocalNow();
  const std::string hour = std::to_string(now.wHour);
  const std::string minute = std::to_string(now.wMinute);
  if (!FillBoxes(report, *program, hour, minute)) {
    return false;
  }
  report.Note("arming for " + hour + "时" + minute + "分, the current minute");
  report.Expect(program->Click(ids::kButton1), "按钮1 did not take BM_CLICK");
  // The request ends the session and this driver with it; still being here is the failure.
  WaitUntil([&] { return !program->Running(); }, kPowerOffTimeoutMs);
  return report.Expect(!program->Running(), "the program still runs " +
                                                Duration(kPowerOffTimeoutMs) +
                                                " after being armed for the current minute");
}

bool ArmFarGroup() {
  GroupReport report("arm_far");
  auto program = AttachOrReport(report);
  return program && Arm(report, *program, FarHour(), "30") && report.Passed();
}

bool CloseArmedGroup() {
  GroupReport report("close_armed");
  auto program = AttachOrReport(report);
  if (!program || !Arm(report, *program, FarHour(), "00")) {
    return false;
  }
  report.Expect(program->Close(), "WM_SYSCOMMAND SC_CLOSE could not be posted");
  const auto code = program->WaitForExit(kExitTimeoutMs);
  report.Expect(code.has_value(), "still running " + Duration(kExitTimeoutMs) + " after the close");
  report.Expect(!code || *code == 0, "exit code " + std::to_string(code.value_or(0)) + ", not 0");
  return report.Passed();
}

}  // namespace orvenal::ui
