// The CSV exchange format: UTF-8 with a byte order mark, one header row of
// column names, then one row per slot. The columns are format, version,
// slot, number, the named fields and raw; raw holds "key=hex" pairs
// separated by blanks, the file's header among them. Quoting follows
// RFC 4180 through libcsv; every cell is quoted.
#include <csv.h>

#include <QByteArray>
#include <map>
#include <memory>

#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerRecord.h"

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

void AppendCell(QByteArray& out, std::string_view cell, bool first) {
  if (!first) out += ',';
  std::string quoted(cell.size() * 2 + 2, '\0');
  const std::size_t n = csv_write(quoted.data(), quoted.size(), cell.data(), cell.size());
  out.append(quoted.data(), static_cast<qsizetype>(n));
}

std::vector<std::string> ColumnNames() {
  std::vector<std::string> names{"format", "version", "slot", "number"};
  for (const ExchangeField& field : ExchangeFields()) names.emplace_back(field.key);
  names.emplace_back("raw");
  return names;
}

// What the libcsv callbacks collect: the rows with the line each began on.
struct Rows {
  struct Row {
    int line = 0;
    std::vector<std::string> cells;
  };
  std::vector<Row> rows;
  Row current;
  int line = 1;
  bool tooMany = false;

  static void OnField(void* data, std::size_t size, void* self) {
    auto& rows = *static_cast<Rows*>(self);
    if (rows.current.cells.empty()) rows.current.line = rows.line;
    rows.current.cells.emplace_back(static_cast<const char*>(data), size);
  }
  static void OnRowEnd(int, void* self) {
    auto& rows = *static_cast<Rows*>(self);
    rows.rows.push_back(std::move(rows.current));
    rows.current = Row{};
    // The header row and 110 slots; a longer file is refused at once.
    if (rows.rows.size() > kSlotCount + 1) rows.tooMany = true;
  }
};

int NoBlanks(unsigned char) { return 0; }  // cells keep their blanks

bool IsBlankRow(const Rows::Row& row) {
  for (const std::string& cell : row.cells)
    if (!cell.empty()) return false;
  return true;
}

std::optional<std::vector<std::pair<std::string, std::string>>> SplitRaw(const std::string& cell) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  for (std::size_t i = 0; i < cell.size();) {
    if (blank(cell[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < cell.size() && !blank(cell[end])) ++end;
    const std::string part = cell.substr(i, end - i);
    const std::size_t eq = part.find('=');
    if (eq == 0 || eq == std::string::npos) return std::nullopt;
    pairs.emplace_back(part.substr(0, eq), part.substr(eq + 1));
    i = end;
  }
  return pairs;
}

}  // namespace

