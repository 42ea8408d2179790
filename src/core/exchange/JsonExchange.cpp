// The JSON exchange format:
//   {"format": "velmedit-officers", "version": 1, "raw": {"header": "<hex>"},
//    "officers": [{"slot": 0, "number": 650, "surname": "雷", ...,
//                  "type": {"index": 1, "item": "猛将"},
//                  "father": {"number": 176, "name": "公孙瓒"} or null,
//                  "skills": ["突击", ...], "raw": {"bytes32": "<hex>", ...}}]}
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerRecord.h"

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// UTF-8 of a JSON text. A lone surrogate ("\ud800") would become a plain
// "?"; it becomes U+FFFD instead, which the rule of values refuses in a
// changed text.
std::string Utf8Of(QString text) {
  if (text.isValidUtf16()) return text.toStdString();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (text[i].isSurrogate()) {
      text[i] = QChar(QChar::ReplacementCharacter);
    }
  }
  return text.toStdString();
}

// An object's key as UTF-8; the keys of the format are ASCII.
std::string KeyOf(const QString& key) {
  std::string ascii(static_cast<std::size_t>(key.size()), '\0');
  for (qsizetype i = 0; i < key.size(); ++i) {
    if (key[i].unicode() >= 0x80) return key.toStdString();
    ascii[static_cast<std::size_t>(i)] = static_cast<char>(key[i].unicode());
  }
  return ascii;
}

// A JSON number as the text the field rules read; fractions and signs stay
// visible so that they are refused with the value shown.
std::string NumberText(double d) {
  if (d >= 0 && d <= 4294967295.0 && std::floor(d) == d) return std::to_string(static_cast<unsigned long>(d));
  return QString::number(d, 'g', 17).toStdString();
}

// The value of one member as the field rules read it; nullopt with a
// problem when its JSON type cannot stand for the field.
std::optional<std::string> FromJson(const ExchangeField& field, const QJsonValue& value, std::string& problem) {
  if (value.isString()) return Utf8Of(value.toString());
  if (value.isDouble() && !field.IsText()) return NumberText(value.toDouble());
  switch (field.kind) {
    case FieldKind::Enumeration:
      if (value.isObject()) {
        const QJsonObject o = value.toObject();
        std::string text = o.value(QStringLiteral("index")).isDouble() ? NumberText(o.value(QStringLiteral("index")).toDouble())
                                                                        : std::string();
        const std::string item = o.value(QStringLiteral("item")).toString().toStdString();
        if (!text.empty() && !item.empty()) text += ' ';
        return text + item;
      }
      break;
    case FieldKind::Relationship:
      if (value.isNull()) return std::string();
      if (value.isObject()) {
        const QJsonObject o = value.toObject();
        if (o.value(QStringLiteral("number")).isNull()) return std::string();
        if (!o.value(QStringLiteral("number")).isDouble()) break;
        std::string text = NumberText(o.value(QStringLiteral("number")).toDouble());
        const std::string name = o.value(QStringLiteral("name")).toString().toStdString();
        return name.empty() ? text : text + " " + name;
      }
      break;
    case FieldKind::Skills:
      if (value.isArray()) {
        QStringList names;
        for (const QJsonValue& name : value.toArray()) {
          if (!name.isString()) {
            problem = "特技应为文字";
            return std::nullopt;
          }
          names << name.toString();
        }
        return names.join(u' ').toStdString();
      }
      break;
    default:
      break;
  }
  problem = "这个值的类型不对";
  return std::nullopt;
}

void ReadOfficer(const QJsonValue& value, int index, ExchangeReadResult& result) {
  const SourcePlace place{0, 0, index};
  if (!value.isObject()) {
    result.errors.push_back({-1, {}, place, "每位武将应为一个对象"});
    return;
  }
  const QJsonObject object = value.toObject();
  ExchangeSlot entry;
  entry.place = entry.rawPlace = place;
  const auto text = [&](const char* key) -> std::optional<std::string> {
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined()) return std::nullopt;
    return v.isDouble() ? NumberText(v.toDouble()) : v.toString().toStdString();
  };
  std::string problem;
  const std::optional<int> slot = SlotFromTexts(text("slot"), text("number"), problem);
  if (!slot) {
    result.errors.push_back({-1, "slot", place, problem});
    return;
  }
  entry.slot = *slot;
  const auto fail = [&](const std::string& key, std::string message) {
    result.errors.push_back({entry.slot, key, place, std::move(message)});
  };
  for (auto it = object.begin(); it != object.end(); ++it) {
    const std::string key = KeyOf(it.key());
    if (IsSlotKey(key)) continue;
    if (key == "raw") {
      if (!it.value().isObject()) {
        fail(key, "raw 应为一个对象");
        continue;
      }
      entry.raw.emplace();
      const QJsonObject raw = it.value().toObject();
      for (auto r = raw.begin(); r != raw.end(); ++r) {
        if (!r.value().isString()) fail("raw." + r.key().toStdString(), "原始数据应为十六进制文字");
        entry.raw->emplace_back(r.key().toStdString(), r.value().toString().toStdString());
      }
      continue;
    }
    const ExchangeField* field = FindExchangeField(key);
    if (!field) {
      fail(key, "未知的字段");
      continue;
    }
    problem.clear();
    if (std::optional<std::string> fieldText = FromJson(*field, it.value(), problem)) {
      entry.values.push_back({key, std::move(*fieldText), place});
    } else {
      fail(key, problem);
    }
  }
  result.document.officers.push_back(std::move(entry));
}

