// The converter on the program's own character table: known answers, the
// first-row rule, fixed-width fields, and round trips checked against glibc's
// own idea of the three character sets.
#include <gtest/gtest.h>
#include <iconv.h>

#include <QString>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/convert/CharacterTable.h"
#include "core/convert/CommittedTable.h"
#include "core/convert/Jislib.h"
#include "support/IconvText.h"
#include "support/TempDir.h"

namespace {

using FieldOp = void (*)(std::uint8_t*, std::size_t);
const FieldOp kBig5ToGbk = Big5ToGbk;
const FieldOp kGbkToBig5 = GbkToBig5;
const FieldOp kShiftJisToBig5 = ShiftJisToBig5;

// Converts a field held in a heap block of exactly its width, so that any
// access past the field trips the address sanitizer, and gives back all of
// its bytes.
std::string InField(FieldOp op, const std::string& field) {
  auto block = std::make_unique<std::uint8_t[]>(field.size());
  std::memcpy(block.get(), field.data(), field.size());
  op(block.get(), field.size());
  return std::string(reinterpret_cast<const char*>(block.get()), field.size());
}

std::uint16_t Code(unsigned first, unsigned second) { return static_cast<std::uint16_t>(first | second << 8); }

std::string TwoBytes(std::uint16_t code) { return {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)}; }

std::uint16_t AsCode(const std::string& bytes) {
  return bytes.size() == 2 ? Code(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1])) : 0;
}

}  // namespace

TEST(JislibKnownAnswers, NamesGoFromBig5ToGbkAndBack) {
  const std::string liuBeiBig5 = "\xBC\x42\xB3\xC6";  // 劉備
  const std::string liuBeiGbk = "\xC1\xF5\xB1\xB8";   // 刘备
  EXPECT_EQ(Big5ToGbk(liuBeiBig5), liuBeiGbk);
  EXPECT_EQ(GbkToBig5(liuBeiGbk), liuBeiBig5);
  // Fields without a terminator are converted to their end.
  EXPECT_EQ(InField(kBig5ToGbk, liuBeiBig5), liuBeiGbk);
  EXPECT_EQ(InField(kGbkToBig5, "Liu\xC1\xF5"), "Liu\xBC\x42");
}

TEST(JislibKnownAnswers, TheFirstRowWithACounterpartDecides) {
  EXPECT_EQ(GbkToBig5Code(Code(0xD4, 0xC6)), Code(0xA4, 0xAA));  // 云 stays 云: its row comes before 雲's
  EXPECT_EQ(Big5ToGbkCode(Code(0xA1, 0x40)), Code(0xA1, 0xA1));  // full-width space
  EXPECT_EQ(Big5ToGbkCode(Code(0xB0, 0xA8)), Code(0xC2, 0xED));  // 馬 -> 马
  EXPECT_EQ(Big5ToGbk(std::string("\xA1\xC2")), "??");           // ‾: GBK has no form of it
  EXPECT_EQ(GbkToBig5(std::string("\xA8\xA1")), "??");           // ā: Big5 has none
  // A code no row holds stays, and conversion goes on.
  EXPECT_EQ(Big5ToGbkCode(Code(0x81, 0x40)), 0);
  EXPECT_EQ(Big5ToGbk(std::string("\x81\x40\xA4\x40")), "\x81\x40\xD2\xBB");  // ?? 一
}

TEST(JislibKnownAnswers, ShiftJisBecomesBig5) {
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x8A, 0x77)), Code(0xBE, 0xC7));  // 学 -> 學
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x82, 0xA0)), Code(0xC6, 0xE8));  // あ, Big5's kana codes
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x83, 0x41)), Code(0xC7, 0x7C));  // ア
  EXPECT_EQ(ShiftJisToBig5(std::string("\x8A\x77\x82\xA0\x83\x41")), "\xBE\xC7\xC6\xE8\xC7\x7C");
  // Two half-width katakana are read as one pair, which no row holds.
  EXPECT_EQ(ShiftJisToBig5Code(Code(0xB1, 0xB2)), 0);
  EXPECT_EQ(InField(kShiftJisToBig5, std::string("\xB1\xB2\0", 3)), std::string("\xB1\xB2\0", 3));
}

