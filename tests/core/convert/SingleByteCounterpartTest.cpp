// A counterpart of one byte (stored with a zero second byte) on a made-up
// table: the byte is written, the rest of the text closes up behind it and
// conversion goes on. The program's own table has no such pair, but a table
// that pairs GBK pinyin letters with plain Latin capitals does.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/convert/CharacterTable.h"
#include "core/convert/TableAsset.h"

namespace {

// GBK, Big5 and Shift-JIS of each row; the rest of the table is "??".
std::unique_ptr<CharacterTable> TableOf(const std::vector<std::array<std::uint16_t, 3>>& rows) {
  auto table = std::make_unique<CharacterTable>();
  table->Load(TableAsset(rows));
  return table;
}

const std::unique_ptr<CharacterTable> kTable = TableOf({
    {0xA4A8, 0x0041, 0x0041},  // à -> "A"
    {0xA2A8, 0x0041, 0x0041},  // ā -> "A"
    {0xB0B0, 0x0080, 0x3F3F},  // a one-byte code from 0x80 on
    {0xF5C1, 0x42BC, 0xAB97},  // 刘 / 劉
});

std::string InField(const std::string& field) {
  auto block = std::make_unique<std::uint8_t[]>(field.size());
  std::copy(field.begin(), field.end(), block.get());
  kTable->Convert(CharacterTable::kGbkToBig5, block.get(), field.size());
  return std::string(block.get(), block.get() + field.size());
}

}  // namespace

TEST(SingleByteCounterpart, TheRestOfTheTextClosesUpAndIsConverted) {
  // Before: "A" and a zero byte written, the name after it lost.
  EXPECT_EQ(InField(std::string("\xA8\xA4\xC1\xF5\0", 5)), std::string("A\xBC\x42\0\0", 5));
  EXPECT_EQ(kTable->Convert(CharacterTable::kGbkToBig5, std::string_view("\xA8\xA4\xC1\xF5")), "A\xBC\x42");
}

TEST(SingleByteCounterpart, SeveralInARowEachShortenTheTextByOne) {
  EXPECT_EQ(kTable->Convert(CharacterTable::kGbkToBig5, std::string_view("x\xA8\xA4\xA8\xA2y\xA8\xA4")), "xAAyA");
}

TEST(SingleByteCounterpart, AFieldWithoutTerminatorGetsOneAtItsNewEnd) {
  EXPECT_EQ(InField("\xC1\xF5\xA8\xA4"), std::string("\xBC\x42" "A\0", 4));
}

TEST(SingleByteCounterpart, AHighSingleByteIsNotPairedWithWhatFollows) {
  // 0x80 is a whole character in the target set; the next pair starts after it.
  EXPECT_EQ(kTable->Convert(CharacterTable::kGbkToBig5, std::string_view("\xB0\xB0\xC1\xF5")), "\x80\xBC\x42");
}
