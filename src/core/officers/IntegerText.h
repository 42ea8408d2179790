#pragma once
// The integer conversion used wherever the user types a number: leading
// blanks, then an optional sign and decimal digits, or hexadecimal digits
// after $, x, X, 0x or 0X; nothing may follow; signed 32-bit range.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// nullopt when the text is not such an integer.
std::optional<std::int32_t> TryParseInteger(std::string_view text);

// Throws ConvertError "'<text>' is not a valid integer value" (text as given, UTF-8).
std::int32_t ParseInteger(std::string_view text);

// Numbers as the picker windows read them (C style): leading blanks, one
// sign, digits up to the first non-digit; no digits gives 0.
std::int32_t ParseLeadingInteger(std::string_view text);
