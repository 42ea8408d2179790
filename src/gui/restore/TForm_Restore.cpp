#include "gui/restore/TForm_Restore.h"

#include <QFileInfo>
#include <QPushButton>

#include "core/document/OfficerDocument.h"
#include "core/officers/BackupFolder.h"
#include "ui_TForm_Restore.h"

namespace {

enum Column { kTime, kSize, kChanged, kFile };

QString ToQt(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

int DifferentOfficers(const OfficerTable& a, const OfficerTable& b) {
  int count = 0;
  for (std::size_t s = 0; s < kSlotCount; ++s) count += a[s] == b[s] ? 0 : 1;
  return count;
}

}  // namespace

TForm_Restore::TForm_Restore(const OfficerDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), ui_(std::make_unique<Ui::TForm_Restore>()) {
  ui_->setupUi(this);
  FillCopies();
  if (ui_->List_Copies->topLevelItemCount() > 0) ui_->List_Copies->setCurrentItem(ui_->List_Copies->topLevelItem(0));
  connect(ui_->Btn_Restore, &QPushButton::clicked, this, &TForm_Restore::ChooseSelectedCopy);
  connect(ui_->Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->List_Copies, &QTreeWidget::itemDoubleClicked, this, &TForm_Restore::ChooseSelectedCopy);
}

TForm_Restore::~TForm_Restore() = default;

void TForm_Restore::FillCopies() {
  ui_->List_Copies->clear();
  const std::vector<BackupCopy> copies = document_.DatedCopies();
  for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy) {
    QString when = copy->time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (copy->sequence > 1) when = tr("%1（%2）").arg(when).arg(copy->sequence);
    AddCopy(copy->path, when);
  }
  const std::filesystem::path bak = BackupPathFor(document_.FilePath().toStdU16String());
  if (QFileInfo::exists(ToQt(bak))) AddCopy(bak, tr("打开时的文件（.bak）"));
  for (int column = kTime; column <= kFile; ++column) ui_->List_Copies->resizeColumnToContents(column);
}

void TForm_Restore::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
    // The rows again in the new language, the same copy selected.
    QTreeWidget* list = ui_->List_Copies;
    const int selected = list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    FillCopies();
    if (selected >= 0 && selected < list->topLevelItemCount()) list->setCurrentItem(list->topLevelItem(selected));
  }
}

void TForm_Restore::AddCopy(const std::filesystem::path& copy, const QString& when) {
  auto* row = new QTreeWidgetItem(ui_->List_Copies);
  row->setText(kTime, when);
  row->setText(kFile, ToQt(copy.filename()));
  row->setData(kFile, Qt::UserRole, ToQt(copy));
  try {
    const OfficerTable table = LoadOfficerFile(copy);
    row->setText(kSize, tr("%1 字节").arg(QFileInfo(ToQt(copy)).size()));
    row->setText(kChanged, tr("%1 位").arg(DifferentOfficers(table, document_.Table())));
  } catch (const OfficerFileError& damaged) {
    row->setText(kChanged, tr("已损坏，不能恢复"));
    row->setToolTip(kChanged, QString::fromUtf8(damaged.what()));
    row->setFlags(Qt::NoItemFlags);
  }
}

void TForm_Restore::ChooseSelectedCopy() {
  const QTreeWidgetItem* row = ui_->List_Copies->currentItem();
  if (row == nullptr || !(row->flags() & Qt::ItemIsEnabled)) return;
  chosen_ = row->data(kFile, Qt::UserRole).toString().toStdU16String();
  accept();
}
