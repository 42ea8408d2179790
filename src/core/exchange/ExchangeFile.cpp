#include "core/exchange/ExchangeFile.h"
#include "core/officers/SystemErrorText.h"
#include "core/officers/WriteAll.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/convert/Big5Rule.h"
#include "core/convert/CodePages.h"
#include "core/language/CoreText.h"
#include "core/officers/OfficerRecord.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ExchangeFile", text, pieces); }

// How many bytes from `p` on are below 0x80, eight at a time: an export is
// mostly ASCII (hex, keys, numbers).
qsizetype AsciiRun(const unsigned char* p, qsizetype n) {
  qsizetype i = 0;
  for (std::uint64_t word = 0; i + 8 <= n; i += 8) {
    std::memcpy(&word, p + i, 8);
    if (word & 0x8080808080808080u) break;
  }
  while (i < n && p[i] < 0x80) ++i;
  return i;
}

// Offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype FirstBadUtf8(const QByteArray& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    const unsigned char c = p[i];
    int follow = 0;
    unsigned lowest = 0;
    if (c < 0x80) {
      i += AsciiRun(p + i, n - i);
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

// Offset of the first byte that is not part of a double-byte code of GBK
// or Big5 (Big5Rule.h), or -1.
qsizetype FirstBadDoubleByte(const QByteArray& bytes, TextEncoding encoding) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char c = p[i];
    const bool gbk = encoding == TextEncoding::Gbk;
    if (c < 0x80 || (c == 0x80 && gbk)) continue;  // 80: the euro sign of CP936
    if (!(gbk ? IsGbkLead(c) : IsBig5Lead(c)) || i + 1 >= n) return i;
    const unsigned char t = p[++i];
    if (!(gbk ? IsGbkTrail(t) : IsBig5Trail(t))) return i - 1;
  }
  return -1;
}

std::string_view ViewOf(const QByteArray& bytes) { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }

// The file as UTF-8 without a byte order mark, or a refusal.
struct Decoded {
  QByteArray utf8;
  TextEncoding encoding = TextEncoding::Utf8;
  bool uncertain = false;
  std::vector<std::string> notes;
  std::optional<ExchangeError> error;
};

Decoded DecodeAs(const QByteArray& bytes, TextEncoding encoding) {
  Decoded out;
  out.encoding = encoding;
  const qsizetype bad = encoding == TextEncoding::Utf8 ? FirstBadUtf8(bytes) : FirstBadDoubleByte(bytes, encoding);
  if (bad >= 0) {
    out.error = ExchangeError{-1,
                              {},
                              PlaceOfOffset(bytes, bad),
                              Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件不是 %1 文本（请以 UTF-8 保存，或用 --encoding 指定编码）"),
                                 {TextEncodingName(encoding)})};
    return out;
  }
  if (encoding == TextEncoding::Utf8) {
    out.utf8 = bytes;
  } else {
    const CodePage page = encoding == TextEncoding::Gbk ? CodePage::Gbk : CodePage::Big5;
    out.utf8 = DecodeCodePage(page, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))).toUtf8();
  }
  return out;
}

