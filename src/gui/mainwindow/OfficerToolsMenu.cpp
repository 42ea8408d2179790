#include "gui/mainwindow/OfficerToolsMenu.h"

#include <QAction>
#include <QEvent>
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
  findAction_ = AddAction(editMenu, "Menu_Find", QString());
  findAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  // Window-wide; no edit box of the window claims Ctrl+F for itself.
  findAction_->setShortcutContext(Qt::WindowShortcut);
  copyAction_ = AddAction(editMenu, "Menu_CopyOfficer", QString());
  pasteAction_ = AddAction(editMenu, "Menu_PasteOfficer", QString());
  pasteAction_->setEnabled(false);
  clearAction_ = AddAction(editMenu, "Menu_ClearOfficer", QString());
  ShowTexts();

  ConnectGuarded(findAction_, &QAction::triggered, this, &OfficerToolsMenu::OpenFindDialog);
  const auto onShown = [this](void (OfficerToolsMenu::*command)(int)) {
    return [this, command] {
      if (const std::optional<int> slot = ShownSlot()) (this->*command)(*slot);
    };
  };
  ConnectGuarded(copyAction_, &QAction::triggered, this, onShown(&OfficerToolsMenu::CopyOfficer));
  ConnectGuarded(pasteAction_, &QAction::triggered, this, onShown(&OfficerToolsMenu::PasteOfficer));
  ConnectGuarded(clearAction_, &QAction::triggered, this, onShown(&OfficerToolsMenu::ClearOfficer));
  ConnectGuarded(&window_.ListPanel(), &OfficerListPanel::rowMenuRequested, this, &OfficerToolsMenu::ShowRowMenu);
}

void OfficerToolsMenu::ShowTexts() {
  findAction_->setText(tr("查找武将(&F)…"));
  copyAction_->setText(tr("复制武将(&C)"));
  pasteAction_->setText(tr("粘贴到此武将(&P)"));
  clearAction_->setText(tr("清空此武将(&D)"));
}

bool OfficerToolsMenu::event(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ShowTexts();
  return QObject::event(event);
}

void OfficerToolsMenu::OpenFindDialog() {
  if (!findDialog_) findDialog_ = new TForm_Find(window_.ListModel(), &window_);
  seam::RunModal(findDialog_);
}

bool OfficerToolsMenu::RequireFile() {
  if (window_.Document().HasFile()) return true;
  seam::ShowMessage(&window_, tr("请先打开新武将登陆文件！"));
  return false;
}

std::optional<int> OfficerToolsMenu::ShownSlot() {
  if (!RequireFile()) return std::nullopt;
  if (!window_.Session().HasShownOfficer()) {
    seam::ShowMessage(&window_, tr("请先在列表中选择一位武将"));
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
      tr("清空 %1 吗？").arg(QString::fromStdString(document.NameOf(slot)));
  if (seam::Ask(&window_, question, {tr("清空"), tr("取消")}) != 0) return;
  document.ClearSlot(slot);
}

bool OfficerToolsMenu::MayReplaceShown(int slot) {
  const PanelSession& session = window_.Session();
  EditorPanel& editor = window_.Editor();
  if (slot != session.CurrentSlot() || !session.HasShownOfficer() || !editor.HasUnconfirmedEdits()) return true;
  const int answer = seam::Ask(&window_, tr("当前武将的修改尚未确认，是否确认修改？"),
                               {tr("确认修改"), tr("放弃修改"), tr("取消")});
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
  add("RowMenu_CopyOfficer", tr("复制武将"), &OfficerToolsMenu::CopyOfficer);
  add("RowMenu_PasteOfficer", tr("粘贴到此武将"), &OfficerToolsMenu::PasteOfficer)->setEnabled(copied_.has_value());
  add("RowMenu_ClearOfficer", tr("清空此武将"), &OfficerToolsMenu::ClearOfficer);
  menu->popup(globalPos);
}

void AddOfficerToolsMenu(TForm_Main& window, QMenu* editMenu) {
  if (editMenu) new OfficerToolsMenu(window, *editMenu);
}
