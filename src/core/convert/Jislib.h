#pragma once
// The converter: two-byte character codes between GBK, Big5 and Shift-JIS,
// looked up in the program's three-column character table.
//
// Codes are 16-bit values first byte + 256 * second byte. A per-code lookup
// gives the counterpart, 0x3F3F ("??") when the code only occurs in rows
// without a counterpart, or 0 when it occurs in no row.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CharacterTable;

// Fills the character table once; later calls return at once.
void LoadConversionTable();

// The program's table (loaded on first use), for tests and measurements.
const CharacterTable& LoadedCharacterTable();

std::uint16_t Big5ToGbkCode(std::uint16_t code);
std::uint16_t GbkToBig5Code(std::uint16_t code);
std::uint16_t ShiftJisToBig5Code(std::uint16_t code);

// In-place conversion of the zero-terminated text held in text[0 .. width).
// Nothing is read or written at or past width, and the terminator (or the
// field's end when it holds none) is never overwritten.
void Big5ToGbk(std::uint8_t* text, std::size_t width);
void GbkToBig5(std::uint8_t* text, std::size_t width);
void ShiftJisToBig5(std::uint8_t* text, std::size_t width);

// Converted copies of a text (up to its first zero byte).
std::string Big5ToGbk(std::string_view text);
std::string GbkToBig5(std::string_view text);
std::string ShiftJisToBig5(std::string_view text);
