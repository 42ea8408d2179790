// The officer list and the search on the main window.
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "gui/widgets/GbkText.h"
#include "gui/widgets/PlacedWidgets.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/list/OfficerList.h"

namespace {

// True while the rows are put into a new order: taking the selected row out
// and back in is not the user selecting it (which would discard the edits in
// the panel).
bool g_reorderingRows = false;

ListRowKey KeyOf(const QTreeWidgetItem* row) {
  ListRowKey key;
  key.number = row->text(0).toLongLong();
  key.name = ToGbk(row->text(1));
  for (std::size_t i = 0; i < key.abilities.size(); ++i) key.abilities[i] = row->text(2 + static_cast<int>(i)).toLongLong();
  return key;
}

// The order of two rows under the window's sort state.
int ListView_SelPrsnCompare(const ListRowKey& row1, const ListRowKey& row2, int sortColumn, bool sortAscending) {
  return CompareListRows(row1, row2, sortColumn, sortAscending);
}

// Puts all rows in the order of the comparison. The list's own sorting stays
// off; the rows are taken out and put back, and the selected and current rows
// stay what they were. The view does not scroll: the rows that were in sight
// at the top are replaced by the first rows of the new order, wherever the
// selected row went.
void SortRows(QTreeWidget* list, int sortColumn, bool sortAscending) {
  QTreeWidgetItem* selected = nullptr;
  if (const auto items = list->selectedItems(); !items.isEmpty()) selected = items.first();
  QTreeWidgetItem* current = list->currentItem();
  const int scrolledTo = list->verticalScrollBar()->value();
  const bool autoScroll = list->hasAutoScroll();

  std::vector<std::pair<ListRowKey, QTreeWidgetItem*>> rows;
  rows.reserve(static_cast<std::size_t>(list->topLevelItemCount()));
  for (int i = 0; i < list->topLevelItemCount(); ++i) rows.emplace_back(KeyOf(list->topLevelItem(i)), list->topLevelItem(i));
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    return ListView_SelPrsnCompare(a.first, b.first, sortColumn, sortAscending) < 0;
  });

  g_reorderingRows = true;
  list->setAutoScroll(false);
  const QList<QTreeWidgetItem*> taken = list->invisibleRootItem()->takeChildren();
  QList<QTreeWidgetItem*> ordered;
  ordered.reserve(static_cast<qsizetype>(rows.size()));
  for (const auto& row : rows) ordered.append(row.second);
  list->addTopLevelItems(ordered);
  if (selected) {
    list->setCurrentItem(selected, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else if (current) {
    list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  }
  list->setAutoScroll(autoScroll);
  list->doItemsLayout();  // the scroll range of the refilled list
  list->verticalScrollBar()->setValue(scrolledTo);
  g_reorderingRows = false;
}

QLineEdit* MakeSearchBox(QWidget* parent, const char* name, const QString& caption, int x) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(x, 20, 12, 20);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x + 14, 20, 44, 20);
  label->setBuddy(box);
  return box;
}

}  // namespace

void TForm_Main::BuildOfficerList() {
  ListView_SelPrsn = new QTreeWidget(GroupBox7);
  ListView_SelPrsn->setObjectName(QStringLiteral("ListView_SelPrsn"));
  ListView_SelPrsn->setGeometry(8, 16, 364, 393);
  ListView_SelPrsn->setColumnCount(kListColumnCount);
  ListView_SelPrsn->setHeaderLabels({QStringLiteral("编号"), QStringLiteral("姓名"), QStringLiteral("统率"), QStringLiteral("武力"),
                                     QStringLiteral("智力"), QStringLiteral("政治"), QStringLiteral("魅力")});
  const int widths[kListColumnCount] = {40, 80, 45, 45, 45, 45, 45};
  for (int c = 0; c < kListColumnCount; ++c) ListView_SelPrsn->setColumnWidth(c, widths[c]);
  ListView_SelPrsn->setRootIsDecorated(false);
  ListView_SelPrsn->setItemsExpandable(false);
  ListView_SelPrsn->setUniformRowHeights(true);
  ListView_SelPrsn->setAllColumnsShowFocus(true);
  ListView_SelPrsn->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView_SelPrsn->setSelectionMode(QAbstractItemView::SingleSelection);
  // An edited number would make the row name another slot.
  ListView_SelPrsn->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView_SelPrsn->setSortingEnabled(false);

  QHeaderView* header = ListView_SelPrsn->header();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setSortIndicatorShown(false);

  // The selected row stays marked while the user works in the panel.
  QPalette palette = ListView_SelPrsn->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
  ListView_SelPrsn->setPalette(palette);

  Guard(header, &QHeaderView::sectionClicked, [this](int column) { ListView_SelPrsnColumnClick(column); });
  Guard(ListView_SelPrsn->selectionModel(), &QItemSelectionModel::selectionChanged,
        [this](const QItemSelection& selected, const QItemSelection&) {
          if (g_reorderingRows) return;
          for (const QModelIndex& index : selected.indexes()) {
            if (index.column() != 0 || index.parent().isValid()) continue;
            if (QTreeWidgetItem* row = ListView_SelPrsn->topLevelItem(index.row())) ListView_SelPrsnSelectItem(row, true);
          }
        });
}

