// The CSV exchange format: UTF-8 with a byte order mark, one header row of
// column names, then one row per slot. The columns are format, version,
// slot, number, the named fields and raw; raw holds "key=hex" pairs
// separated by blanks, the file's header among them. Quoting follows
// RFC 4180 through libcsv; every cell is quoted. A text that begins with
// =, +, - or @ (or ') is written after an apostrophe, so that spreadsheets
// keep it as text; a text's leading apostrophe is dropped on reading.
//
// Files saved by spreadsheets are read too: separated by commas,
// semicolons or tabs (told by the header row, whose names are known), with
// LF, CR LF or CR line ends, a byte order mark inside the first cell, rows
// of nothing but separators and blanks, and blanks around names.
//
// This file reads it; CsvExchangeWriter.cpp writes it.

#include <csv.h>

#include <QByteArray>
#include <algorithm>
#include <map>
#include <memory>

#include "core/exchange/CsvColumns.h"
#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/language/CoreText.h"
#include "core/officers/OfficerRecord.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("CsvExchange", text, pieces); }

// Cells kept of one row: far more than the columns there are. A wider row
// is refused without keeping its cells.
constexpr std::size_t kCellLimit = 256;

// What the libcsv callbacks collect: the rows that hold more than blanks,
// each with the line it began on.
struct Rows {
  struct Row {
    int line = 0;
    std::vector<std::string> cells;
  };
  std::vector<Row> rows;
  Row current;
  std::size_t cellsInRow = 0;
  int line = 1;
  int rowLine = 1;  // where the row being read began
  bool tooMany = false;
  std::optional<Row> tooWide;  // the first row wider than kCellLimit, without its cells
  std::size_t tooWideCells = 0;

  bool Stopped() const { return tooMany || tooWide; }
  static void OnField(void* data, std::size_t size, void* self) {
    auto& rows = *static_cast<Rows*>(self);
    if (rows.cellsInRow++ == 0) rows.current.line = rows.rowLine;
    if (rows.current.cells.size() < kCellLimit) rows.current.cells.emplace_back(static_cast<const char*>(data), size);
  }
  static void OnRowEnd(int, void* self) {
    auto& rows = *static_cast<Rows*>(self);
    if (rows.cellsInRow > kCellLimit && !rows.tooWide) {
      rows.tooWide = Row{rows.current.line, {}};
      rows.tooWideCells = rows.cellsInRow;
    } else if (!IsBlankRow(rows.current)) {
      rows.rows.push_back(std::move(rows.current));
    }
    rows.current = Row{};
    rows.cellsInRow = 0;
    rows.rowLine = rows.line + 1;
    // The header row and 110 slots; a longer file is refused at once.
    if (rows.rows.size() > kSlotCount + 1) rows.tooMany = true;
  }
  static bool IsBlankRow(const Row& row) {
    return std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return TrimBlanks(c).empty(); });
  }
};

int NoBlanks(unsigned char) { return 0; }  // cells keep their blanks

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
    const std::string_view part = std::string_view(cell).substr(i, end - i);
    const std::size_t eq = part.find('=');
    if (eq == 0 || eq == std::string_view::npos) return std::nullopt;
    pairs.emplace_back(part.substr(0, eq), part.substr(eq + 1));
    i = end;
  }
  return pairs;
}

bool IsColumnName(std::string_view name) {
  return FindExchangeField(name) || IsSlotKey(name) || name == "format" || name == "version" || name == "raw";
}

// A header cell as a name: blanks, a byte order mark and quotes around it dropped.
std::string_view ColumnNameOf(std::string_view cell) {
  cell = TrimBlanks(cell);
  if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') cell = TrimBlanks(cell.substr(1, cell.size() - 2));
  return cell;
}

