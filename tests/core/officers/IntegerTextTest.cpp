// The integer conversion of typed numbers: what it takes and what it refuses.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/officers/IntegerText.h"

TEST(IntegerText, AcceptedForms) {
  const std::pair<const char*, std::int32_t> accepted[] = {
      {"80", 80},         {" 12", 12},       {"-1", -1},          {"+5", 5},
      {"007", 7},         {"$10", 16},       {"0x1F", 31},        {"0X1f", 31},
      {"x10", 16},        {" $ff", 255},     {"-$10", -16},       {"$FFFFFFFF", -1},  // hexadecimal is the bit pattern
      {"2147483647", INT32_MAX},             {"-2147483648", INT32_MIN}};
  for (const auto& [text, value] : accepted) EXPECT_EQ(TryParseInteger(text), value) << '"' << text << '"';
}

TEST(IntegerText, RefusedForms) {
  for (const char* text : {"", " ", "12 ", "7x", "abc", "1.5", "-", "$", "0x", "- 5", "１２", "0x1G", "2147483648",
                           "-2147483649", "$100000000", "99999999999999999999", "\t12"}) {
    EXPECT_FALSE(TryParseInteger(text)) << '"' << text << '"';
  }
  try {
    ParseInteger("12 ");
    FAIL() << "a trailing blank was accepted";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12 ' is not a valid integer value");
  }
}

// The pickers' C-style reading: digits up to the first other character, and
// beyond the range the nearer end, as strtol gives it.
TEST(IntegerText, LeadingIntegerEndsAtTheRangeLikeStrtol) {
  const std::pair<const char*, std::int32_t> read[] = {
      {" \t+12abc", 12}, {"abc", 0}, {"", 0}, {"- 5", 0},
      {"-2147483648", INT32_MIN},  // once one short of it
      {"-99999999999", INT32_MIN}, {"99999999999", INT32_MAX}};
  for (const auto& [text, value] : read) EXPECT_EQ(ParseLeadingInteger(text), value) << '"' << text << '"';
}
