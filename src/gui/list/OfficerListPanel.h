#pragma once
// The officer list (新武将) and the search below it (输入一项或多项值以查找武将).
// The controls stand on the main window's client area at the places the
// form file gives; this object builds them there and handles them.
#include <QList>
#include <QObject>
#include <QPoint>
#include <array>
#include <memory>

class OfficerDocument;
class OfficerListModel;
class PanelSession;
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
  OfficerListPanel(QWidget* client, OfficerListModel& model, const PanelSession& session, QObject* parent);
  ~OfficerListPanel() override;

  // --- handlers ---------------------------------------------------------------
  void SearchByBoxes();
  void SortByColumn(int column);
  void ChooseRow(QTreeWidgetItem* item, bool selected);

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
  // Selects the slot's row (when listed) without choosing it anew: the
  // choice the player made is taken back.
  void SelectRowOfSlot(int slot);

 signals:
  // The player selected the row of a slot; the window decides whether the
  // panel may leave the officer it shows.
  void officerChosen(int slot);
  // A right click on the row of a slot: the commands on that officer open
  // at `globalPos`.
  void rowMenuRequested(int slot, const QPoint& globalPos);

 protected:
  // The language changed: the captions anew.
  bool event(QEvent* event) override;

 private:
  // The five search boxes, in the order of the list's ability columns.
  std::array<QLineEdit*, 5> SearchBoxes() const;
  void ClearSearchBoxes();
  // The names in the document's script, re-sorted when sorted by name.
  void ShowNamesAgain();
  void SortRows();

  OfficerListModel& model_;
  const PanelSession& session_;
  const OfficerDocument& document_;
  std::unique_ptr<Ui::OfficerListPanel> ui_;
  QWidget* client_;
  // True while the program itself selects rows (a new order, a choice taken
  // back): that is not the user choosing an officer.
  bool reorderingRows_ = false;
};
