#pragma once
// The names of the game's roster persons, each with its simplified form (as
// the pickers show it in simplified Chinese) and its traditional form (as the
// traditional-Chinese game shows it). The new officers 650-759 are not here:
// their entries are the registration file's names.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/officers/OfficerRecord.h"

struct RosterName {
  std::string_view simplified;
  std::string_view traditional;
};

inline constexpr std::size_t kHistoricalRosterCount = static_cast<std::size_t>(kFirstNewOfficer);  // 0-649
inline constexpr std::size_t kSpecialRosterCount = 72;                   // 760-831

// Roster numbers 0-649, the game's historical officers, in the game's own
// order. Equal names (496/497, 592-594) are different persons.
extern const std::array<RosterName, kHistoricalRosterCount> kHistoricalRosterNames;
// Roster numbers 760-831: special persons and figures, then the generic
// roles that events use (some of them the game's Japanese words).
extern const std::array<RosterName, kSpecialRosterCount> kSpecialRosterNames;