// A byte order mark decides; without one, the reading that gives officer texts.
Decoded Decode(const QByteArray& bytes, std::optional<TextEncoding> chosen) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeAs(bytes.sliced(3), TextEncoding::Utf8);
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::Stateless);
    Decoded out;
    const QString text = decoder(QByteArrayView(bytes).sliced(2));
    out.utf8 = text.toUtf8();
    if (decoder.hasError() || !text.isValidUtf16())
      out.error = ExchangeError{-1, {}, {}, Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件以 UTF-16 的字节顺序标记开头，内容却不是 UTF-16"))};
    out.notes.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeFile", "按 UTF-16 编码读取")));
    return out;
  }
  if (chosen) {
    Decoded out = DecodeAs(bytes, *chosen);
    if (*chosen != TextEncoding::Utf8 && !out.error)
      out.notes.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeFile", "按 %1 编码读取"), {TextEncodingName(*chosen)}));
    return out;
  }
  Decoded utf8 = DecodeAs(bytes, TextEncoding::Utf8);
  const bool utf8Fits = !utf8.error && LooksLikeOfficerText(ViewOf(utf8.utf8));
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const bool ascii = !utf8.error && AsciiRun(p, bytes.size()) == bytes.size();
  if (ascii) return utf8;
  Decoded gbk = DecodeAs(bytes, TextEncoding::Gbk);
  const bool gbkFits = !gbk.error && LooksLikeOfficerText(ViewOf(gbk.utf8));
  if (utf8Fits) {
    utf8.uncertain = gbkFits;
    if (gbkFits)
      utf8.notes.push_back(
          Tr(QT_TRANSLATE_NOOP("ExchangeFile", "按 UTF-8 编码读取；按 GBK 读取也像武将的文字（--encoding gbk 可改为 GBK）")));
    return utf8;
  }
  if (gbkFits) {
    gbk.notes.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeFile", "按 GBK 编码读取")));
    return gbk;
  }
  // Neither reads as officer texts: the valid one, and the rule of values judges the texts.
  if (!utf8.error) return utf8;
  if (!gbk.error) {
    gbk.notes.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeFile", "按 GBK 编码读取")));
    return gbk;
  }
  utf8.error->message = Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件既不是 UTF-8 也不是 GBK 文本（请以 UTF-8 保存）"));
  return utf8;
}

std::string TooLarge(qint64 size) {
  return Tr(QT_TRANSLATE_NOOP("ExchangeFile", "太大（%1 字节）；导出的文件不超过 %2 MB"),
            {std::to_string(size), std::to_string(kExchangeFileLimit / (1024 * 1024))});
}

}  // namespace

std::optional<ExchangeFormat> ExchangeFormatForPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("json")) return ExchangeFormat::Json;
  if (suffix == QLatin1String("csv")) return ExchangeFormat::Csv;
  return std::nullopt;
}

SourcePlace PlaceOfOffset(const QByteArray& bytes, qsizetype offset) {
  SourcePlace place{1, 0, -1, 1};
  for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
      ++place.line;
      place.character = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++place.character;  // continuation bytes belong to the character before
    }
  }
  return place;
}

bool LooksLikeOfficerText(std::string_view utf8) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0, n = utf8.size(); i < n;) {
    char32_t c = p[i];
    if (c < 0x80) {
      if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
      ++i;
      continue;
    }
    // Well-formed (decoding made sure): the lead byte tells the length.
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (length == 4 || i + length > n) return false;  // nothing beyond U+FFFF is fine
    c = length == 2 ? (c & 0x1F) << 6 | (p[i + 1] & 0x3F) : (c & 0x0F) << 12 | (p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F);
    const bool fine = c == 0xA0 || c == 0xB7 || c == 0xD7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x30FF) ||
                      (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || c == 0xFEFF || (c >= 0xFF00 && c <= 0xFFEF);
    if (!fine) return false;
    i += length;
  }
  return true;
}

std::optional<TextEncoding> TextEncodingNamed(const QString& name) {
  const QString n = name.toLower();
  if (n == QLatin1String("utf-8") || n == QLatin1String("utf8")) return TextEncoding::Utf8;
  if (n == QLatin1String("gbk") || n == QLatin1String("cp936")) return TextEncoding::Gbk;
  if (n == QLatin1String("big5")) return TextEncoding::Big5;
  return std::nullopt;
}

