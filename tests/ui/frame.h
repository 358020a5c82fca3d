// The two halves of the "frame" group: frame_window.cpp looks at the window after start,
// frame_keys.cpp drives it with the keyboard and closes it.
#pragma once

#include "tests/ui/check.h"

namespace orvenal::ui_test {

// Runs the keyboard and closing cases; RunFrameGroup (groups.h) runs them after its own.
void RunFrameKeyboardCases(Suite& suite);

}  // namespace orvenal::ui_test
