#pragma once
// The exchange files (CSV, JSON) against the open document: what an export
// writes, what an import would change, and taking an accepted import in as
// one step of the document's history.
#include <string>
#include <vector>

#include "core/exchange/ExchangeDocument.h"
#include "core/exchange/ExchangeImport.h"

class OfficerDocument;

// The current table's officers (all when `onlySlots` is empty), their
// texts in the document's script.
ExchangeDocument ExportTable(const OfficerDocument& document, const std::vector<int>& onlySlots = {});
// What an exchange document would change in the current table; nothing
// changes yet. The header and preserved bytes stay the file's.
ImportDecision DecideImportInto(const OfficerDocument& document, const ExchangeDocument& imported);
// Takes the changed slots of an accepted decision into the table as
// confirmed, unsaved changes; one step named after the file (UTF-8).
void ApplyImport(OfficerDocument& document, const ImportDecision& decision, const std::string& sourceName);
