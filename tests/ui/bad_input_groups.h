// Bad input through the real window: very long texts, every byte value, lone lead bytes and
// pasted text, while the schedule is armed.
#pragma once

namespace orvenal::ui {

bool BadInputGroup();

}  // namespace orvenal::ui
