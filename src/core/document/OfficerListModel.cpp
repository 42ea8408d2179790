#include "core/document/OfficerListModel.h"

#include <algorithm>
#include <utility>

#include "core/document/OfficerDocument.h"
#include "core/officers/OfficerFields.h"

OfficerListModel::OfficerListModel(const OfficerDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
  slotVisible_.fill(true);
  connect(&document_, &OfficerDocument::tableReplaced, this, [this] {
    slotVisible_.fill(true);
    emit listReset();
  });
}

void OfficerListModel::Search(const std::array<std::string, 5>& texts) {
  // Every box is read before anything changes.
  const SearchValues values = ParseSearchValues(texts);
  slotVisible_ = SearchVisibleSlots(document_.Table(), values);
  emit visibleSlotsChanged();
}

int OfficerListModel::Find(const FindCriteria& criteria) {
  slotVisible_ = FindSlots(document_.Table(), criteria);
  emit visibleSlotsChanged();
  return static_cast<int>(std::count(slotVisible_.begin(), slotVisible_.end(), true));
}

SortState OfficerListModel::SortBy(int column) {
  if (column >= 0 && column < kListColumnCount) sort_ = NextSortState(sort_, column);
  return sort_;
}

std::vector<int> OfficerListModel::SortedSlots(const std::vector<int>& listed) const {
  std::vector<std::pair<ListRowKey, int>> rows;
  rows.reserve(listed.size());
  for (int slot : listed) {
    if (!OfficerDocument::IsSlot(slot)) continue;
    const OfficerRecord& r = document_.Record(slot);
    ListRowKey key{slot + kFirstNewOfficer, SlotName(r, slot, NameUse::ListRow, document_.TextScript()), {}};
    const auto abilities = AbilitiesOf(r);
    std::copy(abilities.begin(), abilities.end(), key.abilities.begin());
    rows.push_back({std::move(key), slot});
  }
  std::stable_sort(rows.begin(), rows.end(), [this](const auto& a, const auto& b) {
    return CompareListRows(a.first, b.first, sort_.column, sort_.ascending) < 0;
  });
  std::vector<int> sorted;
  sorted.reserve(rows.size());
  for (const auto& row : rows) sorted.push_back(row.second);
  return sorted;
}
