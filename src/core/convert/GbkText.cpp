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

bool GbkCanEncode(const QString& text) {
  thread_local QStringEncoder encoder("GBK");
  encoder.resetState();
  const QByteArray bytes = encoder(text);
  return !encoder.hasError() && bytes.count('?') == text.count(u'?');
}

int GbkByteLength(const QString& text) { return static_cast<int>(ToGbk(text).size()); }
