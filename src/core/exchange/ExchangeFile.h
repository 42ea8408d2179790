#pragma once
// Exchange files on disk and in memory: JSON (QJsonDocument) and CSV (UTF-8
// with a byte order mark, RFC 4180 through libcsv).
#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

#include "core/exchange/ExchangeDocument.h"

enum class ExchangeFormat { Json, Csv };

// By the name's ending (.json, .csv, any letter case); nullopt for others.
std::optional<ExchangeFormat> ExchangeFormatForPath(const QString& path);

struct ExchangeReadResult {
  ExchangeDocument document;
  std::vector<ExchangeError> errors;
  bool Ok() const { return errors.empty(); }
};

// Reads a whole exchange file: refused when empty, larger than
// kExchangeFileLimit, not UTF-8, malformed (with line and column), of
// another format or a newer version, or naming unknown fields.
ExchangeReadResult ReadExchangeBytes(const QByteArray& bytes, ExchangeFormat format);
// The size is checked before anything is read.
ExchangeReadResult ReadExchangeFile(const QString& path, ExchangeFormat format);

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

// Shared by both readers: a CSV line / JSON offset as line and column
// (1-based, columns counted in characters).
SourcePlace PlaceOfOffset(const QByteArray& bytes, qsizetype offset);
// The named value keys every slot may carry besides the fields.
bool IsSlotKey(std::string_view key);
// Checks a slot given by slot and/or roster number; the slot or an error.
std::optional<int> SlotFromTexts(const std::optional<std::string>& slot, const std::optional<std::string>& number,
                                 std::string& problem);
