// The null/empty distinction of Text and the code page of the program's literals.
#include "values/text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace orvenal {
namespace {

TEST(TextTest, NullAndZeroLengthAreDistinctButReadAlike) {
  const Text null_text;
  const Text zero_length = Text::Copy("");
  EXPECT_TRUE(null_text.IsNull());
  EXPECT_FALSE(zero_length.IsNull());
  EXPECT_EQ(null_text.View(), zero_length.View());
  EXPECT_STREQ(null_text.CStr(), "");
  EXPECT_TRUE(Text::CopyOrNull("").IsNull());
  EXPECT_EQ(Text::CopyOrNull("ab").View(), "ab");
}

// Literals must become code page 936 bytes; a wrong -fexec-charset shows here first.
TEST(TextTest, LiteralsAreCodePage936) {
  constexpr std::string_view kStatusPrefix = "设置的关机时间为：";
  constexpr std::string_view kExpected =
      "\xC9\xE8\xD6\xC3\xB5\xC4\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4\xCE\xAA\xA3\xBA";
  EXPECT_EQ(kStatusPrefix, kExpected);
  EXPECT_EQ(std::string_view("时"), "\xCA\xB1");
  EXPECT_EQ(std::string_view("确定关机"), "\xC8\xB7\xB6\xA8\xB9\xD8\xBB\xFA");
}

}  // namespace
}  // namespace orvenal
