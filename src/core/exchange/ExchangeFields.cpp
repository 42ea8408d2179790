#include "core/exchange/ExchangeFields.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/convert/TypedText.h"
#include "core/language/CoreText.h"
#include "core/check/ValueRules.h"
#include "core/list/OfficerList.h"
#include "core/language/UiLanguage.h"
#include "core/list/OfficerRoster.h"
#include "core/officers/TextField.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ExchangeFields", text, pieces); }

void PutNumber(const OfficerField& field, unsigned value, RecordBytes& record) { StoreNumber(record.data(), field, value); }

// The field's text up to its first zero, or all of it when it holds none.
std::string StoredText(const ExchangeField& field, const RecordBytes& record) {
  return std::string(UpToZero({reinterpret_cast<const char*>(record.data() + field.offset), field.width}));
}

std::string ShownText(const ExchangeField& field, const RecordBytes& record,
                      OfficerTextScript script = OfficerTextScript::Simplified) {
  std::string stored = StoredText(field, record);
  // Bytes up to 7F read as themselves in both code pages (a reading, mostly).
  if (std::all_of(stored.begin(), stored.end(), [](char c) { return (c & 0x80) == 0; })) return stored;
  if (field.coding == TextCoding::Bytes) return FromGbk(stored).toStdString();
  if (script == OfficerTextScript::Traditional) return FromBig5(stored).toStdString();
  return FromGbk(Big5ToGbk(stored)).toStdString();
}

std::string_view Trimmed(std::string_view s) { return TrimBlanks(s); }

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

// Stores a number field's wanted value. A value the file already holds
// stays, possible or not, so that an export of any file comes back byte for
// byte; only a changed value must be one the rule of values allows.
template <typename Problem>
std::optional<std::string> PutHeldOrAllowed(const ExchangeField& field, long long wanted, RecordBytes& record,
                                            Problem problem) {
  if (wanted == static_cast<long long>(NumberAt(field, record))) return std::nullopt;
  if (auto found = problem(wanted)) return found;
  PutNumber(field, static_cast<unsigned>(wanted), record);
  return std::nullopt;
}

std::optional<std::string> PutText(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  std::string wanted(value);
  if (wanted == ShownText(field, record)) return std::nullopt;
  if (wanted == ShownText(field, record, OfficerTextScript::Traditional)) return std::nullopt;
  if (wanted.find('\0') != std::string::npos) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "文字中不能有零字符"));
  // Either script: a text in traditional characters is stored as written.
  const QString text = QString::fromUtf8(wanted);
  const TextDecision decision = field.coding == TextCoding::Big5 && ReadsAsTraditional(text)
                                    ? DecideTraditionalText(field, text, StoredText(field, record))
                                    : DecideText(field, text, StoredText(field, record));
  if (decision.problem) return decision.problem;
  if (decision.bytes == StoredText(field, record)) return std::nullopt;  // the same text, line breaks aside
  std::copy(decision.bytes.begin(), decision.bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
  record[field.offset + decision.bytes.size()] = 0;  // the later bytes stay
  return std::nullopt;
}

std::optional<std::string> PutNumberText(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const std::string_view text = Trimmed(value);
  const bool negative = text.starts_with('-');
  const auto number = ReadLeadingNumber(negative ? text.substr(1) : text);
  if (!number || !number->rest.empty()) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "不是一个整数：“%1”"), {value});
  const long long wanted = number->tooLarge ? 1LL << 40 : static_cast<long long>(number->value);
  return PutHeldOrAllowed(field, negative ? -wanted : wanted, record,
                          [&](long long v) { return NumberProblem(field, v); });
}

std::optional<std::string> PutEnumeration(const ExchangeField& field, std::string_view value, RecordBytes& record) {
  const std::string_view text = Trimmed(value);
  const auto itemIndex = [&](std::string_view item) -> long long {
    for (std::size_t i = 0; i < field.items.size(); ++i)
      if (Trimmed(field.items[i]) == item) return static_cast<long long>(i);
    return -1;
  };
  long long index = 0;
  if (const auto number = ReadLeadingNumber(text)) {
    index = number->tooLarge ? 1LL << 40 : static_cast<long long>(number->value);
    if (!number->rest.empty() && itemIndex(number->rest) != index) {
      return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "编号与项目不符：“%1”；可选：%2"), {value, EnumerationChoices(field)});
    }
  } else {
    index = itemIndex(text);
    if (index < 0) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "不是可选的项目：“%1”；可选：%2"), {value, EnumerationChoices(field)});
  }
  return PutHeldOrAllowed(field, index, record, [&](long long v) { return EnumerationProblem(field, v); });
}

// The roster number a relationship text names (nullopt: none); the name
// beside a number of the game's roster must be that person's. A bare number
// is judged by the rule of values only when it changes the field.
std::optional<std::string> ReadRelationship(std::string_view value, std::optional<long long>& wanted,
                                            std::optional<NamedLink>* link) {
  const std::string_view text = Trimmed(value);
  if (const auto number = ReadLeadingNumber(text)) {
    const long long n = number->tooLarge ? 1LL << 40 : static_cast<long long>(number->value);
    if (n == kNoOfficer) return std::nullopt;  // the stored form of none
    const std::string name(number->rest);
    if (name.empty()) {
      wanted = n;
      return std::nullopt;
    }
    if (auto problem = RelationshipProblem(n)) return problem;
    if (!name.empty() && IsNewOfficerNumber(static_cast<unsigned long>(n))) {
      if (link) *link = NamedLink{static_cast<unsigned>(n), name};
    } else if (!name.empty() && name != RosterNameOf(static_cast<int>(n))) {
      return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "人物编号 %1 是%2，不是%3"),
                {std::to_string(n), RosterNameOf(static_cast<int>(n)), name});
    }
    wanted = n;
  } else if (!text.empty() && text != "无") {
    int found = -1;
    for (int n = 0; n < kRosterNoneEntry; ++n) {
      if (IsNewOfficerNumber(static_cast<unsigned long>(n)) || RosterNameOf(n) != text) continue;
      if (found >= 0) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "名叫%1的人物不止一位，请写编号"), {text});
      found = n;
    }
    if (found < 0) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "人物表中没有%1（新武将请写编号 650–759）"), {text});
    wanted = found;
  }
  return std::nullopt;
}

