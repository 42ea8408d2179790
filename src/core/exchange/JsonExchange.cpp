// The JSON exchange format:
//   {"format": "velmedit-officers", "version": 1, "raw": {"header": "<hex>"},
//    "officers": [{"slot": 0, "number": 650, "surname": "雷", ...,
//                  "type": {"index": 1, "item": "猛将"},
//                  "father": {"number": 176, "name": "公孙瓒"} or null,
//                  "skills": ["突击", ...], "raw": {"bytes32": "<hex>", ...}}]}
//
// Read with RapidJSON: Qt's JSON classes take several times as long as the
// whole import besides. The parse is iterative, so no nesting is too deep
// for the stack.
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <rapidjson/document.h>

#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/JsonParseProblem.h"
#include "core/language/CoreText.h"
#include "core/officers/OfficerRecord.h"

namespace {

using Json = rapidjson::Value;
std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("JsonExchange", text, pieces); }

std::string_view ViewOf(const Json& value) { return {value.GetString(), value.GetStringLength()}; }
std::string TextOf(const Json& value) { return std::string(ViewOf(value)); }

// An object's members in their order. RapidJSON 1.1's iterator comparisons
// are ambiguous to C++20, so the members are counted, not compared.
template <typename Visit>
void ForEachMember(const Json& object, Visit visit) {
  const auto begin = object.MemberBegin();
  for (rapidjson::SizeType i = 0; i < object.MemberCount(); ++i) visit(begin[i]);
}

// The member `key` of an object, or nullptr.
const Json* Member(const Json& object, std::string_view key) {
  const Json* found = nullptr;
  ForEachMember(object, [&](const auto& member) {
    if (!found && ViewOf(member.name) == key) found = &member.value;
  });
  return found;
}

std::string NumberText(double d) {
  if (d >= 0 && d <= 4294967295.0 && std::floor(d) == d) return std::to_string(static_cast<unsigned long>(d));
  return QString::number(d, 'g', 17).toStdString();
}

// The value of one member as the field rules read it; nullopt with a
// problem when its JSON type cannot stand for the field.
std::optional<std::string> FromJson(const ExchangeField& field, const Json& value, std::string& problem) {
  if (value.IsString()) return TextOf(value);
  if (value.IsNumber() && !field.IsText()) return NumberText(value.GetDouble());
  switch (field.kind) {
    case FieldKind::Enumeration:
      if (value.IsObject()) {
        const Json* index = Member(value, "index");
        const Json* item = Member(value, "item");
        std::string text = index && index->IsNumber() ? NumberText(index->GetDouble()) : std::string();
        const std::string itemText = item && item->IsString() ? TextOf(*item) : std::string();
        if (!text.empty() && !itemText.empty()) text += ' ';
        return text + itemText;
      }
      break;
    case FieldKind::Relationship:
      if (value.IsNull()) return std::string();
      if (value.IsObject()) {
        const Json* number = Member(value, "number");
        if (number && number->IsNull()) return std::string();
        if (!number || !number->IsNumber()) break;
        std::string text = NumberText(number->GetDouble());
        const Json* name = Member(value, "name");
        const std::string nameText = name && name->IsString() ? TextOf(*name) : std::string();
        return nameText.empty() ? text : text + " " + nameText;
      }
      break;
    case FieldKind::Skills:
      if (value.IsArray()) {
        std::string names;
        for (const Json& name : value.GetArray()) {
          if (!name.IsString()) {
            problem = Tr(QT_TRANSLATE_NOOP("JsonExchange", "特技应为文字"));
            return std::nullopt;
          }
          if (!names.empty()) names += ' ';
          names += TextOf(name);
        }
        return names;
      }
      break;
    default:
      break;
  }
  problem = Tr(QT_TRANSLATE_NOOP("JsonExchange", "这个值的类型不对"));
  return std::nullopt;
}

