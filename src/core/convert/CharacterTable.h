#pragma once
// The three-column character table (GBK, Big5, Shift-JIS) and, for each
// conversion direction, a direct index from source code to counterpart.
//
// Row r of the columns stands for one character written in the three sets;
// "??" (0x3F3F) marks a set without it. Codes are first byte + 256 * second
// byte; a single-byte code has a zero second byte. A code that occurs in
// several rows of a column is decided by the first row that has a real
// counterpart; the index keeps exactly that answer, so a lookup costs one
// array access instead of a scan of the table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CharacterTable {
 public:
  static constexpr std::size_t kRows = 20292;
  static constexpr std::size_t kHeaderSize = 4;
  static constexpr std::size_t kAssetSize = kHeaderSize + 3 * kRows * 2;  // 121,756 bytes
  static constexpr std::uint16_t kNoCounterpart = 0x3F3F;                  // "??"

  enum Column { kGbk = 0, kBig5 = 1, kShiftJis = 2 };
  enum Direction { kBig5ToGbk = 0, kGbkToBig5 = 1, kShiftJisToBig5 = 2 };
  static constexpr Column SourceColumn(Direction d) {
    return d == kBig5ToGbk ? kBig5 : d == kGbkToBig5 ? kGbk : kShiftJis;
  }
  static constexpr Column TargetColumn(Direction d) { return d == kBig5ToGbk ? kGbk : kBig5; }

  // Fills the columns from the table asset (a 4-byte header, then the three
  // columns one after the other) and builds the indexes. The header is not
  // looked at; entries that a short asset leaves out are 0.
  void Load(std::span<const std::uint8_t> asset);

  std::uint16_t Entry(Column column, std::size_t row) const { return columns_[column][row]; }

  // The counterpart of a code: the first row's that has a real one, "??"
  // when the code only occurs in rows without one, 0 when it occurs in none.
  std::uint16_t Lookup(Direction d, std::uint16_t code) const { return index_[d][code]; }

  // Converts the zero-terminated text in text[0 .. width) in place. Bytes up
  // to 0x7F stay; a byte from 0x80 on forms a code with the next byte. The
  // text never grows, nothing at or past width or the terminator is touched,
  // and a lead byte with nothing after it stays as it is.
  void Convert(Direction d, std::uint8_t* text, std::size_t width) const;

  // A converted copy of the text up to its first zero byte.
  std::string Convert(Direction d, std::string_view text) const;

 private:
  void BuildIndex(Direction d);

  std::array<std::array<std::uint16_t, kRows>, 3> columns_{};
  std::array<std::array<std::uint16_t, 0x10000>, 3> index_{};
};
