#pragma once
// The welcome and help window. Placeholder until the window arrives.
#include <QDialog>

class TForm_Help : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Help(QWidget* parent = nullptr);
};
