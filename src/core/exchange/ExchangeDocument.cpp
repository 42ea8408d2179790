#include "core/exchange/ExchangeDocument.h"

#include "core/exchange/ExchangeFields.h"
#include "core/language/CoreText.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ExchangeDocument", text, pieces); }

}  // namespace

std::string FormatExchangeError(const ExchangeError& error) {
  std::string where;
  const SourcePlace& place = error.place;
  if (place.line > 0) {
    where = Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "第 %1 行"), {std::to_string(place.line)});
    if (place.column > 0) where += Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "第 %1 列"), {std::to_string(place.column)});
    if (place.character > 0) where += Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "第 %1 个字符"), {std::to_string(place.character)});
  } else if (place.officer >= 0) {
    where = "officers[" + std::to_string(place.officer) + "]";
  }
  const auto add = [&](const std::string& part) {
    where += (where.empty() ? std::string() : Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "，"))) + part;
  };
  if (error.slot >= 0) add(Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "编号 %1"), {std::to_string(error.slot + kFirstNewOfficer)}));
  if (!error.field.empty()) {
    const std::string_view key = std::string_view(error.field).substr(error.field.starts_with("raw.") ? 4 : 0);
    const ExchangeField* field = FindExchangeField(key);
    if (!field) field = FindPreservedRange(key);
    add(field ? Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "%1（%2）"), {FieldLabel(*field), error.field}) : error.field);
  }
  return where.empty() ? error.message : Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "%1：%2"), {where, error.message});
}

std::vector<std::string> ExchangeErrorLines(const std::vector<ExchangeError>& errors) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < errors.size() && i < kErrorsListed; ++i) lines.push_back(FormatExchangeError(errors[i]));
  if (errors.size() > kErrorsListed)
    lines.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "还有 %1 处错误"), {std::to_string(errors.size() - kErrorsListed)}));
  if (errors.size() >= kErrorsListed)
    lines.push_back(Tr(QT_TRANSLATE_NOOP("ExchangeDocument", "（找到 %1 处错误后不再往下检查）"), {std::to_string(kErrorsListed)}));
  return lines;
}
