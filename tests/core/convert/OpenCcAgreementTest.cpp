// The character table measured against OpenCC, where the generator's library
// is built: simplified characters are stored in OpenCC's Taiwan traditional
// form, traditional ones shown in its simplified form, and no JIS kanji gives
// "??" where Big5 has its traditional form.
#include <gtest/gtest.h>
#include <iconv.h>
#include <opencc/SimpleConverter.hpp>

#include <cstdint>
#include <set>
#include <string>

#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "support/IconvText.h"

namespace {

std::uint16_t AsCode(const std::string& bytes) {
  return bytes.size() == 2 ? static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                                        static_cast<unsigned char>(bytes[1]) << 8)
                           : 0;
}

std::string TwoBytes(unsigned lead, unsigned trail) { return {static_cast<char>(lead), static_cast<char>(trail)}; }

}  // namespace

TEST(TableAgreesWithOpenCc, Gb2312HanziAreStoredInTheirTraditionalForm) {
  const opencc::SimpleConverter toTaiwan("/usr/share/opencc/s2tw.json");
  // Name characters stored as typed (surnames 于 余 岳 范 朴 郁 游, and 云).
  const std::set<std::string> storedAsTyped = {"于", "余", "云", "岳", "范", "朴", "郁", "游"};
  std::set<std::string> asThemselves;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string utf8 = Iconv("UTF-8", "GB2312", TwoBytes(lead, trail));
      if (utf8.empty()) continue;
      const std::string traditional = toTaiwan.Convert(utf8);
      const std::uint16_t traditionalBig5 = AsCode(Iconv("CP950", "UTF-8", traditional));
      const std::uint16_t ownBig5 = AsCode(Iconv("CP950", "UTF-8", utf8));
      if (traditional == utf8 || traditionalBig5 == 0 || ownBig5 == 0) continue;
      if (GbkToBig5Code(static_cast<std::uint16_t>(lead | trail << 8)) == ownBig5) asThemselves.insert(utf8);
    }
  }
  EXPECT_EQ(asThemselves, storedAsTyped);
}

TEST(TableAgreesWithOpenCc, Big5HanziShowInOpenCcsSimplifiedForm) {
  const opencc::SimpleConverter toSimplified("/usr/share/opencc/t2s.json");
  // Traditional characters that GB2312 holds themselves show as themselves.
  const std::set<std::string> shownAsThemselves = {"乾", "於", "捱", "摺", "甯", "菸", "薹", "醣", "麴"};
  std::set<std::string> otherwise;
  int hanzi = 0;
  for (unsigned lead = 0xA4; lead <= 0xF9; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string utf8 = Iconv("UTF-8", "CP950", TwoBytes(lead, trail));
      if (utf8.size() != 3) continue;
      ++hanzi;
      const std::string simplified = toSimplified.Convert(utf8);
      const std::uint16_t gb2312 = AsCode(Iconv("GB2312", "UTF-8", simplified));
      if (simplified == utf8 || gb2312 == 0) continue;
      if (Big5ToGbkCode(static_cast<std::uint16_t>(lead | trail << 8)) != gb2312) otherwise.insert(utf8);
    }
  }
  EXPECT_GT(hanzi, 13000);
  EXPECT_EQ(otherwise, shownAsThemselves);
}

TEST(TableAgreesWithOpenCc, JisKanjiGiveNoQuestionMarksWhereBig5HasTheirForm) {
  const opencc::SimpleConverter toTraditional("/usr/share/opencc/jp2t.json");
  std::string missed;
  int kanji = 0;
  for (unsigned lead = 0x88; lead <= 0xEA; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string utf8 = Iconv("UTF-8", "CP932", TwoBytes(lead, trail));
      if (utf8.size() != 3 || (lead == 0x88 && trail < 0x9F)) continue;
      ++kanji;
      if (ShiftJisToBig5Code(static_cast<std::uint16_t>(lead | trail << 8)) != CharacterTable::kNoCounterpart) continue;
      const bool big5HasIt = AsCode(Iconv("CP950", "UTF-8", utf8)) != 0 ||
                             AsCode(Iconv("CP950", "UTF-8", toTraditional.Convert(utf8))) != 0;
      if (big5HasIt) missed += utf8;
    }
  }
  EXPECT_GT(kanji, 6000);
  EXPECT_EQ(missed, "");
}
