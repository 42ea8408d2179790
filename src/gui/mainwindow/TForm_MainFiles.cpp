// The main window's file commands: reload, save, save as, the backups that
// can be brought back, recent files, a file dropped on the window, and the
// file changing on disk while it is open.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>

#include "core/convert/OfficerTextConversion.h"
#include "core/document/OfficerDocument.h"
#include "core/faces/RecentFiles.h"
#include "gui/editor/EditorPanel.h"
#include "gui/mainwindow/TForm_Main.h"
#include "gui/restore/TForm_Restore.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/NoteBalloon.h"
#include "ui_TForm_Main.h"

namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

}  // namespace

bool TForm_Main::MaySetAsideChanges() {
  const bool pendingEdits = editorPanel_->HasUnconfirmedEdits();
  if (!document_->IsModified() && !pendingEdits) return true;
  const int answer = seam::Ask(this, tr("修改尚未保存，是否保存？"),
                               {tr("保存"), tr("不保存"), tr("取消")});
  if (answer == 1) return true;
  if (answer != 0) return false;
  // A bad number or a failed save throws: the command does not go on.
  if (pendingEdits) editorPanel_->ConfirmEdits();
  return SaveWithQuestions();
}

void TForm_Main::ReloadFile() {
  if (!document_->HasFile()) {
    seam::ShowMessage(this, tr("请先打开一个存档文件！"));
    ChooseFileToOpen();
    return;
  }
  if (!MaySetAsideChanges()) return;
  document_->Reload();
}

void TForm_Main::SaveFile() {
  if (!document_->HasFile()) {
    seam::ShowMessage(this, tr("请先打开新武将登陆文件！"));
    ChooseFileToOpen();
    return;
  }
  if (editorPanel_->HasUnconfirmedEdits()) {
    const int answer = seam::Ask(this, tr("当前武将的修改尚未确认。"),
                                 {tr("确认修改后保存"), tr("只保存已确认的"), tr("取消")});
    if (answer != 0 && answer != 1) return;
    if (answer == 0) editorPanel_->ConfirmEdits();  // a refused value stops the save
  }
  SaveWithQuestions();
}

bool TForm_Main::SaveWithQuestions() {
  OfficerDocument::SaveChoice choice;
  const QString file = Shown(document_->FilePath());
  switch (document_->CheckDisk()) {
    case OfficerDocument::DiskState::Same:
      break;
    case OfficerDocument::DiskState::Changed: {
      const int answer = seam::Ask(
          this, tr("%1 在读入后被其他程序改变了。\n重新载入：读入磁盘上的文件，放弃窗口中未保存的修改；\n覆盖：用窗口中的武将表覆盖磁盘上的文件。").arg(file),
          {tr("重新载入"), tr("覆盖"), tr("取消")});
      if (answer == 0) document_->Reload();
      if (answer != 1) return false;
      choice.overwriteChanged = true;
      break;
    }
    case OfficerDocument::DiskState::Missing:
      if (seam::Ask(this, tr("%1 已不在原处（被删除或移走）。按窗口中的武将表重新写出这个文件吗？").arg(file),
                    {tr("重新写出"), tr("取消")}) != 0) {
        return false;
      }
      choice.overwriteChanged = true;
      break;
  }
  try {
    document_->Save(choice);
  } catch (const BackupFolderError& e) {
    const QString question = tr("%1。\n仍然保存吗？（.bak 照常建立，只是不留这次保存前的副本）").arg(QString::fromUtf8(e.what()));
    if (seam::Ask(this, question, {tr("保存，不留副本"), tr("取消")}) != 0) return false;
    choice.withoutDatedCopy = true;
    document_->Save(choice);
  }
  ignoredDiskState_.reset();
  return true;
}

void TForm_Main::CheckFileOnDisk() {
  if (!document_->HasFile() || checkingDisk_) return;
  const OfficerDocument::DiskState state = document_->CheckDisk();
  if (state == OfficerDocument::DiskState::Same) return;
  const DiskStamp now = document_->DiskNow();
  if (ignoredDiskState_ && ignoredDiskState_->SameContent(now)) return;
  // The questions below activate the window again when they close.
  checkingDisk_ = true;
  const struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{checkingDisk_};
  ignoredDiskState_ = now;
  const QString file = Shown(document_->FilePath());
  if (state == OfficerDocument::DiskState::Missing) {
    seam::ShowMessage(this, tr("%1 已不在原处（被删除或移走）。窗口中的武将表还在，保存时可以重新写出这个文件。").arg(file));
    return;
  }
  if (!document_->IsModified() && !editorPanel_->HasUnconfirmedEdits()) {
    document_->Reload();
    return;
  }
  const int answer = seam::Ask(
      this, tr("%1 在读入后被其他程序改变了，窗口中还有未保存的修改。\n重新载入：读入磁盘上的文件，放弃这些修改；\n覆盖：用窗口中的武将表覆盖磁盘上的文件。").arg(file),
      {tr("重新载入"), tr("覆盖"), tr("取消")});
  if (answer == 0) document_->Reload();
  if (answer == 1) {
    OfficerDocument::SaveChoice choice;
    choice.overwriteChanged = true;
    document_->Save(choice);
  }
}

