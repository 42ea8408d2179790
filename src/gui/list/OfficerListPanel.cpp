#include "gui/list/OfficerListPanel.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <QScrollBar>

#include "core/document/OfficerDocument.h"
#include "core/document/OfficerListModel.h"
#include "core/editor/PanelSession.h"
#include "core/list/OfficerList.h"
#include "gui/widgets/ErrorGuard.h"
#include "ui_OfficerListPanel.h"
#include "core/officers/OfficerFields.h"

namespace {

void SetRowTexts(QTreeWidgetItem* row, const OfficerRecord& record, int slot, OfficerTextScript script) {
  row->setText(1, QString::fromStdString(SlotNameUtf8(record, slot, NameUse::ListRow, script)));
  const auto abilities = AbilitiesOf(record);
  for (std::size_t i = 0; i < abilities.size(); ++i) row->setText(2 + static_cast<int>(i), QString::number(abilities[i]));
}

}  // namespace

OfficerListPanel::OfficerListPanel(QWidget* client, OfficerListModel& model, const PanelSession& session, QObject* parent)
    : QObject(parent),
      model_(model),
      session_(session),
      document_(model.Document()),
      ui_(std::make_unique<Ui::OfficerListPanel>()),
      client_(client) {
  setObjectName(QStringLiteral("OfficerListPanel"));
  ui_->setupUi(client);
  QTreeWidget* list = ui_->ListView_SelPrsn;
  const int widths[kListColumnCount] = {40, 80, 45, 45, 45, 45, 45};
  for (int c = 0; c < kListColumnCount; ++c) list->setColumnWidth(c, widths[c]);
  QHeaderView* header = list->header();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setSortIndicatorShown(false);

  // The selected row stays marked while the user works in the panel.
  QPalette palette = list->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
  list->setPalette(palette);

  ConnectGuarded(header, &QHeaderView::sectionClicked, this, [this](int column) { SortByColumn(column); });
  ConnectGuarded(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                 [this](const QItemSelection& selected, const QItemSelection&) {
                   if (reorderingRows_) return;
                   for (const QModelIndex& index : selected.indexes()) {
                     if (index.column() != 0 || index.parent().isValid()) continue;
                     ChooseRow(ui_->ListView_SelPrsn->topLevelItem(index.row()), true);
                   }
                 });
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& pos) {
    if (QTreeWidgetItem* row = list->itemAt(pos)) emit rowMenuRequested(SlotOf(row), list->viewport()->mapToGlobal(pos));
  });
  ConnectGuarded(ui_->Btn_ReSearch, &QPushButton::clicked, this, &OfficerListPanel::SearchByBoxes);
  // Enter in a search box searches.
  for (QLineEdit* box : SearchBoxes()) {
    ConnectGuarded(box, &QLineEdit::returnPressed, this, &OfficerListPanel::SearchByBoxes);
  }

  connect(&model_, &OfficerListModel::listReset, this, [this] {
    ClearSearchBoxes();
    FillOfficerList();
  });
  connect(&model_, &OfficerListModel::visibleSlotsChanged, this, &OfficerListPanel::FillOfficerList);
  connect(&document_, &OfficerDocument::recordChanged, this, &OfficerListPanel::ShowSlot);
  connect(&document_, &OfficerDocument::textScriptChanged, this, &OfficerListPanel::ShowNamesAgain);
}

void OfficerListPanel::ShowNamesAgain() {
  QTreeWidget* list = ui_->ListView_SelPrsn;
  for (int i = 0; i < list->topLevelItemCount(); ++i) ShowSlot(SlotOf(list->topLevelItem(i)));
  if (model_.Sort().column == 1) SortRows();  // names sort by the script's bytes
}

OfficerListPanel::~OfficerListPanel() = default;

bool OfficerListPanel::event(QEvent* event) {
  // Captions and column headings only: rows and search boxes stay.
  if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(client_);
  return QObject::event(event);
}

std::array<QLineEdit*, 5> OfficerListPanel::SearchBoxes() const {
  return {ui_->Edit_STongshuai, ui_->Edit_SWuli, ui_->Edit_SZhili, ui_->Edit_SZhengzhi, ui_->Edit_SMeili};
}

