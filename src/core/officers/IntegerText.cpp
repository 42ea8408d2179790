#include "core/officers/IntegerText.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

// The typed-number conversion skips spaces only; the C-style reading skips
// every white-space character, as atoi does.
bool IsSpace(char c) { return c == ' '; }
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Moves i past leading blanks and one sign; true for a minus.
bool SkipBlanksAndSign(std::string_view text, std::size_t& i, bool (*isBlank)(char)) {
  while (i < text.size() && isBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
  return false;
}

}  // namespace

std::optional<std::int32_t> TryParseInteger(std::string_view text) {
  std::size_t i = 0;
  const bool negative = SkipBlanksAndSign(text, i, IsSpace);
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = base == 16 ? HexDigit(text[i]) : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal gives the 32-bit pattern: $FFFFFFFF is -1.
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
  if (signedValue < std::numeric_limits<std::int32_t>::min() || signedValue > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(signedValue);
}

std::int32_t ParseInteger(std::string_view text) {
  if (auto value = TryParseInteger(text)) return *value;
  throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t ParseLeadingInteger(std::string_view text) {
  std::size_t i = 0;
  const bool negative = SkipBlanksAndSign(text, i, IsWhiteSpace);
  // As strtol does, a number beyond the range gives the nearer end: the
  // negative end lies one further out than the positive one.
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::int64_t{std::numeric_limits<std::int32_t>::max()};
  std::int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min(limit, value * 10 + (text[i] - '0'));
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}