void TForm_Main::SaveFileAs() {
  if (!document_->HasFile()) {
    seam::ShowMessage(this, tr("请先打开新武将登陆文件！"));
    return;
  }
  if (editorPanel_->HasUnconfirmedEdits()) {
    const int answer = seam::Ask(this, tr("当前武将的修改尚未确认。"),
                                 {tr("确认修改后保存"), tr("只保存已确认的"), tr("取消")});
    if (answer != 0 && answer != 1) return;
    if (answer == 0) editorPanel_->ConfirmEdits();
  }
  // The open dialog lists files of this name only: the copy is offered so.
  const QString suggested = QFileInfo(document_->FilePath()).dir().filePath(QStringLiteral("TPERSON.VMR"));
  const QString chosen = seam::AskSaveFileName(this, tr("Velmora自登陆武将文件 (TPERSON.VMR);;所有文件 (*)"),
                                               suggested, QStringLiteral("VMR"));
  if (chosen.isEmpty()) return;
  document_->SaveAs(chosen);
  RememberRecentFile(chosen);
}

void TForm_Main::RestoreDatedCopy() {
  if (!document_->HasFile()) {
    seam::ShowMessage(this, tr("请先打开新武将登陆文件！"));
    return;
  }
  std::filesystem::path chosen;
  {
    TForm_Restore dialog(*document_, this);
    if (seam::RunModal(&dialog) != QDialog::Accepted || dialog.ChosenCopy().empty()) return;
    chosen = dialog.ChosenCopy();
  }
  document_->RestoreCopy(chosen);
}

void TForm_Main::ShowModifiedMark() {
  setWindowModified(document_->IsModified() || editorPanel_->HasUnconfirmedEdits());
}

void TForm_Main::TakeOpenedFile() {
  RememberRecentFile(document_->FilePath());
  int japanese = 0;
  for (OfficerRecord record : document_->Table()) japanese += ConvertOfficerTexts(record) ? 1 : 0;
  if (japanese == 0) return;
  if (auto* convertAll = findChild<QWidget*>(QStringLiteral("Button2"))) {
    NoteBalloon::ShowBeside(convertAll, tr("有 %1 位武将的文字像是日文版（Shift-JIS）写的，游戏中会显示成乱码：\n请用“所有武将日文-->中文”转换。")
                                            .arg(japanese));
  }
}

void TForm_Main::ShowRecentFiles() {
  ui_->Menu_Recent->clear();
  const QStringList files = ReadRecentFiles();
  if (files.isEmpty()) ui_->Menu_Recent->addAction(tr("（无）"))->setEnabled(false);
  int number = 0;
  for (const QString& file : files) {
    const bool there = QFileInfo(file).isFile();
    QString caption = QStringLiteral("&%1 %2").arg(++number).arg(QDir::toNativeSeparators(file));
    if (!there) caption = tr("%1（已不在）").arg(caption);
    QAction* entry = ui_->Menu_Recent->addAction(caption);
    entry->setEnabled(there);
    ConnectGuarded(entry, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
  }
}

void TForm_Main::OpenRecentFile(const QString& path) {
  if (!MaySetAsideChanges()) return;
  OpenOfficerFile(path);
}

void TForm_Main::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RunGuarded(this, [this] { CheckFileOnDisk(); });
  if (event->type() == QEvent::LanguageChange) ShowTranslatedTexts();
}

void TForm_Main::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile()) event->acceptProposedAction();
}

void TForm_Main::dropEvent(QDropEvent* event) {
  const QString path = event->mimeData()->urls().first().toLocalFile();
  event->acceptProposedAction();
  RunGuarded(this, [this, path] {
    if (QFileInfo(path).isDir()) {
      seam::ShowMessage(this, tr("%1 是文件夹，不是新武将档（TPERSON.VMR）。").arg(Shown(path)));
      return;
    }
    if (MaySetAsideChanges()) OpenOfficerFile(path);
  });
}
