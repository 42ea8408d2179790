#include "gui/mainwindow/TForm_Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>

#include "core/document/OfficerDocument.h"
#include "core/document/OfficerListModel.h"
#include "core/editor/PanelSession.h"
#include "core/faces/InstallRegistry.h"
#include "core/officers/OfficerRecord.h"
#include "gui/editor/EditorPanel.h"
#include "gui/exchange/ExchangeCommands.h"
#include "gui/faces/FaceMenu.h"
#include "gui/faces/PortraitPanel.h"
#include "gui/faces/TForm_InstallDir.h"
#include "gui/mainwindow/LanguageMenu.h"
#include "cli/ProgramLanguage.h"
#include "gui/help/TForm_Help.h"
#include "gui/list/OfficerListPanel.h"
#include "gui/mainwindow/MenuShortcutsFirst.h"
#include "gui/mainwindow/OfficerToolsMenu.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/MainWindowLook.h"
#include "ui_TForm_Main.h"

TForm_Main::TForm_Main(QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TForm_Main>()),
      document_(new OfficerDocument(this)),
      session_(new PanelSession(*document_, this)),
      listModel_(new OfficerListModel(*document_, this)) {
  // 1. every control, including the 833 entries of each relationship picker
  ui_->setupUi(this);
  setFont(MainWindowFont());
  // The editor first: its quick-action buttons lead the focus chain.
  editorPanel_ = new EditorPanel(ui_->ClientArea, *session_, faceArchives_, facePicker_, this);
  listPanel_ = new OfficerListPanel(ui_->ClientArea, *listModel_, *session_, this);

  ConnectGuarded(ui_->Menu_Open, &QAction::triggered, this, &TForm_Main::ChooseFileToOpen);
  ConnectGuarded(ui_->R1, &QAction::triggered, this, &TForm_Main::ReloadFile);
  ConnectGuarded(ui_->Menu_Save, &QAction::triggered, this, &TForm_Main::SaveFile);
  ConnectGuarded(ui_->Menu_Export, &QAction::triggered, this, &TForm_Main::ExportToFile);
  ConnectGuarded(ui_->Menu_Import, &QAction::triggered, this, &TForm_Main::ImportFromFile);
  ConnectGuarded(ui_->Menu_Exit, &QAction::triggered, this, &TForm_Main::Quit);
  ConnectGuarded(ui_->X1, &QAction::triggered, this, &TForm_Main::ChooseInstallDir);
  ConnectGuarded(ui_->Menu_Help, &QAction::triggered, this, &TForm_Main::ShowHelp);
  ConnectGuarded(ui_->Menu_Undo, &QAction::triggered, this, &TForm_Main::Undo);
  ConnectGuarded(ui_->Menu_Redo, &QAction::triggered, this, &TForm_Main::Redo);
  ConnectGuarded(ui_->Menu_SaveAs, &QAction::triggered, this, &TForm_Main::SaveFileAs);
  ConnectGuarded(ui_->Menu_Restore, &QAction::triggered, this, &TForm_Main::RestoreDatedCopy);
  connect(ui_->Menu_Recent, &QMenu::aboutToShow, this, &TForm_Main::ShowRecentFiles);
  ui_->Menu_Exit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
  ui_->Menu_Help->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_H), QKeySequence(Qt::Key_F1)});
  setAcceptDrops(true);
  ui_->Menu_Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  ConnectGuarded(listPanel_, &OfficerListPanel::officerChosen, this, &TForm_Main::SwitchOfficer);
  qApp->installEventFilter(new MenuShortcutsFirst(this, {ui_->Menu_Open, ui_->R1, ui_->Menu_Save, ui_->Menu_Exit, ui_->Menu_Help}));
  AddOfficerToolsMenu(*this, ui_->Menu_Edit);
  new FaceMenu(*ui_->Menu_Faces, faceArchives_, *document_, editorPanel_->Portrait(), this);
  connect(new LanguageMenu(ui_->N1), &LanguageMenu::languageChosen, this, &TForm_Main::ShowDataIn);
  ShowDataIn(CurrentUiLanguage());
  FixClientSize(this, kClientWidth, kClientHeight);

  connect(document_, &OfficerDocument::tableReplaced, this, &TForm_Main::ShowTitle);
  connect(document_, &OfficerDocument::fileRenamed, this, &TForm_Main::ShowTitle);
  connect(document_, &OfficerDocument::modifiedChanged, this, &TForm_Main::ShowModifiedMark);
  connect(editorPanel_, &EditorPanel::editsChanged, this, &TForm_Main::ShowModifiedMark);
  connect(document_, &OfficerDocument::tableReplaced, this, &TForm_Main::TakeOpenedFile);
  connect(document_, &OfficerDocument::historyChanged, this, &TForm_Main::ShowHistory);

  // 2.-4. the game's directory, its face archives, an empty panel; no file
  OpenFaceArchives(LocateInstallDir());
  editorPanel_->ClearEditorPanel();
}

