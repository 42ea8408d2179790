#include "core/convert/GbkText.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

// Opening a GBK converter by name costs far more than converting one officer
// text, so each thread keeps one of each and starts it afresh for every text.
QString FromGbk(std::string_view bytes) {
  thread_local QStringDecoder decoder("GBK");
  decoder.resetState();
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToGbk(const QString& text) {
  thread_local QStringEncoder encoder("GBK");
  encoder.resetState();
  QByteArray bytes = encoder(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

// Qt 6.4 keeps an ICU converter's error through resetState(): a converter
// that met a character it cannot encode is replaced, not reused.
bool EncodedWithoutError(QStringEncoder& encoder, const char* name) {
  if (!encoder.hasError()) return true;
  encoder = QStringEncoder(name);
  return false;
}

}  // namespace

bool GbkCanEncode(const QString& text) {
  thread_local QStringEncoder encoder("GBK");
  encoder.resetState();
  const QByteArray bytes = encoder(text);
  return EncodedWithoutError(encoder, "GBK") && bytes.count('?') == text.count(u'?');
}

int GbkByteLength(const QString& text) { return static_cast<int>(ToGbk(text).size()); }

QString FromBig5(std::string_view bytes) {
  thread_local QStringDecoder decoder("Big5");
  decoder.resetState();
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Big5Of(char32_t character) {
  thread_local QStringEncoder encoder("Big5");
  if (!encoder.isValid()) return {};
  encoder.resetState();
  const QByteArray bytes = encoder(QString::fromUcs4(&character, 1));
  if (!EncodedWithoutError(encoder, "Big5") || bytes.size() != 2) return {};
  return std::string(bytes.constData(), 2);
}
