#pragma once
// Made-up character table assets for converter tests.
#include <array>
#include <cstdint>
#include <vector>

#include "core/convert/CharacterTable.h"

// An asset whose first rows hold the given codes (GBK, Big5, Shift-JIS);
// every other row is "??" throughout.
inline std::vector<std::uint8_t> TableAsset(const std::vector<std::array<std::uint16_t, 3>>& rows) {
  std::vector<std::uint8_t> bytes(CharacterTable::kAssetSize, 0x3F);
  for (std::size_t i = 0; i < CharacterTable::kHeaderSize; ++i) bytes[i] = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < 3; ++c) {
      const std::size_t at = CharacterTable::kHeaderSize + 2 * (c * CharacterTable::kRows + r);
      bytes[at] = rows[r][c] & 0xFF;
      bytes[at + 1] = rows[r][c] >> 8;
    }
  }
  return bytes;
}
