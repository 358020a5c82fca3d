// The number a typed text denotes: full-width forms of ASCII characters are folded to ASCII
// first, then a decimal number is read from the start of the folded text.
//
// Nothing here fails: a text that does not begin with a number gives +0, one that does gives
// that number whatever follows it. The decimal point is always "." whatever the user's
// regional settings, and the result is the correctly rounded double.
#pragma once

#include <string>
#include <string_view>

#include "values/text.h"

namespace orvenal {

// The code page 936 text with its full-width ASCII forms (A3 A1..A3 FE), the ideographic
// space, the full-width tilde and the two stars replaced by single bytes; every other pair is
// kept. The text ends at its first zero byte; a lead byte with no byte after it is dropped.
// The result is never longer than the text.
std::string ToHalfWidth(std::string_view text);

// The decimal number at the start of bytes, after leading white space: an optional sign,
// digits with an optional point (at least one digit), then an optional exponent introduced by
// E, e, D or d. Too large a magnitude gives an infinity, too small a zero, both signed. No
// digit at all gives +0.
double ParseDecimal(std::string_view bytes);

// ParseDecimal(ToHalfWidth(text)); a null text reads as the empty text and gives 0.
double TextToNumber(const Text& text);

}  // namespace orvenal
