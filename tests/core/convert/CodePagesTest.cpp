// The compiled-in GBK and Big5 code pages against codes typed from the
// published CP936 and CP950 charts and the ETEN extension of Big5.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/CodePages.h"
#include "core/convert/GbkText.h"

namespace {

std::u16string Gbk(std::string_view bytes) { return DecodeCodePage(CodePage::Gbk, bytes).toStdU16String(); }
std::u16string Big5(std::string_view bytes) { return DecodeCodePage(CodePage::Big5, bytes).toStdU16String(); }

EncodedText Encoded(CodePage page, std::u16string_view text) { return EncodeCodePage(page, QStringView(text)); }

TEST(CodePages, GbkReadsAsCp936) {
  EXPECT_EQ(Gbk("\xC4\xE3\xB0\xA1"), u"\u4F60\u554A");  // 你啊
  EXPECT_EQ(Gbk("\x81\x40"), u"\u4E02");                // 丂, GBK's first code
  EXPECT_EQ(Gbk("\xA1\xA4\xA1\xAA"), u"\u00B7\u2014");  // CP936's middle dot and em dash
  EXPECT_EQ(Gbk("\xFE\x4F"), u"\uFA29");                // the last code; FE50 on is private use
  EXPECT_EQ(Gbk("\xFE\x50\xA1\x40"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Gbk("A\x80" "B"), u"A\u20ACB");             // 80 alone: the euro sign
  EXPECT_EQ(Gbk(std::string_view("\0\t~\x7F", 4)), std::u16string(u"\0\t~\x7F", 4));
  // A lead byte before a byte that cannot follow it, or at the end, stands alone.
  EXPECT_EQ(Gbk("\x81\x7F\xFF" "A\xC4"), u"\uFFFD\x7F\uFFFD" u"A\uFFFD");
}

TEST(CodePages, Big5ReadsAsCp950WithTheEtenKana) {
  EXPECT_EQ(Big5("\xA1\x40\xA4\x40\xA4\xA4"), u"\u3000\u4E00\u4E2D");  // full-width space, 一中
  EXPECT_EQ(Big5("\xC6\xE7\xC7\x7A\xC7\x7B"), u"\u3041\u3093\u30A1");  // ぁ ん (hiragana), ァ (katakana)
  EXPECT_EQ(Big5("\xC6\xA1"), u"\u2460");                              // ①, the first ETEN symbol
  EXPECT_EQ(Big5("\xF9\xF9\xF9\xFE"), u"\u2550\u2593");                // box drawing
  EXPECT_EQ(Big5("\x81\x40\xA4\x7F\xA4\xA0"), u"\uFFFD\uFFFD\x7F\uFFFD\uFFFD");
  EXPECT_EQ(Big5("\x80" "A"), u"\u0080" u"A");  // as CP950 (and the program before) reads it
}

TEST(CodePages, EachCharacterIsWrittenAsItsOwnCodeOrRefused) {
  EXPECT_EQ(Encoded(CodePage::Big5, u"\u4E7E\u5E72\u5F8C").bytes, "\xB0\xAE\xA4\x7A\xAB\xE1");  // 乾干後
  EXPECT_EQ(Encoded(CodePage::Big5, u"\u5341").bytes, "\xA4\x51");  // 十, not its duplicate A2CC
  EXPECT_EQ(Encoded(CodePage::Big5, u"\u3041").bytes, "\xC6\xE7");  // ぁ
  const EncodedText men = Encoded(CodePage::Big5, u"A\u4EEC");        // 们: simplified only
  EXPECT_EQ(men.bytes, "A?");
  EXPECT_FALSE(men.complete);

  EXPECT_EQ(Encoded(CodePage::Gbk, u"\u4F60\u20AC").bytes, "\xC4\xE3\x80");  // 你€
  EXPECT_TRUE(GbkCanEncode(QStringLiteral("A?")));                            // a typed "?" is no failure
  EXPECT_FALSE(GbkCanEncode(QString::fromStdU16String(u"\uD55C")));           // 한
  const EncodedText beyond = Encoded(CodePage::Gbk, u"\U00020000" u"B");     // one "?" for a pair
  EXPECT_EQ(beyond.bytes, "?B");
  EXPECT_FALSE(beyond.complete);
  EXPECT_EQ(Big5Of(U'\u5F8C'), "\xAB\xE1");
  EXPECT_EQ(Big5Of(U'\u4EEC'), "");
}

}  // namespace
