#pragma once
// The converter: two-byte character codes between GBK, Big5 and Shift-JIS,
// looked up in the program's three-column character table.
//
// Codes are 16-bit values first byte + 256 * second byte. A per-code lookup
// gives the counterpart, 0x3F3F ("??") when the code only occurs in rows
// without a counterpart, or 0 when it occurs in no row.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CharacterTable;
class QString;

// The character table is missing or not of its size. Nothing can be
// converted without it, so the program does not run on. The message (UTF-8)
// names the table and the reason.
class CharacterTableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of a table asset (the program's own is the resource
// ":/convert/CharacterTable.bin"). Throws CharacterTableError when it cannot
// be read or is not CharacterTable::kAssetSize bytes long.
std::vector<std::uint8_t> ReadCharacterTableAsset(const QString& path);

// Fills the character table from the program's own asset once, and reads
// the code pages (CodePages.h); later calls return at once. Throws
// CharacterTableError when either asset is missing or malformed; nothing is
// loaded then, and the next call tries again.
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
