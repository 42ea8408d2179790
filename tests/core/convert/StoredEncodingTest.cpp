// Which stored texts the conversion commands treat as Shift-JIS.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/ShiftJisSamples.h"
#include "core/convert/StoredEncoding.h"

namespace {

constexpr StoredEncoding kBig5 = StoredEncoding::Big5;
constexpr StoredEncoding kShiftJis = StoredEncoding::ShiftJis;

}  // namespace

TEST(StoredEncoding, TextsWithoutTwoByteCodesAreLeftAsBig5) {
  EXPECT_EQ(StoredEncodingOf(""), kBig5);
  EXPECT_EQ(StoredEncodingOf("Guan Yu"), kBig5);
  EXPECT_EQ(StoredEncodingOf(std::string("\0\x8A\xD6", 3)), kBig5);  // nothing before the terminator
}

TEST(StoredEncoding, ChineseNamesAreBig5) {
  EXPECT_EQ(StoredEncodingOf("\xBC\x42\xB3\xC6"), kBig5);          // 劉備
  EXPECT_EQ(StoredEncodingOf(kBig5Guan + kBig5Yu), kBig5);         // 關羽
  EXPECT_EQ(StoredEncodingOf(kBig5Xue + kBig5A + "1"), kBig5);     // 學, ETEN あ
}

TEST(StoredEncoding, ShiftJisWithCodesBig5CannotHaveIsShiftJis) {
  EXPECT_EQ(StoredEncodingOf(kSjisA + kSjisReading), kShiftJis);   // kana: lead byte 0x82
  EXPECT_EQ(StoredEncodingOf(kSjisGuan + kSjisYu), kShiftJis);     // 関羽: lead bytes 0x8A, 0x89
  EXPECT_EQ(StoredEncodingOf("\x91\xB7\x8C\xA0"), kShiftJis);      // 孫権
  EXPECT_EQ(StoredEncodingOf("\xE0\x80"), kShiftJis);              // trail byte 0x80
  EXPECT_EQ(StoredEncodingOf("\xBC\x42\xA4"), kShiftJis);          // a lead byte with nothing after it
}

TEST(StoredEncoding, ShiftJisThatIsAlsoBig5IsDecidedByTheCodesTheTableKnows) {
  // 﨑 (FA B1) is valid Big5 in form but from Big5's user-defined rows.
  EXPECT_EQ(StoredEncodingOf("\xFA\xB1"), kShiftJis);
  // 狄爭 (E0 BD E0 A5) reads as the Big5 characters 鉠鄍: left as it is.
  EXPECT_EQ(StoredEncodingOf("\xE0\xBD\xE0\xA5"), kBig5);
  // Big5's user-defined rows in a text that is no Shift-JIS: Big5.
  EXPECT_EQ(StoredEncodingOf("\xFE\xFE"), kBig5);
}
