#pragma once
// From an exchange document back to the registration file's bytes. The
// import decides everything before anything changes: either every value
// fits and the result is a change set, or nothing changes and every error
// is listed. ExchangeExport.h goes the other way.
#include <vector>

#include "core/check/ValueRules.h"
#include "core/exchange/ChangeSet.h"
#include "core/exchange/ExchangeDocument.h"

struct ImportDecision {
  std::vector<ExchangeError> errors;
  ChangeSet changes;  // empty when there are errors
  // 提醒 of the changed slots as they would be after the import: allowed,
  // shown to the player before anything is stored.
  std::vector<Finding> notes;
  bool Accepted() const { return errors.empty(); }
};

// Applies the document to a copy of `head`. A slot with raw bytes starts
// each named field from the exported bytes; a slot without starts from the
// file's. A value that means what the field holds keeps the field's bytes.
// With keepPreserved the header and the preserved ranges stay the file's
// (the window's save writes only named fields).
ImportDecision DecideImport(const ExchangeDocument& document, const std::vector<unsigned char>& head,
                            bool keepPreserved = false);
