#pragma once
// Every modal dialog and message box of the program, and the request that
// opens a web page, go through these functions, so that tests can answer
// them without a person at the screen.
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QUrl;
class QWidget;

namespace seam {

enum class MessageKind { Plain, Error, Information };

struct Message {
  QString caption;
  QString text;
  MessageKind kind = MessageKind::Plain;
};

// The application's title, used as the caption of plain and error boxes.
QString ApplicationTitle();

void ShowMessage(QWidget* parent, const QString& text);  // plain box, OK button
void ShowMessage(QWidget* parent, const Message& message);
// A question with the given buttons (captions); the index of the button
// chosen, or the last one (cancel) when the box is closed otherwise.
int Ask(QWidget* parent, const QString& text, const QStringList& buttons);

// Empty when the user cancels.
QString AskOpenFileName(QWidget* parent, const QString& filter);
// The file to write; empty when the user cancels. The dialog offers
// `suggested` (a name, or a path whose folder it opens in) and adds
// `suffix` to a name typed without one.
QString AskSaveFileName(QWidget* parent, const QString& filter, const QString& suggested = QString(),
                        const QString& suffix = QStringLiteral("json"));
// An existing folder (to write into); empty when the user cancels.
QString AskFolder(QWidget* parent, const QString& caption);
// Runs the dialog modally and returns its result code.
int RunModal(QDialog* dialog);
// Asks the desktop to open a web address in the default browser.
void OpenWebAddress(const QUrl& address);

// Test hooks; an empty function restores the real behaviour.
void SetMessageHook(std::function<void(const Message&)> hook);
void SetOpenFileHook(std::function<QString(const QString& filter)> hook);
void SetSaveFileHook(std::function<QString(const QString& filter)> hook);
void SetFolderHook(std::function<QString(const QString& caption)> hook);
void SetModalHook(std::function<int(QDialog*)> hook);
// The hook sees the question's text and buttons and answers with an index.
void SetQuestionHook(std::function<int(const QString& text, const QStringList& buttons)> hook);
void SetWebAddressHook(std::function<void(const QUrl&)> hook);
void ClearHooks();

}  // namespace seam
