#include "core/convert/GbkText.h"

#include "core/convert/CodePages.h"

QString FromGbk(std::string_view bytes) { return DecodeCodePage(CodePage::Gbk, bytes); }

std::string ToGbk(const QString& text) { return EncodeCodePage(CodePage::Gbk, text).bytes; }

bool GbkCanEncode(const QString& text) { return EncodeCodePage(CodePage::Gbk, text).complete; }

int GbkByteLength(const QString& text) { return static_cast<int>(ToGbk(text).size()); }

QString FromBig5(std::string_view bytes) { return DecodeCodePage(CodePage::Big5, bytes); }

std::string Big5Of(char32_t character) {
  const EncodedText encoded = EncodeCodePage(CodePage::Big5, QString::fromUcs4(&character, 1));
  if (!encoded.complete || encoded.bytes.size() != 2) return {};
  return encoded.bytes;
}
