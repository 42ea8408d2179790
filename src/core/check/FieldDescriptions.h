#pragma once
// What each field of the panel means and what it may hold, told to the
// player in its tooltip: the table's meaning, then the values the field
// takes as the table and the rule of values know them (its width, its
// items, its byte limit, the usual ability range, the roster numbers).
#include <string>

#include "core/officers/OfficerFields.h"

// UTF-8, lines separated by "\n"; empty for a field without a meaning.
std::string FieldDescription(const OfficerField& field);
// One skill box: "特技：农业" above the skills' meaning.
std::string SkillDescription(const SkillBox& box);
