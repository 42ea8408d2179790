#include "gui/faces/FaceMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QProgressDialog>
#include <filesystem>

#include "core/document/OfficerDocument.h"
#include "core/list/OfficerList.h"
#include "core/faces/FaceArchivePair.h"
#include "core/faces/FaceSelection.h"
#include "core/faces/GameFaces.h"
#include "core/list/OfficerFinder.h"
#include "gui/faces/FaceReplaceDialog.h"
#include "gui/faces/PortraitPanel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "portraits/ContactSheet.h"
#include "portraits/FaceExport.h"
#include "portraits/PictureToFace.h"

namespace {

QString PngFilter() { return QCoreApplication::translate("FaceMenu", "PNG 图片 (*.png)"); }
QString PictureFilter() { return QCoreApplication::translate("FaceMenu", "图片 (*.png *.jpg *.jpeg *.bmp *.gif)"); }

QString PathText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

QString Quoted(const QString& path) { return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path)); }

QAction* AddAction(QMenu& menu, const char* objectName, const QString& text) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QString::fromLatin1(objectName));
  return action;
}

// The player pressed 取消 in the progress window.
struct WorkCancelled {};

// A progress window for a long piece of work over the faces; it shows after
// a moment and stops the work (WorkCancelled) when cancelled.
class WorkProgress {
 public:
  WorkProgress(const QString& text, QWidget* parent) : dialog_(text, QCoreApplication::translate("FaceMenu", "取消"), 0, 1, parent) {
    dialog_.setObjectName(QStringLiteral("FaceProgress"));
    dialog_.setWindowTitle(seam::ApplicationTitle());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(300);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
  }
  FaceProgress Callback() {
    return [this](int done, int total) {
      dialog_.setMaximum(total);
      dialog_.setValue(done);
      if (dialog_.wasCanceled()) throw WorkCancelled{};
    };
  }

 private:
  QProgressDialog dialog_;
};

bool BackupExists(const std::filesystem::path& archive) {
  std::error_code error;
  return std::filesystem::exists(GameFaces::BackupPathFor(archive), error);
}

}  // namespace

FaceMenu::FaceMenu(QMenu& menu, FaceArchivePair& archives, const OfficerDocument& document, PortraitPanel& portrait,
                   QWidget* window)
    : QObject(window), archives_(archives), document_(document), portrait_(portrait), window_(window) {
  setObjectName(QStringLiteral("FaceMenu"));
  exportFace_ = AddAction(menu, "Menu_ExportFace", QString());
  replaceFace_ = AddAction(menu, "Menu_ReplaceFace", QString());
  restoreFace_ = AddAction(menu, "Menu_RestoreFace", QString());
  menu.addSeparator();
  exportAll_ = AddAction(menu, "Menu_ExportAllFaces", QString());
  faceSheet_ = AddAction(menu, "Menu_FaceSheet", QString());
  ShowTexts();
  const auto onPanelFace = [this](void (FaceMenu::*command)(int, QWidget*)) {
    return [this, command] {
      if (const std::optional<int> face = PanelFace()) (this->*command)(*face, window_);
    };
  };
  ConnectGuarded(exportFace_, &QAction::triggered, this, onPanelFace(&FaceMenu::ExportFace));
  ConnectGuarded(replaceFace_, &QAction::triggered, this, onPanelFace(&FaceMenu::ReplaceFace));
  ConnectGuarded(restoreFace_, &QAction::triggered, this, onPanelFace(&FaceMenu::RestoreFace));
  ConnectGuarded(exportAll_, &QAction::triggered, this, &FaceMenu::ExportAllFaces);
  ConnectGuarded(faceSheet_, &QAction::triggered, this, &FaceMenu::DrawFaceSheet);
  ConnectGuarded(&menu, &QMenu::aboutToShow, this, &FaceMenu::EnableMenu);
  EnableMenu();

  portrait_.SetFaceMenu([this](int face, const QPoint& globalPos, QWidget* over) {
    RunGuarded(over, [&] { ShowContextMenu(face, globalPos, over); });
  });
  connect(this, &FaceMenu::faceChanged, &portrait_, &PortraitPanel::FaceChanged);
}

void FaceMenu::ShowTexts() {
  exportFace_->setText(tr("导出此头像…"));
  replaceFace_->setText(tr("替换此头像…"));
  restoreFace_->setText(tr("恢复原头像"));
  exportAll_->setText(tr("导出全部头像…"));
  faceSheet_->setText(tr("头像总览图…"));
}

bool FaceMenu::event(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ShowTexts();
  return QObject::event(event);
}

GameFaces FaceMenu::Game() const { return GameFaces(archives_.Directory()); }

std::optional<int> FaceMenu::PanelFace() const {
  if (!archives_.Main()) return std::nullopt;
  return portrait_.ShownFace();
}

void FaceMenu::EnableMenu() {
  const std::optional<int> face = PanelFace();
  exportFace_->setEnabled(face.has_value());
  replaceFace_->setEnabled(face.has_value());
  restoreFace_->setEnabled(face && CanRestore(*face));
  exportAll_->setEnabled(archives_.Main() != nullptr);
  faceSheet_->setEnabled(archives_.Main() != nullptr);
}

