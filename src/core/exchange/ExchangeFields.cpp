#include "core/exchange/ExchangeFields.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <charconv>

#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/editor/EditorFields.h"
#include "core/list/OfficerList.h"
#include "core/list/OfficerRoster.h"

namespace {

constexpr std::size_t kSkillsOffset = 47;

std::vector<ExchangeField> MakeFields() {
  using K = FieldKind;
  const auto text = [](std::string_view key, std::size_t offset, std::size_t width, std::size_t limit, K kind) {
    return ExchangeField{key, kind, offset, width, -1, limit};
  };
  const auto u16 = [](std::string_view key, std::size_t offset) { return ExchangeField{key, K::Number, offset, 2}; };
  const auto u8 = [](std::string_view key, std::size_t offset) { return ExchangeField{key, K::Number, offset, 1}; };
  const auto enumeration = [](std::string_view key, std::size_t offset, int index) {
    return ExchangeField{key, K::Enumeration, offset, 1, index};
  };
  const auto link = [](std::string_view key, std::size_t offset) { return ExchangeField{key, K::Relationship, offset, 2}; };
  return {
      text("surname", 81, 5, kNameByteLimit, K::Text),
      text("given_name", 86, 5, kNameByteLimit, K::Text),
      text("courtesy_name", 91, 5, kNameByteLimit, K::Text),
      text("reading", 96, 11, kYinByteLimit, K::Reading),
      text("biography", 107, 153, kStoryByteLimit, K::Text),
      u16("face", 0),
      u16("leadership", 22),
      u16("war", 24),
      u16("intelligence", 26),
      u16("politics", 28),
      u16("charm", 30),
      u16("reputation", 20),
      u16("birth_year", 14),
      u16("appearance_year", 16),
      u16("death_year", 18),
      u8("force_compatibility", 40),
      u8("personal_compatibility", 41),
      // Enumerations() order: Type, Belief, Character, Drink, Care, Desire,
      // Gender, Yili, Qiyong, Han, Stratagem, Task.
      enumeration("type", 71, 0),
      enumeration("belief", 70, 1),
      enumeration("personality", 36, 2),
      enumeration("drinking", 37, 3),
      enumeration("interest", 38, 4),
      enumeration("greed", 39, 5),
      enumeration("gender", 35, 6),
      enumeration("duty", 43, 7),
      enumeration("employment", 42, 8),
      enumeration("han_court", 44, 9),
      enumeration("strategy", 45, 10),
      enumeration("diligence", 46, 11),
      link("father", 2),
      link("mother", 4),
      link("spouse", 6),
      link("family", 8),
      link("brother", 10),
      link("enemy", 12),
      link("same_officer", 64),
      ExchangeField{"skills", K::Skills, kSkillsOffset, kSkillBytes},
  };
}

unsigned NumberAt(const ExchangeField& field, const RecordBytes& record) {
  const std::uint8_t* p = record.data() + field.offset;
  return field.width == 2 ? static_cast<unsigned>(p[0] | (p[1] << 8)) : p[0];
}

void PutNumber(const ExchangeField& field, unsigned value, RecordBytes& record) {
  std::uint8_t* p = record.data() + field.offset;
  p[0] = static_cast<std::uint8_t>(value & 0xFF);
  if (field.width == 2) p[1] = static_cast<std::uint8_t>(value >> 8);
}

// The field's text up to its first zero, or all of it when it holds none.
std::string StoredText(const ExchangeField& field, const RecordBytes& record) {
  const auto* begin = reinterpret_cast<const char*>(record.data() + field.offset);
  return std::string(begin, std::find(begin, begin + field.width, '\0'));
}

std::string ShownText(const ExchangeField& field, const RecordBytes& record) {
  const std::string stored = StoredText(field, record);
  return FromGbk(field.kind == FieldKind::Reading ? stored : Big5ToGbk(stored)).toStdString();
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Leading decimal digits as a number, the rest after them; nullopt without digits.
struct LeadingNumber {
  unsigned long value;
  std::string_view rest;
  bool tooLarge;
};
std::optional<LeadingNumber> ReadLeadingNumber(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
  if (n == 0) return std::nullopt;
  unsigned long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + n, value);
  static_cast<void>(end);
  return LeadingNumber{value, Trimmed(s.substr(n)), ec != std::errc{} || value > 0xFFFFFFFFul};
}

std::string RosterNameOf(int number) {
  const std::string& entry = OfficerRosterEntries()[static_cast<std::size_t>(number)];
  return entry.substr(entry.find('.') + 1);
}

bool IsNewOfficerNumber(unsigned long n) { return n >= kFirstNewOfficer && n < kFirstNewOfficer + kSlotCount; }

std::optional<std::string> PutText(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const std::string shown = ShownText(field, record);
  std::string wanted(value);
  if (wanted == shown) return std::nullopt;
  if (field.key == "biography") {
    // The game keeps CR LF; spreadsheets often keep only LF.
    wanted = QString::fromUtf8(wanted).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n")).toStdString();
    if (wanted == shown) return std::nullopt;
  }
  if (wanted.find('\0') != std::string::npos) return "文字中不能有零字符";
  const QString text = QString::fromUtf8(wanted);
  if (!GbkCanEncode(text)) {
    std::string lacking;
    for (const uint c : text.toUcs4()) {
      const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
      if (!GbkCanEncode(one)) lacking += one.toStdString();
    }
    return (field.kind == FieldKind::Reading ? "无法保存的字：" : "无法以繁体中文(Big5)保存的字：") + lacking;
  }
  const std::string gbk = ToGbk(text);
  std::string bytes;
  if (field.kind == FieldKind::Reading) {
    bytes = gbk;
  } else {
    const std::string stored = StoredText(field, record);
    const EditedTextResult result = StoreEditedText(Big5ToGbk(stored), stored, gbk, std::string::npos);
    if (!result.unstorable.empty()) {
      return "无法以繁体中文(Big5)保存的字：" + FromGbk(JoinCharacters(result.unstorable)).toStdString();
    }
    bytes = result.big5;
  }
  if (bytes.size() > field.textLimit) {
    return "太长：" + std::to_string(bytes.size()) + " 字节，最多 " + std::to_string(field.textLimit) + " 字节";
  }
  std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
  record[field.offset + bytes.size()] = 0;  // the later bytes stay
  return std::nullopt;
}

std::optional<std::string> PutNumberText(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const unsigned max = field.width == 2 ? 0xFFFFu : 0xFFu;
  const auto number = ReadLeadingNumber(Trimmed(value));
  if (!number || !number->rest.empty()) return "不是一个不带符号的整数：“" + std::string(value) + "”";
  if (number->tooLarge || number->value > max) return "超出范围 0–" + std::to_string(max) + "：" + std::string(value);
  PutNumber(field, static_cast<unsigned>(number->value), record);
  return std::nullopt;
}

std::optional<std::string> PutEnumeration(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const auto& items = Enumerations()[static_cast<std::size_t>(field.enumeration)].items;
  const std::string_view text = Trimmed(value);
  const auto itemIndex = [&](std::string_view item) -> int {
    for (std::size_t i = 0; i < items.size(); ++i)
      if (Trimmed(items[i]) == item) return static_cast<int>(i);
    return -1;
  };
  std::string choices;
  for (std::size_t i = 0; i < items.size(); ++i) choices += (i ? "、" : "") + std::to_string(i) + " " + std::string(Trimmed(items[i]));
  unsigned index = 0;
  if (const auto number = ReadLeadingNumber(text)) {
    if (number->tooLarge || number->value > 0xFF) return "编号超出范围 0–255：" + std::string(value);
    index = static_cast<unsigned>(number->value);
    if (!number->rest.empty() && itemIndex(number->rest) != static_cast<int>(index)) {
      return "编号与项目不符：“" + std::string(value) + "”；可选：" + choices;
    }
  } else {
    const int found = itemIndex(text);
    if (found < 0) return "不是可选的项目：“" + std::string(value) + "”；可选：" + choices;
    index = static_cast<unsigned>(found);
  }
  PutNumber(field, index, record);
  return std::nullopt;
}

std::optional<std::string> PutRelationship(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const std::string_view text = Trimmed(value);
  const unsigned stored = NumberAt(field, record);
  std::optional<unsigned> wanted;  // nullopt: none
  if (const auto number = ReadLeadingNumber(text)) {
    if (number->tooLarge || number->value >= static_cast<unsigned long>(kRosterNoneEntry)) {
      return "人物编号超出范围 0–831：" + std::string(value);
    }
    const int n = static_cast<int>(number->value);
    if (!number->rest.empty() && !IsNewOfficerNumber(number->value) && number->rest != RosterNameOf(n)) {
      return "人物编号 " + std::to_string(n) + " 是" + RosterNameOf(n) + "，不是" + std::string(number->rest);
    }
    wanted = static_cast<unsigned>(n);
  } else if (!text.empty() && text != "无") {
    int found = -1;
    for (int n = 0; n < kRosterNoneEntry; ++n) {
      if (IsNewOfficerNumber(static_cast<unsigned long>(n)) || RosterNameOf(n) != text) continue;
      if (found >= 0) return "名叫" + std::string(text) + "的人物不止一位，请写编号";
      found = n;
    }
    if (found < 0) return "人物表中没有" + std::string(text) + "（新武将请写编号 650–759）";
    wanted = static_cast<unsigned>(found);
  }
  if (!wanted) {
    if (stored < static_cast<unsigned>(kRosterNoneEntry)) PutNumber(field, kNoOfficer, record);
  } else if (*wanted != stored) {
    PutNumber(field, *wanted, record);
  }
  return std::nullopt;
}

// The names of a skills text: separated by blanks, commas, semicolons or 、.
std::vector<std::string_view> SkillNames(std::string_view text) {
  static constexpr std::string_view kWideSeparators[] = {"、", "，", "；"};
  std::vector<std::string_view> names;
  std::size_t start = 0;
  const auto cut = [&](std::size_t end, std::size_t next) {
    if (end > start) names.push_back(text.substr(start, end - start));
    start = next;
  };
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';') {
      cut(i, i + 1);
      ++i;
      continue;
    }
    const auto wide = std::find_if(std::begin(kWideSeparators), std::end(kWideSeparators),
                                   [&](std::string_view s) { return text.substr(i, s.size()) == s; });
    if (wide != std::end(kWideSeparators)) {
      cut(i, i + wide->size());
      i += wide->size();
      continue;
    }
    ++i;
  }
  cut(text.size(), text.size());
  return names;
}

