#include "core/convert/StoredEncoding.h"

#include <cstdint>

#include "core/convert/Big5Rule.h"
#include "core/convert/Jislib.h"
#include "core/officers/TextField.h"

namespace {

std::uint16_t CodeAt(std::string_view text, std::size_t i) {
  return PairCode(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1]));
}

// True when the text is valid Shift-JIS and the table knows every code.
bool KnownShiftJis(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead <= 0x7F || (lead >= 0xA1 && lead <= 0xDF)) {
      ++i;
      continue;
    }
    const bool leadOk = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    if (!leadOk || i + 1 == text.size()) return false;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC || ShiftJisToBig5Code(CodeAt(text, i)) == 0) return false;
    i += 2;
  }
  return true;
}

}  // namespace

StoredEncoding StoredEncodingOf(std::string_view text) {
  text = UpToZero(text);
  bool allDefined = true;
  if (!WalkBig5(text, [&](std::uint16_t code) { allDefined = allDefined && Big5Defines(code); })) {
    return StoredEncoding::ShiftJis;
  }
  if (allDefined) return StoredEncoding::Big5;
  return KnownShiftJis(text) ? StoredEncoding::ShiftJis : StoredEncoding::Big5;
}
