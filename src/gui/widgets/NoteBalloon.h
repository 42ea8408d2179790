#pragma once
// A note that does not block: a small framed box beside a control, gone at
// the player's next click or key press. The window's 提醒 (suspicious values
// after a confirmation, Japanese-edition texts in an opened file) use it.
#include <QLabel>

class NoteBalloon : public QLabel {
  Q_OBJECT
 public:
  // Shows `text` below `anchor` (one balloon per window: a new one replaces
  // the one shown).
  static NoteBalloon* ShowBeside(QWidget* anchor, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit NoteBalloon(QWidget* window);
};
