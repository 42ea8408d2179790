// Byte helpers of the exchange code: hex texts and records inside a file's
// first 28,604 bytes.
#include <algorithm>
#include <array>

#include "core/exchange/ExchangeFields.h"

namespace {

// The length of the blank that `text` begins with, 0 for none.
std::size_t LeadingBlank(std::string_view text) {
  static constexpr std::string_view kWide[] = {"\u00A0", "\u3000", "\u202F", "\u205F", "\uFEFF"};
  if (text.empty()) return 0;
  if (std::string_view(" \t\r\n").find(text.front()) != std::string_view::npos) return 1;
  for (const std::string_view blank : kWide)
    if (text.starts_with(blank)) return blank.size();
  // U+2000-U+200B: E2 80 80-8B.
  if (text.size() >= 3 && text.substr(0, 2) == "\xE2\x80" && static_cast<unsigned char>(text[2]) <= 0x8B) return 3;
  return 0;
}

// The length of the blank that `text` ends with, 0 for none.
std::size_t TrailingBlank(std::string_view text) {
  for (std::size_t n = 1; n <= 3 && n <= text.size(); ++n)
    if (LeadingBlank(text.substr(text.size() - n)) == n) return n;
  return 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  // Most values begin and end with a visible ASCII character.
  const auto visibleAscii = [](char c) { return static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x80; };
  if (!text.empty() && visibleAscii(text.front()) && visibleAscii(text.back())) return text;
  while (const std::size_t n = LeadingBlank(text)) text.remove_prefix(n);
  while (const std::size_t n = TrailingBlank(text)) text.remove_suffix(n);
  return text;
}

unsigned NumberAt(const OfficerField& field, const RecordBytes& record) { return StoredNumber(record.data(), field); }

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

namespace {

// The value of a hex digit, -1 for any other character.
constexpr std::array<std::int8_t, 256> kHexDigits = [] {
  std::array<std::int8_t, 256> digits{};
  digits.fill(-1);
  for (int i = 0; i < 10; ++i) digits['0' + i] = static_cast<std::int8_t>(i);
  for (int i = 0; i < 6; ++i) digits['a' + i] = digits['A' + i] = static_cast<std::int8_t>(10 + i);
  return digits;
}();

bool HexInto(std::string_view hex, std::uint8_t* out) {
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = kHexDigits[static_cast<unsigned char>(hex[i])], low = kHexDigits[static_cast<unsigned char>(hex[i + 1])];
    if (high < 0 || low < 0) return false;
    *out++ = static_cast<std::uint8_t>(high << 4 | low);
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> BytesOfHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes(hex.size() / 2);
  if (!HexInto(hex, bytes.data())) return std::nullopt;
  return bytes;
}

bool PutHex(std::string_view hex, std::span<std::uint8_t> out) {
  return hex.size() == out.size() * 2 && HexInto(hex, out.data());
}

RecordBytes RecordAt(std::span<const unsigned char> head, std::size_t slot) {
  RecordBytes record{};
  std::copy_n(head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize), kRecordSize, record.begin());
  return record;
}

void PutRecordAt(std::span<unsigned char> head, std::size_t slot, const RecordBytes& record) {
  std::copy(record.begin(), record.end(), head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize));
}
