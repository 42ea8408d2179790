#pragma once
// The game's own vocabulary in either script: the enumeration items of the
// field table and the skill names are the game's words, shown as the game
// shows them (traditional) to readers of the other two languages, with a
// short English gloss of their meaning for readers of English.
#include <cstddef>
#include <string_view>

#include "core/language/UiLanguage.h"
#include "core/officers/OfficerFields.h"

std::string_view WordIn(const GameWord& word, OfficerTextScript script);

// Item `item` of an enumeration field (index = stored value) in the script,
// and its English meaning; empty for a field without items or past them.
std::string_view ItemText(const OfficerField& field, std::size_t item, OfficerTextScript script);
std::string_view ItemMeaning(const OfficerField& field, std::size_t item);

// A skill box's caption in the script, and its English meaning.
std::string_view SkillText(const SkillBox& box, OfficerTextScript script);
std::string_view SkillMeaning(const SkillBox& box);
