// Joining texts into one new Text, as the status line is built from its fixed pieces and
// whatever the two boxes hold.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "values/text.h"

namespace orvenal {

// The bytes before the first zero byte; 0 for a null text.
std::size_t TextLength(const Text& text);

// The part of a text that joining uses: its bytes up to TextLength, empty for a null text.
std::string_view JoinablePart(const Text& text);

// A new text of the parts one after the other. Never null: joining nothing but empty parts
// gives a zero-length text.
Text JoinTexts(std::initializer_list<std::string_view> parts);

}  // namespace orvenal
