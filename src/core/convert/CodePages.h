#pragma once
// GBK and Big5 bytes to Unicode and back through the program's own tables
// (the resource ":/convert/CodePages.bin", written by tools/gen_code_pages
// from CP936 and from CP950 with the ETEN kana), never through a converter
// of the platform: every build reads and writes the same bytes.
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

enum class CodePage { Gbk, Big5 };

// Bytes 00-7F stay as they are; every code the page defines becomes its
// character. Anything else becomes U+FFFD: a lead byte with a trail byte of
// the page's form but no character, as one; a byte that starts no code, or
// a lead byte at the end or before a byte that cannot follow it, alone.
QString DecodeCodePage(CodePage page, std::string_view bytes);

struct EncodedText {
  std::string bytes;
  // False when a character has no code in the page; its place holds "?".
  bool complete = true;
};

// Each character as its own code in the page (U+0000-007F as the byte).
EncodedText EncodeCodePage(CodePage page, QStringView text);

// Reads the tables now rather than on first use. Throws CharacterTableError
// (core/convert/Jislib.h) when the resource is missing or malformed.
void LoadCodePages();
