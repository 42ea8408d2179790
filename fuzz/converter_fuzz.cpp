// Any text in a field of any width, in each of the three directions, through
// the program's character table or through a table made from the input.
// Nothing at or past the terminator or the width is written, the text never
// grows, the result is what a plain walk over the text with a row-by-row scan
// of the table gives, and the index answers every code as the scan does.
//
// Input: a mode byte (direction, which table), the field's width, the
// field's bytes, then for the made table rows of three codes (GBK, Big5,
// Shift-JIS), six bytes each.
#include <algorithm>
#include <array>
#include <string>

#include "FuzzSupport.h"
#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "support/TableScan.h"

namespace {

constexpr std::size_t kGuard = 16;
constexpr std::uint8_t kGuardByte = 0xA5;
constexpr std::array kDirections = {CharacterTable::kBig5ToGbk, CharacterTable::kGbkToBig5,
                                    CharacterTable::kShiftJisToBig5};

CharacterTable& MadeTable() {
  static CharacterTable table;  // too big for the stack
  return table;
}

void LoadRows(CharacterTable& table, const std::vector<unsigned char>& rows) {
  std::vector<std::uint8_t> asset(CharacterTable::kAssetSize, 0);
  const std::size_t count = std::min(rows.size() / 6, CharacterTable::kRows);
  for (std::size_t r = 0; r < count; ++r) {
    for (std::size_t column = 0; column < 3; ++column) {
      const std::size_t at = CharacterTable::kHeaderSize + 2 * (column * CharacterTable::kRows + r);
      asset[at] = rows[6 * r + 2 * column];
      asset[at + 1] = rows[6 * r + 2 * column + 1];
    }
  }
  table.Load(asset);
}

// A scan costs the whole table. The program's table never changes, so its
// answers are kept for the rest of the run.
std::uint16_t Scan(const CharacterTable& table, bool programTable, CharacterTable::Direction d, std::uint16_t code) {
  if (!programTable) return ScanLookup(table, d, code);
  static std::vector<std::int32_t> known(3 * 0x10000, -1);
  std::int32_t& answer = known[static_cast<std::size_t>(d) * 0x10000 + code];
  if (answer < 0) answer = ScanLookup(table, d, code);
  return static_cast<std::uint16_t>(answer);
}

std::uint16_t CodeAt(const std::string& text, std::size_t i) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(text[i]) | static_cast<std::uint8_t>(text[i + 1]) << 8);
}

// Bytes up to 0x7F stay, a lead byte with nothing after it stays, a pair
// whose counterpart is unknown or starts with a zero byte stays, any other
// pair becomes its counterpart's one or two bytes.
std::string ReferenceConvert(const CharacterTable& table, bool programTable, CharacterTable::Direction d,
                             const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<std::uint8_t>(text[i]) <= 0x7F || i + 1 == text.size()) {
      out += text[i++];
      continue;
    }
    const std::uint16_t counterpart = Scan(table, programTable, d, CodeAt(text, i));
    if ((counterpart & 0xFF) == 0) {
      out += text.substr(i, 2);
    } else {
      out += static_cast<char>(counterpart & 0xFF);
      if (counterpart >> 8) out += static_cast<char>(counterpart >> 8);
    }
    i += 2;
  }
  return out;
}

void ConvertWith(const CharacterTable& table, bool programTable, CharacterTable::Direction d, std::uint8_t* text,
                 std::size_t width) {
  if (!programTable) return table.Convert(d, text, width);
  // The program's own entry points.
  if (d == CharacterTable::kBig5ToGbk) Big5ToGbk(text, width);
  if (d == CharacterTable::kGbkToBig5) GbkToBig5(text, width);
  if (d == CharacterTable::kShiftJisToBig5) ShiftJisToBig5(text, width);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InputBytes input(data, size);
  const std::uint8_t mode = input.Byte();
  const auto d = kDirections[mode % 3];
  const bool programTable = (mode / 3) % 2 == 0;
  // A made table is scanned afresh for every code: its fields stay short.
  const std::size_t width = programTable ? input.Byte() : input.Byte() % 33;
  std::vector<unsigned char> rest = input.Rest();

  std::vector<std::uint8_t> field(width + kGuard, kGuardByte);
  std::copy_n(rest.begin(), std::min(width, rest.size()), field.begin());
  rest.erase(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(std::min(width, rest.size())));

  const CharacterTable& table = programTable ? LoadedCharacterTable() : MadeTable();
  if (!programTable) LoadRows(MadeTable(), rest);

  const std::vector<std::uint8_t> before = field;
  std::size_t end = 0;  // the terminator, or the width when the field holds none
  while (end < width && field[end] != 0) ++end;
  const std::string text(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(end));

  ConvertWith(table, programTable, d, field.data(), width);

  Require(std::equal(field.begin() + static_cast<std::ptrdiff_t>(end), field.end(),
                     before.begin() + static_cast<std::ptrdiff_t>(end)),
          "nothing at or past the terminator or the width is written");
  std::size_t length = 0;
  while (length < end && field[length] != 0) ++length;
  for (std::size_t i = length; i < end; ++i) Require(field[i] == 0, "a shortened text is closed up with zeros");
  const std::string converted(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(length));
  Require(converted == ReferenceConvert(table, programTable, d, text), "the conversion follows the rule");
  Require(table.Convert(d, text) == converted, "the copy conversion agrees with the in-place one");

  // The conversion above compared the index with the scan for the codes it
  // met in its direction; beyond that a few more codes are compared in all
  // three: pairs at odd places of the text, or the codes of a made table's
  // first rows.
  std::vector<std::uint16_t> codes;
  for (std::size_t i = 1; programTable && i + 1 < text.size() && codes.size() < 4; i += 2) codes.push_back(CodeAt(text, i));
  for (std::size_t r = 0; !programTable && r < std::min<std::size_t>(rest.size() / 6, 2); ++r)
    for (auto column : {CharacterTable::kGbk, CharacterTable::kBig5, CharacterTable::kShiftJis})
      codes.push_back(table.Entry(column, r));
  for (std::uint16_t code : codes) {
    for (auto direction : kDirections)
      Require(table.Lookup(direction, code) == Scan(table, programTable, direction, code), "the index gives what a scan gives");
  }
  return 0;
}
