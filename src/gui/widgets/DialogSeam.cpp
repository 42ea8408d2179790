#include "gui/widgets/DialogSeam.h"

#include <QDesktopServices>
#include <QUrl>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace seam {
namespace {
std::function<void(const Message&)> g_messageHook;
std::function<QString(const QString&)> g_openFileHook;
std::function<int(QDialog*)> g_modalHook;
std::function<void(const QUrl&)> g_webAddressHook;

// A window manager gives the keyboard back to the window that opened a
// dialog; on a bare X server nobody does, and its shortcuts and edit boxes
// would stay deaf until it is clicked.
void ReturnKeyboardTo(QWidget* opener) {
  if (opener == nullptr) return;
  QWidget* window = opener->window();
  if (window->isVisible() && !window->isActiveWindow()) window->activateWindow();
}
}  // namespace

QString ApplicationTitle() { return QStringLiteral("Velmora 武将登录器"); }

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

QString AskOpenFileName(QWidget* parent, const QString& filter) {
  if (g_openFileHook) return g_openFileHook(filter);
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("OpenDialog"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(filter);
  // The filter lists the registration file in any letter case; its pattern is not worth showing.
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  const int result = dialog.exec();
  ReturnKeyboardTo(parent);
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
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
void SetModalHook(std::function<int(QDialog*)> hook) { g_modalHook = std::move(hook); }
void SetWebAddressHook(std::function<void(const QUrl&)> hook) { g_webAddressHook = std::move(hook); }
void ClearHooks() {
  g_messageHook = nullptr;
  g_openFileHook = nullptr;
  g_modalHook = nullptr;
  g_webAddressHook = nullptr;
}

}  // namespace seam
