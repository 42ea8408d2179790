#include "core/exchange/ExchangeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <charconv>

#include "core/officers/OfficerRecord.h"

namespace {

// Offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype FirstBadUtf8(const QByteArray& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    const unsigned char c = p[i];
    int follow = 0;
    unsigned lowest = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      follow = 1, lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2, lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3, lowest = 0x10000;
    } else {
      return i;
    }
    if (i + follow >= n) return i;
    unsigned code = c & (0x3Fu >> follow);
    for (int k = 1; k <= follow; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return i;
      code = code << 6 | (p[i + k] & 0x3Fu);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += follow + 1;
  }
  return -1;
}

std::string TooLarge(qint64 size) {
  return "太大（" + std::to_string(size) + " 字节）；导出的文件不超过 " + std::to_string(kExchangeFileLimit / (1024 * 1024)) +
         " MB";
}

}  // namespace

std::optional<ExchangeFormat> ExchangeFormatForPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("json")) return ExchangeFormat::Json;
  if (suffix == QLatin1String("csv")) return ExchangeFormat::Csv;
  return std::nullopt;
}

SourcePlace PlaceOfOffset(const QByteArray& bytes, qsizetype offset) {
  SourcePlace place{1, 1, -1};
  for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n') {
      ++place.line;
      place.column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++place.column;  // continuation bytes belong to the character before
    }
  }
  return place;
}

bool IsSlotKey(std::string_view key) { return key == "slot" || key == "number"; }

std::optional<int> SlotFromTexts(const std::optional<std::string>& slot, const std::optional<std::string>& number,
                                 std::string& problem) {
  const auto read = [](const std::string& text) -> std::optional<int> {
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
  };
  const int last = static_cast<int>(kSlotCount) - 1;
  std::optional<int> fromSlot, fromNumber;
  if (slot) {
    fromSlot = read(*slot);
    if (!fromSlot || *fromSlot < 0 || *fromSlot > last) {
      problem = "slot 应为 0–109 的整数：“" + *slot + "”";
      return std::nullopt;
    }
  }
  if (number) {
    fromNumber = read(*number);
    if (!fromNumber || *fromNumber < kFirstNewOfficer || *fromNumber > kFirstNewOfficer + last) {
      problem = "number 应为 650–759 的整数：“" + *number + "”";
      return std::nullopt;
    }
    *fromNumber -= kFirstNewOfficer;
  }
  if (fromSlot && fromNumber && *fromSlot != *fromNumber) {
    problem = "slot " + *slot + " 与 number " + *number + " 不是同一位武将";
    return std::nullopt;
  }
  if (!fromSlot && !fromNumber) {
    problem = "缺少 slot 或 number";
    return std::nullopt;
  }
  return fromSlot ? fromSlot : fromNumber;
}

ExchangeReadResult ReadExchangeBytes(const QByteArray& bytes, ExchangeFormat format) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  if (bytes.size() > kExchangeFileLimit) {
    return refuse({}, "文件" + TooLarge(bytes.size()));
  }
  if (bytes.trimmed().isEmpty() || bytes == QByteArray("\xEF\xBB\xBF")) return refuse({}, "文件是空的");
  if (const qsizetype bad = FirstBadUtf8(bytes); bad >= 0) {
    return refuse(PlaceOfOffset(bytes, bad), "文件不是 UTF-8 文本（请以 UTF-8 保存）");
  }
  return format == ExchangeFormat::Json ? ReadJsonExchange(bytes) : ReadCsvExchange(bytes);
}

ExchangeReadResult ReadExchangeFile(const QString& path, ExchangeFormat format) {
  ExchangeReadResult result;
  const QFileInfo info(path);
  const std::string name = "“" + path.toStdString() + "”";
  if (info.exists() && info.size() > kExchangeFileLimit) {
    result.errors.push_back({-1, {}, {}, "文件 " + name + " " + TooLarge(info.size())});
    return result;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.errors.push_back({-1, {}, {}, "无法打开文件 " + name + "：" + file.errorString().toStdString()});
    return result;
  }
  // The size may have grown since it was checked; read no more than allowed.
  return ReadExchangeBytes(file.read(kExchangeFileLimit + 1), format);
}

QByteArray WriteExchangeBytes(const ExchangeDocument& document, ExchangeFormat format) {
  return format == ExchangeFormat::Json ? WriteJsonExchange(document) : WriteCsvExchange(document);
}

void WriteExchangeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile out(path);
  const auto fail = [&] {
    throw ExchangeFileError("无法写入文件 “" + path.toStdString() + "”：" + out.errorString().toStdString());
  };
  if (!out.open(QIODevice::WriteOnly)) fail();
  if (out.write(bytes) != bytes.size()) fail();
  if (!out.commit()) fail();
}