// "slot" and "number" as the texts the slot rule reads.
std::optional<std::string> SlotText(const Json& object, const char* key) {
  const Json* v = Member(object, key);
  if (!v) return std::nullopt;
  if (v->IsNumber()) return NumberText(v->GetDouble());
  return v->IsString() ? TextOf(*v) : std::string();
}

void ReadRaw(const Json& raw, ExchangeSlot& entry, const std::function<void(const std::string&, std::string)>& fail) {
  entry.raw.emplace();
  ForEachMember(raw, [&](const auto& member) {
    const std::string key = TextOf(member.name);
    if (!member.value.IsString()) fail("raw." + key, Tr(QT_TRANSLATE_NOOP("JsonExchange", "原始数据应为十六进制文字")));
    entry.raw->emplace_back(key, member.value.IsString() ? TextOf(member.value) : std::string());
  });
}

void ReadOfficer(const Json& value, int index, ExchangeReadResult& result) {
  const SourcePlace place{0, 0, index};
  if (!value.IsObject()) {
    result.errors.push_back({-1, {}, place, Tr(QT_TRANSLATE_NOOP("JsonExchange", "每位武将应为一个对象"))});
    return;
  }
  ExchangeSlot entry;
  entry.place = entry.rawPlace = place;
  std::string problem;
  const std::optional<int> slot = SlotFromTexts(SlotText(value, "slot"), SlotText(value, "number"), problem);
  if (!slot) {
    result.errors.push_back({-1, "slot", place, problem});
    return;
  }
  entry.slot = *slot;
  const auto fail = [&](const std::string& key, std::string message) {
    result.errors.push_back({entry.slot, key, place, std::move(message)});
  };
  ForEachMember(value, [&](const auto& member) {
    std::string key = TextOf(member.name);
    if (IsSlotKey(key)) return;
    if (key == "raw") {
      if (member.value.IsObject()) {
        ReadRaw(member.value, entry, fail);
      } else {
        fail(key, Tr(QT_TRANSLATE_NOOP("JsonExchange", "raw 应为一个对象")));
      }
      return;
    }
    const ExchangeField* field = FindExchangeField(key);
    if (!field) {
      fail(key, Tr(QT_TRANSLATE_NOOP("JsonExchange", "未知的字段")));
      return;
    }
    problem.clear();
    if (std::optional<std::string> fieldText = FromJson(*field, member.value, problem)) {
      entry.values.push_back({std::move(key), std::move(*fieldText), place});
    } else {
      fail(key, problem);
    }
  });
  result.document.officers.push_back(std::move(entry));
}

// Whether an object of the document (at any depth) holds a key twice, the
// keys compared as read. Without recursion: no nesting is too deep.
bool HasRepeatedKey(const Json& root) {
  std::vector<const Json*> pending{&root};
  std::vector<std::pair<std::size_t, std::string_view>> keys;  // by hash: sorting numbers is cheap
  const auto nested = [&](const Json& value) {
    if (value.IsObject() || value.IsArray()) pending.push_back(&value);
  };
  while (!pending.empty()) {
    const Json& value = *pending.back();
    pending.pop_back();
    if (value.IsArray()) {
      for (const Json& item : value.GetArray()) nested(item);
      continue;
    }
    if (!value.IsObject()) continue;  // the document itself may be a number or a text
    keys.clear();
    ForEachMember(value, [&](const auto& member) {
      keys.emplace_back(std::hash<std::string_view>{}(ViewOf(member.name)), ViewOf(member.name));
      nested(member.value);
    });
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < keys.size(); ++i) {
      for (std::size_t j = i; j-- > 0 && keys[j].first == keys[i].first;) {
        if (keys[j].second == keys[i].second) return true;
      }
    }
  }
  return false;
}