std::string JsonProblem(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject: return "对象没有结束：缺少 } 或两项之间的逗号";
    case QJsonParseError::MissingNameSeparator: return "键后面缺少冒号";
    case QJsonParseError::UnterminatedArray: return "列表没有结束：缺少 ] 或两项之间的逗号";
    case QJsonParseError::MissingValueSeparator: return "两项之间缺少逗号";
    case QJsonParseError::IllegalValue: return "这里应为一个值（文字要加双引号，最后一项后面不能有逗号）";
    case QJsonParseError::TerminationByNumber: return "文件在数字中间结束";
    case QJsonParseError::IllegalNumber: return "不是合法的数字";
    case QJsonParseError::IllegalEscapeSequence: return "文字中有不合法的转义（反斜杠要写成 \\\\）";
    case QJsonParseError::IllegalUTF8String: return "文字中有不合法的 UTF-8 字节";
    case QJsonParseError::UnterminatedString: return "文字没有结束：缺少结束的双引号";
    case QJsonParseError::MissingObject: return "逗号后面缺少一项（最后一项后面不能有逗号）";
    case QJsonParseError::DeepNesting: return "嵌套太深";
    case QJsonParseError::DocumentTooLarge: return "文件太大";
    case QJsonParseError::GarbageAtEnd: return "文件结束后还有多余的内容";
    case QJsonParseError::NoError: break;
  }
  return "格式错误";
}

// The place of the first key repeated inside one object of a well-formed
// JSON text, and the key; nullopt when every key is used once.
std::optional<std::pair<qsizetype, std::string>> RepeatedKey(const QByteArray& json) {
  struct Open {
    bool object;
    std::size_t firstKey;  // where its keys begin in `keys`
  };
  std::vector<Open> open;
  std::vector<std::string_view> keys;  // the keys of every open object, innermost last
  bool expectKey = false;
  const char* const begin = json.constData();
  const char* const end = begin + json.size();
  for (const char* p = begin; p < end; ++p) {
    switch (*p) {
      case '{':
      case '[':
        open.push_back({*p == '{', keys.size()});
        expectKey = *p == '{';
        break;
      case '}':
      case ']':
        if (!open.empty()) {
          keys.resize(open.back().firstKey);
          open.pop_back();
        }
        expectKey = false;
        break;
      case ',':
        expectKey = !open.empty() && open.back().object;
        break;
      case '"': {
        const char* const start = p;
        for (++p; p < end && *p != '"'; ++p) {
          if (*p == '\\') ++p;
        }
        if (!expectKey || open.empty()) break;
        expectKey = false;
        const std::string_view key(start + 1, static_cast<std::size_t>(p - start - 1));
        const auto first = keys.begin() + static_cast<std::ptrdiff_t>(open.back().firstKey);
        if (std::find(first, keys.end(), key) != keys.end()) return std::pair{start - begin, std::string(key)};
        keys.push_back(key);
        break;
      }
      default:
        break;
    }
  }
  return std::nullopt;
}

}  // namespace

ExchangeReadResult ReadJsonExchange(const QByteArray& bytes) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  QJsonParseError parseError;
  const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    return refuse(PlaceOfOffset(bytes, parseError.offset), "JSON 格式错误：" + JsonProblem(parseError.error));
  }
  if (const auto repeated = RepeatedKey(bytes)) {
    return refuse(PlaceOfOffset(bytes, repeated->first), "同一个对象中键 “" + repeated->second + "” 出现了不止一次");
  }
  if (!json.isObject()) return refuse({}, "JSON 文件应为一个对象");
  const QJsonObject root = json.object();
  const QJsonValue format = root.value(QStringLiteral("format"));
  if (format.toString() != Q(kExchangeFormatName)) {
    return refuse({}, "不是 velmedit 的武将交换文件（format 应为 “" + std::string(kExchangeFormatName) + "”）");
  }
  const QJsonValue version = root.value(QStringLiteral("version"));
  if (!version.isDouble() || version.toDouble() < 1 || std::floor(version.toDouble()) != version.toDouble()) {
    return refuse({}, "version 应为正整数");
  }
  if (version.toDouble() > kExchangeFormatVersion) {
    return refuse({}, "文件的版本 " + NumberText(version.toDouble()) + " 比本程序能读的版本 " +
                          std::to_string(kExchangeFormatVersion) + " 新");
  }
  for (auto it = root.begin(); it != root.end(); ++it) {
    const QString key = it.key();
    if (key != QLatin1String("format") && key != QLatin1String("version") && key != QLatin1String("officers") &&
        key != QLatin1String("raw")) {
      result.errors.push_back({-1, key.toStdString(), {}, "未知的字段"});
    }
  }
  const QJsonValue raw = root.value(QStringLiteral("raw"));
  if (raw.isObject()) {
    const QJsonObject rawObject = raw.toObject();
    for (auto it = rawObject.begin(); it != rawObject.end(); ++it) {
      if (it.key() == Q(kHeaderKey) && it.value().isString()) {
        result.document.header = it.value().toString().toStdString();
      } else {
        result.errors.push_back({-1, "raw." + it.key().toStdString(), {}, "未知的原始数据"});
      }
    }
  } else if (!raw.isUndefined()) {
    result.errors.push_back({-1, "raw", {}, "raw 应为一个对象"});
  }
  const QJsonValue officers = root.value(QStringLiteral("officers"));
  if (!officers.isArray()) return refuse({}, "缺少武将列表 officers");
  const QJsonArray list = officers.toArray();
  if (list.size() > static_cast<qsizetype>(kSlotCount)) {
    return refuse({}, "武将太多：" + std::to_string(list.size()) + " 位，新武将档只有 110 个槽");
  }
  if (list.isEmpty()) return refuse({}, "文件中没有武将");
  for (qsizetype i = 0; i < list.size() && result.errors.size() < kErrorsListed; ++i) {
    ReadOfficer(list.at(i), static_cast<int>(i), result);
  }
  return result;
}
