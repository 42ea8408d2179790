#include "core/check/ValueRules.h"

#include <map>

#include "core/convert/Big5Rule.h"
#include "core/convert/StoredEncoding.h"
#include "core/faces/FaceArchivePair.h"
#include "core/language/CoreText.h"
#include "core/list/OfficerRoster.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ValueRules", text, pieces); }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string RangeProblem(long long value, unsigned max) {
  return Tr(QT_TRANSLATE_NOOP("ValueRules", "%1 超出范围 0–%2"), {std::to_string(value), std::to_string(max)});
}

std::string ChoicesOf(const OfficerField& field) {
  std::string choices;
  for (std::size_t i = 0; i < field.items.size(); ++i) {
    choices += (i ? "、" : "") + std::to_string(i) + " " + std::string(Trimmed(field.items[i]));
  }
  return choices;
}

}  // namespace

ImpossibleValue::ImpossibleValue(const OfficerField& field, const std::string& message)
    : std::runtime_error(Labelled(field, message)), field_(&field) {}

ImpossibleValue::ImpossibleValue(const OfficerField& field, const Unlabelled& message)
    : std::runtime_error(message.message), field_(&field) {}

std::string Labelled(const OfficerField& field, const std::string& message) {
  return Tr(QT_TRANSLATE_NOOP("ValueRules", "%1：%2"), {FieldLabel(field), message});
}

std::optional<std::string> NumberProblem(const OfficerField& field, long long value) {
  if (value < 0 || value > static_cast<long long>(field.MaxValue())) return RangeProblem(value, field.MaxValue());
  return std::nullopt;
}

std::string EnumerationChoices(const OfficerField& field) {
  // A random file asks for these on almost every officer.
  static const std::map<const OfficerField*, std::string> known = [] {
    std::map<const OfficerField*, std::string> all;
    for (const OfficerField& f : OfficerFields()) {
      if (f.kind == FieldKind::Enumeration) all.emplace(&f, ChoicesOf(f));
    }
    return all;
  }();
  if (const auto it = known.find(&field); it != known.end()) return it->second;
  return ChoicesOf(field);
}

std::optional<std::string> EnumerationProblem(const OfficerField& field, long long value) {
  if (value >= 0 && (value < static_cast<long long>(field.items.size()) || value == kNoSelection)) return std::nullopt;
  return Tr(QT_TRANSLATE_NOOP("ValueRules", "%1 不是可选的项目；可选：%2"), {std::to_string(value), EnumerationChoices(field)});
}

bool IsRelationshipValue(long long value) { return (value >= 0 && value < kRosterNoneEntry) || value == kNoOfficer; }

std::optional<std::string> RelationshipProblem(long long value) {
  if (IsRelationshipValue(value)) return std::nullopt;
  return Tr(QT_TRANSLATE_NOOP("ValueRules", "人物编号 %1"), {RangeProblem(value, kRosterNoneEntry - 1)});
}

std::vector<Finding> ImpossibleStoredValues(const OfficerRecord& record, int slot) {
  std::vector<Finding> found;
  for (const OfficerField& field : OfficerFields()) {
    std::optional<std::string> problem;
    std::string_view kind = "enumeration";
    if (field.kind == FieldKind::Enumeration) {
      problem = EnumerationProblem(field, FieldValue(record, field));
    } else if (field.kind == FieldKind::Relationship) {
      problem = RelationshipProblem(FieldValue(record, field));
      kind = "relationship";
    } else if (field.IsText() && field.coding == TextCoding::Big5) {
      const std::string text = FieldText(record, field);
      const bool japanese = StoredEncodingOf(text) == StoredEncoding::ShiftJis;
      kind = "text";
      if (!IsBig5Text(text)) {
        problem = japanese ? Tr(QT_TRANSLATE_NOOP("ValueRules", "不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换"))
                           : Tr(QT_TRANSLATE_NOOP("ValueRules", "不是繁体中文(Big5)文字"));
      } else if (japanese) {
        problem = Tr(QT_TRANSLATE_NOOP("ValueRules", "含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换"));
      }
    }
    if (problem) found.push_back({slot, &field, kind, false, std::move(*problem)});
  }
  return found;
}

ImplausibleCount CountImpossibleValues(const OfficerTable& table) {
  ImplausibleCount count;
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const auto found = ImpossibleStoredValues(table[s], static_cast<int>(s)).size();
    count.slotCount += found > 0 ? 1 : 0;
    count.valueCount += static_cast<int>(found);
  }
  return count;
}
