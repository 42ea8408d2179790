#include "core/language/CoreText.h"

#include <QCoreApplication>
#include <QString>

std::string CoreText(const char* context, const char* source, std::initializer_list<std::string_view> pieces) {
  const std::string text = QCoreApplication::translate(context, source).toStdString();
  if (pieces.size() == 0) return text;
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t number = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
    if (text[i] == '%' && number > 0 && number <= pieces.size()) {
      filled += *(pieces.begin() + (number - 1));
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

std::string CoreText(const char* context, std::string_view source) {
  if (source.empty()) return {};
  return QCoreApplication::translate(context, std::string(source).c_str()).toStdString();
}