TEST(JislibKnownAnswers, EmptyAndAsciiTextsStayAsTheyAre) {
  for (FieldOp op : {kBig5ToGbk, kGbkToBig5, kShiftJisToBig5}) {
    EXPECT_EQ(InField(op, std::string(6, '\0')), std::string(6, '\0'));
    EXPECT_EQ(InField(op, std::string("Guan Yu\0\x7F", 9)), std::string("Guan Yu\0\x7F", 9));
  }
  EXPECT_EQ(Big5ToGbk(std::string()), "");
  EXPECT_EQ(GbkToBig5(std::string("Zhang Fei ~")), "Zhang Fei ~");
}

TEST(JislibMendedRows, ShiftJisCodesThatOldDataGotWrongFindTheirOwnCharacters) {
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x94, 0x6E)), Code(0xB0, 0xA8));  // 馬 stays 馬, not 榪
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x81, 0x40)), Code(0xA1, 0x40));  // full-width space, not ˉ
  EXPECT_EQ(ShiftJisToBig5Code(Code(0x8A, 0xD6)), Code(0xC3, 0xF6));  // 関 becomes 關, not "??"
}

TEST(JislibFixedWidth, ALeadByteRightBeforeTheEndStaysAsItIs) {
  // Big5 0x80 followed by the terminator is the code 80 00; were it held by a
  // row without a GBK counterpart, looking it up would write "??" over the zero.
  EXPECT_EQ(InField(kBig5ToGbk, std::string("\xA4\x40\x80\0X", 5)), std::string("\xD2\xBB\x80\0X", 5));
  // The same for a half-width katakana byte at the end of a Shift-JIS text.
  ASSERT_EQ(ShiftJisToBig5Code(0x00B1), CharacterTable::kNoCounterpart);
  EXPECT_EQ(InField(kShiftJisToBig5, std::string("A\xB1\0\xB2", 4)), std::string("A\xB1\0\xB2", 4));
  // And at the very end of a field that holds no terminator.
  EXPECT_EQ(InField(kBig5ToGbk, "\xA4\x40\x80"), "\xD2\xBB\x80");
  EXPECT_EQ(InField(kShiftJisToBig5, "\x8A\x77\xB1"), "\xBE\xC7\xB1");
  EXPECT_EQ(Big5ToGbk(std::string("\xBC\x42\xA4")), "\xC1\xF5\xA4");
}

TEST(JislibFixedWidth, NothingPastTheFieldIsReadOrWritten) {
  // The block is larger than the width given; what lies beyond is another
  // field and must keep its bytes.
  std::array<std::uint8_t, 8> block = {0xBC, 0x42, 0xB3, 0xA4, 0x40, 0x80, 0xB1, 0xB2};
  Big5ToGbk(block.data(), 3);
  EXPECT_EQ(block, (std::array<std::uint8_t, 8>{0xC1, 0xF5, 0xB3, 0xA4, 0x40, 0x80, 0xB1, 0xB2}));
  ShiftJisToBig5(block.data() + 6, 0);
  EXPECT_EQ(block[6], 0xB1);
}

TEST(JislibCopies, ConvertUpToTheFirstZeroByte) {
  EXPECT_EQ(Big5ToGbk(std::string_view("\xBC\x42\0\xB3\xC6", 5)), "\xC1\xF5");
  EXPECT_EQ(ShiftJisToBig5(std::string_view("\0\x8A\x77", 3)), "");
}

