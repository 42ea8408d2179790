#pragma once
// The game's roster of persons: 833 entries whose position is the roster
// number that relationship fields store. Entries 650-759 are the new officers
// of the registration file (slot s is number s + 650); entry 832 "无" is no one.
#include <array>
#include <cstdint>
#include <string>

#include "core/language/UiLanguage.h"
#include "core/officers/OfficerRecord.h"

constexpr int kRosterSize = 833;
constexpr int kRosterNoneEntry = 832;  // "无"
constexpr int kRosterNewOfficerCount = static_cast<int>(kSlotCount);
constexpr std::uint16_t kNoOfficer = 0xFFFF;  // stored for "无" or no choice

// The entries as the pickers start with them, UTF-8: "0.阿会喃" ...
// "650.新1" ... "759.新110" ... "831.异民族", "无"; in traditional script
// "0.阿會喃" ... "831.異民族", "無", the new officers' entries the same.
const std::array<std::string, kRosterSize>& OfficerRosterEntries(
    OfficerTextScript script = OfficerTextScript::Simplified);

// Stored value -> picker entry: 0-831 select themselves, anything above "无".
int RosterEntryForValue(std::uint16_t value);

// Picker entry -> stored value: "无" and no selection (-1) give 0xFFFF.
std::uint16_t StoredValueForEntry(int entry);