// The separator whose split of the first line gives the most known names.
char DetectSeparator(QByteArrayView text) {
  qsizetype end = text.indexOf('\n');
  const std::string_view first(text.data(), static_cast<std::size_t>(end < 0 ? text.size() : end));
  char best = ',';
  int bestCount = 0;
  for (const char separator : {',', ';', '\t'}) {
    int count = 0;
    std::size_t cells = 0;
    for (std::size_t start = 0; start <= first.size() && ++cells <= kCellLimit;) {
      std::size_t stop = first.find(separator, start);
      if (stop == std::string_view::npos) stop = first.size();
      count += IsColumnName(ColumnNameOf(first.substr(start, stop - start)));
      start = stop + 1;
    }
    if (count > bestCount) best = separator, bestCount = count;
  }
  return best;
}

// LF line ends: a file whose first line ends in a CR alone has every lone
// CR read as LF, inside cells too (a biography's line breaks).
QByteArray WithLfLineEnds(QByteArrayView text) {
  QByteArray out = text.toByteArray();
  const qsizetype cr = out.indexOf('\r'), lf = out.indexOf('\n');
  if (cr < 0 || (lf >= 0 && lf <= cr + 1)) return out;
  for (qsizetype i = 0; i < out.size(); ++i) {
    if (out[i] == '\r' && (i + 1 == out.size() || out[i + 1] != '\n')) out[i] = '\n';
  }
  return out;
}

std::string CsvProblem(int code) {
  if (code == CSV_EPARSE) {
    return Tr(QT_TRANSLATE_NOOP("CsvExchange", "引号用法不对：格中的引号应写成两个（\"\"），带引号的格在结束的引号后应紧跟分隔符或换行"));
  }
  return Tr(QT_TRANSLATE_NOOP("CsvExchange", "格太大，无法读取"));
}

// The rows of the text (UTF-8, LF line ends), or a refusal in `result`.
std::optional<Rows> ParseRows(const QByteArray& text, char separator, ExchangeReadResult& result) {
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return std::nullopt;
  };
  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0)
    return refuse({}, Tr(QT_TRANSLATE_NOOP("CsvExchange", "内存不足")));
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freeParser(&parser, csv_free);
  csv_set_space_func(&parser, NoBlanks);
  csv_set_delim(&parser, static_cast<unsigned char>(separator));
  Rows rows;
  // Line by line, so that every row and error knows its line.
  for (qsizetype start = 0; start < text.size() && !rows.Stopped(); ++rows.line) {
    qsizetype end = text.indexOf('\n', start);
    end = end < 0 ? text.size() : end + 1;
    const std::size_t length = static_cast<std::size_t>(end - start);
    if (csv_parse(&parser, text.data() + start, length, Rows::OnField, Rows::OnRowEnd, &rows) != length) {
      return refuse({rows.line, static_cast<int>(rows.cellsInRow) + 1, -1}, CsvProblem(csv_error(&parser)));
    }
    start = end;
  }
  if (rows.tooWide) {
    return refuse({rows.tooWide->line, 0, -1}, Tr(QT_TRANSLATE_NOOP("CsvExchange", "这一行有 %1 格，武将交换文件最多 %2 列"),
                                                  {std::to_string(rows.tooWideCells), std::to_string(CsvColumnNames().size())}));
  }
  if (rows.tooMany) return refuse({}, Tr(QT_TRANSLATE_NOOP("CsvExchange", "行太多：新武将档只有 110 个槽，文件却超过 110 行武将")));
  if (csv_fini(&parser, Rows::OnField, Rows::OnRowEnd, &rows) != 0) {
    return refuse({rows.rowLine, static_cast<int>(rows.cellsInRow) + 1, -1},
                  Tr(QT_TRANSLATE_NOOP("CsvExchange", "引号没有结束：带引号的格到文件末尾还没有结束的引号")));
  }
  return rows;
}

bool ColumnHasValues(const std::vector<Rows::Row>& rows, std::size_t column) {
  return std::any_of(rows.begin() + 1, rows.end(), [&](const Rows::Row& row) {
    return column < row.cells.size() && !TrimBlanks(row.cells[column]).empty();
  });
}

