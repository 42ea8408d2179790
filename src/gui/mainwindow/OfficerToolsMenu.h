#pragma once
// 编辑 → 查找武将… (Ctrl+F), 复制武将, 粘贴到此武将 and 清空此武将, below
// 撤销 / 重做; the last three also in the officer list's menu on a row,
// acting on that row's officer. The copy is the officer as confirmed; it
// stays in the window (not the system clipboard) until the next copy, also
// when another file is opened.
#include <QObject>
#include <QPoint>
#include <optional>

#include "core/officers/OfficerRecord.h"

class QAction;
class QMenu;
class TForm_Find;
class TForm_Main;

class OfficerToolsMenu : public QObject {
  Q_OBJECT

 public:
  OfficerToolsMenu(TForm_Main& window, QMenu& editMenu);

  void OpenFindDialog();
  // On the current slot (the menu) or a given one (the list's row menu).
  void CopyOfficer(int slot);
  void PasteOfficer(int slot);
  void ClearOfficer(int slot);

 protected:
  // The language changed: the menu's commands are named anew.
  bool event(QEvent* event) override;

 private:
  void ShowTexts();
  // The slot the 编辑 menu's commands act on; nullopt (after saying why)
  // without an open file or a shown officer.
  std::optional<int> ShownSlot();
  bool RequireFile();
  // Replacing the record of `slot` may go on: the panel does not show it
  // with unconfirmed edits, or the player confirmed or dropped them.
  bool MayReplaceShown(int slot);
  void ShowRowMenu(int slot, const QPoint& globalPos);

  struct Copied {
    OfficerRecord record;
    int slot = 0;
  };

  TForm_Main& window_;
  QAction* findAction_;
  QAction* copyAction_;
  QAction* pasteAction_;
  QAction* clearAction_;
  TForm_Find* findDialog_ = nullptr;  // made on first use, keeps its boxes
  std::optional<Copied> copied_;
};

// Adds the commands to the window's 编辑 menu and its officer list.
void AddOfficerToolsMenu(TForm_Main& window, QMenu* editMenu);
