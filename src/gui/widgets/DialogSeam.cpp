#include "gui/widgets/DialogSeam.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace seam {
namespace {
std::function<void(const Message&)> g_messageHook;
std::function<QString(const QString&)> g_openFileHook;
std::function<QString(const QString&)> g_saveFileHook;
std::function<QString(const QString&)> g_folderHook;
std::function<int(QDialog*)> g_modalHook;
std::function<void(const QUrl&)> g_webAddressHook;
std::function<int(const QString&, const QStringList&)> g_questionHook;

// A window manager gives the keyboard back to the window that opened a
// dialog; on a bare X server nobody does, and its shortcuts and edit boxes
// would stay deaf until it is clicked.
void ReturnKeyboardTo(QWidget* opener) {
  if (opener == nullptr) return;
  QWidget* window = opener->window();
  if (window->isVisible() && !window->isActiveWindow()) window->activateWindow();
}

// Runs a file dialog; the file chosen, or empty when the user cancels.
QString ChosenFile(QFileDialog& dialog, QWidget* parent) {
  const int result = dialog.exec();
  ReturnKeyboardTo(parent);
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}
}  // namespace

QString ApplicationTitle() { return QCoreApplication::translate("DialogSeam", "Velmora 武将登录器"); }

void ShowMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, Message{ApplicationTitle(), text, MessageKind::Plain});
}

void ShowMessage(QWidget* parent, const Message& message) {
  if (g_messageHook) {
    g_messageHook(message);
    return;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (message.kind == MessageKind::Error) icon = QMessageBox::Critical;
  if (message.kind == MessageKind::Information) icon = QMessageBox::Information;
  QMessageBox box(icon, message.caption, message.text, QMessageBox::Ok, parent);
  box.exec();
  ReturnKeyboardTo(parent);
}

int Ask(QWidget* parent, const QString& text, const QStringList& buttons) {
  const int cancel = static_cast<int>(buttons.size()) - 1;
  if (g_questionHook) return g_questionHook(text, buttons);
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::NoButton, parent);
  QList<QAbstractButton*> added;
  for (const QString& caption : buttons) {
    added.append(box.addButton(caption, added.size() == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (!added.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
  box.exec();
  ReturnKeyboardTo(parent);
  const int chosen = static_cast<int>(added.indexOf(box.clickedButton()));
  return chosen < 0 ? cancel : chosen;
}

QString AskOpenFileName(QWidget* parent, const QString& filter) {
  if (g_openFileHook) return g_openFileHook(filter);
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("OpenDialog"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(filter);
  // The filter lists the registration file in any letter case; its pattern is not worth showing.
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  return ChosenFile(dialog, parent);
}

QString AskSaveFileName(QWidget* parent, const QString& filter, const QString& suggested, const QString& suffix) {
  if (g_saveFileHook) return g_saveFileHook(filter);
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (!suggested.isEmpty()) dialog.selectFile(suggested);
  return ChosenFile(dialog, parent);
}

QString AskFolder(QWidget* parent, const QString& caption) {
  if (g_folderHook) return g_folderHook(caption);
  QFileDialog dialog(parent, caption);
  dialog.setObjectName(QStringLiteral("FolderDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  return ChosenFile(dialog, parent);
}

int RunModal(QDialog* dialog) {
  if (g_modalHook) return g_modalHook(dialog);
  const int result = dialog->exec();
  ReturnKeyboardTo(dialog->parentWidget());
  return result;
}

void OpenWebAddress(const QUrl& address) {
  if (g_webAddressHook) {
    g_webAddressHook(address);
    return;
  }
  QDesktopServices::openUrl(address);
}

void SetMessageHook(std::function<void(const Message&)> hook) { g_messageHook = std::move(hook); }
void SetOpenFileHook(std::function<QString(const QString&)> hook) { g_openFileHook = std::move(hook); }
void SetSaveFileHook(std::function<QString(const QString&)> hook) { g_saveFileHook = std::move(hook); }
void SetFolderHook(std::function<QString(const QString&)> hook) { g_folderHook = std::move(hook); }
void SetModalHook(std::function<int(QDialog*)> hook) { g_modalHook = std::move(hook); }
void SetWebAddressHook(std::function<void(const QUrl&)> hook) { g_webAddressHook = std::move(hook); }
void SetQuestionHook(std::function<int(const QString&, const QStringList&)> hook) { g_questionHook = std::move(hook); }
void ClearHooks() {
  g_messageHook = nullptr;
  g_openFileHook = nullptr;
  g_saveFileHook = nullptr;
  g_folderHook = nullptr;
  g_modalHook = nullptr;
  g_webAddressHook = nullptr;
  g_questionHook = nullptr;
}

}  // namespace seam
