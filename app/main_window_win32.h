// The main window: its class, creation from the window record, its controls and their
// stacking, and its keyboard focus rules.
#pragma once

#include <windows.h>

#include "app/live_window_win32.h"

namespace orvenal {

bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the top-level window, not yet visible, placed and sized by its record.
bool CreateMainWindow(LiveWindow& window, HINSTANCE instance);

// Creates one control of the window as a hidden child window.
bool CreateControl(ControlState& control, HWND parent, HINSTANCE instance);

// Stacks the controls by description order, the first on top, without moving anything.
void StackControls(const LiveWindow& window);

// Shows the controls marked visible (without activating them) and the window itself.
void ShowControls(const LiveWindow& window);
void ShowMainWindow(const LiveWindow& window);

// The control of the window that a child window belongs to, or null.
ControlState* ControlOfWindow(const LiveWindow& window, HWND hwnd);
ControlState* ControlById(const LiveWindow& window, ControlId id);

}  // namespace orvenal
