#include "core/list/OfficerFinder.h"

#include <QString>

#include "core/officers/IntegerText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/officers/OfficerFields.h"
#include "core/language/CoreText.h"

namespace {

constexpr const char* kAbilityLabels[] = {QT_TRANSLATE_NOOP("OfficerFields", "统率"), QT_TRANSLATE_NOOP("OfficerFields", "武力"),
                                          QT_TRANSLATE_NOOP("OfficerFields", "智力"), QT_TRANSLATE_NOOP("OfficerFields", "政治"),
                                          QT_TRANSLATE_NOOP("OfficerFields", "魅力")};
constexpr const char* kBoundLabels[] = {"≥", "≤"};

std::optional<std::int32_t> ParseBound(const std::string& text, std::size_t ability, std::size_t bound) {
  const QString trimmed = QString::fromUtf8(text).trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  if (const std::optional<std::int32_t> value = TryParseInteger(trimmed.toStdString())) return value;
  throw AbilityBoxError(ability, bound,
                        CoreText("OfficerFinder", QT_TRANSLATE_NOOP("OfficerFinder", "%1 %2 的框中“%3”不是整数"),
                                 {CoreText("OfficerFields", kAbilityLabels[ability], {}), kBoundLabels[bound], trimmed.toStdString()}));
}

// The typed text in the forms a name is compared in, made once for a search.
class NameQuery {
 public:
  explicit NameQuery(const std::string& typed)
      : typed_(QString::fromUtf8(typed).trimmed()), traditional_(FromBig5(GbkToBig5(ToGbk(typed_)))) {}

  bool Empty() const { return typed_.isEmpty(); }

  bool Matches(const OfficerRecord& record) const {
    if (Empty()) return true;
    const std::string rosterBig5 = record.Xing.Text() + record.Ming.Text();
    const std::string ziBig5 = record.Zi.Text();
    if (rosterBig5.empty() && ziBig5.empty()) return false;
    const QString shown = FromGbk(Big5ToGbk(rosterBig5)) + u' ' + FromGbk(Big5ToGbk(ziBig5));
    const QString stored = FromBig5(rosterBig5) + u' ' + FromBig5(ziBig5);
    return shown.contains(typed_, Qt::CaseInsensitive) || stored.contains(traditional_, Qt::CaseInsensitive);
  }

 private:
  QString typed_;
  QString traditional_;
};

bool AbilitiesMatch(const OfficerRecord& record, const std::array<AbilityRange, 5>& ranges) {
  const auto abilities = AbilitiesOf(record);
  for (std::size_t i = 0; i < abilities.size(); ++i) {
    if (ranges[i].min && abilities[i] < *ranges[i].min) return false;
    if (ranges[i].max && abilities[i] > *ranges[i].max) return false;
  }
  return true;
}

bool StateMatches(const OfficerRecord& record, SlotState state) {
  switch (state) {
    case SlotState::OnlyEmpty: return IsEmptySlot(record);
    case SlotState::OnlyRegistered: return !IsEmptySlot(record);
    case SlotState::All: break;
  }
  return true;
}

bool Matches(const OfficerRecord& record, const FindCriteria& criteria, const NameQuery& name) {
  return StateMatches(record, criteria.state) && AbilitiesMatch(record, criteria.abilities) && name.Matches(record);
}

}  // namespace

std::array<AbilityRange, 5> ParseAbilityRanges(const AbilityRangeTexts& texts) {
  std::array<AbilityRange, 5> ranges{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ranges[i].min = ParseBound(texts[i][0], i, 0);
    ranges[i].max = ParseBound(texts[i][1], i, 1);
  }
  return ranges;
}

bool IsEmptySlot(const OfficerRecord& record) { return record.Type == kNoType || !IsRegistered(record); }

bool NameMatches(const OfficerRecord& record, const std::string& typed) { return NameQuery(typed).Matches(record); }

bool MatchesCriteria(const OfficerRecord& record, const FindCriteria& criteria) {
  return Matches(record, criteria, NameQuery(criteria.name));
}

std::array<bool, kSlotCount> FindSlots(const OfficerTable& table, const FindCriteria& criteria) {
  const NameQuery name(criteria.name);
  std::array<bool, kSlotCount> found{};
  for (std::size_t s = 0; s < kSlotCount; ++s) found[s] = Matches(table[s], criteria, name);
  return found;
}
