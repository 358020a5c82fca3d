// The shutdown schedule's groups: what 标签2 shows and when, times that come close to the
// clock but must not fire, the one that must, closing while armed, and the armed steady state
// that the leak run measures.
//
// A power-off request ends the whole Wine session, this driver with it, so no case here can
// see one: ui-schedule.sh reads the program's relay trace for ExitWindowsEx. Each case that
// could end the session prints first what it is about to try.
#include <cstdio>
#include <string>

#include "tests/ui/groups.h"
#include "tests/ui/schedule_steps.h"
#include "tests/ui/status_text.h"

namespace orvenal::ui_test {
namespace {

// A first tick sooner than this after the click would be the click's own doing.
constexpr Milliseconds kEarliestFirstTick{800};
// After a second click half-way through a period, the next tick comes half a period later if
// the click left the timer alone, a whole period later if it restarted it.
constexpr Milliseconds kHalfPeriod{500};
constexpr Milliseconds kLatestKeptPhaseTick{800};
constexpr int kPhaseAttempts = 3;
// The minute box's texts around each second click, which make the next tick visible.
constexpr int kMinuteBeforeSecondClick = 40;
constexpr int kMinuteAfterSecondClick = 50;
// A case that uses the clock's minute must start early enough to finish within it.
constexpr int kLatestNearMissSecond = 45;
constexpr int kLatestPowerOffSecond = 55;
constexpr Milliseconds kPowerOffDeadline{10000};
constexpr int kObservedTicks = 3;
// The soak's hour box: an hour followed by characters that the number ignores, so that a
// tick that loses a box text it read loses kilobytes.
constexpr std::size_t kLongBoxCharacters = 1000;
constexpr int kLineBufferSize = 64;

Milliseconds Since(std::uint64_t start) {
  return Milliseconds{::GetTickCount64() - start};
}

void Say(const std::string& line) {
  std::printf("    %s\n", line.c_str());
  std::fflush(stdout);
}

void StatusAtFirstTick(Case& c, const Program& app) {
  const std::string hour = FarHour();
  constexpr std::string_view kMinute = "05";
  if (!FillBoxes(c, app, hour, kMinute)) {
    return;
  }
  const HWND label = app.Control(ids::kLabel2);
  c.Expect(FullText(label) == kStoredStatus,
           "before the click 标签2 shows " + Quoted(FullText(label)));
  const std::uint64_t clicked = ::GetTickCount64();
  if (!ClickArm(c, app)) {
    return;
  }
  c.Expect(FullText(label) == kStoredStatus,
           "the click itself changed 标签2 to " + Quoted(FullText(label)));
  if (!ExpectStatus(c, app, Milliseconds{kTickPeriod.count() + kTickSlack.count()})) {
    return;
  }
  const Milliseconds first = Since(clicked);
  c.Expect(first.count() >= kEarliestFirstTick.count(),
           "the status text came only " + Ms(first) + " after the click");
  c.Expect(FullText(label) == StatusText(hour, kMinute),
           "the status text does not keep the zeros: " + Quoted(FullText(label)));
}

// Each edit keeps the schedule away from the clock: the hour is half a day off, or the
// minute box says 99.
struct BoxEdit {
  bool far_hour;  // the hour box holds FarHour(), else `hour`
  std::string_view hour;
  std::string_view minute;
};
constexpr BoxEdit kEdits[] = {
    {true, "", ""},      {true, "", "30分"},    {false, "abc", "99"},
    {false, " 7", "99"}, {false, "１０", "99"},
};

void FollowsEdits(Case& c, const Program& app) {
  if (!Arm(c, app, FarHour(), "00")) {
    return;
  }
  for (const BoxEdit& edit : kEdits) {
    const std::string hour = edit.far_hour ? FarHour() : std::string(edit.hour);
    if (!FillBoxes(c, app, hour, edit.minute) || !ExpectStatus(c, app)) {
      return;
    }
  }
}

// Clicks again half-way between two ticks and times the next tick from the click. A tick never
// comes early, so one short wait proves the phase kept; only a restarted timer makes every
// attempt wait a whole period.
void SecondClickKeepsPhase(Case& c, const Program& app) {
  const std::string hour = FarHour();
  if (!Arm(c, app, hour, "00")) {
    return;
  }
  std::string waits;
  for (int attempt = 0; attempt < kPhaseAttempts; ++attempt) {
    if (!FillBoxes(c, app, hour, std::to_string(kMinuteBeforeSecondClick + attempt)) ||
        !ExpectStatus(c, app)) {
      return;
    }
    ::Sleep(static_cast<DWORD>(kHalfPeriod.count()));
    const std::uint64_t clicked = ::GetTickCount64();
    if (!ClickArm(c, app) ||
        !c.Expect(
            SetText(app.Control(ids::kEditBox2), std::to_string(kMinuteAfterSecondClick + attempt)),
            "编辑框2 did not take WM_SETTEXT") ||
        !ExpectStatus(c, app)) {
      return;
    }
    const Milliseconds wait = Since(clicked);
    if (wait.count() < kLatestKeptPhaseTick.count()) {
      return;
    }
    waits.append(" ").append(Ms(wait));
  }
  c.Fail("after a second click half-way through a period the next tick came" + waits +
         " later: the click restarts 时钟2");
}

void CloseWhileArmed(Case& c, const Program& app) {
  if (Arm(c, app, FarHour(), "00") &&
      c.Expect(::PostMessageA(app.window(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0,
               "SC_CLOSE could not be posted")) {
    app.ExpectExit(c, 0);
  }
}

// Times that must not fire, taken from the clock when each case starts.
struct NearMiss {
  std::string_view name;
  int hours_off;
  int minutes_off;
  std::string_view hour_suffix;
};
constexpr NearMiss kNearMisses[] = {
    {"the hour matches, the minute is half an hour off", 0, 30, ""},
    {"the minute matches, the hour is half a day off", 12, 0, ""},
    {"both match, but the hour box is 2e-7 above the hour", 0, 0, ".0000002"},
};

// Adds a space to the minute at each step: the label changes, the number does not, so every
// step's tick is seen to have run with the case in the boxes.
void WatchNearMiss(Case& c, const Program& app, const NearMiss& miss) {
  WaitForRoomInMinute(kLatestNearMissSecond);
  const SYSTEMTIME now = LocalNow();
  std::string hour = std::to_string((now.wHour + miss.hours_off) % kHoursPerDay);
  hour.append(miss.hour_suffix);
  std::string minute = std::to_string((now.wMinute + miss.minutes_off) % kMinutesPerHour);
  Say("armed for " + hour + "时" + minute + "分, which must not fire");
  if (!Arm(c, app, hour, minute)) {
    return;
  }
  for (int tick = 0; tick < kObservedTicks; ++tick) {
    minute.push_back(' ');
    if (!FillBoxes(c, app, hour, minute) || !ExpectStatus(c, app)) {
      return;
    }
  }
  c.Expect(!app.ExitCode().has_value(), "the program ended");
}

void PowerOffNow(Case& c, const Program& app) {
  WaitForRoomInMinute(kLatestPowerOffSecond);
  const SYSTEMTIME now = LocalNow();
  const std::string hour = std::to_string(now.wHour);
  const std::string minute = std::to_string(now.wMinute);
  if (!FillBoxes(c, app, hour, minute)) {
    return;
  }
  Say("armed for " + hour + "时" + minute + "分, the current minute: the session should end");
  ClickArm(c, app);
  // Still being here after the deadline is the failure.
  PollUntil([&] { return app.ExitCode().has_value(); }, kPowerOffDeadline);
  c.Fail("the program still runs " + Ms(kPowerOffDeadline) + " after the click, or it ended " +
         "without the session");
}

// Arms, says so on standard output, and closes the window when a line (or the end) arrives on
// standard input, so that the leak run decides how long the steady phase lasts.
void ArmedUntilTold(Case& c, const Program& app) {
  std::string hour = FarHour();
  for (std::size_t i = 0; i < kLongBoxCharacters; ++i) {
    hour.append("点");
  }
  if (!Arm(c, app, hour, "30")) {
    return;
  }
  Say("armed");
  char line[kLineBufferSize];
  if (std::fgets(line, sizeof line, stdin) == nullptr) {
    std::clearerr(stdin);
  }
  if (c.Expect(::PostMessageA(app.window(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0,
               "SC_CLOSE could not be posted")) {
    app.ExpectExit(c, 0);
  }
}

void RunOnFreshProgram(Suite& suite, std::string_view name,
                       void (*body)(Case& c, const Program& app)) {
  suite.Run(name, [&](Case& c) {
    const Program app(suite.program_path());
    body(c, app);
  });
}

}  // namespace

void RunScheduleGroup(Suite& suite) {
  RunOnFreshProgram(suite, "schedule: 标签2 changes at the first tick, not at the click",
                    StatusAtFirstTick);
  RunOnFreshProgram(suite, "schedule: 标签2 follows edits of the boxes at the next tick",
                    FollowsEdits);
  RunOnFreshProgram(suite, "schedule: a second click does not shift the ticks",
                    SecondClickKeepsPhase);
  RunOnFreshProgram(suite, "schedule: closing the window while armed ends with exit code 0",
                    CloseWhileArmed);
}

void RunNearMissGroup(Suite& suite) {
  for (const NearMiss& miss : kNearMisses) {
    suite.Run("near miss: " + std::string(miss.name), [&](Case& c) {
      const Program app(suite.program_path());
      WatchNearMiss(c, app, miss);
    });
  }
}

void RunPowerRequestGroup(Suite& suite) {
  RunOnFreshProgram(suite, "power request: armed for the current minute", PowerOffNow);
}

void RunSoakGroup(Suite& suite) {
  RunOnFreshProgram(suite, "soak: armed for half a day away until told to close", ArmedUntilTold);
}

}  // namespace orvenal::ui_test
