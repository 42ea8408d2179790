#pragma once
// The character table's lookup found the slow way, row by row, as the
// table describes it: the first row with a real counterpart decides, "??"
// where the code only has rows without one, 0 where it has none. The
// measurements and the fuzz target hold the index against it.
#include <cstdint>

#include "core/convert/CharacterTable.h"

inline std::uint16_t ScanLookup(const CharacterTable& table, CharacterTable::Direction d, std::uint16_t code) {
  std::uint16_t result = 0;
  for (std::size_t row = 0; row < CharacterTable::kRows; ++row) {
    if (table.Entry(CharacterTable::SourceColumn(d), row) != code) continue;
    result = table.Entry(CharacterTable::TargetColumn(d), row);
    if (result != CharacterTable::kNoCounterpart) break;
  }
  return result;
}