std::optional<std::string> PutSkills(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const auto& layout = SkillLayout();
  std::array<bool, kSkillBoxCount> boxes{};
  for (const std::string_view name : SkillNames(value)) {
    const auto it = std::find_if(layout.begin(), layout.end(), [&](const SkillBox& box) { return box.caption == name; });
    if (it == layout.end()) return "没有这个特技：" + std::string(name);
    boxes[static_cast<std::size_t>(it - layout.begin())] = true;
  }
  std::array<std::uint8_t, kSkillBytes> skills{};
  std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(field.offset), kSkillBytes, skills.begin());
  if (BoxesFromSkills(skills) == boxes) return std::nullopt;
  std::array<std::uint8_t, kSkillBytes> updated = SkillsFromBoxes(boxes);
  updated[kSkillBytes - 1] |= skills[kSkillBytes - 1] & kHiddenSkillBits;  // bits without a box stay
  std::copy(updated.begin(), updated.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
  return std::nullopt;
}

}  // namespace

const std::vector<ExchangeField>& ExchangeFields() {
  static const std::vector<ExchangeField> fields = MakeFields();
  return fields;
}

const ExchangeField* FindExchangeField(std::string_view key) {
  for (const ExchangeField& field : ExchangeFields())
    if (field.key == key) return &field;
  return nullptr;
}

NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head) {
  NewOfficerNames names;
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const RecordBytes bytes = RecordAt(head, s);
    names[s] = FromGbk(RosterName(DecodeRecord(bytes.data()), static_cast<int>(s))).toStdString();
  }
  return names;
}

std::string FieldValueText(const ExchangeField& field, const RecordBytes& record, const NewOfficerNames& names) {
  switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Reading:
      return ShownText(field, record);
    case FieldKind::Number:
      return std::to_string(NumberAt(field, record));
    case FieldKind::Enumeration: {
      const unsigned v = NumberAt(field, record);
      const auto& items = Enumerations()[static_cast<std::size_t>(field.enumeration)].items;
      return v < items.size() ? std::to_string(v) + " " + std::string(items[v]) : std::to_string(v);
    }
    case FieldKind::Relationship: {
      const unsigned v = NumberAt(field, record);
      if (v >= static_cast<unsigned>(kRosterNoneEntry)) return {};
      const std::string& name = IsNewOfficerNumber(v) ? names[v - kFirstNewOfficer] : RosterNameOf(static_cast<int>(v));
      return std::to_string(v) + " " + name;
    }
    case FieldKind::Skills: {
      std::array<std::uint8_t, kSkillBytes> skills{};
      std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(field.offset), kSkillBytes, skills.begin());
      const auto boxes = BoxesFromSkills(skills);
      std::string text;
      for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
        if (!boxes[i]) continue;
        if (!text.empty()) text += ' ';
        text += SkillLayout()[i].caption;
      }
      return text;
    }
  }
  return {};
}

void PutFieldDefault(const ExchangeField& field, RecordBytes& record) {
  auto begin = record.begin() + static_cast<std::ptrdiff_t>(field.offset);
  std::fill(begin, begin + static_cast<std::ptrdiff_t>(field.width), std::uint8_t{0});
  if (field.kind == FieldKind::Relationship) PutNumber(field, kNoOfficer, record);
}

std::optional<std::string> PutFieldValue(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Reading:
      return PutText(field, value, record);
    case FieldKind::Number:
      return PutNumberText(field, value, record);
    case FieldKind::Enumeration:
      return PutEnumeration(field, value, record);
    case FieldKind::Relationship:
      return PutRelationship(field, value, record);
    case FieldKind::Skills:
      return PutSkills(field, value, record);
  }
  return std::nullopt;
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0xF];
  }
  return hex;
}

std::optional<std::vector<std::uint8_t>> BytesOfHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::vector<std::uint8_t> bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return bytes;
}

RecordBytes RecordAt(std::span<const unsigned char> head, std::size_t slot) {
  RecordBytes record{};
  std::copy_n(head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize), kRecordSize, record.begin());
  return record;
}

void PutRecordAt(std::span<unsigned char> head, std::size_t slot, const RecordBytes& record) {
  std::copy(record.begin(), record.end(), head.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + slot * kRecordSize));
}
