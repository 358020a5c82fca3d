// The parts of the "frame" group: frame_window.cpp looks at the window after start from
// outside, frame_inside.cpp from inside through the probe, frame_keys.cpp drives it with the
// keyboard and closes it.
#pragma once

#include "tests/ui/check.h"

namespace orvenal::ui_test {

// RunFrameGroup (groups.h) runs its own cases, then these.
void RunFrameInsideCases(Suite& suite);
void RunFrameKeyboardCases(Suite& suite);

}  // namespace orvenal::ui_test
