// Writing the CSV exchange format (see CsvExchange.cpp): every cell quoted
// by libcsv, a text that spreadsheets would take for a formula after an
// apostrophe, the raw bytes as "key=hex" pairs.
#include <csv.h>

#include <QByteArray>
#include <map>
#include <string>
#include <string_view>

#include "core/exchange/CsvColumns.h"
#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerRecord.h"

namespace {

void AppendCell(QByteArray& out, std::string_view cell, bool first) {
  if (!first) out += ',';
  std::string quoted(cell.size() * 2 + 2, '\0');
  const std::size_t n = csv_write(quoted.data(), quoted.size(), cell.data(), cell.size());
  out.append(quoted.data(), static_cast<qsizetype>(n));
}

}  // namespace

std::vector<std::string> CsvColumnNames() {
  std::vector<std::string> names{"format", "version", "slot", "number"};
  for (const ExchangeField& field : ExchangeFields()) names.emplace_back(field.key);
  names.emplace_back("raw");
  return names;
}

QByteArray WriteCsvExchange(const ExchangeDocument& document) {
  QByteArray out(kCsvByteOrderMark);
  const std::vector<std::string> names = CsvColumnNames();
  for (std::size_t i = 0; i < names.size(); ++i) AppendCell(out, names[i], i == 0);
  out += "\r\n";
  for (const ExchangeSlot& entry : document.officers) {
    std::map<std::string_view, std::string_view> values;
    for (const ExchangeValue& value : entry.values) values[value.key] = value.text;
    AppendCell(out, kExchangeFormatName, true);
    AppendCell(out, std::to_string(kExchangeFormatVersion), false);
    AppendCell(out, std::to_string(entry.slot), false);
    AppendCell(out, std::to_string(entry.slot + kFirstNewOfficer), false);
    for (const ExchangeField& field : ExchangeFields()) {
      const std::string_view value = values[field.key];
      const bool guard = field.IsText() && !value.empty() && std::string_view("=+-@'").find(value.front()) != std::string_view::npos;
      std::string cell(guard ? 1 : 0, '\'');
      cell.append(value);
      AppendCell(out, cell, false);
    }
    std::string raw;
    if (document.header) raw = std::string(kHeaderKey) + "=" + *document.header;
    if (entry.raw) {
      for (const auto& [key, hex] : *entry.raw) raw += (raw.empty() ? "" : " ") + key + "=" + hex;
    }
    AppendCell(out, raw, false);
    out += "\r\n";
  }
  return out;
}