void TForm_Main::ShowDataIn(UiLanguage language) {
  ShowOfficerTextsIn(TextScriptFor(language));
  editorPanel_->ShowVocabularyIn(language);
}

TForm_Main::~TForm_Main() {
  // The panels refer to the document, the session and the list model,
  // which as the first children would be destroyed first: they go before.
  delete listPanel_;
  delete editorPanel_;
}

void TForm_Main::ChooseFileToOpen() {
  if (!MaySetAsideChanges()) return;
  const QString chosen = seam::AskOpenFileName(this, OfficerFileFilter());
  if (chosen.isEmpty()) return;
  OpenOfficerFile(chosen);
}

void TForm_Main::OpenOfficerFile(const QString& path) {
  document_->Open(path, [this](const std::vector<FileDoubt>& doubts) {
    for (const FileDoubt& doubt : doubts) {
      const QString question = tr("%1，仍然打开吗？").arg(QString::fromStdString(doubt.explanation));
      if (seam::Ask(this, question, {tr("打开"), tr("取消")}) != 0) return false;
    }
    return true;
  });
}

void TForm_Main::ShowHistory() {
  const auto caption = [](const QString& verb, const QString& verbAndStep, const std::string& step) {
    return step.empty() ? verb : verbAndStep.arg(QString::fromStdString(step));
  };
  ui_->Menu_Undo->setText(caption(tr("撤销(&U)"), tr("撤销(&U) %1"), document_->UndoName()));
  ui_->Menu_Undo->setEnabled(document_->CanUndo());
  ui_->Menu_Redo->setText(caption(tr("重做(&R)"), tr("重做(&R) %1"), document_->RedoName()));
  ui_->Menu_Redo->setEnabled(document_->CanRedo());
}

void TForm_Main::ShowOfficerTextsIn(OfficerTextScript script) { document_->SetTextScript(script); }

void TForm_Main::Undo() { document_->Undo(); }

void TForm_Main::Redo() { document_->Redo(); }

void TForm_Main::SwitchOfficer(int slot) {
  if (editorPanel_->HasUnconfirmedEdits()) {
    const int answer = seam::Ask(this, tr("当前武将的修改尚未确认，是否确认修改？"),
                                 {tr("确认修改"), tr("放弃修改"), tr("取消")});
    if (answer != 0 && answer != 1) return listPanel_->SelectRowOfSlot(session_->CurrentSlot());
    if (answer == 0) {
      try {
        editorPanel_->ConfirmEdits();  // refused: the officer stays, the error box says why
      } catch (...) {
        listPanel_->SelectRowOfSlot(session_->CurrentSlot());
        throw;
      }
    }
  }
  session_->SelectSlot(slot);
}

void TForm_Main::ShowTitle() {
  const QString title = seam::ApplicationTitle();
  setWindowTitle(document_->HasFile() ? title + QStringLiteral(" - ") + QFileInfo(document_->FilePath()).fileName() +
                                            QStringLiteral("[*]")
                                      : title);
}

void TForm_Main::ShowTranslatedTexts() {
  ui_->retranslateUi(this);
  // The texts the window sets itself over those of the form.
  ShowTitle();
  ShowHistory();
}

void TForm_Main::ExportToFile() { ExportOfficers(this, *listModel_); }

void TForm_Main::ImportFromFile() { ImportOfficers(this, *document_); }

void TForm_Main::Quit() { close(); }

void TForm_Main::ShowHelp() {
  TForm_Help help(this);
  seam::RunModal(&help);
}

QString TForm_Main::LocateInstallDir() {
  // A key that exists decides, even with an empty value: the settings file
  // is then not consulted.
  if (std::optional<QString> registered = ReadRegistryInstallDir()) return *registered;
  TForm_InstallDir dialog(this);
  // A directory from the settings file spares the question.
  if (dialog.InstallPath().isEmpty()) seam::RunModal(&dialog);
  return dialog.InstallPath();
}

void TForm_Main::ChooseInstallDir() {
  QString directory;
  {
    TForm_InstallDir dialog(this);
    dialog.SelectFolder(faceArchives_.Directory());
    // Cancelled or closed: the directory and its archives stay as they are.
    if (seam::RunModal(&dialog) != QDialog::Accepted) return;
    directory = dialog.InstallPath();
  }
  if (directory.isEmpty()) seam::ShowMessage(this, tr("无法定位安装路径,可能无法显示头像!"));
  CloseFaceArchives();
  // Without a directory both archives stay absent until one is chosen.
  if (!directory.isEmpty()) OpenFaceArchives(directory);
  editorPanel_->Portrait().Redraw();
}

void TForm_Main::OpenFaceArchives(const QString& directory) { faceArchives_.Open(directory); }

void TForm_Main::CloseFaceArchives() { faceArchives_.Close(); }

void TForm_Main::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  RunGuarded(this, [&] { mayClose = MaySetAsideChanges(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  CloseFaceArchives();
  event->accept();
}
