#include "help/TForm_Help.h"

TForm_Help::TForm_Help(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form_Help"));
  setWindowTitle(QStringLiteral("欢迎使用"));
}
