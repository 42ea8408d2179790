#pragma once
// Storing an edited officer text: the characters the player left alone keep
// the exact Big5 bytes they were shown from; only new or changed characters
// go through GbkToBig5, and a character without a Big5 form is reported
// instead of being stored.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One character of the text as it would be stored: its Big5 bytes, or, for
// a character Big5 cannot hold, its GBK bytes.
struct StoredPiece {
  std::string bytes;
  bool refused = false;
};

struct EditedTextResult {
  // The Big5 bytes to store, without the terminator; empty when not storable.
  // How many bytes the field may take is not decided here (TypedText.h).
  std::string big5;
  // GBK characters that Big5 cannot hold, each once, in the order typed.
  std::vector<std::string> unstorable;
  // Every character in order, also when the text is not storable.
  std::vector<StoredPiece> pieces;

  bool Storable() const { return unstorable.empty(); }
};

// shownGbk is the text as the editor showed it (Big5ToGbk of storedBig5),
// storedBig5 the field's bytes it was shown from, editedGbk the text now in
// the control.
// Each text counts up to its first zero byte. `chosen` may give, for each
// character of editedGbk (as SplitCharacters splits it), the Big5 bytes it is
// stored as should it be new; an empty entry, or none, leaves it to the table.
//
// The edited text is aligned with the shown one character by character
// (longest common subsequence); a stored character whose shown form is still
// there, whole and in one piece, is written with its stored bytes. Every
// other character is stored as chosen or converted; one whose GbkToBig5 code
// is unknown, "??" or not a two-byte Big5 code goes to `unstorable`. When
// shownGbk is not what storedBig5 shows, no stored bytes are reused and every
// character is stored as new.
EditedTextResult StoreEditedText(std::string_view shownGbk, std::string_view storedBig5, std::string_view editedGbk,
                                 std::span<const std::string> chosen = {});

// A GBK or Big5 text (up to its first zero byte) split into characters as
// the converter reads it: a byte up to 0x7F alone, a byte from 0x80 on with
// the byte after it (or alone at the end).
std::vector<std::string_view> SplitCharacters(std::string_view text);

// For every shown character, the edited character it is kept as, or npos:
// one longest common subsequence of the two (none beyond 4096 characters).
std::vector<std::size_t> AlignCharacters(const std::vector<std::string_view>& shown,
                                         const std::vector<std::string_view>& edited);

// The characters of `unstorable` one after the other, for a message such as
// 名：无法以繁体中文(Big5)保存的字：晗.
std::string JoinCharacters(const std::vector<std::string>& characters);
