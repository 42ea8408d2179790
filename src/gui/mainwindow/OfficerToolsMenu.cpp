#include "gui/mainwindow/OfficerToolsMenu.h"

#include <QAction>
#include <QMenu>

#include "core/document/OfficerDocument.h"
#include "core/editor/PanelSession.h"
#include "gui/editor/EditorPanel.h"
#include "gui/find/TForm_Find.h"
#include "gui/list/OfficerListPanel.h"
#include "gui/mainwindow/TForm_Main.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"

namespace {

QAction* AddAction(QMenu& menu, const char* objectName, const QString& text) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QString::fromLatin1(objectName));
  return action;
}

}  // namespace

OfficerToolsMenu::OfficerToolsMenu(TForm_Main& window, QMenu& editMenu) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("OfficerToolsMenu"));
  editMenu.addSeparator();
  QAction* find = AddAction(editMenu, "Menu_Find", QStringLiteral("查找武将(&F)…"));
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  // Window-wide; no edit box of the window claims Ctrl+F for itself.
  find->setShortcutContext(Qt::WindowShortcut);
  QAction* copy = AddAction(editMenu, "Menu_CopyOfficer", QStringLiteral("复制武将(&C)"));
  pasteAction_ = AddAction(editMenu, "Menu_PasteOfficer", QStringLiteral("粘贴到此武将(&P)"));
  pasteAction_->setEnabled(false);
  QAction* clear = AddAction(editMenu, "Menu_ClearOfficer", QStringLiteral("清空此武将(&D)"));

  ConnectGuarded(find, &QAction::triggered, this, &OfficerToolsMenu::OpenFindDialog);
  const auto onShown = [this](void (OfficerToolsMenu::*command)(int)) {
    return [this, command] {
      if (const std::optional<int> slot = ShownSlot()) (this->*command)(*slot);
    };
  };
  ConnectGuarded(copy, &QAction::triggered, this, onShown(&OfficerToolsMenu::CopyOfficer));
  ConnectGuarded(pasteAction_, &QAction::triggered, this, onShown(&OfficerToolsMenu::PasteOfficer));
  ConnectGuarded(clear, &QAction::triggered, this, onShown(&OfficerToolsMenu::ClearOfficer));
  ConnectGuarded(&window_.ListPanel(), &OfficerListPanel::rowMenuRequested, this, &OfficerToolsMenu::ShowRowMenu);
}

void OfficerToolsMenu::OpenFindDialog() {
  if (!findDialog_) findDialog_ = new TForm_Find(window_.ListModel(), &window_);
  seam::RunModal(findDialog_);
}

bool OfficerToolsMenu::RequireFile() {
  if (window_.Document().HasFile()) return true;
  seam::ShowMessage(&window_, QStringLiteral("请先打开新武将登陆文件！"));
  return false;
}

std::optional<int> OfficerToolsMenu::ShownSlot() {
  if (!RequireFile()) return std::nullopt;
  if (!window_.Session().HasShownOfficer()) {
    seam::ShowMessage(&window_, QStringLiteral("请先在列表中选择一位武将"));
    return std::nullopt;
  }
  return window_.Session().CurrentSlot();
}

void OfficerToolsMenu::CopyOfficer(int slot) {
  if (!RequireFile() || !OfficerDocument::IsSlot(slot)) return;
  copied_ = Copied{window_.Document().Record(slot), slot};
  pasteAction_->setEnabled(true);
}

void OfficerToolsMenu::PasteOfficer(int slot) {
  if (!copied_ || !RequireFile() || !OfficerDocument::IsSlot(slot) || !MayReplaceShown(slot)) return;
  window_.Document().PasteRecord(slot, copied_->record, copied_->slot);
}

void OfficerToolsMenu::ClearOfficer(int slot) {
  OfficerDocument& document = window_.Document();
  if (!RequireFile() || !OfficerDocument::IsSlot(slot) || !MayReplaceShown(slot)) return;
  const QString question =
      QStringLiteral("清空 %1 吗？").arg(QString::fromStdString(document.NameOf(slot)));
  if (seam::Ask(&window_, question, {QStringLiteral("清空"), QStringLiteral("取消")}) != 0) return;
  document.ClearSlot(slot);
}

bool OfficerToolsMenu::MayReplaceShown(int slot) {
  const PanelSession& session = window_.Session();
  EditorPanel& editor = window_.Editor();
  if (slot != session.CurrentSlot() || !session.HasShownOfficer() || !editor.HasUnconfirmedEdits()) return true;
  const int answer = seam::Ask(&window_, QStringLiteral("当前武将的修改尚未确认，是否确认修改？"),
                               {QStringLiteral("确认修改"), QStringLiteral("放弃修改"), QStringLiteral("取消")});
  if (answer == 0) {
    editor.ConfirmEdits();  // refused: nothing is replaced, the error box says why
  } else if (answer == 1) {
    editor.ShowCurrentOfficer();
  } else {
    return false;
  }
  return true;
}

void OfficerToolsMenu::ShowRowMenu(int slot, const QPoint& globalPos) {
  auto* menu = new QMenu(&window_);
  menu->setObjectName(QStringLiteral("OfficerRowMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto add = [&](const char* objectName, const QString& text, void (OfficerToolsMenu::*command)(int)) {
    QAction* action = AddAction(*menu, objectName, text);
    ConnectGuarded(action, &QAction::triggered, this, [this, command, slot] { (this->*command)(slot); });
    return action;
  };
  add("RowMenu_CopyOfficer", QStringLiteral("复制武将"), &OfficerToolsMenu::CopyOfficer);
  add("RowMenu_PasteOfficer", QStringLiteral("粘贴到此武将"), &OfficerToolsMenu::PasteOfficer)->setEnabled(copied_.has_value());
  add("RowMenu_ClearOfficer", QStringLiteral("清空此武将"), &OfficerToolsMenu::ClearOfficer);
  menu->popup(globalPos);
}

void AddOfficerToolsMenu(TForm_Main& window, QMenu* editMenu) {
  if (editMenu) new OfficerToolsMenu(window, *editMenu);
}
