// GBK bytes straight to UTF-8, for the exchange files and listings that turn
// every officer text into UTF-8. The GBK decoder is asked once for every
// double-byte code; a text with anything else (a byte the codes do not
// cover, a broken pair) goes through the decoder itself, so the result is
// always the decoder's.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <memory>

#include "core/convert/GbkText.h"

namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE, kFirstTrail = 0x40, kLastTrail = 0xFE;

using CodeTable = std::array<char16_t, 0x10000>;  // (lead << 8 | trail) -> character; 0: none

std::unique_ptr<CodeTable> DecodeEveryCode() {
  // Every pair followed by a line break; a pair that decodes to one
  // character of its own gets that character.
  QByteArray pairs;
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      if (trail == 0x7F) continue;
      pairs.append(static_cast<char>(lead)).append(static_cast<char>(trail)).append('\n');
    }
  }
  QStringDecoder decoder("GBK");
  const QString decoded = decoder(pairs);
  auto table = std::make_unique<CodeTable>();
  table->fill(0);
  const QStringList pieces = decoded.split(u'\n');
  qsizetype piece = 0;
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      if (trail == 0x7F) continue;
      if (piece >= pieces.size()) return table;
      const QString& one = pieces[piece++];
      // A pair the decoder takes as one unknown character (one U+FFFD) is
      // taken so in any text; a pair it splits is left to the decoder.
      if (one.size() == 1 && !one[0].isSurrogate()) {
        (*table)[lead << 8 | trail] = one[0].unicode();
      }
    }
  }
  return table;
}

const CodeTable& Codes() {
  static const std::unique_ptr<CodeTable> table = DecodeEveryCode();
  return *table;
}

void AppendUtf8(std::string& out, char16_t c) {
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

std::string GbkToUtf8(std::string_view bytes) {
  const CodeTable& codes = Codes();
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      continue;
    }
    const char16_t c = i + 1 < bytes.size() ? codes[b << 8 | static_cast<unsigned char>(bytes[i + 1])] : 0;
    if (c == 0) return FromGbk(bytes).toStdString();
    AppendUtf8(out, c);
    ++i;
  }
  return out;
}
