#include "gui/faces/TForm_InstallDir.h"

#include <QDir>
#include <filesystem>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/MainWindowLook.h"
#include "core/faces/FaceArchive.h"
#include "core/faces/SettingsFile.h"
#include "ui_TForm_InstallDir.h"

namespace {

constexpr int kPathRole = Qt::UserRole;        // the folder's full path, '/' separated
constexpr int kFilledRole = Qt::UserRole + 1;  // its subfolders have been listed

Qt::CaseSensitivity FileNameCase() {
#ifdef _WIN32
  return Qt::CaseInsensitive;
#else
  return Qt::CaseSensitive;
#endif
}

// `path` lies in or is `folder` (both '/' separated, cleaned).
bool IsWithin(const QString& path, const QString& folder) {
  if (path.compare(folder, FileNameCase()) == 0) return true;
  const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
  return path.startsWith(prefix, FileNameCase());
}

}  // namespace

TForm_InstallDir::TForm_InstallDir(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm_InstallDir>()) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  ui_->setupUi(this);
  QTreeWidget* tree = ui_->ShellTreeView_InstallDir;
  // Long folder names scroll sideways instead of being cut off.
  tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Subfolders are listed when a folder is first opened, so the tree comes up at once.
  ConnectGuarded(tree, &QTreeWidget::itemExpanded, this, &TForm_InstallDir::FillFolder);

#ifdef _WIN32
  for (const QFileInfo& drive : QDir::drives()) AddTopFolder(drive.absoluteFilePath(), QString());
#else
  AddTopFolder(QStringLiteral("/"), QStringLiteral("/"));
  const QString home = QDir::homePath();
  if (home != u"/") AddTopFolder(home, QDir::toNativeSeparators(home));
#endif

  ConnectGuarded(tree, &QTreeWidget::itemSelectionChanged, this, &TForm_InstallDir::ShowSelectedPath);
  ConnectGuarded(ui_->Btn_Ok, &QPushButton::clicked, this, &TForm_InstallDir::AcceptFolder);
  ConnectGuarded(ui_->Btn_Cancel, &QPushButton::clicked, this, &TForm_InstallDir::CancelChoice);

  installPath_ = ReadSettingsFile();
  CentreOnScreen(this);
}

TForm_InstallDir::~TForm_InstallDir() = default;

void TForm_InstallDir::AddTopFolder(const QString& path, const QString& caption) {
  auto* item = new QTreeWidgetItem(ui_->ShellTreeView_InstallDir);
  const QString clean = QDir::cleanPath(path);
  item->setText(0, caption.isEmpty() ? QDir::toNativeSeparators(clean) : caption);
  item->setData(0, kPathRole, clean);
  QStyle::StandardPixmap icon = QStyle::SP_DirIcon;
  if (clean == QDir::cleanPath(QDir::homePath())) icon = QStyle::SP_DirHomeIcon;
#ifdef _WIN32
  icon = QStyle::SP_DriveHDIcon;
#endif
  item->setIcon(0, style()->standardIcon(icon));
  item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

void TForm_InstallDir::FillFolder(QTreeWidgetItem* item) {
  if (item == nullptr || item->data(0, kFilledRole).toBool()) return;
  item->setData(0, kFilledRole, true);
  const QString path = item->data(0, kPathRole).toString();
  const QFileInfoList folders =
      QDir(path).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
  // Hidden folders (a Wine prefix is one) come after the others.
  for (const bool hidden : {false, true}) {
    for (const QFileInfo& folder : folders) {
      if (folder.isHidden() != hidden) continue;
      auto* child = new QTreeWidgetItem(item);
      child->setText(0, folder.fileName());
      child->setData(0, kPathRole, QDir::cleanPath(path + u'/' + folder.fileName()));
      child->setIcon(0, icon);
      child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
  }
  if (item->childCount() == 0) item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QString TForm_InstallDir::SelectedFolder() const {
  const QList<QTreeWidgetItem*> selected = ui_->ShellTreeView_InstallDir->selectedItems();
  if (selected.isEmpty()) return QString();
  return QDir::toNativeSeparators(selected.first()->data(0, kPathRole).toString());
}

QTreeWidgetItem* TForm_InstallDir::RevealFolder(const QString& path) {
  const QString target = QDir::cleanPath(QDir::fromNativeSeparators(path));
  // The top item nearest to the folder: the home folder rather than "/".
  QTreeWidgetItem* item = nullptr;
  const QTreeWidget* tree = ui_->ShellTreeView_InstallDir;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = tree->topLevelItem(i);
    const QString topPath = top->data(0, kPathRole).toString();
    if (IsWithin(target, topPath) && (item == nullptr || topPath.size() > item->data(0, kPathRole).toString().size()))
      item = top;
  }
  while (item != nullptr) {
    const QString itemPath = item->data(0, kPathRole).toString();
    if (itemPath.compare(target, FileNameCase()) == 0) return item;
    FillFolder(item);
    item->setExpanded(true);
    QTreeWidgetItem* next = nullptr;
    for (int i = 0; i < item->childCount() && next == nullptr; ++i)
      if (IsWithin(target, item->child(i)->data(0, kPathRole).toString())) next = item->child(i);
    item = next;
  }
  return nullptr;
}

void TForm_InstallDir::SelectFolder(const QString& path) {
  if (path.isEmpty()) return;
  QTreeWidgetItem* item = RevealFolder(path);
  if (item == nullptr) return;
  ui_->ShellTreeView_InstallDir->setCurrentItem(item);
  ui_->ShellTreeView_InstallDir->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void TForm_InstallDir::ShowSelectedPath() {
  const QString path = SelectedFolder();
  QLabel* shown = ui_->Label_SelectedPath;
  shown->setToolTip(path);
  shown->setText(shown->fontMetrics().elidedText(path, Qt::ElideMiddle, shown->width()));
}

void TForm_InstallDir::AcceptFolder() {
  const QString chosen = SelectedFolder();
  if (!chosen.isEmpty() && !std::filesystem::exists(ArchivePath(chosen, kMainArchiveName))) {
    const QString question = tr("此文件夹中没有头像文件 grp\\grpfaces.vmr，仍然使用它吗？");
    if (seam::Ask(this, question, {tr("使用"), tr("取消")}) != 0) return;
  }
  installPath_ = chosen;
  // The chosen folder serves this run even when it cannot be stored.
  if (!WriteSettingsFile(installPath_)) seam::ShowMessage(this, tr("无法创建配置文件"));
  accept();
}

void TForm_InstallDir::CancelChoice() {
  installPath_.clear();
  reject();
}

void TForm_InstallDir::keyPressEvent(QKeyEvent* event) {
  // Escape works the Cancel button; closing by the title bar does not.
  if (event->matches(QKeySequence::Cancel)) {
    ui_->Btn_Cancel->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm_InstallDir::showEvent(QShowEvent* event) {
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

void TForm_InstallDir::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
  }
}
