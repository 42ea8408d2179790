#include "gui/widgets/GbkTextControls.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "core/convert/GbkText.h"
#include "core/convert/TypedText.h"

namespace {

// Line breaks of any kind as the memo holds them ("\n").
QString WithNewlines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

QString Decoded(bool utf8, const std::string& bytes) {
  return utf8 ? QString::fromStdString(bytes) : FromGbk(bytes);
}

std::string Encoded(bool utf8, const QString& text) { return utf8 ? text.toStdString() : ToGbk(text); }

}  // namespace

QValidator::State GbkByteLimitValidator::validate(QString& input, int&) const {
  if (GbkByteLength(input) <= limit_ || input == storedText_) return Acceptable;
  return Invalid;
}

GbkLineEdit::GbkLineEdit(QWidget* parent, int byteLimit)
    : QLineEdit(parent), validator_(new GbkByteLimitValidator(byteLimit, this)) {
  setValidator(validator_);
}

void GbkLineEdit::SetBytes(const std::string& gbk) {
  storedBytes_ = gbk;
  validator_->SetStoredText(Decoded(utf8_, gbk));
  setText(validator_->StoredText());
  setCursorPosition(0);  // show a long reading from its start
}

std::string GbkLineEdit::Bytes() const {
  const QString shown = text();
  if (shown == validator_->StoredText()) return storedBytes_;
  return Encoded(utf8_, shown);
}

GbkMemo::GbkMemo(QWidget* parent, int byteLimit) : QPlainTextEdit(parent), limit_(byteLimit) {
  setTabChangesFocus(true);
}

void GbkMemo::SetBytes(const std::string& gbk) {
  storedBytes_ = gbk;
  setPlainText(WithNewlines(Decoded(utf8_, gbk)));
  storedText_ = toPlainText();
}

std::string GbkMemo::Bytes() const {
  const QString shown = toPlainText();
  if (shown == storedText_) return storedBytes_;
  return WithCrLf(Encoded(utf8_, shown));
}

int GbkMemo::StoredLength(const QString& plainText) {
  const QString text = WithNewlines(plainText);
  return GbkByteLength(text) + static_cast<int>(text.count(u'\n'));
}

bool GbkMemo::Admits(const QString& inserted) const {
  const QString current = toPlainText();
  const QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  const QString result = current.left(start) + WithNewlines(inserted) + current.mid(end);
  const auto length = static_cast<std::size_t>(StoredLength(result));
  return length <= EditedTextByteLimit(static_cast<std::size_t>(limit_), static_cast<std::size_t>(StoredLength(current)));
}

void GbkMemo::keyPressEvent(QKeyEvent* event) {
  QString inserted;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    inserted = QStringLiteral("\n");
  } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
    inserted = event->text();
  }
  if (!inserted.isEmpty() && !isReadOnly() && !Admits(inserted)) {
    event->accept();
    QApplication::beep();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void GbkMemo::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !Admits(event->commitString())) {
    QInputMethodEvent refused(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&refused);
    QApplication::beep();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

void GbkMemo::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText() || isReadOnly()) return;
  const QString text = WithNewlines(source->text());
  if (!Admits(text)) {
    QApplication::beep();
    return;
  }
  insertPlainText(text);
}
