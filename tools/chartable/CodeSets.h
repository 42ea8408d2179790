#pragma once
// The three character sets as glibc's iconv knows them: every code a set
// decodes, and each character's own (canonical) code.
#include <cstdint>
#include <string>
#include <vector>

namespace chartable {

// A code as the converter keeps it: first byte + 256 * second byte; a
// single-byte code has a zero second byte. 0 means "none".
using Code = std::uint16_t;
constexpr Code kNoCode = 0x3F3F;  // "??"

struct CodeChar {
  Code code;
  char32_t cp;
};

struct CodeSet {
  // Every code the set decodes to one character outside the private-use
  // area, in code order. Duplicate codes (several codes, one character) are
  // all here.
  std::vector<CodeChar> codes;
  // Code point -> the character's own code, 0 when the set lacks it.
  std::vector<Code> own = std::vector<Code>(0x10000, 0);

  Code Of(char32_t cp) const { return cp < own.size() ? own[cp] : 0; }
  bool Has(char32_t cp) const { return Of(cp) != 0; }
};

// CP936, two-byte codes only.
CodeSet GbkSet();
// CP950, two-byte codes, with the ETEN kana and symbols of C6A1-C8FE that
// CP950 lacks.
CodeSet Big5Set();
// CP932, two-byte codes and the half-width katakana bytes A1-DF.
CodeSet ShiftJisSet();
// The bytes 80-FF that CP936 and CP950 read alone as a character (CP936's
// 80 is the euro sign).
CodeSet GbkSingleBytes();
CodeSet Big5SingleBytes();

// GB2312's part of GBK: lead byte A1-F7, trail byte A1-FE.
bool InGb2312Range(Code code);

// The code's bytes in text order.
std::string BytesOf(Code code);

}  // namespace chartable
