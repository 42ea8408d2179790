#include "core/list/OfficerList.h"

#include <algorithm>
#include <limits>

#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/language/UiLanguage.h"
#include "core/officers/IntegerText.h"
#include "core/officers/OfficerFields.h"

namespace {

bool Traditional(OfficerTextScript script) { return script == OfficerTextScript::Traditional; }

std::string ShownText(const OfficerRecord& record, FieldRole role, OfficerTextScript script) {
  const std::string stored = FieldText(record, FieldWithRole(role));
  return Traditional(script) ? stored : Big5ToGbk(stored);
}

std::string NewOfficerName(int slot, NameUse use, OfficerTextScript script) {
  // GBK 新 D0C2, 武 CEE4, 将 BDAB; Big5 新 B773, 武 AA5A, 將 B14E.
  const bool before = use == NameUse::RosterBeforeLoad;
  const std::string name = Traditional(script) ? (before ? "\xB7\x73" : "\xB7\x73\xAA\x5A\xB1\x4E")
                                               : (before ? "\xD0\xC2" : "\xD0\xC2\xCE\xE4\xBD\xAB");
  return name + std::to_string(slot + 1);
}

}  // namespace

std::string SlotName(const OfficerRecord& record, int slot, NameUse use, OfficerTextScript script) {
  if (use == NameUse::RosterBeforeLoad) return NewOfficerName(slot, use, script);
  if (use == NameUse::Message) {
    return std::to_string(slot + kFirstNewOfficer) + " " + SlotName(record, slot, NameUse::Roster, script);
  }
  std::string name = ShownText(record, FieldRole::Surname, script) + ShownText(record, FieldRole::GivenName, script);
  if (use == NameUse::ListRow) {
    name += ' ' + ShownText(record, FieldRole::CourtesyName, script);
    if (name == " ") return NewOfficerName(slot, use, script);
  }
  return name.empty() ? NewOfficerName(slot, use, script) : name;
}

std::string SlotName(const OfficerRecord& record, int slot, NameUse use) {
  return SlotName(record, slot, use, OfficerTextScript::Simplified);
}

std::string SlotNameUtf8(const OfficerRecord& record, int slot, NameUse use, OfficerTextScript script) {
  const std::string name = SlotName(record, slot, use, script);
  return (Traditional(script) ? FromBig5(name) : FromGbk(name)).toStdString();
}

std::string SlotNameUtf8(const OfficerRecord& record, int slot, NameUse use) {
  return SlotNameUtf8(record, slot, use, OfficerTextScript::Simplified);
}

SearchValues ParseSearchValues(const std::array<std::string, 5>& texts) {
  SearchValues values{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    values[i] = texts[i].empty() ? kNoCondition : ParseInteger(texts[i]);
  }
  return values;
}

bool MatchesSearch(const OfficerRecord& record, const SearchValues& values) {
  const auto abilities = AbilitiesOf(record);
  for (std::size_t i = 0; i < abilities.size(); ++i) {
    if (values[i] > 0 && values[i] != abilities[i]) return false;
  }
  return true;
}

std::array<bool, kSlotCount> SearchVisibleSlots(const OfficerTable& table, const SearchValues& values) {
  std::array<bool, kSlotCount> visible{};
  for (std::size_t s = 0; s < kSlotCount; ++s) visible[s] = MatchesSearch(table[s], values);
  return visible;
}

namespace {

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// The difference of two row values, kept within int (row texts are 16-bit
// numbers, so it never needs cutting in practice).
int Difference(std::int64_t a, std::int64_t b) {
  return static_cast<int>(std::clamp<std::int64_t>(a - b, std::numeric_limits<int>::min() + 1, std::numeric_limits<int>::max()));
}

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = FoldCase(a[i]) - FoldCase(b[i]);
    if (difference != 0) return difference;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareListRows(const ListRowKey& a, const ListRowKey& b, int column, bool ascending) {
  int result = 0;
  if (column == 0) {
    result = Difference(a.number, b.number);
  } else if (column == 1) {
    result = CompareNames(a.name, b.name);
  } else if (column >= 2 && column < kListColumnCount) {
    const auto i = static_cast<std::size_t>(column - 2);
    result = Difference(a.abilities[i], b.abilities[i]);
  }
  return ascending ? result : -result;
}

SortState NextSortState(SortState current, int clickedColumn) {
  if (clickedColumn == current.column) return SortState{current.column, !current.ascending};
  return SortState{clickedColumn, clickedColumn <= 1};
}
