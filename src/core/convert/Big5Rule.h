#pragma once
// What counts as Big5 in a stored officer text: which bytes form a two-byte
// code, and which codes the character set defines. Stored-encoding
// detection, edited texts, the check and the exchange files all ask here.
#include <cstdint>
#include <string_view>

// A byte from 0x81 on starts a two-byte code; 0x80 and 0xFF never do.
constexpr bool IsBig5Lead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
constexpr bool IsBig5Trail(unsigned char byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE); }

// GBK's codes, for texts written in it (exchange files saved as GBK): the
// same lead bytes, trail bytes 0x40-0xFE but 0x7F. 0x80 alone is CP936's euro sign.
constexpr bool IsGbkLead(unsigned char byte) { return IsBig5Lead(byte); }
constexpr bool IsGbkTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Codes are first byte + 256 * second byte, as the character tables keep them.
constexpr std::uint16_t PairCode(unsigned char first, unsigned char second) {
  return static_cast<std::uint16_t>(first | second << 8);
}

constexpr bool IsBig5Form(std::uint16_t code) {
  return IsBig5Lead(static_cast<unsigned char>(code & 0xFF)) && IsBig5Trail(static_cast<unsigned char>(code >> 8));
}

// A code of Big5 form that the character table knows as a Big5 character.
bool Big5Defines(std::uint16_t code);

// Walks the text (up to its first zero) as Big5: calls `code` for every
// two-byte code; false at the first byte sequence that is not of Big5 form
// (a lead byte 0x80 or 0xFF, a bad trail byte, a lead byte at the end).
template <typename OnCode>
bool WalkBig5(std::string_view text, OnCode&& code) {
  for (std::size_t i = 0; i < text.size() && text[i] != '\0';) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (!IsBig5Lead(lead) || i + 1 == text.size() || !IsBig5Trail(static_cast<unsigned char>(text[i + 1]))) return false;
    code(PairCode(lead, static_cast<unsigned char>(text[i + 1])));
    i += 2;
  }
  return true;
}

inline bool IsBig5Text(std::string_view text) {
  return WalkBig5(text, [](std::uint16_t) {});
}
