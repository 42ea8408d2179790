#pragma once
// The main window: the menus and the file commands, composed with the
// officer list, the editor panel and the portrait. The run's file and table
// live in the document, the list's slots and order in the list model, the
// current slot in the panel session; the face archives and the picker's
// remembered values in the window, for the panels to use.
#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

#include "core/officers/DiskStamp.h"

#include "core/faces/FaceArchivePair.h"
#include "core/faces/FacePickerRunState.h"
#include "core/language/UiLanguage.h"

class EditorPanel;
class OfficerDocument;
class OfficerListModel;
class OfficerListPanel;
class PanelSession;
namespace Ui {
class TForm_Main;
}

class TForm_Main : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm_Main(QWidget* parent = nullptr);
  ~TForm_Main() override;

  OfficerDocument& Document() { return *document_; }
  OfficerListModel& ListModel() { return *listModel_; }
  PanelSession& Session() { return *session_; }
  FaceArchivePair& FaceArchives() { return faceArchives_; }
  FacePickerRunState& FacePicker() { return facePicker_; }
  OfficerListPanel& ListPanel() { return *listPanel_; }
  EditorPanel& Editor() { return *editorPanel_; }

  // The open command's steps after the dialog, with a path given from
  // outside (command line).
  void OpenOfficerFile(const QString& path);

  // Shows the officers' texts in `script` everywhere (list, panel, pickers,
  // messages, exports); edits not yet confirmed stay as typed.
  void ShowOfficerTextsIn(OfficerTextScript script);

  // --- menu commands ------------------------------------------------------------
  void ChooseFileToOpen();
  // 重新载入: the open file read again once nothing unsaved stands in the way.
  void ReloadFile();
  // Ctrl+S: unconfirmed edits in the panel are confirmed first or left out
  // as the player chooses; then SaveWithQuestions().
  void SaveFile();
  void ExportToFile();
  void ImportFromFile();
  void Quit();
  void Undo();
  void Redo();
  void ShowHelp();
  void SaveFileAs();
  void RestoreDatedCopy();
  void ChooseInstallDir();

  // The window became active again: a file changed on disk is reloaded
  // when nothing is unsaved, else the player chooses (重新载入 / 覆盖 /
  // 取消); a file deleted on disk is named. Each change is asked about once.
  void CheckFileOnDisk();

  // Whether a command that drops the table may go on: nothing is unsaved,
  // or the player chose to save first (and the save worked) or not to.
  bool MaySetAsideChanges();

  // Saves, asking first when the file changed or vanished on disk or its
  // backups folder cannot be written. False when nothing was saved.
  bool SaveWithQuestions();
  // The game's directory: the registry, else the settings file, else the
  // installation-directory dialog.
  QString LocateInstallDir();
  void OpenFaceArchives(const QString& directory);
  void CloseFaceArchives();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The language changed: the form's texts and those the window sets itself.
  void ShowTranslatedTexts();
  // "Velmora 武将登录器 - <file>[*]" while a file is open.
  void ShowTitle();
  // 撤销 / 重做 name the step they would take, and are off without one.
  void ShowHistory();
  // The list chose another officer: with unconfirmed edits in the panel the
  // player decides first (confirm, drop, or stay).
  void SwitchOfficer(int slot);
  // The title's mark: unsaved changes in the table or unconfirmed edits in
  // the panel.
  void ShowModifiedMark();
  // A file was opened or read again: it heads the recent files, and
  // Japanese-edition texts in it are pointed out.
  void TakeOpenedFile();
  void ShowRecentFiles();
  void OpenRecentFile(const QString& path);
  // The officers' texts and the game's vocabulary as the interface
  // language shows them (captions follow the translations by themselves).
  void ShowDataIn(UiLanguage language);

  // The state of the file on disk that the player chose to leave as it is.
  std::optional<DiskStamp> ignoredDiskState_;
  bool checkingDisk_ = false;

  std::unique_ptr<Ui::TForm_Main> ui_;
  OfficerDocument* document_;
  PanelSession* session_;
  OfficerListModel* listModel_;
  FaceArchivePair faceArchives_;
  FacePickerRunState facePicker_;  // the face picker's limits and last pick
  EditorPanel* editorPanel_;
  OfficerListPanel* listPanel_;
};
