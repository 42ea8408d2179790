#include "core/convert/GbkText.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

QString FromGbk(std::string_view bytes) {
  QStringDecoder decoder("GBK");
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToGbk(const QString& text) {
  QStringEncoder encoder("GBK");
  QByteArray bytes = encoder(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int GbkByteLength(const QString& text) { return static_cast<int>(ToGbk(text).size()); }
