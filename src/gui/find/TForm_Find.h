#pragma once
// 编辑 → 查找武将…: a part of a name, a range for each of the five
// abilities and which slots to look at. 查找 makes the list show the
// matching slots and says how many; the dialog stays open for the next
// search until 关闭.
#include <QDialog>
#include <array>
#include <memory>
#include <optional>

#include "core/list/OfficerFinder.h"

class OfficerListModel;
class QLineEdit;
namespace Ui {
class TForm_Find;
}

class TForm_Find : public QDialog {
  Q_OBJECT

 public:
  TForm_Find(OfficerListModel& list, QWidget* parent = nullptr);
  ~TForm_Find() override;

  // Reads the boxes and searches. A box that holds no integer is named in a
  // message, takes the focus and the list stays as it was.
  void FindOfficers();
  // What the boxes ask for; throws AbilityBoxError for a box without an integer.
  FindCriteria Criteria() const;

 protected:
  // The language changed: the form's texts and those set here anew.
  void changeEvent(QEvent* event) override;

 private:
  // The ≥ and ≤ boxes of each ability, 统率 … 魅力.
  std::array<std::array<QLineEdit*, 2>, 5> AbilityBoxes() const;

  // 找到 … 位武将 for the last search; nothing after a refused one.
  void ShowResult();

  OfficerListModel& list_;
  std::optional<int> found_;
  std::unique_ptr<Ui::TForm_Find> ui_;
};
