#pragma once
// Exchange files on disk and in memory: JSON (read with RapidJSON) and CSV (UTF-8
// with a byte order mark, RFC 4180 through libcsv). Files read may also come
// in GBK or Big5, as Chinese spreadsheets and editors save them.
#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

#include "core/exchange/ExchangeDocument.h"

enum class ExchangeFormat { Json, Csv };

// By the name's ending (.json, .csv, any letter case); nullopt for others.
std::optional<ExchangeFormat> ExchangeFormatForPath(const QString& path);

enum class TextEncoding { Utf8, Gbk, Big5 };
// "utf-8" / "utf8", "gbk" / "cp936", "big5", any letter case.
std::optional<TextEncoding> TextEncodingNamed(const QString& name);
std::string TextEncodingName(TextEncoding encoding);

struct ExchangeReadResult {
  ExchangeDocument document;
  std::vector<ExchangeError> errors;
  TextEncoding encoding = TextEncoding::Utf8;
  // Another encoding would also have read the file as officer texts: the
  // reading is a guess, to be confirmed by the player.
  bool encodingUncertain = false;
  // What the player should know about how the file was read
  // ("按 GBK 编码读取", "以分号分隔"), UTF-8.
  std::vector<std::string> notes;
  bool Ok() const { return errors.empty(); }
};

// Reads a whole exchange file: refused when empty, larger than
// kExchangeFileLimit, in no encoding it reads, malformed (with line and
// column), of another format or a newer version, or naming unknown fields.
// A byte order mark (UTF-8, UTF-16) decides the encoding; without one,
// `encoding` when given, else UTF-8 when the file reads as officer texts in
// UTF-8, else GBK when it does in GBK (and a note says so).
ExchangeReadResult ReadExchangeBytes(const QByteArray& bytes, ExchangeFormat format,
                                     std::optional<TextEncoding> encoding = std::nullopt);
// The size is checked before anything is read.
ExchangeReadResult ReadExchangeFile(const QString& path, ExchangeFormat format,
                                    std::optional<TextEncoding> encoding = std::nullopt);

QByteArray WriteExchangeBytes(const ExchangeDocument& document, ExchangeFormat format);

// A file that cannot be written; the message (UTF-8) names it.
class ExchangeFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Writes beside the target and renames; throws ExchangeFileError.
void WriteExchangeFile(const QString& path, const QByteArray& bytes);

// Format-specific halves, for the two readers and writers.
ExchangeReadResult ReadJsonExchange(const QByteArray& bytes);
ExchangeReadResult ReadCsvExchange(const QByteArray& bytes);
QByteArray WriteJsonExchange(const ExchangeDocument& document);
QByteArray WriteCsvExchange(const ExchangeDocument& document);

// Shared by both readers: an offset as line and character (1-based).
SourcePlace PlaceOfOffset(const QByteArray& bytes, qsizetype offset);
// The text (well-formed UTF-8) as an officer file holds it: ASCII, Chinese,
// kana and the usual punctuation and spaces; nothing Greek, Cyrillic or private.
bool LooksLikeOfficerText(std::string_view utf8);
// The named value keys every slot may carry besides the fields.
bool IsSlotKey(std::string_view key);
// Why a file of this format version cannot be read, nullopt when it can:
// any whole number from 1 up to kExchangeFormatVersion. `version` is CSV's
// cell or JSON's number as text; nullopt when JSON's is missing or no number.
std::optional<std::string> FormatVersionProblem(std::optional<std::string_view> version);
// Checks a slot given by slot and/or roster number; the slot or an error.
std::optional<int> SlotFromTexts(const std::optional<std::string>& slot, const std::optional<std::string>& number,
                                 std::string& problem);
