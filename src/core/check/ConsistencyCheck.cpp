#include "core/check/ConsistencyCheck.h"

#include "core/language/CoreText.h"
#include "core/language/UiLanguage.h"
#include "core/list/OfficerList.h"
#include "core/officers/OfficerFile.h"

std::vector<Finding> CheckOfficerTable(const OfficerTable& table, const FaceArchivePair* archives) {
  std::vector<Finding> findings;
  for (int s = 0; s < static_cast<int>(kSlotCount); ++s) {
    const OfficerRecord& record = table[static_cast<std::size_t>(s)];
    if (!IsRegistered(record)) continue;
    for (Finding& f : ImpossibleStoredValues(record, s)) findings.push_back(std::move(f));
    for (Finding& f : SuspiciousValues(table, s, archives)) findings.push_back(std::move(f));
    if (std::optional<Finding> namesake = SameNameAsEarlier(table, s)) findings.push_back(std::move(*namesake));
  }
  return findings;
}

std::vector<Finding> SuspiciousFindings(const OfficerTable& table, const std::vector<int>& chosen) {
  std::vector<Finding> findings;
  for (const int s : chosen) {
    if (!IsRegistered(table[static_cast<std::size_t>(s)])) continue;
    for (Finding& f : SuspiciousValues(table, s, nullptr)) findings.push_back(std::move(f));
  }
  return findings;
}

std::vector<Finding> CheckOfficerFile(const std::vector<unsigned char>& head, const FaceArchivePair* archives) {
  return CheckOfficerTable(TableOfHead(head), archives);
}

std::string FormatFinding(const Finding& finding, const OfficerTable& table) {
  return FormatFinding(finding, table, OfficerTextScript::Simplified);
}

std::string FormatFinding(const Finding& finding, const OfficerTable& table, OfficerTextScript script) {
  const OfficerRecord& record = table[static_cast<std::size_t>(finding.slot)];
  const std::string who = SlotNameUtf8(record, finding.slot, NameUse::Message, script);
  const std::string label = finding.field ? FieldLabel(*finding.field) : std::string();
  return finding.suspicious
             ? CoreText("ConsistencyCheck", QT_TRANSLATE_NOOP("ConsistencyCheck", "%1，%2（提醒）：%3"), {who, label, finding.message})
             : CoreText("ConsistencyCheck", QT_TRANSLATE_NOOP("ConsistencyCheck", "%1，%2：%3"), {who, label, finding.message});
}
