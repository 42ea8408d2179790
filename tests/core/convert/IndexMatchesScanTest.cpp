// The direct index must give exactly what a row-by-row scan of the table
// gives: the first row with a real counterpart, "??" where a code only has
// rows without one, 0 where it has none. (Built with optimisation: it scans
// the table for each of the 65,536 codes in each direction.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "core/convert/TableAsset.h"

namespace {

using Dir = CharacterTable::Direction;
constexpr Dir kDirections[] = {CharacterTable::kBig5ToGbk, CharacterTable::kGbkToBig5, CharacterTable::kShiftJisToBig5};

// The lookup as the table describes it, kept apart from the library's own:
// rows in order, the first with a real counterpart wins. Blocks of rows
// without the code are skipped with one vectorised test each.
std::uint16_t Scan(const std::vector<std::uint16_t>& source, const std::vector<std::uint16_t>& target,
                   std::uint16_t code) {
  constexpr std::size_t kBlock = 64;
  std::uint16_t result = 0;
  for (std::size_t begin = 0; begin < source.size(); begin += kBlock) {
    const std::size_t end = std::min(source.size(), begin + kBlock);
    unsigned holds = 0;
    for (std::size_t row = begin; row < end; ++row) holds += source[row] == code;
    if (holds == 0) continue;
    for (std::size_t row = begin; row < end; ++row) {
      if (source[row] != code) continue;
      result = target[row];
      if (result != CharacterTable::kNoCounterpart) return result;
    }
  }
  return result;
}

std::vector<std::uint16_t> ColumnOf(const CharacterTable& table, CharacterTable::Column column) {
  std::vector<std::uint16_t> entries(CharacterTable::kRows);
  for (std::size_t row = 0; row < entries.size(); ++row) entries[row] = table.Entry(column, row);
  return entries;
}

std::vector<std::uint16_t> EveryCode() {
  std::vector<std::uint16_t> codes(0x10000);
  for (std::uint32_t c = 0; c <= 0xFFFF; ++c) codes[c] = static_cast<std::uint16_t>(c);
  return codes;
}

void ExpectIndexMatchesScan(const CharacterTable& table, const std::vector<std::uint16_t>& codes) {
  for (Dir d : kDirections) {
    const auto source = ColumnOf(table, CharacterTable::SourceColumn(d));
    const auto target = ColumnOf(table, CharacterTable::TargetColumn(d));
    int mismatches = 0;
    for (std::uint16_t code : codes) {
      const std::uint16_t expected = Scan(source, target, code);
      if (table.Lookup(d, code) != expected && ++mismatches <= 5) {
        ADD_FAILURE() << "direction " << d << " code " << std::hex << code << ": index " << table.Lookup(d, code)
                      << ", scan " << expected;
      }
    }
    EXPECT_EQ(mismatches, 0) << "direction " << d;
  }
}

// The codes that the small made-up tables below use, and some they do not.
const std::vector<std::uint16_t> kSmallTableCodes = {0x0000, 0x0041, 0x3F3F, 0x8181, 0x8282, 0xA1A1, 0xB0B0,
                                                     0xB1B1, 0xB2B2, 0xB3B3, 0xC0C0, 0xD0D0, 0xFFFF};

}  // namespace

TEST(CharacterIndex, AgreesWithAScanOfTheProgramsTableForEveryCode) {
  ExpectIndexMatchesScan(LoadedCharacterTable(), EveryCode());
}

TEST(CharacterIndex, AgreesWithAScanWhereRowsWithAndWithoutCounterpartsMix) {
  auto table = std::make_unique<CharacterTable>();
  table->Load(TableAsset({
      {0x3F3F, 0xA1A1, 0x3F3F},  // Big5 A1A1: "??" first ...
      {0xB0B0, 0xA1A1, 0x8181},  // ... then a real counterpart decides
      {0xC0C0, 0xA1A1, 0x8181},  // and a later row changes nothing
      {0xB1B1, 0x3F3F, 0x8282},  // Shift-JIS 8282 has only rows without one
      {0xB2B2, 0x3F3F, 0x8282},
      {0xB3B3, 0x0041, 0x0000},  // a single-byte counterpart; an empty code
  }));
  ExpectIndexMatchesScan(*table, kSmallTableCodes);
  EXPECT_EQ(table->Lookup(CharacterTable::kBig5ToGbk, 0xA1A1), 0xB0B0);
  EXPECT_EQ(table->Lookup(CharacterTable::kShiftJisToBig5, 0x8282), CharacterTable::kNoCounterpart);
  EXPECT_EQ(table->Lookup(CharacterTable::kGbkToBig5, 0xB3B3), 0x0041);
  EXPECT_EQ(table->Lookup(CharacterTable::kGbkToBig5, 0xD0D0), 0);
}

TEST(CharacterIndex, AgreesWithAScanOfAShortAsset) {
  // A cut asset leaves its missing entries 0; a lookup still finds what a
  // scan finds and nothing reads past the bytes given.
  std::vector<std::uint8_t> bytes = TableAsset({{0xB0B0, 0xA1A1, 0x8181}});
  bytes.resize(CharacterTable::kHeaderSize + 2 * CharacterTable::kRows + 7);
  auto table = std::make_unique<CharacterTable>();
  table->Load(bytes);
  EXPECT_EQ(table->Entry(CharacterTable::kBig5, 2), 0x3F3F);
  EXPECT_EQ(table->Entry(CharacterTable::kBig5, 3), 0);
  ExpectIndexMatchesScan(*table, kSmallTableCodes);

  table->Load({});
  EXPECT_EQ(table->Entry(CharacterTable::kGbk, 0), 0);
  ExpectIndexMatchesScan(*table, kSmallTableCodes);
}