void OfficerListPanel::ClearSearchBoxes() {
  for (QLineEdit* box : SearchBoxes()) {
    box->clear();
  }
}

void OfficerListPanel::FillOfficerList() {
  QTreeWidget* list = ui_->ListView_SelPrsn;
  list->clear();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(kSlotCount));
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    if (!model_.SlotVisible()[static_cast<std::size_t>(slot)]) continue;
    auto* row = new QTreeWidgetItem();
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    row->setData(0, Qt::UserRole, slot);
    row->setText(0, QString::number(slot + kFirstNewOfficer));
    SetRowTexts(row, document_.Record(slot), slot, document_.TextScript());
    rows.append(row);
  }
  list->addTopLevelItems(rows);
}

void OfficerListPanel::ShowSlot(int slot) {
  // A slot that a search has hidden has no row; the list is not re-sorted.
  if (QTreeWidgetItem* row = RowOfSlot(slot)) SetRowTexts(row, document_.Record(slot), slot, document_.TextScript());
}

void OfficerListPanel::SearchByBoxes() {
  const std::array<QLineEdit*, 5> boxes = SearchBoxes();
  std::array<std::string, 5> texts;
  for (std::size_t i = 0; i < boxes.size(); ++i) texts[i] = boxes[i]->text().toStdString();
  model_.Search(texts);
}

void OfficerListPanel::SortByColumn(int column) {
  if (column < 0 || column >= kListColumnCount) return;
  model_.SortBy(column);
  SortRows();
}

void OfficerListPanel::ChooseRow(QTreeWidgetItem* item, bool selected) {
  if (!selected || !item) return;
  emit officerChosen(SlotOf(item));
}

void OfficerListPanel::SelectRowOfSlot(int slot) {
  QTreeWidget* list = ui_->ListView_SelPrsn;
  reorderingRows_ = true;
  if (QTreeWidgetItem* row = RowOfSlot(slot); row && session_.HasShownOfficer()) {
    list->setCurrentItem(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    list->clearSelection();
  }
  reorderingRows_ = false;
}

int OfficerListPanel::SlotOf(const QTreeWidgetItem* row) { return row->data(0, Qt::UserRole).toInt(); }

QTreeWidgetItem* OfficerListPanel::RowOfSlot(int slot) const {
  QTreeWidget* list = ui_->ListView_SelPrsn;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    if (SlotOf(list->topLevelItem(i)) == slot) return list->topLevelItem(i);
  }
  return nullptr;
}

QTreeWidgetItem* OfficerListPanel::SelectedRow() const {
  const QList<QTreeWidgetItem*> rows = ui_->ListView_SelPrsn->selectedItems();
  return rows.isEmpty() ? nullptr : rows.first();
}

// Puts all rows in the order of the sort state. The list's own sorting stays
// off; the rows are taken out and put back, and the selected and current rows
// stay what they were. The view does not scroll: the rows that were in sight
// at the top are replaced by the first rows of the new order, wherever the
// selected row went.
void OfficerListPanel::SortRows() {
  QTreeWidget* list = ui_->ListView_SelPrsn;
  QTreeWidgetItem* selected = SelectedRow();
  QTreeWidgetItem* current = list->currentItem();
  const int scrolledTo = list->verticalScrollBar()->value();
  const bool autoScroll = list->hasAutoScroll();

  std::vector<int> listed;
  for (int i = 0; i < list->topLevelItemCount(); ++i) listed.push_back(SlotOf(list->topLevelItem(i)));
  const std::vector<int> sorted = model_.SortedSlots(listed);

  reorderingRows_ = true;
  list->setAutoScroll(false);
  QList<QTreeWidgetItem*> taken = list->invisibleRootItem()->takeChildren();
  QList<QTreeWidgetItem*> ordered;
  ordered.reserve(taken.size());
  for (int slot : sorted) {
    for (QTreeWidgetItem* row : taken) {
      if (SlotOf(row) == slot) ordered.append(row);
    }
  }
  list->addTopLevelItems(ordered);
  if (selected) {
    list->setCurrentItem(selected, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else if (current) {
    list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  }
  list->setAutoScroll(autoScroll);
  list->doItemsLayout();  // the scroll range of the refilled list
  list->verticalScrollBar()->setValue(scrolledTo);
  reorderingRows_ = false;
}
