#pragma once
// A relationship picker: a choose-only drop-down of the game's 833 roster
// entries that drops a list of 30 rows below the box.
#include <QComboBox>

class RosterPicker : public QComboBox {
  Q_OBJECT
 public:
  explicit RosterPicker(QWidget* parent = nullptr);
  void showPopup() override;
};
