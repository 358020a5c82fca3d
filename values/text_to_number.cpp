// Folding of full-width characters and the decimal reader behind TextToNumber.
//
// The reader checks the grammar itself and hands only the digits it accepted, rewritten as
// "d.ddd...e<scale>", to std::from_chars: that keeps the result correctly rounded and free of
// the C locale, and keeps the exponent small however many zeros the text holds.
#include "values/text_to_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

namespace orvenal {
namespace {

constexpr unsigned char kFirstLeadByte = 0x80;  // below it a byte is a character of its own
constexpr unsigned char kSymbolLead = 0xA1;     // punctuation and symbols
constexpr unsigned char kFullWidthLead = 0xA3;  // full-width forms of ASCII 21..7E
constexpr unsigned char kFullWidthFirstTrail = 0xA1;
constexpr unsigned char kFullWidthLastTrail = 0xFE;
constexpr unsigned char kFullWidthOffset = 0x80;  // trail byte minus this is the ASCII form

struct SymbolFold {
  unsigned char trail;
  char ascii;
};
constexpr std::array<SymbolFold, 4> kSymbolFolds = {{
    {0xA1, ' '},  // ideographic space
    {0xAB, '~'},  // full-width tilde
    {0xEE, '*'},  // white star
    {0xEF, '*'},  // black star
}};

std::optional<char> FoldPair(unsigned char lead, unsigned char trail) {
  if (lead == kFullWidthLead && trail >= kFullWidthFirstTrail && trail <= kFullWidthLastTrail) {
    return static_cast<char>(trail - kFullWidthOffset);
  }
  if (lead == kSymbolLead) {
    for (const SymbolFold& fold : kSymbolFolds) {
      if (fold.trail == trail) {
        return fold.ascii;
      }
    }
  }
  return std::nullopt;
}

bool IsSpace(char c) {
  return (c >= '\t' && c <= '\r') || c == ' ';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsSign(char c) {
  return c == '+' || c == '-';
}
bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

constexpr std::int64_t kDecimalBase = 10;
// Exponents are accumulated up to this bound, far past every double yet safe to add to the
// length of any text without overflow.
constexpr std::int64_t kExponentBound = 1'000'000'000'000;
// A number whose first significant digit stands at 10^scale is at least 10^309, above every
// double, for scale above this, and below 10^-324, under half the smallest double, for scale
// below kMinScale.
constexpr std::int64_t kMaxScale = std::numeric_limits<double>::max_exponent10;
constexpr std::int64_t kMinScale = -324;
constexpr std::size_t kScaleDigits = 16;  // "e", a sign and the digits of any scale in range

double WithSign(bool negative, double magnitude) {
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::string ToHalfWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size() && text[i] != '\0') {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < kFirstLeadByte) {
      folded += text[i];
      ++i;
      continue;
    }
    // A lead byte always takes the next byte as its partner, except the end of the text.
    if (i + 1 == text.size() || text[i + 1] == '\0') {
      break;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (const std::optional<char> ascii = FoldPair(lead, trail)) {
      folded += *ascii;
    } else {
      folded += text[i];
      folded += text[i + 1];
    }
    i += 2;
  }
  return folded;
}

double ParseDecimal(std::string_view bytes) {
  const std::size_t size = bytes.size();
  std::size_t i = 0;
  while (i < size && IsSpace(bytes[i])) {
    ++i;
  }
  bool negative = false;
  if (i < size && IsSign(bytes[i])) {
    negative = bytes[i] == '-';
    ++i;
  }

  const std::size_t integer_begin = i;
  while (i < size && IsDigit(bytes[i])) {
    ++i;
  }
  const std::size_t integer_end = i;
  std::size_t fraction_begin = i;
  std::size_t fraction_end = i;
  if (i < size && bytes[i] == '.') {
    fraction_begin = i + 1;
    fraction_end = fraction_begin;
    while (fraction_end < size && IsDigit(bytes[fraction_end])) {
      ++fraction_end;
    }
  }
  if (integer_end == integer_begin && fraction_end == fraction_begin) {
    return 0.0;  // no mantissa: neither the sign nor what follows counts
  }
  i = fraction_end;

  std::int64_t exponent = 0;
  if (i < size && IsExponentLetter(bytes[i])) {
    std::size_t j = i + 1;
    const bool exponent_negative = j < size && bytes[j] == '-';
    if (j < size && IsSign(bytes[j])) {
      ++j;
    }
    // Without a digit the letter is not an exponent and the number ended before it.
    for (; j < size && IsDigit(bytes[j]); ++j) {
      exponent = std::min(exponent * kDecimalBase + (bytes[j] - '0'), kExponentBound);
    }
    exponent = exponent_negative ? -exponent : exponent;
  }

  // Rewrite the mantissa from its first significant digit on as d.ddd..., so that its scale
  // alone carries the position of the point.
  std::string normalised;
  normalised.reserve(integer_end - integer_begin + fraction_end - fraction_begin + kScaleDigits);
  std::int64_t leading_zeros = 0;
  const auto take_digits = [&](std::size_t begin, std::size_t end) {
    for (std::size_t k = begin; k < end; ++k) {
      if (!normalised.empty()) {
        normalised += bytes[k];
      } else if (bytes[k] != '0') {
        normalised += bytes[k];
        normalised += '.';
      } else {
        ++leading_zeros;
      }
    }
  };
  take_digits(integer_begin, integer_end);
  take_digits(fraction_begin, fraction_end);
  if (normalised.empty()) {
    return WithSign(negative, 0.0);
  }

  const auto integer_digits = static_cast<std::int64_t>(integer_end - integer_begin);
  const std::int64_t scale = integer_digits - leading_zeros - 1 + exponent;
  if (scale > kMaxScale) {
    return WithSign(negative, std::numeric_limits<double>::infinity());
  }
  if (scale < kMinScale) {
    return WithSign(negative, 0.0);
  }
  normalised += 'e';
  std::array<char, kScaleDigits> scale_text{};
  const auto scale_end =
      std::to_chars(scale_text.data(), scale_text.data() + scale_text.size(), scale).ptr;
  normalised.append(scale_text.data(), scale_end);

  double magnitude = 0.0;
  const auto result =
      std::from_chars(normalised.data(), normalised.data() + normalised.size(), magnitude);
  // Out of range near the ends of the double range leaves magnitude untouched; the scale
  // tells which end was passed.
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return WithSign(negative, magnitude);
}

double TextToNumber(const Text& text) {
  return ParseDecimal(ToHalfWidth(text.View()));
}

}  // namespace orvenal
