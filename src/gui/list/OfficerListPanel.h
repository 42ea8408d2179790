#pragma once
// The officer list (新武将) and the search below it (输入一项或多项值以查找武将).
// The controls stand on the main window's client area at the places the
// form file gives; this object builds them there and handles them.
#include <QObject>
#include <array>
#include <memory>

class OfficerDocument;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
namespace Ui {
class OfficerListPanel;
}

class OfficerListPanel : public QObject {
  Q_OBJECT

 public:
  OfficerListPanel(QWidget* client, OfficerDocument& document, QObject* parent);
  ~OfficerListPanel() override;

  // --- handlers ---------------------------------------------------------------
  void Btn_ReSearchClick();
  void ListView_SelPrsnColumnClick(int column);
  void ListView_SelPrsnSelectItem(QTreeWidgetItem* item, bool selected);

  // One row per listed slot, in slot order.
  void FillOfficerList();
  // The row of a slot, if the list holds one.
  QTreeWidgetItem* RowOfSlot(int slot) const;
  QTreeWidgetItem* SelectedRow() const;

  // The slot's row (if the list holds one) takes the slot's display name and
  // five abilities from the document.
  void ShowSlot(int slot);

  // The slot a row stands for.
  static int SlotOf(const QTreeWidgetItem* row);

 private:
  // The five search boxes, in the order of the list's ability columns.
  std::array<QLineEdit*, 5> SearchBoxes() const;
  void ClearSearchBoxes();
  void SortRows();

  OfficerDocument& document_;
  std::unique_ptr<Ui::OfficerListPanel> ui_;
  // True while the rows are put into a new order: taking the selected row out
  // and back in is not the user selecting it (which would discard the edits
  // in the panel).
  bool reorderingRows_ = false;
};
