// TextToNumber over any bytes: it never crashes, it is ParseDecimal of ToHalfWidth, folding
// never lengthens a text, and the number agrees with the C library's correctly rounded
// strtod wherever the two grammars coincide.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "values/text.h"
#include "values/text_to_number.h"

namespace orvenal {
namespace {

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The part of a folded text that strtod reads by the same rules: it stops before anything
// that is not white space, a digit, a sign, a point or an exponent letter, which leaves out
// hexadecimal numbers and the words for infinity and not-a-number. D and d become e, the
// only exponent letters strtod knows.
std::string StrtodSpelling(std::string_view folded) {
  constexpr std::string_view kNumberBytes = "0123456789+-.eEdD\t\n\v\f\r ";
  std::string spelling(folded.substr(0, folded.find_first_not_of(kNumberBytes)));
  for (char& c : spelling) {
    if (c == 'd' || c == 'D') {
      c = 'e';
    }
  }
  return spelling;
}

void CheckText(std::string_view bytes) {
  const std::string folded = ToHalfWidth(bytes);
  FuzzCheck(folded.size() <= bytes.size(), "ToHalfWidth never lengthens a text");
  FuzzCheck(folded.find('\0') == std::string::npos, "ToHalfWidth stops at the first zero byte");

  const double number = TextToNumber(Text::Copy(bytes));
  FuzzCheck(SameBits(number, ParseDecimal(folded)), "TextToNumber is ParseDecimal(ToHalfWidth)");
  FuzzCheck(!std::isnan(number), "no text gives not-a-number");

  // strtod gives +0 for a lone sign as well, and the grammars are otherwise the same here.
  const std::string spelling = StrtodSpelling(folded);
  const double expected = std::strtod(spelling.c_str(), nullptr);
  FuzzCheck(SameBits(ParseDecimal(spelling), expected), "ParseDecimal agrees with strtod");
}

}  // namespace
}  // namespace orvenal

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvenal::CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
