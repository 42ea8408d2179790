// The integer conversion of typed numbers: what it takes and what it refuses.
#include <gtest/gtest.h>

#include <string>

#include "officers/IntegerText.h"

TEST(IntegerText, AcceptsDecimalWithLeadingBlanksAndSign) {
  EXPECT_EQ(ParseInteger("80"), 80);
  EXPECT_EQ(ParseInteger(" 12"), 12);
  EXPECT_EQ(ParseInteger("   7"), 7);
  EXPECT_EQ(ParseInteger("-1"), -1);
  EXPECT_EQ(ParseInteger("+5"), 5);
  EXPECT_EQ(ParseInteger("007"), 7);
  EXPECT_EQ(ParseInteger("0"), 0);
}

TEST(IntegerText, AcceptsHexadecimalAfterEachPrefix) {
  EXPECT_EQ(ParseInteger("$10"), 16);
  EXPECT_EQ(ParseInteger("0x1F"), 31);
  EXPECT_EQ(ParseInteger("0X1f"), 31);
  EXPECT_EQ(ParseInteger("x10"), 16);
  EXPECT_EQ(ParseInteger("X10"), 16);
  EXPECT_EQ(ParseInteger(" $ff"), 255);
  EXPECT_EQ(ParseInteger("-$10"), -16);
  // Hexadecimal gives the 32-bit pattern.
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("$7FFFFFFF"), 2147483647);
}

TEST(IntegerText, KeepsTheSigned32BitRange) {
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_FALSE(TryParseInteger("2147483648"));
  EXPECT_FALSE(TryParseInteger("-2147483649"));
  EXPECT_FALSE(TryParseInteger("99999999999999999999999"));
  EXPECT_FALSE(TryParseInteger("$100000000"));
}

TEST(IntegerText, RefusesEverythingElse) {
  for (const char* text : {"", " ", "12 ", "7x", "abc", "1.5", "-", "+", "$", "0x", "x", "- 5", "1,000", "１２", "$G", "0x1G",
                           "12\t", "5-"}) {
    EXPECT_FALSE(TryParseInteger(text)) << '"' << text << '"';
  }
}

TEST(IntegerText, FailureCarriesTheTextInTheMessage) {
  try {
    ParseInteger("abc");
    FAIL() << "abc was accepted";
  } catch (const ConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'abc' is not a valid integer value");
  }
  try {
    ParseInteger("12 ");
    FAIL() << "a trailing blank was accepted";
  } catch (const ConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'12 ' is not a valid integer value");
  }
  EXPECT_THROW(ParseInteger(""), ConvertError);
  EXPECT_THROW(ParseInteger("2147483648"), ConvertError);
}
