#pragma once
// A registration file read for what no panel could store (impossible
// values) and what the game or the player would trip on (提醒), by the rule
// of values (ValueRules.h). Only registered officers (a surname or a given
// name) are checked.
#include <string>
#include <vector>

#include "core/check/ValueRules.h"

class FaceArchivePair;
enum class OfficerTextScript;  // core/language/UiLanguage.h

// Faces are checked only when `archives` has at least one archive open.
std::vector<Finding> CheckOfficerTable(const OfficerTable& table, const FaceArchivePair* archives);
// The 提醒 alone, of the chosen slots (in their order), without faces: what an
// import tells about the officers it changes.
std::vector<Finding> SuspiciousFindings(const OfficerTable& table, const std::vector<int>& chosen);
// `head` is the file's first 28,604 bytes.
std::vector<Finding> CheckOfficerFile(const std::vector<unsigned char>& head, const FaceArchivePair* archives);

// "652 雷鸣川，父亲：……" or "652 雷鸣川，统率（提醒）：……" for the text report;
// the name in `script` (simplified when not given).
std::string FormatFinding(const Finding& finding, const OfficerTable& table);
std::string FormatFinding(const Finding& finding, const OfficerTable& table, OfficerTextScript script);
