#include "core/exchange/ExchangeDocument.h"

#include "core/exchange/ExchangeFields.h"

std::string FormatExchangeError(const ExchangeError& error) {
  std::string where;
  const SourcePlace& place = error.place;
  if (place.line > 0) {
    where = "第 " + std::to_string(place.line) + " 行";
    if (place.column > 0) where += "第 " + std::to_string(place.column) + " 列";
    if (place.character > 0) where += "第 " + std::to_string(place.character) + " 个字符";
  } else if (place.officer >= 0) {
    where = "officers[" + std::to_string(place.officer) + "]";
  }
  const auto add = [&](const std::string& part) { where += (where.empty() ? "" : "，") + part; };
  if (error.slot >= 0) add("编号 " + std::to_string(error.slot + kFirstNewOfficer));
  if (!error.field.empty()) {
    const std::string_view key = std::string_view(error.field).substr(error.field.starts_with("raw.") ? 4 : 0);
    const ExchangeField* field = FindExchangeField(key);
    if (!field) field = FindPreservedRange(key);
    add(field ? std::string(field->label) + "（" + error.field + "）" : error.field);
  }
  return where.empty() ? error.message : where + "：" + error.message;
}

std::vector<std::string> ExchangeErrorLines(const std::vector<ExchangeError>& errors) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < errors.size() && i < kErrorsListed; ++i) lines.push_back(FormatExchangeError(errors[i]));
  if (errors.size() > kErrorsListed) lines.push_back("还有 " + std::to_string(errors.size() - kErrorsListed) + " 处错误");
  if (errors.size() >= kErrorsListed) lines.push_back("（找到 " + std::to_string(kErrorsListed) + " 处错误后不再往下检查）");
  return lines;
}