std::string TextEncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::Utf8 ? "UTF-8" : encoding == TextEncoding::Gbk ? "GBK" : "Big5";
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
      problem = Tr(QT_TRANSLATE_NOOP("ExchangeFile", "slot 应为 0–109 的整数：“%1”"), {*slot});
      return std::nullopt;
    }
  }
  if (number) {
    fromNumber = read(*number);
    if (!fromNumber || *fromNumber < kFirstNewOfficer || *fromNumber > kFirstNewOfficer + last) {
      problem = Tr(QT_TRANSLATE_NOOP("ExchangeFile", "number 应为 650–759 的整数：“%1”"), {*number});
      return std::nullopt;
    }
    *fromNumber -= kFirstNewOfficer;
  }
  if (fromSlot && fromNumber && *fromSlot != *fromNumber) {
    problem = Tr(QT_TRANSLATE_NOOP("ExchangeFile", "slot %1 与 number %2 不是同一位武将"), {*slot, *number});
    return std::nullopt;
  }
  if (!fromSlot && !fromNumber) {
    problem = Tr(QT_TRANSLATE_NOOP("ExchangeFile", "缺少 slot 或 number"));
    return std::nullopt;
  }
  return fromSlot ? fromSlot : fromNumber;
}

std::optional<std::string> FormatVersionProblem(std::optional<std::string_view> version) {
  double value = 0;
  if (version) {
    const auto [end, ec] = std::from_chars(version->data(), version->data() + version->size(), value);
    if (ec != std::errc{} || end != version->data() + version->size()) value = 0;
  }
  if (!std::isfinite(value) || value < 1 || std::floor(value) != value) return Tr(QT_TRANSLATE_NOOP("ExchangeFile", "version 应为正整数"));
  if (value > kExchangeFormatVersion) {
    return Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件的版本 %1 比本程序能读的版本 %2 新"),
              {*version, std::to_string(kExchangeFormatVersion)});
  }
  return std::nullopt;
}

ExchangeReadResult ReadExchangeBytes(const QByteArray& bytes, ExchangeFormat format, std::optional<TextEncoding> encoding) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  if (bytes.size() > kExchangeFileLimit) {
    return refuse({}, Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件%1"), {TooLarge(bytes.size())}));
  }
  Decoded decoded = Decode(bytes, encoding);
  if (decoded.error) {
    result.errors.push_back(std::move(*decoded.error));
    return result;
  }
  if (decoded.utf8.trimmed().isEmpty()) return refuse({}, Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件是空的")));
  result = format == ExchangeFormat::Json ? ReadJsonExchange(decoded.utf8) : ReadCsvExchange(decoded.utf8);
  result.encoding = decoded.encoding;
  result.encodingUncertain = decoded.uncertain;
  result.notes.insert(result.notes.begin(), decoded.notes.begin(), decoded.notes.end());
  return result;
}

ExchangeReadResult ReadExchangeFile(const QString& path, ExchangeFormat format, std::optional<TextEncoding> encoding) {
  ExchangeReadResult result;
  const QFileInfo info(path);
  const std::string name = "“" + path.toStdString() + "”";
  if (info.exists() && info.size() > kExchangeFileLimit) {
    result.errors.push_back({-1, {}, {}, Tr(QT_TRANSLATE_NOOP("ExchangeFile", "文件 %1 %2"), {name, TooLarge(info.size())})});
    return result;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.errors.push_back(
        {-1, {}, {}, Tr(QT_TRANSLATE_NOOP("ExchangeFile", "无法打开文件 %1：%2"), {name, SystemErrorText(file.errorString())})});
    return result;
  }
  // The size may have grown since it was checked; read no more than allowed.
  return ReadExchangeBytes(file.read(kExchangeFileLimit + 1), format, encoding);
}

QByteArray WriteExchangeBytes(const ExchangeDocument& document, ExchangeFormat format) {
  return format == ExchangeFormat::Json ? WriteJsonExchange(document) : WriteCsvExchange(document);
}

void WriteExchangeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile out(path);
  const auto fail = [&] {
    throw ExchangeFileError(
        Tr(QT_TRANSLATE_NOOP("ExchangeFile", "无法写入文件 “%1”：%2"), {path.toStdString(), SystemErrorText(out.errorString())}));
  };
  if (!OpenForWholeWrites(out)) fail();
  if (!WriteAll(out, bytes.constData(), bytes.size())) fail();
  if (!out.commit()) fail();
}
