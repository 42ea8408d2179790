#include "core/document/SlotTools.h"

#include "core/list/OfficerRoster.h"
#include "core/officers/OfficerFields.h"

OfficerRecord EmptySlotRecord() {
  OfficerRecord record;
  for (const OfficerField* link : FieldsOfKind(FieldKind::Relationship)) SetFieldValue(record, *link, kNoOfficer);
  record.Type = kNoType;
  return record;
}

OfficerRecord PastedRecord(const OfficerRecord& copied, int sourceSlot, int targetSlot) {
  OfficerRecord pasted = copied;
  const unsigned sourceNumber = static_cast<unsigned>(sourceSlot + kFirstNewOfficer);
  const unsigned targetNumber = static_cast<unsigned>(targetSlot + kFirstNewOfficer);
  for (const OfficerField* link : FieldsOfKind(FieldKind::Relationship)) {
    if (FieldValue(pasted, *link) == sourceNumber) SetFieldValue(pasted, *link, targetNumber);
  }
  return pasted;
}