std::optional<std::string> PutRelationship(const ExchangeField& field, std::string_view value, RecordBytes& record,
                                           std::optional<NamedLink>* link) {
  std::optional<long long> wanted;  // nullopt: none
  if (auto problem = ReadRelationship(value, wanted, link)) return problem;
  if (wanted) return PutHeldOrAllowed(field, *wanted, record, RelationshipProblem);
  // Any stored value from 832 up already means none.
  if (NumberAt(field, record) < static_cast<unsigned>(kRosterNoneEntry)) PutNumber(field, kNoOfficer, record);
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
    if (it == layout.end()) return Tr(QT_TRANSLATE_NOOP("ExchangeFields", "没有这个特技：%1"), {name});
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

namespace {

std::vector<std::reference_wrapper<const OfficerField>> FieldsWhere(bool preserved) {
  std::vector<std::reference_wrapper<const OfficerField>> chosen;
  for (const OfficerField& field : OfficerFields()) {
    if ((field.kind == FieldKind::Preserved) == preserved) chosen.emplace_back(field);
  }
  return chosen;
}

using FieldsByKey = std::unordered_map<std::string_view, const OfficerField*>;

FieldsByKey ByKey(const std::vector<std::reference_wrapper<const OfficerField>>& fields) {
  FieldsByKey byKey;
  for (const OfficerField& field : fields) byKey.emplace(field.key, &field);
  return byKey;
}

const OfficerField* FindIn(const FieldsByKey& fields, std::string_view key) {
  const auto it = fields.find(key);
  return it == fields.end() ? nullptr : it->second;
}

}  // namespace

const std::vector<std::reference_wrapper<const OfficerField>>& ExchangeFields() {
  static const auto fields = FieldsWhere(false);
  return fields;
}

const OfficerField* FindExchangeField(std::string_view key) {
  static const FieldsByKey fields = ByKey(ExchangeFields());
  return FindIn(fields, key);
}

const std::vector<std::reference_wrapper<const OfficerField>>& PreservedRanges() {
  static const auto ranges = FieldsWhere(true);
  return ranges;
}

const OfficerField* FindPreservedRange(std::string_view key) {
  static const FieldsByKey ranges = ByKey(PreservedRanges());
  return FindIn(ranges, key);
}

NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head) {
  return NewOfficerNamesOf(head, OfficerTextScript::Simplified);
}

std::string NewOfficerNameOf(std::span<const unsigned char> head, std::size_t slot) {
  return NewOfficerNameOf(head, slot, OfficerTextScript::Simplified);
}

std::string FieldValueText(const ExchangeField& field, const RecordBytes& record, const NewOfficerNames& names) {
  return FieldValueText(field, record, names, OfficerTextScript::Simplified);
}

NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head, OfficerTextScript script) {
  NewOfficerNames names;
  for (std::size_t s = 0; s < kSlotCount; ++s) names[s] = NewOfficerNameOf(head, s, script);
  return names;
}

std::string NewOfficerNameOf(std::span<const unsigned char> head, std::size_t slot, OfficerTextScript script) {
  const RecordBytes bytes = RecordAt(head, slot);
  return SlotNameUtf8(DecodeRecord(bytes.data()), static_cast<int>(slot), NameUse::Roster, script);
}

std::string FieldValueText(const ExchangeField& field, const RecordBytes& record, const NewOfficerNames& names,
                           OfficerTextScript script) {
  switch (field.kind) {
    case FieldKind::Text:
      return ShownText(field, record, script);
    case FieldKind::Number:
      return std::to_string(NumberAt(field, record));
    case FieldKind::Enumeration: {
      const unsigned v = NumberAt(field, record);
      return v < field.items.size() ? std::to_string(v) + " " + std::string(field.items[v]) : std::to_string(v);
    }
    case FieldKind::Relationship: {
      const unsigned v = NumberAt(field, record);
      if (v >= static_cast<unsigned>(kRosterNoneEntry)) return {};
      const std::string& name = IsNewOfficerNumber(v) ? names[v - kFirstNewOfficer] : RosterNameOf(static_cast<int>(v));
      return std::to_string(v) + " " + name;
    }
    case FieldKind::Preserved:
      return HexOf(std::span(record).subspan(field.offset, field.width));
    case FieldKind::Skills: {
      const auto boxes = BoxesFromSkills(std::span(record).subspan(field.offset, kSkillBytes));
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

std::optional<std::string> PutFieldValue(const ExchangeField& field, std::string_view value, RecordBytes& record,
                                         std::optional<NamedLink>* link) {
  switch (field.kind) {
    case FieldKind::Text:
      return PutText(field, value, record);
    case FieldKind::Number:
      return PutNumberText(field, value, record);
    case FieldKind::Enumeration:
      return PutEnumeration(field, value, record);
    case FieldKind::Relationship:
      return PutRelationship(field, value, record, link);
    case FieldKind::Skills:
      return PutSkills(field, value, record);
    case FieldKind::Preserved:
      break;
  }
  return std::nullopt;
}
