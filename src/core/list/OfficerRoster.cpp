// The game's list of persons that relationship fields refer to.
#include "core/list/OfficerRoster.h"

#include <string_view>

#include "core/list/OfficerList.h"
#include "core/list/RosterNames.h"

namespace {

static_assert(static_cast<int>(kHistoricalRosterCount + kSpecialRosterCount) + kRosterNewOfficerCount == kRosterNoneEntry);

std::string_view NameIn(const RosterName& name, OfficerTextScript script) {
  return script == OfficerTextScript::Traditional ? name.traditional : name.simplified;
}

std::array<std::string, kRosterSize> BuildEntries(OfficerTextScript script) {
  std::array<std::string, kRosterSize> entries;
  for (int i = 0; i < kRosterNoneEntry; ++i) {
    std::string name;
    if (i < kFirstNewOfficer) {
      name = std::string(NameIn(kHistoricalRosterNames[static_cast<std::size_t>(i)], script));
    } else if (i < kFirstNewOfficer + kRosterNewOfficerCount) {
      name = SlotNameUtf8(OfficerRecord{}, i - kFirstNewOfficer, NameUse::RosterBeforeLoad);
    } else {
      name = std::string(NameIn(kSpecialRosterNames[static_cast<std::size_t>(i - kFirstNewOfficer - kRosterNewOfficerCount)], script));
    }
    entries[static_cast<std::size_t>(i)] = std::to_string(i) + "." + name;
  }
  entries[kRosterNoneEntry] = script == OfficerTextScript::Traditional ? "無" : "无";
  return entries;
}

}  // namespace

const std::array<std::string, kRosterSize>& OfficerRosterEntries(OfficerTextScript script) {
  static const std::array<std::string, kRosterSize> simplified = BuildEntries(OfficerTextScript::Simplified);
  static const std::array<std::string, kRosterSize> traditional = BuildEntries(OfficerTextScript::Traditional);
  return script == OfficerTextScript::Traditional ? traditional : simplified;
}

int RosterEntryForValue(std::uint16_t value) { return value < kRosterNoneEntry ? value : kRosterNoneEntry; }

std::uint16_t StoredValueForEntry(int entry) {
  if (entry < 0 || entry >= kRosterNoneEntry) return kNoOfficer;
  return static_cast<std::uint16_t>(entry);
}