void TForm_Main::BuildSearchGroup() {
  Edit_STongshuai = MakeSearchBox(GroupBox8, "Edit_STongshuai", QStringLiteral("统"), 8);
  Edit_SWuli = MakeSearchBox(GroupBox8, "Edit_SWuli", QStringLiteral("武"), 70);
  Edit_SZhili = MakeSearchBox(GroupBox8, "Edit_SZhili", QStringLiteral("智"), 132);
  Edit_SZhengzhi = MakeSearchBox(GroupBox8, "Edit_SZhengzhi", QStringLiteral("政"), 194);
  Edit_SMeili = MakeSearchBox(GroupBox8, "Edit_SMeili", QStringLiteral("魅"), 256);

  Btn_ReSearch = MakeButton(GroupBox8, "Btn_ReSearch", QStringLiteral("查找"), 322, 18, 50, 23);
  Guard(Btn_ReSearch, &QPushButton::clicked, [this] { Btn_ReSearchClick(); });
}

void TForm_Main::FillOfficerList() {
  ListView_SelPrsn->clear();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(kSlotCount));
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    if (!SlotVisible[s]) continue;
    const int slot = static_cast<int>(s);
    auto* row = new QTreeWidgetItem();
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    row->setText(0, QString::number(slot + kFirstNewOfficer));
    SetRowTexts(row, FromGbk(DisplayName(Table[s], slot)), Table[s]);
    rows.append(row);
  }
  ListView_SelPrsn->addTopLevelItems(rows);
}

void TForm_Main::Btn_ReSearchClick() {
  // Every box is read before anything changes: a box that holds no integer
  // leaves the list as it was.
  const SearchValues values = ParseSearchValues({Edit_STongshuai->text().toStdString(), Edit_SWuli->text().toStdString(),
                                                 Edit_SZhili->text().toStdString(), Edit_SZhengzhi->text().toStdString(),
                                                 Edit_SMeili->text().toStdString()});
  SlotVisible = SearchVisibleSlots(Table, values);
  FillOfficerList();
}

void TForm_Main::ListView_SelPrsnColumnClick(int column) {
  if (column < 0 || column >= kListColumnCount) return;
  const SortState next = NextSortState(SortState{SortColumn, SortAscending}, column);
  SortColumn = next.column;
  SortAscending = next.ascending;
  SortRows(ListView_SelPrsn, SortColumn, SortAscending);
}

void TForm_Main::ListView_SelPrsnSelectItem(QTreeWidgetItem* item, bool selected) {
  if (!selected || !item) return;
  // The number column is the row's only link to its slot.
  bool ok = false;
  const int slot = item->text(0).toInt(&ok) - kFirstNewOfficer;
  if (!ok || slot < 0 || slot >= static_cast<int>(kSlotCount)) return;
  CurrentSlot = slot;
  Btn_MCancelClick();
}

QTreeWidgetItem* TForm_Main::SelectedRow() const {
  const QList<QTreeWidgetItem*> rows = ListView_SelPrsn->selectedItems();
  return rows.isEmpty() ? nullptr : rows.first();
}

void TForm_Main::SetRowTexts(QTreeWidgetItem* row, const QString& displayName, const OfficerRecord& record) {
  if (!row) return;
  row->setText(1, displayName);
  const std::uint16_t abilities[] = {record.Tongshuai, record.Wuli, record.Zhili, record.Zhengzhi, record.Meili};
  for (int i = 0; i < 5; ++i) row->setText(2 + i, QString::number(abilities[i]));
}