// The header row's known columns by name; unknown, repeated and unnamed
// columns (that hold values) go to the errors.
std::map<std::string, int> ReadHeader(std::vector<Rows::Row>& rows, ExchangeReadResult& result) {
  Rows::Row& header = rows.front();
  if (!header.cells.empty() && header.cells[0].starts_with(kCsvByteOrderMark)) header.cells[0].erase(0, 3);
  std::map<std::string, int> columns;
  for (std::size_t c = 0; c < header.cells.size() && result.errors.size() < kErrorsListed; ++c) {
    const std::string name(ColumnNameOf(header.cells[c]));
    const SourcePlace place{header.line, static_cast<int>(c) + 1, -1};
    if (name.empty()) {
      if (ColumnHasValues(rows, c)) {
        result.errors.push_back(
            {-1, {}, place, Tr(QT_TRANSLATE_NOOP("CsvExchange", "第 %1 列没有列名（可能是表格程序加的行号列）"), {std::to_string(c + 1)})});
      }
    } else if (!IsColumnName(name)) {
      result.errors.push_back(
          {-1, {}, place, Tr(QT_TRANSLATE_NOOP("CsvExchange", "未知的列名“%1”（列名是导出的文件第一行的英文名）"), {name})});
    } else if (!columns.emplace(name, static_cast<int>(c)).second) {
      result.errors.push_back({-1, name, place, Tr(QT_TRANSLATE_NOOP("CsvExchange", "这一列出现了不止一次"))});
    }
  }
  return columns;
}

// The raw cell's "key=hex" pairs into the slot; the file's header, which
// every row repeats, into the document. False when the cell is no list of
// pairs: the row is left out then.
bool ReadRawCell(const std::string& cell, ExchangeSlot& entry, ExchangeReadResult& result) {
  auto pairs = SplitRaw(cell);
  if (!pairs) {
    result.errors.push_back(
        {entry.slot, "raw", entry.rawPlace, Tr(QT_TRANSLATE_NOOP("CsvExchange", "原始数据应为以空格分开的 键=十六进制"))});
    return false;
  }
  entry.raw.emplace();
  for (auto& [key, hex] : *pairs) {
    if (key != kHeaderKey) {
      entry.raw->emplace_back(std::move(key), std::move(hex));
    } else if (result.document.header && *result.document.header != hex) {
      result.errors.push_back({entry.slot, "raw.header", entry.rawPlace, Tr(QT_TRANSLATE_NOOP("CsvExchange", "文件头与前面的行不同"))});
    } else {
      result.document.header = hex;
      result.document.headerPlace = entry.rawPlace;
    }
  }
  return true;
}

// The columns that name a field, in the field table's order.
using FieldColumns = std::vector<std::pair<const ExchangeField*, int>>;

FieldColumns FieldColumnsOf(const std::map<std::string, int>& columns) {
  FieldColumns found;
  for (const ExchangeField& field : ExchangeFields()) {
    if (const auto it = columns.find(std::string(field.key)); it != columns.end()) found.emplace_back(&field, it->second);
  }
  return found;
}

