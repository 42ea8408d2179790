#pragma once
// Which encoding a stored officer text is in: Big5, as the Chinese edition
// writes it, or Shift-JIS, as an officer registered in the Japanese edition
// brings it. The conversion commands convert only Shift-JIS texts.
#include <string_view>

enum class StoredEncoding { Big5, ShiftJis };

// The text counts up to its first zero byte.
//
// - A text that is not of Big5 form (Big5Rule.h) is Shift-JIS: a lead byte
//   0x80 or 0xFF, a trail byte outside 0x40-0x7E and 0xA1-0xFE, or a lead
//   byte with nothing after it.
// - A valid Big5 text whose codes the character table all knows as Big5 is
//   Big5, also when the same bytes are valid Shift-JIS: a Japanese name made
//   only of kanji from the E0-EA rows with such trail bytes stays as it is.
//   Texts that are both are rare, and converting a Chinese text damages it.
// - A valid Big5 text holding a code Big5 does not define (kana at 82 A0,
//   the user-defined rows FA-FE, say) is Shift-JIS when it is valid Shift-JIS and the table
//   knows all its Shift-JIS codes (﨑 FA B1), else Big5.
// An empty or ASCII-only text is Big5: converting it changes nothing.
StoredEncoding StoredEncodingOf(std::string_view text);
