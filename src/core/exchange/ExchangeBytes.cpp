// Byte helpers of the exchange code: hex texts and records inside a file's
// first 28,604 bytes.
#include <algorithm>

#include "core/exchange/ExchangeFields.h"

unsigned NumberAt(const OfficerField& field, const RecordBytes& record) {
  const std::uint8_t* p = record.data() + field.offset;
  return field.width == 2 ? static_cast<unsigned>(p[0] | (p[1] << 8)) : p[0];
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0xF];
  }
  return hex;
}

std::optional<std::vector<std::uint8_t>> BytesOfHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::vector<std::uint8_t> bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return bytes;
}

RecordBytes RecordAt(std::span<const unsigned char> head, std::size_t slot) {
  RecordBytes record{};
  std::copy_n(head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize), kRecordSize, record.begin());
  return record;
}

void PutRecordAt(std::span<unsigned char> head, std::size_t slot, const RecordBytes& record) {
  std::copy(record.begin(), record.end(), head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize));
}
