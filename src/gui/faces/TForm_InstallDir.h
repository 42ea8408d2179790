#pragma once
// The dialog that asks for the game's installation directory: a folder tree
// and two buttons. Its creation reads the settings file into InstallPath;
// OK takes the selected folder and stores it in the settings file, Cancel
// (or Escape) leaves no directory, and closing it by the title bar keeps
// what the settings file gave. The controls come from TForm_InstallDir.ui.
#include <QDialog>
#include <QString>

#include "ui_TForm_InstallDir.h"

class QKeyEvent;
class QShowEvent;
class QTreeWidgetItem;

class TForm_InstallDir : public QDialog, public Ui::TForm_InstallDir {
  Q_OBJECT

 public:
  explicit TForm_InstallDir(QWidget* parent = nullptr);

  // The directory carried out of the dialog; empty when none was chosen or stored.
  QString InstallPath;

  void Btn_OkClick();
  void Btn_CancelClick();

  // The full path of the folder selected in the tree; empty when none is.
  QString SelectedFolder() const;
  // The tree item of a folder, the tree opened down to it; null when the
  // folder is not reachable from the tree's top items.
  QTreeWidgetItem* RevealFolder(const QString& path);
  // Opens the tree down to a folder, selects it and scrolls it into view.
  void SelectFolder(const QString& path);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void AddTopFolder(const QString& path, const QString& caption);
  void FillFolder(QTreeWidgetItem* item);
  void ShowSelectedPath();
};
