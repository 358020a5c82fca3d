// What number a typed text gives: full-width forms, trailing text, signs, exponents, the ends
// of the double range, and texts as long as an edit box holds. Texts are written as the bytes
// the program receives, in code page 936.
#include "values/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace orvenal {
namespace {

using namespace std::string_view_literals;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::size_t kEditBoxBytes = 30000;

struct NumberCase {
  std::string_view bytes;
  double number;
};

void ExpectNumbers(const NumberCase* begin, const NumberCase* end) {
  for (const NumberCase* c = begin; c != end; ++c) {
    const double number = TextToNumber(Text::Copy(c->bytes));
    EXPECT_EQ(number, c->number) << '"' << c->bytes << '"';
    // Equality does not tell the zeros apart.
    EXPECT_EQ(std::signbit(number), std::signbit(c->number)) << '"' << c->bytes << '"';
  }
}

TEST(TextToNumberTest, TypedHoursAndMinutes) {
  const NumberCase cases[] = {
      {"\x38"sv, 8.0},
      {"\x30\x38"sv, 8.0},
      {"\xA3\xB0\xA3\xB8"sv, 8.0},          // full-width 08
      {"\xA3\xB8\xA3\xAE\xA3\xB5"sv, 8.5},  // full-width 8.5
      {"\x37\xA3\xB0"sv, 70.0},             // 7 and a full-width 0
      {"\x38\xB5\xE3"sv, 8.0},              // 8 followed by a Chinese character
      {"\xB0\xCB"sv, 0.0},                  // a Chinese numeral is no number
      {"\x20\x37"sv, 7.0},
      {"\xA1\xA1\xA3\xB7"sv, 7.0},  // ideographic space, full-width 7
      {"\x09\x39"sv, 9.0},
      {"\x0A\x0B\x0C\x0D\x37"sv, 7.0},
      {"\x37\x20\x38"sv, 7.0},
      {"\x2B\x37"sv, 7.0},
      {"\x2D\x37"sv, -7.0},
      {"\x2D\x2D\x37"sv, 0.0},
      {"\x2D\x20\x37"sv, 0.0},
      {"\x2E\x35"sv, 0.5},
      {"\x35\x2E"sv, 5.0},
      {"\x2E"sv, 0.0},
      {"\x38\x2B\x33"sv, 8.0},
      {"\x31\x32\x3A\x33\x30"sv, 12.0},
      {"\xA3\xB1\xA3\xB2\xA3\xBA\xA3\xB3\xA3\xB0"sv, 12.0},  // full-width 12:30
      {"\x38\x2C\x35"sv, 8.0},
      {"\x30\x78\x31\x30"sv, 0.0},  // 0x10: no hexadecimal
      {"\x61\x62\x63"sv, 0.0},
      {""sv, 0.0},
      {"\x31\x30\x2E\x30\x30\x30\x30\x30\x30\x31"sv, 10.0000001},
  };
  ExpectNumbers(std::begin(cases), std::end(cases));
}

TEST(TextToNumberTest, ExponentsNeedDigitsAfterTheLetter) {
  const NumberCase cases[] = {
      {"\x31\x65\x31"sv, 10.0},                   // 1e1
      {"\x31\x64\x31"sv, 10.0},                   // 1d1
      {"\x31\x45\x2D\x31"sv, 0.1},                // 1E-1
      {"\x31\x2E\x35\x44\x2B\x32"sv, 150.0},      // 1.5D+2
      {"\x35\x2E\x65\x33"sv, 5000.0},             // 5.e3
      {"\xA3\xB1\xA3\xE5\xA3\xB2"sv, 100.0},      // full-width 1e2
      {"\xA3\xB1\xA3\xE4\xA3\xB2"sv, 100.0},      // full-width 1d2
      {"\x31\x65"sv, 1.0},                        // 1e
      {"\x31\x65\x2B"sv, 1.0},                    // 1e+
      {"\x31\x44\x2D\x78"sv, 1.0},                // 1D-x
      {"\x31\x65\x65\x35"sv, 1.0},                // 1ee5
      {"\x31\x65\x20\x35"sv, 1.0},                // 1e 5
      {"\x65\x35"sv, 0.0},                        // e5: no mantissa
      {"\x2E\x65\x35"sv, 0.0},                    // .e5
      {"\x31\x65\x30\x30\x30\x30\x32"sv, 100.0},  // 1e00002
  };
  ExpectNumbers(std::begin(cases), std::end(cases));
}

TEST(TextToNumberTest, SignedZerosAndTheEndsOfTheDoubleRange) {
  const double largest = std::numeric_limits<double>::max();
  const double smallest = std::numeric_limits<double>::denorm_min();
  const NumberCase cases[] = {
      {"-0"sv, -0.0},
      {"-.0e5"sv, -0.0},
      {"+0"sv, 0.0},
      {"-"sv, 0.0},  // no digit: positive zero whatever the sign
      {"-abc"sv, 0.0},
      {"1e400"sv, kInfinity},
      {"-1e400"sv, -kInfinity},
      {"1e99999999999999999999999"sv, kInfinity},
      {"0e99999999999999999999999"sv, 0.0},
      {"1e-400"sv, 0.0},
      {"-1e-400"sv, -0.0},
      {"1e-99999999999999999999999"sv, 0.0},
      {"1.7976931348623157e308"sv, largest},
      {"1.7976931348623159e308"sv, kInfinity},  // past the rounding midpoint above the largest
      {"4.9406564584124654e-324"sv, smallest},
      {"2.4703282292062328e-324"sv, smallest},  // just above half the smallest
      {"2.4703282292062327e-324"sv, 0.0},       // just below it
      {"-2.4703282292062327e-324"sv, -0.0},
      {"0.1"sv, 0.1},
      {"9007199254740993"sv, 9007199254740992.0},  // a tie goes to the even neighbour
      {"9007199254740995"sv, 9007199254740996.0},
  };
  ExpectNumbers(std::begin(cases), std::end(cases));
}

TEST(TextToNumberTest, EditBoxLongTextsAreReadWhole) {
  const std::string zeros(kEditBoxBytes - 1, '0');
  const std::string tie_tail(kEditBoxBytes - 20, '0');
  const std::string leading_zeros = zeros + "8";
  const std::string tiny_then_scaled = "0." + std::string(kEditBoxBytes - 10, '0') + "1e29991";
  // A tie at the 17th digit that only a 1 near the end of the text breaks upwards.
  const std::string long_tie = "9007199254740993." + tie_tail + "1";
  const std::string nines(kEditBoxBytes, '9');
  std::string full_width_nines;
  for (std::size_t i = 0; i < kEditBoxBytes / 2; ++i) {
    full_width_nines += "\xA3\xB9";
  }
  std::string number_then_noise = "42";
  number_then_noise.resize(kEditBoxBytes, '\xFF');

  const NumberCase cases[] = {
      {leading_zeros, 8.0}, {tiny_then_scaled, 1.0},       {long_tie, 9007199254740994.0},
      {nines, kInfinity},   {full_width_nines, kInfinity}, {number_then_noise, 42.0},
  };
  ExpectNumbers(std::begin(cases), std::end(cases));
}

TEST(TextToNumberTest, NullTextReadsAsEmpty) {
  EXPECT_EQ(TextToNumber(Text()), 0.0);
}

struct FoldCase {
  const char* remark;
  std::string_view text;
  std::string_view folded;
};

TEST(ToHalfWidthTest, FoldsOnlyTheTablesPairs) {
  const FoldCase cases[] = {
      {"ideographic space", "\xA1\xA1"sv, " "sv},
      {"full-width tilde", "\xA1\xAB"sv, "~"sv},
      {"white and black star", "\xA1\xEE\xA1\xEF"sv, "**"sv},
      {"first full-width form", "\xA3\xA1"sv, "!"sv},
      {"yen sign becomes the dollar sign", "\xA3\xA4"sv, "$"sv},
      {"full-width overline becomes the tilde", "\xA3\xFE"sv, "~"sv},
      {"other symbols stay", "\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0"sv,
       "\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0"sv},
      {"trail bytes beside the full-width range stay", "\xA3\xA0\xA3\xFF"sv, "\xA3\xA0\xA3\xFF"sv},
      {"other lead bytes stay", "\xA2\xB1\xA4\xB1\xB0\xCB"sv, "\xA2\xB1\xA4\xB1\xB0\xCB"sv},
      {"ASCII stays", "\x01 7a\x7F"sv, "\x01 7a\x7F"sv},
  };
  for (const FoldCase& c : cases) {
    EXPECT_EQ(ToHalfWidth(c.text), c.folded) << c.remark;
  }
}

TEST(ToHalfWidthTest, ALeadByteAlwaysTakesTheNextByte) {
  const FoldCase cases[] = {
      {"an ASCII partner is part of the pair", "\x80\x31\x32"sv, "\x80\x31\x32"sv},
      {"pairs do not realign on a full-width lead", "\xB0\xA3\xB1"sv, "\xB0\xA3"sv},
      {"a lone lead byte at the end is dropped", "\x37\xA3"sv, "7"sv},
      {"a lone lead byte alone", "\xFF"sv, ""sv},
      {"the text ends at its first zero byte", "\x37\x00\x38"sv, "7"sv},
      {"a lead byte before a zero byte is dropped", "\x37\xA3\x00\xB1"sv, "7"sv},
  };
  for (const FoldCase& c : cases) {
    EXPECT_EQ(ToHalfWidth(c.text), c.folded) << c.remark;
  }
  // Together: a digit hidden in a pair is no digit.
  EXPECT_EQ(TextToNumber(Text::Copy("\xB0\x31"sv)), 0.0);
  EXPECT_EQ(TextToNumber(Text::Copy("\x37\xA3"sv)), 7.0);
}

}  // namespace
}  // namespace orvenal
