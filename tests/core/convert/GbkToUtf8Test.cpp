// GBK to UTF-8 without a QString on the way gives what Qt's GBK decoder gives.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/GbkText.h"

namespace {

TEST(GbkToUtf8, NamesAndAsciiComeOutAsTyped) {
  EXPECT_EQ(GbkToUtf8("\xC0\xD7\xC3\xF9\xB4\xA8"), "雷鸣川");
  EXPECT_EQ(GbkToUtf8("A\xC0\xD7 1\r\n"), "A雷 1\r\n");
  EXPECT_EQ(GbkToUtf8(""), "");
  EXPECT_EQ(GbkToUtf8("\xA1\xA1"), "\u3000");  // the full-width space
}

TEST(GbkToUtf8, EveryDoubleByteCodeMatchesTheDecoder) {
  int compared = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(GbkToUtf8(pair), FromGbk(pair).toStdString()) << std::hex << lead << ' ' << trail;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 126 * 191);
}

TEST(GbkToUtf8, BrokenTextsAreTheDecodersToo) {
  for (const std::string& broken : {std::string("\x80"), std::string("\xC0"), std::string("ab\xC0"),
                                   std::string("\xC0\x7F"), std::string("\xFF\xFF"), std::string("\xC0\xD7\x81\x30")}) {
    EXPECT_EQ(GbkToUtf8(broken), FromGbk(broken).toStdString());
  }
}

}  // namespace
