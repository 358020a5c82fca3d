// Keyboard and mouse input as a person gives it: synthesised with SendInput, which Windows
// delivers to the foreground window, so a case first brings the program's window to the front.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "tests/ui/check.h"

namespace orvenal::ui_test {

// Makes the window the foreground window; fails the case when it does not become so.
bool BringToFront(Case& c, HWND window);

// Presses the keys in the given order and releases them in reverse: {VK_SHIFT, VK_TAB} is
// Shift+Tab.
void PressChord(const std::vector<WORD>& keys);

// Types the text character by character as Unicode input. ASCII only: Wine turns a
// double-byte character typed this way into "??" in a program whose message loop uses the
// ANSI functions.
void TypeText(std::string_view ascii);

// Moves the pointer to the point in screen coordinates, over a window of the program, and
// waits until it stays there once the program has taken in its pending input (see ClickAt).
void MovePointerTo(POINT screen_point, HWND window);

// Moves the pointer to the point in screen coordinates and clicks the left button there,
// over a window of the program (given, with its thread, to wait on).
//
// Each step waits for the one before to land. Under Wine the program's own X events can pull
// the pointer back to where the X pointer was when its window appeared, so the move is
// repeated until the pointer stays put after the program has taken in its pending input;
// the release follows only once the press has been taken up (the mouse is captured). Sent
// at once, the click now and again fell on an edit box instead of the close box.
void ClickAt(POINT screen_point, HWND window, DWORD ui_thread);

}  // namespace orvenal::ui_test
