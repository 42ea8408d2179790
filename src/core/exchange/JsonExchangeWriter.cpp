// Writing the JSON exchange format. The text is written as it goes, fields
// in the field table's order: building Qt's JSON objects first sorts every
// officer's keys alphabetically and costs more than the whole export.
#include <QString>
#include <QUtf8StringView>
#include <charconv>
#include <string>
#include <string_view>

#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerRecord.h"

namespace {

void AppendEscaped(std::string& out, std::string_view utf8) {
  for (const char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
}

void AppendString(std::string& out, std::string_view utf8) {
  out += '"';
  if (QUtf8StringView(utf8).isValidUtf8()) {
    AppendEscaped(out, utf8);
  } else {  // a broken sequence becomes U+FFFD, as a JSON reader would show it
    AppendEscaped(out, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdString());
  }
  out += '"';
}

// A whole decimal number as a JSON number, anything else as a string: a
// value that is not a number travels as the text the rules of values read.
void AppendNumberOrText(std::string& out, std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (!text.empty() && ec == std::errc{} && end == text.data() + text.size()) {
    out += text;
  } else {
    AppendString(out, text);
  }
}

// "<number> <rest>" split at the first blank.
std::pair<std::string_view, std::string_view> SplitLead(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

void AppendSkills(std::string& out, std::string_view text) {
  out += '[';
  bool first = true;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view caption = text.substr(0, blank);
    if (!caption.empty()) {
      if (!first) out += ", ";
      AppendString(out, caption);
      first = false;
    }
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
  }
  out += ']';
}

void AppendValue(std::string& out, const ExchangeField& field, std::string_view text) {
  switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Preserved:
      AppendString(out, text);
      return;
    case FieldKind::Number:
      AppendNumberOrText(out, text);
      return;
    case FieldKind::Enumeration: {
      const auto [index, item] = SplitLead(text);
      out += "{\"index\": ";
      AppendNumberOrText(out, index);
      out += ", \"item\": ";
      if (item.empty()) {
        out += "null";
      } else {
        AppendString(out, item);
      }
      out += '}';
      return;
    }
    case FieldKind::Relationship: {
      if (text.empty()) {
        out += "null";
        return;
      }
      const auto [number, name] = SplitLead(text);
      out += "{\"number\": ";
      AppendNumberOrText(out, number);
      out += ", \"name\": ";
      AppendString(out, name);
      out += '}';
      return;
    }
    case FieldKind::Skills:
      AppendSkills(out, text);
      return;
  }
}

void AppendKey(std::string& out, std::string_view indent, std::string_view key) {
  out += indent;
  AppendString(out, key);
  out += ": ";
}

void AppendRaw(std::string& out, const std::vector<std::pair<std::string, std::string>>& raw) {
  out += '{';
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (i > 0) out += ", ";
    AppendString(out, raw[i].first);
    out += ": ";
    AppendString(out, raw[i].second);
  }
  out += '}';
}

void AppendOfficer(std::string& out, const ExchangeSlot& entry) {
  constexpr std::string_view kIndent = "            ";
  out += "        {\n";
  AppendKey(out, kIndent, "slot");
  out += std::to_string(entry.slot);
  out += ",\n";
  AppendKey(out, kIndent, "number");
  out += std::to_string(entry.slot + static_cast<int>(kFirstNewOfficer));
  for (const ExchangeValue& value : entry.values) {
    const ExchangeField* field = FindExchangeField(value.key);
    if (field == nullptr) continue;
    out += ",\n";
    AppendKey(out, kIndent, value.key);
    AppendValue(out, *field, value.text);
  }
  if (entry.raw) {
    out += ",\n";
    AppendKey(out, kIndent, "raw");
    AppendRaw(out, *entry.raw);
  }
  out += "\n        }";
}

}  // namespace

QByteArray WriteJsonExchange(const ExchangeDocument& document) {
  std::string out = "{\n";
  AppendKey(out, "    ", "format");
  AppendString(out, kExchangeFormatName);
  out += ",\n";
  AppendKey(out, "    ", "version");
  out += std::to_string(kExchangeFormatVersion);
  if (document.header) {
    out += ",\n";
    AppendKey(out, "    ", "raw");
    AppendRaw(out, {{std::string(kHeaderKey), *document.header}});
  }
  out += ",\n";
  AppendKey(out, "    ", "officers");
  out += "[";
  for (std::size_t i = 0; i < document.officers.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendOfficer(out, document.officers[i]);
  }
  out += document.officers.empty() ? "]\n}\n" : "\n    ]\n}\n";
  return QByteArray::fromStdString(out);
}
