// The shutdown schedule's test groups and the steps the leak run takes. Each attaches to the
// Orvenal that the calling script started and returns whether all its checks held.
#pragma once

namespace orvenal::ui {

// After a click on 按钮1, 标签2 changes at the first tick and not at the click, follows later
// edits of the boxes at the next tick, and a second click does not shift the ticks' phase.
bool ScheduleStatusGroup();
// Times that come close to the clock but must not fire, each watched over several ticks.
bool NearMissGroup();
// Arms a freshly started program for the current minute: the session should end, and with it
// this driver, within two ticks.
bool PowerRequestGroup();
// Arms for a time half a day away and waits for the first tick: the steady state of a soak.
bool ArmFarGroup();
// Arms, closes the window and expects the program to end with exit code 0.
bool CloseArmedGroup();

}  // namespace orvenal::ui