QByteArray WriteCsvExchange(const ExchangeDocument& document) {
  QByteArray out(kBom);
  const std::vector<std::string> names = ColumnNames();
  for (std::size_t i = 0; i < names.size(); ++i) AppendCell(out, names[i], i == 0);
  out += "\r\n";
  for (const ExchangeSlot& entry : document.officers) {
    std::map<std::string_view, std::string_view> values;
    for (const ExchangeValue& value : entry.values) values[value.key] = value.text;
    AppendCell(out, kExchangeFormatName, true);
    AppendCell(out, std::to_string(kExchangeFormatVersion), false);
    AppendCell(out, std::to_string(entry.slot), false);
    AppendCell(out, std::to_string(entry.slot + kFirstNewOfficer), false);
    for (const ExchangeField& field : ExchangeFields()) AppendCell(out, values[field.key], false);
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

ExchangeReadResult ReadCsvExchange(const QByteArray& bytes) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  QByteArrayView text(bytes);
  if (text.startsWith(kBom)) text = text.sliced(3);

  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0) return refuse({}, "内存不足");
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freeParser(&parser, csv_free);
  csv_set_space_func(&parser, NoBlanks);
  Rows rows;
  // Line by line, so that every row and error knows its line.
  for (qsizetype start = 0; start < text.size() && !rows.tooMany; ++rows.line) {
    qsizetype end = text.indexOf('\n', start);
    end = end < 0 ? text.size() : end + 1;
    const std::size_t length = static_cast<std::size_t>(end - start);
    const std::size_t done = csv_parse(&parser, text.data() + start, length, Rows::OnField, Rows::OnRowEnd, &rows);
    if (done != length) {
      const QByteArray line = text.sliced(start, end - start).toByteArray();
      SourcePlace place = PlaceOfOffset(line, static_cast<qsizetype>(done));
      place.line = rows.line;
      return refuse(place, "CSV 格式错误：" + std::string(csv_strerror(csv_error(&parser))));
    }
    start = end;
  }
  if (rows.tooMany) return refuse({}, "行太多：新武将档只有 110 个槽，文件却超过 110 行武将");
  if (csv_fini(&parser, Rows::OnField, Rows::OnRowEnd, &rows) != 0) {
    return refuse({rows.line - 1, 0, -1}, "CSV 格式错误：引号没有结束");
  }
  std::erase_if(rows.rows, IsBlankRow);
  if (rows.rows.empty()) return refuse({}, "文件是空的");

  // The header row: known columns, each once.
  const Rows::Row& header = rows.rows.front();
  std::map<std::string, int> columns;
  for (std::size_t c = 0; c < header.cells.size(); ++c) {
    const std::string& name = header.cells[c];
    const SourcePlace place{header.line, static_cast<int>(c) + 1, -1};
    const bool known = FindExchangeField(name) || IsSlotKey(name) || name == "format" || name == "version" || name == "raw";
    if (!known) {
      result.errors.push_back({-1, name, place, "未知的字段"});
    } else if (!columns.emplace(name, static_cast<int>(c)).second) {
      result.errors.push_back({-1, name, place, "这一列出现了不止一次"});
    }
  }
  if (!columns.contains("format") || !columns.contains("version")) {
    return refuse({header.line, 0, -1}, "不是 velmedit 的武将交换文件：缺少 format 和 version 两列");
  }
  if (rows.rows.size() == 1) return refuse({}, "文件中没有武将");
  if (!result.errors.empty()) return result;

  for (std::size_t r = 1; r < rows.rows.size(); ++r) {
    const Rows::Row& row = rows.rows[r];
    const auto place = [&](const std::string& column) { return SourcePlace{row.line, columns.at(column) + 1, -1}; };
    if (row.cells.size() != header.cells.size()) {
      result.errors.push_back({-1, {}, {row.line, 0, -1}, "这一行有 " + std::to_string(row.cells.size()) + " 列，表头有 " +
                                                             std::to_string(header.cells.size()) + " 列"});
      continue;
    }
    const auto cell = [&](const std::string& column) -> std::optional<std::string> {
      const auto it = columns.find(column);
      if (it == columns.end()) return std::nullopt;
      return row.cells[static_cast<std::size_t>(it->second)];
    };
    if (*cell("format") != kExchangeFormatName) {
      result.errors.push_back({-1, "format", place("format"), "format 应为 “" + std::string(kExchangeFormatName) + "”"});
      continue;
    }
    const std::string version = *cell("version");
    if (version != std::to_string(kExchangeFormatVersion)) {
      const bool newer = !version.empty() && version.find_first_not_of("0123456789") == std::string::npos &&
                         (version.size() > 1 || version > std::to_string(kExchangeFormatVersion));
      result.errors.push_back({-1, "version", place("version"), newer ? "文件的版本 " + version + " 比本程序能读的版本 1 新"
                                                                      : "version 应为 1：“" + version + "”"});
      continue;
    }
    std::string problem;
    const std::optional<int> slot = SlotFromTexts(cell("slot"), cell("number"), problem);
    if (!slot) {
      result.errors.push_back({-1, "slot", place(columns.contains("slot") ? "slot" : "format"), problem});
      continue;
    }
    ExchangeSlot entry;
    entry.slot = *slot;
    entry.place = {row.line, 0, -1};
    for (const ExchangeField& field : ExchangeFields()) {
      if (const auto value = cell(std::string(field.key))) entry.values.push_back({std::string(field.key), *value, place(std::string(field.key))});
    }
    if (const auto raw = cell("raw"); raw && !raw->empty()) {
      entry.rawPlace = place("raw");
      auto pairs = SplitRaw(*raw);
      if (!pairs) {
        result.errors.push_back({entry.slot, "raw", entry.rawPlace, "原始数据应为以空格分开的 键=十六进制 "});
        continue;
      }
      entry.raw.emplace();
      for (auto& [key, hex] : *pairs) {
        if (key != kHeaderKey) {
          entry.raw->emplace_back(std::move(key), std::move(hex));
        } else if (result.document.header && *result.document.header != hex) {
          result.errors.push_back({entry.slot, "raw.header", entry.rawPlace, "文件头与前面的行不同"});
        } else {
          result.document.header = hex;
          result.document.headerPlace = entry.rawPlace;
        }
      }
    }
    result.document.officers.push_back(std::move(entry));
  }
  return result;
}
