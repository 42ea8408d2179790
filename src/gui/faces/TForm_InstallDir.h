#pragma once
// The dialog that asks for the game's installation directory: a folder tree
// and two buttons. Its creation reads the settings file into InstallPath();
// OK takes the selected folder and stores it in the settings file, Cancel
// (or Escape) leaves no directory, and closing it by the title bar keeps
// what the settings file gave. The controls come from TForm_InstallDir.ui.
#include <QDialog>
#include <QString>
#include <memory>

class QKeyEvent;
class QShowEvent;
class QTreeWidgetItem;
namespace Ui {
class TForm_InstallDir;
}

class TForm_InstallDir : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_InstallDir(QWidget* parent = nullptr);
  ~TForm_InstallDir() override;

  // The directory carried out of the dialog; empty when none was chosen or stored.
  const QString& InstallPath() const { return installPath_; }

  // Opens the tree down to a folder, selects it and scrolls it into view;
  // a folder the tree cannot reach leaves the selection as it is.
  void SelectFolder(const QString& path);

  void AcceptFolder();
  void CancelChoice();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The language changed: title and buttons anew; the tree and selection stay.
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void AddTopFolder(const QString& path, const QString& caption);
  void FillFolder(QTreeWidgetItem* item);
  // The full path of the folder selected in the tree; empty when none is.
  QString SelectedFolder() const;
  // The tree item of a folder, the tree opened down to it; null when the
  // folder is not reachable from the tree's top items.
  QTreeWidgetItem* RevealFolder(const QString& path);
  void ShowSelectedPath();

  std::unique_ptr<Ui::TForm_InstallDir> ui_;
  QString installPath_;
};
