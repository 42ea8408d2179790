#pragma once
// What the CSV exchange format's reader and writer share.
#include <string>
#include <vector>

// Every file starts with it, so that spreadsheets read the file as UTF-8.
inline constexpr char kCsvByteOrderMark[] = "\xEF\xBB\xBF";

// The header row: format, version, slot, number, the fields in the field
// table's order, raw.
std::vector<std::string> CsvColumnNames();
