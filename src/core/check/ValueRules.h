#pragma once
// What an officer may hold, in three strengths, for the panel, the import
// and the check alike:
//   impossible  refused everywhere: a number beyond its field's width or
//               negative, an enumeration value outside its list (no
//               selection, 0xFF, stays possible: the panel stores it), a
//               relationship beyond 831 other than "none", a text that
//               DecideText (core/convert/TypedText.h) refuses;
//   suspicious  allowed, reported as 提醒: abilities above 99, deaths before
//               birth or first appearance, parents born after the child,
//               relationships to empty slots or to oneself, faces the
//               archives lack, enumerations left without a selection,
//               two officers of the same name (the check only);
//   fine        everything else. The editor imposes no game range: 150 in
//               统率 is fine to store.
// Messages are UTF-8 and start with the field's label ("统率：…").
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/officers/OfficerFields.h"

class FaceArchivePair;

// Abilities above this are allowed but unusual in the game (提醒).
constexpr unsigned kUsualAbilityMaximum = 99;

// An impossible value; the message names the field by its label, the
// control (when the panel has one) is where the player fixes it.
class ImpossibleValue : public std::runtime_error {
 public:
  ImpossibleValue(const OfficerField& field, const std::string& message);
  // A message that stands as it is, without the label.
  struct Unlabelled {
    std::string message;
  };
  ImpossibleValue(const OfficerField& field, const Unlabelled& message);
  const OfficerField& Field() const { return *field_; }

 private:
  const OfficerField* field_;
};

// "统率：70000 超出范围 0–65535".
std::string Labelled(const OfficerField& field, const std::string& message);

// Nullopt when the value fits, else why not (without the label).
std::optional<std::string> NumberProblem(const OfficerField& field, long long value);
std::optional<std::string> EnumerationProblem(const OfficerField& field, long long value);
// A relationship holds a number of the game's roster (0-831) or 0xFFFF for none.
bool IsRelationshipValue(long long value);
std::optional<std::string> RelationshipProblem(long long value);
// "0 平凡、1 猛将、…" for messages.
std::string EnumerationChoices(const OfficerField& field);

// One thing the check found in a registration file.
struct Finding {
  int slot = -1;
  const OfficerField* field = nullptr;  // nullptr: the record as a whole
  std::string_view kind;                // a short fixed word: "relationship", "years", ...
  bool suspicious = false;              // 提醒: allowed, worth a look
  std::string message;                  // UTF-8, without the label
};

// What a stored record holds that no panel could store (enumerations
// outside their lists, relationships 832-65534, texts not of Big5 form or
// in Shift-JIS).
std::vector<Finding> ImpossibleStoredValues(const OfficerRecord& record, int slot);

// Impossible stored values over the whole table, registered or not: a file
// where many slots hold them is likely no officer file at all.
struct ImplausibleCount {
  int slotCount = 0;   // slots holding at least one
  int valueCount = 0;  // all of them
};
ImplausibleCount CountImpossibleValues(const OfficerTable& table);

// The suspicious values of one registered slot, seen with the whole table
// (for parents and links); faces only when an archive is open.
std::vector<Finding> SuspiciousValues(const OfficerTable& table, int slot, const FaceArchivePair* archives);

// A 提醒 when earlier slots hold officers of the same surname and given name
// (both given, their stored bytes alike): "与 650、652 同名". Only the later
// namesakes report, so that two officers of one name make one finding.
std::optional<Finding> SameNameAsEarlier(const OfficerTable& table, int slot);

