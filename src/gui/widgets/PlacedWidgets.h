#pragma once
// Controls placed at fixed pixel positions, named for scripts and tests.
#include <QPushButton>
#include <QString>

// A push button at (x, y) of size w x h. Buttons of this program do not
// react to Enter unless asked to (autoDefault).
inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h,
                               bool autoDefault = false) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, w, h);
  button->setAutoDefault(autoDefault);
  return button;
}