void FaceMenu::ShowContextMenu(int face, const QPoint& globalPos, QWidget* over) {
  if (!archives_.Main()) return;
  auto* menu = new QMenu(over);
  menu->setObjectName(QStringLiteral("FaceContextMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto add = [&](const char* objectName, const QString& text, void (FaceMenu::*command)(int, QWidget*)) {
    QAction* action = AddAction(*menu, objectName, text);
    ConnectGuarded(action, &QAction::triggered, over, [this, command, face, over] { (this->*command)(face, over); });
    return action;
  };
  add("FaceMenu_Export", tr("导出此头像…"), &FaceMenu::ExportFace);
  add("FaceMenu_Replace", tr("替换此头像…"), &FaceMenu::ReplaceFace);
  add("FaceMenu_Restore", tr("恢复原头像"), &FaceMenu::RestoreFace)->setEnabled(CanRestore(face));
  menu->popup(globalPos);
}

bool FaceMenu::CanRestore(int face) const {
  const GameFaces game = Game();
  const std::optional<FaceImage> backup = game.ReadBackup(face);
  if (!backup) return false;
  try {
    const FaceImage stored = game.Read(face);
    return stored.pixels != backup->pixels || stored.palette != backup->palette;
  } catch (const FaceArchiveError&) {
    return true;  // the archive lost the face; the backup still has it
  }
}

QStringList FaceMenu::FaceUsers(int face) const {
  QStringList users;
  if (!document_.HasFile()) return users;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    const OfficerRecord& record = document_.Record(slot);
    if (record.Face != face || IsEmptySlot(record)) continue;
    const std::string name = SlotNameUtf8(record, slot, NameUse::ListRow, document_.TextScript());
    users.append(QString::number(slot + kFirstNewOfficer) + u' ' + QString::fromStdString(name).trimmed());
  }
  return users;
}

void FaceMenu::ExportFace(int face, QWidget* over) {
  const QString file = seam::AskSaveFileName(over, PngFilter(), FaceFileName(face), QStringLiteral("png"));
  if (file.isEmpty()) return;
  ::ExportFace(Game(), face, file);
}

void FaceMenu::ReplaceFace(int face, QWidget* over) {
  const QString file = seam::AskOpenFileName(over, PictureFilter());
  if (file.isEmpty()) return;
  const QImage picture = LoadPicture(file);
  const GameFaces game = Game();
  FaceReplaceDialog preview(face, game.Read(face), picture, FaceUsers(face), over);
  if (seam::RunModal(&preview) != QDialog::Accepted) return;
  const bool hadBackup = BackupExists(game.PathFor(face));
  ChangeArchives(face, [&] { game.Replace({{face, preview.NewFace()}}); });
  if (!hadBackup && BackupExists(game.PathFor(face))) {
    const QString backup = PathText(GameFaces::BackupPathFor(game.PathFor(face)));
    seam::ShowMessage(over, tr("头像档原样备份为 %1").arg(Quoted(backup)));
  }
}

void FaceMenu::RestoreFace(int face, QWidget* over) {
  if (!CanRestore(face)) {
    seam::ShowMessage(over, tr("头像 %1 与备份中的相同，无需恢复").arg(face));
    return;
  }
  const GameFaces game = Game();
  ChangeArchives(face, [&] { game.Restore({face}); });
}

template <typename Change>
void FaceMenu::ChangeArchives(int face, Change change) {
  archives_.CloseFiles();
  try {
    change();
  } catch (...) {
    archives_.Reopen();
    emit faceChanged(face);
    throw;
  }
  archives_.Reopen();
  emit faceChanged(face);
}

void FaceMenu::ExportAllFaces() {
  const QString folder = seam::AskFolder(window_, tr("导出全部头像到文件夹"));
  if (folder.isEmpty()) return;
  const GameFaces game = Game();
  const std::vector<int> faces = AllFaces(game.AddedFaceCount());
  try {
    WorkProgress progress(tr("导出头像…"), window_);
    ExportFaces(game, faces, folder, progress.Callback());
  } catch (const WorkCancelled&) {
    return;
  }
  seam::ShowMessage(window_, tr("已导出 %1 个头像到 %2").arg(faces.size()).arg(Quoted(folder)));
}

void FaceMenu::DrawFaceSheet() {
  const QString file = seam::AskSaveFileName(window_, PngFilter(), tr("头像总览.png"), QStringLiteral("png"));
  if (file.isEmpty()) return;
  const GameFaces game = Game();
  const std::vector<int> faces = AllFaces(game.AddedFaceCount());
  QImage sheet;
  try {
    WorkProgress progress(tr("排列头像…"), window_);
    sheet = DrawContactSheet(game, faces, kDefaultSheetColumns, progress.Callback());
  } catch (const WorkCancelled&) {
    return;
  }
  WritePng(sheet, file);
  seam::ShowMessage(window_, tr("头像总览图 %1：\n%2 个头像，每行 %3 个，%4 × %5 像素")
                                 .arg(Quoted(file))
                                 .arg(faces.size())
                                 .arg(kDefaultSheetColumns)
                                 .arg(sheet.width())
                                 .arg(sheet.height()));
}
