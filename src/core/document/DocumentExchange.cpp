#include "core/document/DocumentExchange.h"

#include "core/document/OfficerDocument.h"
#include "core/exchange/ExchangeExport.h"
#include "core/language/CoreText.h"

ExchangeDocument ExportTable(const OfficerDocument& document, const std::vector<int>& onlySlots) {
  return ExportDocument(document.CurrentHead(), onlySlots, document.TextScript());
}

ImportDecision DecideImportInto(const OfficerDocument& document, const ExchangeDocument& imported) {
  return DecideImport(imported, document.CurrentHead(), true);
}

void ApplyImport(OfficerDocument& document, const ImportDecision& decision, const std::string& sourceName) {
  if (!decision.Accepted() || decision.changes.after.size() < kOfficerFileSize) return;
  const OfficerTable after = TableOfHead(decision.changes.after);
  std::vector<OfficerDocument::SlotChange> changes;
  for (const int slot : decision.changes.ChangedSlots()) changes.push_back({slot, after[static_cast<std::size_t>(slot)]});
  const std::string count = std::to_string(decision.changes.changes.size());
  document.ChangeRecords(changes,
                         CoreText("DocumentExchange", QT_TRANSLATE_NOOP("DocumentExchange", "导入 %1（%2 处）"), {sourceName, count}));
}
