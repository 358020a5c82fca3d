// Steps that the schedule's and the bad-input groups share: the clock, the texts of boxes and
// labels whatever their length, filling the two boxes without passing through a time that
// would fire, a click on 按钮1, pasting, and waiting for the status text of a tick.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/ui/check.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {

inline constexpr Milliseconds kTickPeriod{1000};
// A tick due within one period may come this much later on a busy machine.
inline constexpr Milliseconds kTickSlack{1500};
// The next tick after a change to the boxes: the one due may just have passed.
inline constexpr Milliseconds kNextTickDeadline{2 * kTickPeriod.count() + kTickSlack.count()};
// An hour box text that no clock matches, so that the other box may hold anything.
inline constexpr std::string_view kNeverHour = "99";
inline constexpr int kHoursPerDay = 24;
inline constexpr int kMinutesPerHour = 60;

SYSTEMTIME LocalNow();
// Returns at once while the second of the minute is at most latest_second; otherwise waits
// for the next minute, so that a case has the rest of a minute to run in.
void WaitForRoomInMinute(int latest_second);
// An hour half a day from now, as two digits: a box holding it cannot match for hours.
std::string FarHour();

// The window's whole text, however long; "(no answer)" when it does not answer.
std::string FullText(HWND hwnd);
bool SetText(HWND hwnd, std::string_view text);

// Fills the boxes so that no state on the way matches the clock when the final one does not:
// the hour box holds kNeverHour while the minute box changes.
bool FillBoxes(Case& c, const Program& app, std::string_view hour, std::string_view minute);
// Clicks 按钮1 through the button itself (BM_CLICK), as the mouse would.
bool ClickArm(Case& c, const Program& app);
// Puts the text on the clipboard as CF_TEXT and pastes it over the box's whole text.
bool PasteInto(Case& c, const Program& app, ControlId box, std::string_view text);
// Waits until 标签2 shows the status text for what the boxes hold, as read back from them.
bool ExpectStatus(Case& c, const Program& app, Milliseconds deadline = kNextTickDeadline);
// Fills the boxes, clicks 按钮1 and waits for the first tick's status text.
bool Arm(Case& c, const Program& app, std::string_view hour, std::string_view minute);

// Shown(text) for a failure message: control bytes, bytes the code page would not pair into a
// character, the quote and the backslash as \xNN; a long text cut in the middle, its length
// said.
std::string Shown(std::string_view text);
std::string Ms(Milliseconds duration);

}  // namespace orvenal::ui_test
