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
  const std::vector<BackupCopy> copies = document.DatedCopies();
  for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy) {
    QString when = copy->time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (copy->sequence > 1) when += QStringLiteral("（%1）").arg(copy->sequence);
    AddCopy(copy->path, when);
  }
  const std::filesystem::path bak = BackupPathFor(document.FilePath().toStdU16String());
  if (QFileInfo::exists(ToQt(bak))) AddCopy(bak, QStringLiteral("打开时的文件（.bak）"));
  for (int column = kTime; column <= kFile; ++column) ui_->List_Copies->resizeColumnToContents(column);
  if (ui_->List_Copies->topLevelItemCount() > 0) ui_->List_Copies->setCurrentItem(ui_->List_Copies->topLevelItem(0));
  connect(ui_->Btn_Restore, &QPushButton::clicked, this, &TForm_Restore::ChooseSelectedCopy);
  connect(ui_->Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->List_Copies, &QTreeWidget::itemDoubleClicked, this, &TForm_Restore::ChooseSelectedCopy);
}

TForm_Restore::~TForm_Restore() = default;

void TForm_Restore::AddCopy(const std::filesystem::path& copy, const QString& when) {
  auto* row = new QTreeWidgetItem(ui_->List_Copies);
  row->setText(kTime, when);
  row->setText(kFile, ToQt(copy.filename()));
  row->setData(kFile, Qt::UserRole, ToQt(copy));
  try {
    const OfficerTable table = LoadOfficerFile(copy);
    row->setText(kSize, QStringLiteral("%1 字节").arg(QFileInfo(ToQt(copy)).size()));
    row->setText(kChanged, QStringLiteral("%1 位").arg(DifferentOfficers(table, document_.Table())));
  } catch (const OfficerFileError& damaged) {
    row->setText(kChanged, QStringLiteral("已损坏，不能恢复"));
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