// The closing quote of the string that opens at `open` (or `end`): the next
// quote that does not follow an odd number of backslashes.
const char* StringEnd(const char* open, const char* end) {
  const char* quote = open;
  for (;;) {
    quote = static_cast<const char*>(std::memchr(quote + 1, '"', static_cast<std::size_t>(end - quote - 1)));
    if (quote == nullptr) return end;
    std::size_t backslashes = 0;
    for (const char* b = quote - 1; b > open && *b == '\\'; --b) ++backslashes;
    if (backslashes % 2 == 0) return quote;
  }
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
        p = StringEnd(p, end);
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

// The file's members besides format, version and officers: the raw header
// is taken, anything else is named.
void ReadOtherMembers(const rapidjson::Document& json, ExchangeReadResult& result) {
  ForEachMember(json, [&](const auto& member) {
    const std::string key = TextOf(member.name);
    if (key != "format" && key != "version" && key != "officers" && key != "raw") {
      result.errors.push_back({-1, key, {}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "未知的字段"))});
    }
  });
  if (const Json* raw = Member(json, "raw"); raw && raw->IsObject()) {
    ForEachMember(*raw, [&](const auto& member) {
      const std::string key = TextOf(member.name);
      if (key == kHeaderKey && member.value.IsString()) {
        result.document.header = TextOf(member.value);
      } else {
        result.errors.push_back({-1, "raw." + key, {}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "未知的原始数据"))});
      }
    });
  } else if (raw) {
    result.errors.push_back({-1, "raw", {}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "raw 应为一个对象"))});
  }
}

}  // namespace

ExchangeReadResult ReadJsonExchange(const QByteArray& bytes) {
  ExchangeReadResult result;
  const auto refuse = [&](SourcePlace place, std::string message) {
    result.errors.push_back({-1, {}, place, std::move(message)});
    return result;
  };
  rapidjson::Document json;
  // The bytes are valid UTF-8 by now (decoding made sure), so RapidJSON need
  // not check them again. Parsed in place, in a copy: the texts are not
  // copied once more. A zero byte ends the text either way.
  std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  json.ParseInsitu<rapidjson::kParseIterativeFlag>(text.data());
  if (json.HasParseError()) {
    const std::size_t offset = json.GetErrorOffset();
    return refuse(PlaceOfOffset(bytes, static_cast<qsizetype>(offset)),
                  Tr(QT_TRANSLATE_NOOP("JsonExchange", "JSON 格式错误：%1"), {Tr(JsonProblem(json.GetParseError(), bytes, offset))}));
  }
  // Keys read alike may still be written differently ("\u0061" and "a"):
  // the text, looked at only then, decides.
  if (const auto repeated = HasRepeatedKey(json) ? RepeatedKey(bytes) : std::nullopt) {
    return refuse(PlaceOfOffset(bytes, repeated->first),
                  Tr(QT_TRANSLATE_NOOP("JsonExchange", "同一个对象中键 “%1” 出现了不止一次"), {repeated->second}));
  }
  if (!json.IsObject()) return refuse({}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "JSON 文件应为一个对象")));
  const Json* format = Member(json, "format");
  if (!format || !format->IsString() || TextOf(*format) != kExchangeFormatName) {
    return refuse({}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "不是 velmedit 的武将交换文件（format 应为 “%1”）"), {kExchangeFormatName}));
  }
  const Json* version = Member(json, "version");
  const std::optional<std::string> versionText =
      version && version->IsNumber() ? std::optional(NumberText(version->GetDouble())) : std::nullopt;
  if (auto problem = FormatVersionProblem(versionText)) return refuse({}, *problem);
  ReadOtherMembers(json, result);
  const Json* officers = Member(json, "officers");
  if (!officers || !officers->IsArray()) return refuse({}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "缺少武将列表 officers")));
  const auto list = officers->GetArray();
  const std::string count = std::to_string(list.Size());
  if (list.Size() > kSlotCount) return refuse({}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "武将太多：%1 位，新武将档只有 110 个槽"), {count}));
  if (list.Empty()) return refuse({}, Tr(QT_TRANSLATE_NOOP("JsonExchange", "文件中没有武将")));
  for (rapidjson::SizeType i = 0; i < list.Size() && result.errors.size() < kErrorsListed; ++i) {
    ReadOfficer(list[i], static_cast<int>(i), result);
  }
  return result;
}