TEST(JislibLoading, TheProgramCarriesTheCommittedTable) {
  LoadConversionTable();
  LoadConversionTable();  // a second call changes nothing
  const std::vector<unsigned char> file = ReadBytes(CommittedTablePath());
  ASSERT_EQ(file.size(), CharacterTable::kAssetSize);

  const CharacterTable& table = LoadedCharacterTable();
  int differences = 0;
  for (int column = 0; column < 3; ++column) {
    for (std::size_t row = 0; row < CharacterTable::kRows; ++row) {
      const std::size_t at = CharacterTable::kHeaderSize + 2 * (column * CharacterTable::kRows + row);
      differences += table.Entry(static_cast<CharacterTable::Column>(column), row) != Code(file[at], file[at + 1]);
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(JislibLoading, AMissingOrCutTableIsRefused) {
  const TempDir dir;
  const auto refusal = [](const std::filesystem::path& path) -> std::string {
    try {
      ReadCharacterTableAsset(QString::fromStdString(path.string()));
    } catch (const CharacterTableError& e) {
      return e.what();
    }
    return "accepted";
  };
  EXPECT_NE(refusal(dir / "none.bin").find("找不到字符对照表"), std::string::npos);
  WriteBytes(dir / "short.bin", std::vector<unsigned char>(121754, 0x41));
  EXPECT_NE(refusal(dir / "short.bin").find("有 121754 字节，应为 121756 字节"), std::string::npos);
  WriteBytes(dir / "long.bin", std::vector<unsigned char>(121757, 0x41));
  EXPECT_NE(refusal(dir / "long.bin").find("有 121757 字节"), std::string::npos);
  WriteBytes(dir / "empty.bin", {});
  EXPECT_NE(refusal(dir / "empty.bin").find("有 0 字节"), std::string::npos);

  WriteBytes(dir / "whole.bin", std::vector<unsigned char>(121756, 0x41));
  EXPECT_EQ(ReadCharacterTableAsset(QString::fromStdString((dir / "whole.bin").string())).size(), 121756u);
}

TEST(JislibRoundTrip, Gb2312CharactersComeBackFromBig5) {
  // A character is lost where Big5 -> GBK shows its Big5 form as another
  // character: the one whose form it is in most texts.
  const std::set<std::string> shownAsAnother = {
      // Two simplified characters stored as one traditional form.
      "着", "谘", "坂", "吒", "後", "徵", "夥", "腭", "锺", "鲇", "麽", "硷",
      // Rare characters stored as a variant form that Big5 has.
      "鼗", "埯", "吣", "岙", "漤",
      // Rare simplified forms of a traditional character shown in its usual
      // simplified form (餘 -> 余, 鉅 -> 巨, 瀋 -> 沈, 鏇 -> 旋).
      "馀", "钜", "渖", "镟",
  };
  std::set<std::string> notBack;
  int checked = 0;
  for (unsigned lead = 0xA1; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::uint16_t gbk = Code(lead, trail);
      const std::string utf8 = Iconv("UTF-8", "GB2312", TwoBytes(gbk));
      if (utf8.empty()) continue;
      const std::uint16_t big5 = GbkToBig5Code(gbk);
      if (big5 == 0 || big5 == CharacterTable::kNoCounterpart) continue;
      ++checked;
      if (Big5ToGbkCode(big5) != gbk) notBack.insert(utf8);
    }
  }
  EXPECT_GT(checked, 6700);
  EXPECT_EQ(notBack, shownAsAnother);
}

TEST(JislibRoundTrip, ShiftJisCharactersThatBig5HasStayThemselves) {
  std::vector<std::string> changed;
  int checked = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::uint16_t sjis = Code(lead, trail);
      const std::string utf8 = Iconv("UTF-8", "CP932", TwoBytes(sjis));
      if (utf8.empty()) continue;
      const std::uint16_t big5 = AsCode(Iconv("CP950", "UTF-8", utf8));
      // Duplicate codes (NEC and IBM rows) stand for characters that have
      // their own rows under the other code.
      if (big5 == 0 || AsCode(Iconv("CP932", "UTF-8", utf8)) != sjis) continue;
      ++checked;
      if (ShiftJisToBig5Code(sjis) != big5) changed.push_back(utf8);
    }
  }
  EXPECT_GT(checked, 5000);
  EXPECT_TRUE(changed.empty()) << changed.size() << " changed, first " << changed.front();
}
