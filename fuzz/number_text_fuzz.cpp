// Any bytes as a typed number: the value or the exact conversion message,
// agreeing with a plain reference of the rule; and the pickers' C-style
// reading agreeing with the C library's strtol, cut to 32 bits.
#include <cerrno>
#include <climits>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "core/officers/IntegerText.h"

namespace {

bool IsDecimal(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int DigitValue(char c) {
  if (IsDecimal(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}

// Blanks (spaces only), an optional sign, then decimal digits, or hex digits
// after $, x, X, 0x or 0X, and nothing else. Decimal numbers must lie in the
// signed 32-bit range; hex numbers give their 32-bit pattern (at most
// $FFFFFFFF), negated by a minus.
std::optional<std::int32_t> ReferenceInteger(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  bool hex = false;
  if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    hex = true;
    i += 2;
  } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  }
  std::string digits = text.substr(std::min(i, text.size()));
  if (digits.empty()) return std::nullopt;
  for (char c : digits)
    if (hex ? !IsHex(c) : !IsDecimal(c)) return std::nullopt;
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() > (hex ? 8u : 10u)) return std::nullopt;
  long long value = 0;
  for (char c : digits) value = value * (hex ? 16 : 10) + DigitValue(c);
  if (hex) {
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t ReferenceLeadingInteger(const std::string& text) {
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value < INT_MIN) return INT_MIN;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> expected = ReferenceInteger(text);
  Require(TryParseInteger(text) == expected, "the typed-number conversion follows the rule");
  try {
    const std::int32_t value = ParseInteger(text);
    Require(expected && value == *expected, "a converted text is an integer of the rule");
  } catch (const ConvertError& error) {
    Require(!expected, "an integer of the rule converts");
    // The message travels as a C string: a zero byte in the text ends it there.
    const std::string message = "'" + text + "' is not a valid integer value";
    Require(error.what() == message.substr(0, message.find('\0')), "the message quotes the text exactly");
  }
  // strtoll stops at the first zero byte, as the C-style reading must.
  Require(ParseLeadingInteger(text) == ReferenceLeadingInteger(text), "the C-style reading agrees with strtol");
  return 0;
}
