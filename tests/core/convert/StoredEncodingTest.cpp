// Which stored texts the conversion commands treat as Shift-JIS.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/Big5Rule.h"
#include "core/convert/ShiftJisSamples.h"
#include "core/convert/StoredEncoding.h"
#include "core/exchange/ExchangeFile.h"

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

// One rule for the two-byte codes, also where an exchange file in Big5 or
// GBK is read: an offending byte is reported where it stands.
TEST(DoubleByteRules, TrailBytesOnBothSidesOfEachRange) {
  for (unsigned t : {0x40u, 0x7Eu, 0xA1u, 0xFEu}) EXPECT_TRUE(IsBig5Trail(static_cast<unsigned char>(t))) << t;
  for (unsigned t : {0x3Fu, 0x7Fu, 0xA0u, 0xFFu}) EXPECT_FALSE(IsBig5Trail(static_cast<unsigned char>(t))) << t;
  for (unsigned t : {0x40u, 0x7Eu, 0x80u, 0xA0u, 0xFEu}) EXPECT_TRUE(IsGbkTrail(static_cast<unsigned char>(t))) << t;
  for (unsigned t : {0x3Fu, 0x7Fu, 0xFFu}) EXPECT_FALSE(IsGbkTrail(static_cast<unsigned char>(t))) << t;
  const auto errorColumn = [](const char* bytes, TextEncoding encoding) {
    const ExchangeReadResult read = ReadExchangeBytes(QByteArray(bytes), ExchangeFormat::Csv, encoding);
    return read.errors.empty() || read.errors[0].message.rfind("文件不是", 0) != 0 ? -1 : read.errors[0].place.character;
  };
  EXPECT_EQ(errorColumn("ab\xA4\xA0", TextEncoding::Big5), 3);  // A0 follows no Big5 lead byte
  EXPECT_EQ(errorColumn("ab\xA4\xA0", TextEncoding::Gbk), -1);
  EXPECT_EQ(errorColumn("ab\xA4\x7F", TextEncoding::Gbk), 3);
  EXPECT_EQ(errorColumn("ab\xA4\x7E", TextEncoding::Big5), -1);
}
