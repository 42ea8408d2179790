// Placeholder until the character table lands: every code is unknown, so
// texts pass through unchanged.
#include "convert/Jislib.h"

void LoadConversionTable() {}
std::uint16_t Big5ToGbkCode(std::uint16_t) { return 0; }
std::uint16_t GbkToBig5Code(std::uint16_t) { return 0; }
std::uint16_t ShiftJisToBig5Code(std::uint16_t) { return 0; }
void Big5ToGbk(std::uint8_t*, std::size_t) {}
void GbkToBig5(std::uint8_t*, std::size_t) {}
void ShiftJisToBig5(std::uint8_t*, std::size_t) {}
std::string Big5ToGbk(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }
std::string GbkToBig5(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }
std::string ShiftJisToBig5(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }
