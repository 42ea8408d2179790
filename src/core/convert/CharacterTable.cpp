#include "core/convert/CharacterTable.h"
#include "core/convert/Big5Rule.h"
#include "core/officers/TextField.h"

#include <QtEndian>
#include <algorithm>
#include <bitset>
#include <cstring>

void CharacterTable::Load(std::span<const std::uint8_t> asset) {
  for (auto& column : columns_) column.fill(0);
  const std::span<const std::uint8_t> data =
      asset.size() > kHeaderSize ? asset.subspan(kHeaderSize) : std::span<const std::uint8_t>{};
  const std::size_t entries = std::min(data.size() / 2, 3 * kRows);
  for (std::size_t e = 0; e < entries; ++e) {
    columns_[e / kRows][e % kRows] = qFromLittleEndian<quint16>(data.data() + 2 * e);
  }
  for (Direction d : {kBig5ToGbk, kGbkToBig5, kShiftJisToBig5}) BuildIndex(d);
}

void CharacterTable::BuildIndex(Direction d) {
  const auto& source = columns_[SourceColumn(d)];
  const auto& target = columns_[TargetColumn(d)];
  auto& index = index_[d];
  index.fill(0);
  // A code is decided by its first row with a real counterpart; until then
  // the latest row without one (so "??") stands.
  std::bitset<0x10000> decided;
  for (std::size_t row = 0; row < kRows; ++row) {
    const std::uint16_t code = source[row];
    if (decided[code]) continue;
    index[code] = target[row];
    if (target[row] != kNoCounterpart) decided[code] = true;
  }
}

void CharacterTable::Convert(Direction d, std::uint8_t* text, std::size_t width) const {
  if (text == nullptr) return;
  const auto& index = index_[d];
  std::size_t length = UpToZero({reinterpret_cast<const char*>(text), width}).size();

  std::size_t i = 0;
  while (i < length) {
    const std::uint8_t lead = text[i];
    if (lead <= 0x7F) {
      ++i;
      continue;
    }
    if (i + 1 == length) break;  // a lead byte right before the end stays as it is
    const std::uint16_t result = index[PairCode(lead, text[i + 1])];
    const auto first = static_cast<std::uint8_t>(result & 0xFF);
    const auto second = static_cast<std::uint8_t>(result >> 8);
    // 0 is "no row"; a counterpart with a zero first byte would cut the text.
    if (first == 0) {
      i += 2;
      continue;
    }
    text[i] = first;
    if (second != 0) {
      text[i + 1] = second;
      i += 2;
      continue;
    }
    // A single-byte counterpart: the rest of the text closes up behind it.
    std::memmove(text + i + 1, text + i + 2, length - i - 2);
    --length;
    text[length] = 0;
    i += 1;
  }
}

std::string CharacterTable::Convert(Direction d, std::string_view text) const {
  std::string out(UpToZero(text));
  Convert(d, reinterpret_cast<std::uint8_t*>(out.data()), out.size());
  out.resize(std::strlen(out.c_str()));
  return out;
}
