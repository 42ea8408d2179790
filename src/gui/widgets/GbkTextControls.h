#pragma once
// Edit boxes for officer texts. They take and give GBK bytes, limit input
// by its length in GBK bytes (what the game's fields count), and give back
// exactly the bytes they were given as long as the user leaves the text
// alone, also where those bytes do not decode cleanly. SetUtf8 makes a box
// take and give UTF-8 instead (officer texts shown in traditional
// characters, which GBK may lack).
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QValidator>
#include <string>

// Refuses any input longer than the limit in GBK bytes, except the text
// that was last set from stored bytes (a stored text may fill its field).
class GbkByteLimitValidator : public QValidator {
  Q_OBJECT
 public:
  GbkByteLimitValidator(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
  void SetLimit(int limit) { limit_ = limit; }
  State validate(QString& input, int& pos) const override;
  void SetStoredText(const QString& text) { storedText_ = text; }
  const QString& StoredText() const { return storedText_; }

 private:
  int limit_;
  QString storedText_;
};

class GbkLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  // Without a limit until SetByteLimit (the form files build it bare).
  explicit GbkLineEdit(QWidget* parent = nullptr, int byteLimit = 0);
  void SetByteLimit(int byteLimit) { validator_->SetLimit(byteLimit); }
  void SetBytes(const std::string& gbk);
  std::string Bytes() const;
  // Takes effect from the next SetBytes.
  void SetUtf8(bool utf8) { utf8_ = utf8; }

 private:
  GbkByteLimitValidator* validator_;  // also keeps the text the stored bytes show as
  std::string storedBytes_;
  bool utf8_ = false;
};

// A multi-line memo whose text is read and set as a whole, as GBK bytes with
// CR LF line breaks (a lone CR or LF shows as a line break too). Input that
// would make the text longer than the limit, counting a line break as two
// bytes, is refused unless it does not lengthen the text.
class GbkMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit GbkMemo(QWidget* parent = nullptr, int byteLimit = 0);
  void SetByteLimit(int byteLimit) { limit_ = byteLimit; }
  void SetBytes(const std::string& gbk);
  std::string Bytes() const;
  // Takes effect from the next SetBytes.
  void SetUtf8(bool utf8) { utf8_ = utf8; }

  // Length of a memo text in stored bytes: GBK, line breaks as CR LF.
  static int StoredLength(const QString& plainText);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Whether replacing the selection with `inserted` keeps within the limit.
  bool Admits(const QString& inserted) const;

  int limit_;
  std::string storedBytes_;
  QString storedText_;
  bool utf8_ = false;
};
