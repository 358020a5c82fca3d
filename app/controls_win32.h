// Creation of each kind of control as a child window of the main window, and the window
// classes the program registers for them.
#pragma once

#include <windows.h>

#include "app/live_window_win32.h"

namespace orvenal {

inline constexpr char kMainWindowClass[] = "OrvenalWindow";
inline constexpr char kLabelClass[] = "OrvenalLabel";
inline constexpr char kHyperLinkerClass[] = "OrvenalHyperLinker";
inline constexpr char kTimerClass[] = "OrvenalTimer";

// The system timer every Timer control runs on its own window.
inline constexpr UINT_PTR kTimerId = 1000;

// Registers the classes of the Label, HyperLinker and Timer kinds. False when one fails.
bool RegisterControlClasses(HINSTANCE instance);

// Creates the control's window, hidden, in the parent's client coordinates; false on failure.
bool CreateLabel(ControlState& state, HWND parent, HINSTANCE instance);
bool CreateEditBox(ControlState& state, HWND parent, HINSTANCE instance);
bool CreateButton(ControlState& state, HWND parent, HINSTANCE instance);
bool CreateHyperLinker(ControlState& state, HWND parent, HINSTANCE instance);
bool CreateTimer(ControlState& state, HWND parent, HINSTANCE instance);

// The Timer period rule applied to a live timer.
void WriteTimerPeriod(ControlState& state, std::int32_t period);

// The colours an EditBox gives its parent for WM_CTLCOLOREDIT.
LRESULT EditBoxColors(const ControlState& state, HDC dc);

// Shared control creation helpers.

// Creates a control of one of the program's own classes as a hidden child window at its
// recorded place, with its ControlId as window id and its state as creation parameter.
HWND CreateChildWindow(ControlState& state, DWORD ex_styles, const char* window_class,
                       const char* text, DWORD styles, HWND parent, HINSTANCE instance);

// The state behind a window of the program's own classes: attached on WM_NCCREATE, and null
// before that, when the window procedure has only the default handling to give.
ControlState* ControlStateFor(HWND hwnd, UINT message, LPARAM lparam);

DWORD ChildStyles(const Record& record);
DWORD BorderExStyle(Border border);
DWORD BorderPlainStyle(Border border);
// The font a control draws with: its own when it has one, else the stock GUI font.
HFONT FontOf(const ControlState& state);
// Creates the font for a stored record; an empty handle when there is none or it fails.
UniqueFont CreateStoredFont(const FontSetting& font);
// A brush of the colour; empty for the system button-face colour, which BrushOrSystem looks up when
// drawing.
UniqueBrush CreateColorBrush(ColorRef color);
HBRUSH BrushOrSystem(const UniqueBrush& brush);
COLORREF ResolveColor(ColorRef color);

}  // namespace orvenal