// One officer's row: its slot, its named values and its raw bytes.
void ReadRow(const Rows::Row& row, std::size_t width, const std::map<std::string, int>& columns,
             const FieldColumns& fieldColumns, ExchangeReadResult& result) {
  const auto place = [&](const std::string& column) { return SourcePlace{row.line, columns.at(column) + 1, -1}; };
  const auto fail = [&](int slot, const std::string& field, SourcePlace where, std::string message) {
    result.errors.push_back({slot, field, where, std::move(message)});
  };
  const bool extraBlank = std::all_of(row.cells.begin() + static_cast<std::ptrdiff_t>(std::min(width, row.cells.size())),
                                      row.cells.end(), [](const std::string& c) { return TrimBlanks(c).empty(); });
  if (row.cells.size() < width || !extraBlank) {
    return fail(
        -1, {}, {row.line, 0, -1},
        Tr(QT_TRANSLATE_NOOP("CsvExchange", "这一行有 %1 列，表头有 %2 列"), {std::to_string(row.cells.size()), std::to_string(width)}));
  }
  const auto cell = [&](const std::string& column) -> std::optional<std::string> {
    const auto it = columns.find(column);
    if (it == columns.end()) return std::nullopt;
    return row.cells[static_cast<std::size_t>(it->second)];
  };
  const auto trimmed = [&](const std::string& column) -> std::optional<std::string> {
    if (auto value = cell(column)) return std::string(TrimBlanks(*value));
    return std::nullopt;
  };
  if (*trimmed("format") != kExchangeFormatName) {
    return fail(-1, "format", place("format"),
                Tr(QT_TRANSLATE_NOOP("CsvExchange", "format 应为 “%1”：“%2”"), {kExchangeFormatName, *cell("format")}));
  }
  if (auto problem = FormatVersionProblem(*trimmed("version"))) return fail(-1, "version", place("version"), *problem);
  std::string problem;
  const std::optional<int> slot = SlotFromTexts(trimmed("slot"), trimmed("number"), problem);
  if (!slot) return fail(-1, "slot", place(columns.contains("slot") ? "slot" : "format"), problem);
  ExchangeSlot entry;
  entry.slot = *slot;
  entry.place = {row.line, 0, -1};
  for (const auto& [field, column] : fieldColumns) {
    std::string value = row.cells[static_cast<std::size_t>(column)];
    if (field->IsText() && value.starts_with('\'')) value.erase(0, 1);  // kept as text by a spreadsheet
    entry.values.push_back({std::string(field->key), std::move(value), SourcePlace{row.line, column + 1, -1}});
  }
  if (const auto raw = cell("raw"); raw && !TrimBlanks(*raw).empty()) {
    entry.rawPlace = place("raw");
    if (!ReadRawCell(*raw, entry, result)) return;
  }
  result.document.officers.push_back(std::move(entry));
}

}  // namespace

ExchangeReadResult ReadCsvExchange(const QByteArray& bytes) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  QByteArrayView view(bytes);
  if (view.startsWith(kCsvByteOrderMark)) view = view.sliced(3);
  const QByteArray text = WithLfLineEnds(view);
  const char separator = DetectSeparator(text);
  if (separator != ',')
    result.notes.push_back(separator == ';' ? Tr(QT_TRANSLATE_NOOP("CsvExchange", "以分号分隔"))
                                            : Tr(QT_TRANSLATE_NOOP("CsvExchange", "以制表符分隔")));
  std::optional<Rows> parsed = ParseRows(text, separator, result);
  if (!parsed) return result;
  std::vector<Rows::Row>& rows = parsed->rows;
  if (rows.empty()) return refuse({}, Tr(QT_TRANSLATE_NOOP("CsvExchange", "文件是空的")));
  const std::map<std::string, int> columns = ReadHeader(rows, result);
  if (!columns.contains("format") || !columns.contains("version")) {
    return refuse({rows.front().line, 0, -1},
                  Tr(QT_TRANSLATE_NOOP("CsvExchange", "不是 velmedit 的武将交换文件：第一行应为列名，其中有 format 和 version")));
  }
  if (rows.size() == 1) return refuse({}, Tr(QT_TRANSLATE_NOOP("CsvExchange", "文件中没有武将")));
  if (!result.errors.empty()) return result;
  const std::size_t width = rows.front().cells.size();
  const FieldColumns fieldColumns = FieldColumnsOf(columns);
  for (std::size_t r = 1; r < rows.size() && result.errors.size() < kErrorsListed; ++r) {
    ReadRow(rows[r], width, columns, fieldColumns, result);
  }
  return result;
}
