// The shared steps of the schedule's test groups.
#include "tests/ui/schedule_steps.h"

#include <cstdio>

#include "tests/ui/status_text.h"

namespace orvenal::ui {
namespace {

constexpr Ms kMinuteTimeoutMs = 70000;
constexpr int kHalfDay = 12;

}  // namespace

std::optional<LiveProgram> AttachOrReport(GroupReport& report) {
  auto program = LiveProgram::Attach(kStartTimeoutMs);
  report.Expect(program.has_value(),
                "no shown OrvenalWindow within " + std::to_string(kStartTimeoutMs) + " ms");
  return program;
}

SYSTEMTIME LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now;
}

void WaitForRoomInMinute(int latest_second) {
  const SYSTEMTIME start = LocalNow();
  if (start.wSecond <= latest_second) {
    return;
  }
  WaitUntil([&] { return LocalNow().wMinute != start.wMinute; }, kMinuteTimeoutMs);
}

std::string TwoDigits(int number) {
  char text[] = "00";
  std::snprintf(text, sizeof text, "%02d", number);
  return text;
}

std::string FarHour() {
  return TwoDigits((LocalNow().wHour + kHalfDay) % kHoursPerDay);
}

bool FillBoxes(GroupReport& report, const LiveProgram& program, std::string_view hour,
               std::string_view minute) {
  return report.Expect(program.SetText(ids::kEditBox1, kNeverHour) &&
                           program.SetText(ids::kEditBox2, minute) &&
                           program.SetText(ids::kEditBox1, hour),
                       "WM_SETTEXT to the boxes was not taken");
}

bool WaitForStatus(GroupReport& report, const LiveProgram& program, Ms timeout) {
  const auto hour = program.Text(ids::kEditBox1);
  const auto minute = program.Text(ids::kEditBox2);
  if (!report.Expect(hour && minute, "the boxes did not answer WM_GETTEXT")) {
    return false;
  }
  const std::string expected = StatusText(*hour, *minute);
  std::optional<std::string> seen;
  if (WaitUntil([&] { return (seen = program.Text(ids::kLabel2)) == expected; }, timeout)) {
    return true;
  }
  return report.Expect(false, "标签2 shows \"" + seen.value_or("(no answer)") + "\", not \"" +
                                  expected + "\", " + std::to_string(timeout) +
                                  " ms after the boxes were set");
}

bool Arm(GroupReport& report, const LiveProgram& program, std::string_view hour,
         std::string_view minute) {
  return FillBoxes(report, program, hour, minute) &&
         report.Expect(program.Click(ids::kButton1), "按钮1 did not take BM_CLICK") &&
         WaitForStatus(report, program, kTickPeriodMs + kTickSlackMs);
}

}  // namespace orvenal::ui
