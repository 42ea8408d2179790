#include "gui/exchange/ImportPreviewDialog.h"

#include <QTableWidgetItem>

#include "core/check/ConsistencyCheck.h"
#include "core/convert/GbkText.h"
#include "core/exchange/ExchangeFields.h"
#include "ui_ImportPreviewDialog.h"

namespace {

// A changed Big5 text as the game will show it (traditional, from the bytes
// the import stores); empty for other fields.
QString StoredForm(const FieldChange& change, const OfficerTable& after) {
  const OfficerField* field = Big5TextField(change);
  return field ? FromBig5(FieldText(after[static_cast<std::size_t>(change.slot)], *field)) : QString();
}

// A changed value as the list of changes gives it (simplified), or a Big5
// text exactly as stored where texts are shown in the traditional script.
QString ShownValue(const FieldChange& change, const std::string& listed, const OfficerTable& table,
                   OfficerTextScript script) {
  if (script == OfficerTextScript::Traditional && Big5TextField(change)) return StoredForm(change, table);
  return QString::fromStdString(listed);
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const ImportDecision& decision, const std::vector<std::string>& readNotes,
                                         OfficerTextScript script, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ImportPreviewDialog>()) {
  ui_->setupUi(this);
  const ChangeSet& changes = decision.changes;
  const std::vector<int> changedSlots = changes.ChangedSlots();
  changedOfficers_ = static_cast<qsizetype>(changedSlots.size());
  changedValues_ = static_cast<qsizetype>(changes.changes.size());
  for (const std::string& note : readNotes) readNotes_ += QString::fromStdString(note) + u'\n';
  const OfficerTable before = TableOfHead(changes.before);
  const OfficerTable after = TableOfHead(changes.after);
  for (const Finding& note : decision.notes) findings_ += u'\n' + QString::fromStdString(FormatFinding(note, after, script));
  ShowSummary();
  QTableWidget* table = ui_->Table_Changes;
  table->setRowCount(static_cast<int>(changes.changes.size()));
  int row = 0;
  for (const FieldChange& change : changes.changes) {
    const QString cells[] = {QString::fromStdString(ChangedOfficerName(change, after, script)),
                             QString::fromStdString(ChangedFieldLabel(change)),
                             ShownValue(change, change.before, before, script),
                             ShownValue(change, change.after, after, script), StoredForm(change, after)};
    for (int column = 0; column < 5; ++column) table->setItem(row, column, new QTableWidgetItem(cells[column]));
    ++row;
  }
  table->resizeColumnsToContents();
  connect(ui_->Btn_Apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ImportPreviewDialog::~ImportPreviewDialog() = default;

void ImportPreviewDialog::ShowSummary() {
  ui_->Label_Summary->setText(
      readNotes_ + tr("将改变 %1 位武将的 %2 处内容。应用后请保存新武将档；文件头和保留字节保持文件中的值。")
                       .arg(changedOfficers_)
                       .arg(changedValues_) +
      findings_);
}

void ImportPreviewDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
    ShowSummary();
  }
}
