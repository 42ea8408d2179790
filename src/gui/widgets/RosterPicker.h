#pragma once
// A relationship picker: a choose-only drop-down of the game's 833 roster
// entries that drops a list of 30 rows below the box. A find box above the
// list takes what the player types (a part of a number or of a name, in
// simplified or traditional characters) and leaves only the entries that
// match; Up and Down move through them, Enter chooses the highlighted one,
// Esc closes the list and keeps the value.
#include <QComboBox>
#include <QPointer>

class QLineEdit;

class RosterPicker : public QComboBox {
  Q_OBJECT
 public:
  explicit RosterPicker(QWidget* parent = nullptr);
  void showPopup() override;
  // The find box of the open list; null before the list first opens.
  QLineEdit* FindBox() const { return findBox_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The language changed: the find box's hint and tooltip anew.
  void changeEvent(QEvent* event) override;

 private:
  // Puts the find box above the list, once for each list the box makes;
  // false when the list is not laid out in a box.
  bool AddFindBox();
  void ShowFindBoxTexts();
  // The list grows by the find box, so that it keeps its 30 rows.
  void MakeRoomForFindBox();
  // Leaves the entries that match, highlighting the typed number, else the
  // highlighted entry when it matches, else the first match.
  void Find(const QString& typed);
  void ChooseHighlighted();
  bool HandleFindBoxKey(const QKeyEvent& key);

  QPointer<QLineEdit> findBox_;
};
