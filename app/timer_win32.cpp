// The Timer kind: a hidden child window that owns one system timer and raises its tick event
// on every timer message. Ticks that fall due while the thread is busy merge into one; none
// is made up later.
#include "app/controls_win32.h"
#include "app/frame_win32.h"
#include "app/timer_period.h"

namespace orvenal {
namespace {

void StartSystemTimer(ControlState& state) {
  SetTimer(state.hwnd, kTimerId, static_cast<UINT>(state.period), nullptr);
}

void OnTimerTick(ControlState& state, WPARAM timer) {
  if (timer == kTimerId) {
    state.frame->RaiseEvent(state.owner->description->window.id, state.record->id, kTickEvent);
  }
}

}  // namespace

LRESULT CALLBACK TimerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ControlState* state = ControlStateFor(hwnd, message, lparam);
  if (state == nullptr) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  switch (message) {
    case WM_TIMER:
      OnTimerTick(*state, wparam);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kTimerId);
      return 0;
    case WM_NCDESTROY:
      AttachState(hwnd, nullptr);
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool CreateTimer(ControlState& state, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  state.hwnd = CreateChildWindow(state, 0, kTimerClass, "", ChildStyles(record), parent, instance);
  if (state.hwnd == nullptr) {
    return false;
  }
  WriteTimerPeriod(state, std::get<TimerSettings>(record.settings).period_ms);
  return true;
}

void WriteTimerPeriod(ControlState& state, std::int32_t period) {
  const TimerPeriodChange change = ChangeTimerPeriod(state.period, period);
  if (!change.changed) {
    return;
  }
  KillTimer(state.hwnd, kTimerId);
  state.period = change.period;
  if (change.start) {
    StartSystemTimer(state);
  }
}

}  // namespace orvenal
