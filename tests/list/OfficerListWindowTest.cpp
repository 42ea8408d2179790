// The officer list on the real main window: filling, search, sorting, selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "list/ListWindowFixture.h"

namespace {

// "新武将" as the list shows it.
const QString kNewOfficer = QStringLiteral("新武将");

class OfficerListWindow : public ListWindowFixture {};

void ClickHeader(QTreeWidget* list, int column) {
  QHeaderView* header = list->header();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, header->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, header->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(header->viewport(), &press);
  QApplication::sendEvent(header->viewport(), &release);
}

void ClickRow(QTreeWidget* list, QTreeWidgetItem* row) {
  const QPoint at = list->visualItemRect(row).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &press);
  QApplication::sendEvent(list->viewport(), &release);
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

}  // namespace

TEST_F(OfficerListWindow, IsBuiltAsAReportWithSevenColumns) {
  QTreeWidget* list = Window().ListView_SelPrsn;
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->parentWidget(), static_cast<QWidget*>(Window().GroupBox7));
  const QStringList captions{"编号", "姓名", "统率", "武力", "智力", "政治", "魅力"};
  const int widths[] = {40, 80, 45, 45, 45, 45, 45};
  ASSERT_EQ(list->columnCount(), 7);
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(list->headerItem()->text(c), captions[c]);
    EXPECT_EQ(list->columnWidth(c), widths[c]);
  }
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_TRUE(list->header()->sectionsClickable());
  EXPECT_FALSE(list->rootIsDecorated());
  EXPECT_EQ(list->topLevelItemCount(), 0);  // no file yet

  const std::vector<std::pair<QLineEdit*, const char*>> boxes{{Window().Edit_STongshuai, "Edit_STongshuai"},
                                                              {Window().Edit_SWuli, "Edit_SWuli"},
                                                              {Window().Edit_SZhili, "Edit_SZhili"},
                                                              {Window().Edit_SZhengzhi, "Edit_SZhengzhi"},
                                                              {Window().Edit_SMeili, "Edit_SMeili"}};
  for (const auto& [box, name] : boxes) {
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(box->objectName(), QString::fromLatin1(name));
    EXPECT_EQ(box->parentWidget(), static_cast<QWidget*>(Window().GroupBox8));
    EXPECT_TRUE(Window().GroupBox8->rect().contains(box->geometry())) << name;
  }
  ASSERT_NE(Window().Btn_ReSearch, nullptr);
  EXPECT_EQ(Window().Btn_ReSearch->text(), QStringLiteral("查找"));
  EXPECT_TRUE(Window().GroupBox8->rect().contains(Window().Btn_ReSearch->geometry()));
}

TEST_F(OfficerListWindow, LoadListsAllSlotsUnderTheirNumbers) {
  OfficerTable table{};
  table[0] = Officer("Zh", "Fei", "Yide", 85, 97, 30, 20, 45);
  table[5].Zi.Write("Zl");
  table[7] = Officer("Gu", "Yu", "", 1, 2, 3, 4, 5);
  Load(table);

  QTreeWidget* list = Window().ListView_SelPrsn;
  ASSERT_EQ(list->topLevelItemCount(), 110);
  for (int i = 0; i < 110; ++i) EXPECT_EQ(list->topLevelItem(i)->text(0), QString::number(650 + i));
  const QStringList row0{"650", "ZhFei Yide", "85", "97", "30", "20", "45"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(list->topLevelItem(0)->text(c), row0[c]);
  EXPECT_EQ(list->topLevelItem(5)->text(1), QStringLiteral(" Zl"));
  EXPECT_EQ(list->topLevelItem(7)->text(1), QStringLiteral("GuYu "));
  EXPECT_EQ(list->topLevelItem(1)->text(1), kNewOfficer + "2");
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "110");
  EXPECT_EQ(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().CurrentSlot, 0);
}

TEST_F(OfficerListWindow, RowsAreReadOnly) {
  Load(OfficerTable{});
  QTreeWidget* list = Window().ListView_SelPrsn;
  QTreeWidgetItem* row = list->topLevelItem(3);
  EXPECT_FALSE(row->flags() & Qt::ItemIsEditable);
  list->setCurrentItem(row);
  list->editItem(row, 0);
  PressKey(list, Qt::Key_F2);
  EXPECT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
  EXPECT_EQ(row->text(0), QStringLiteral("653"));
}

TEST_F(OfficerListWindow, SearchListsExactlyTheMatchingSlots) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 75, 1, 1, 1);
  table[40] = Officer("B", "", "", 80, 70, 1, 1, 1);
  table[109] = Officer("C", "", "", 80, 75, 1, 1, 1);
  table[50] = Officer("D", "", "", 8, 75, 1, 1, 1);
  Load(table);

  Window().Edit_STongshuai->setText("80");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 690, 759}));
  EXPECT_EQ(Window().SelectedRow(), nullptr);

  Window().Edit_SWuli->setText("75");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 759}));

  // 0 and negative values place no condition, like empty boxes.
  Window().Edit_STongshuai->setText("0");
  Window().Edit_SWuli->setText("-5");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers().size(), 110u);

  Window().Edit_STongshuai->setText("70000");
  Window().Edit_SWuli->clear();
  Window().Btn_ReSearch->click();
  EXPECT_TRUE(ListedNumbers().empty());

  Window().Edit_STongshuai->clear();
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers().size(), 110u);
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(OfficerListWindow, SearchKeepsTheShownOfficer) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 1, 1, 1, 1);
  Load(table);
  Window().ListView_SelPrsn->setCurrentItem(Window().ListView_SelPrsn->topLevelItem(20));
  ASSERT_EQ(Window().CurrentSlot, 20);
  Window().Edit_STongshuai->setText("80");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653}));
  EXPECT_EQ(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().CurrentSlot, 20);
}

TEST_F(OfficerListWindow, TextThatIsNoIntegerShowsTheErrorAndChangesNothing) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 1, 1, 1, 1);
  table[4] = Officer("B", "", "", 80, 1, 1, 1, 1);
  Load(table);
  Window().Edit_STongshuai->setText("80");
  Window().Btn_ReSearch->click();
  ASSERT_EQ(ListedNumbers(), (std::vector<int>{653, 654}));
  const auto visibleBefore = Window().SlotVisible;

  Window().Edit_STongshuai->setText("abc");
  Window().Btn_ReSearch->click();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 654}));
  EXPECT_EQ(Window().SlotVisible, visibleBefore);

  // A bad last box stops the search just as well, though the first box is fine.
  Window().Edit_STongshuai->clear();
  Window().Edit_SMeili->setText("7x");
  Window().Btn_ReSearch->click();
  ASSERT_EQ(harness.messages.size(), 2u);
  EXPECT_EQ(harness.messages[1].text, QStringLiteral("'7x' is not a valid integer value."));
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 654}));
  EXPECT_EQ(Window().Edit_SMeili->text(), QStringLiteral("7x"));  // the boxes keep their texts
}

TEST_F(OfficerListWindow, HeaderClicksSortAndFlipTheOrder) {
  OfficerTable table{};
  const int tong[] = {50, 90, 10, 70, 30};
  for (int s = 0; s < 5; ++s) table[static_cast<std::size_t>(s)] = Officer("X", "", "", tong[s], 0, 0, 0, 0);
  for (std::size_t s = 5; s < kSlotCount; ++s) table[s] = Officer("Y", "", "", 40, 0, 0, 0, 0);
  Load(table);
  Window().show();

  Window().Edit_STongshuai->clear();
  QTreeWidget* list = Window().ListView_SelPrsn;
  ClickHeader(list, 2);  // 统率: highest first
  EXPECT_EQ(Window().SortColumn, 2);
  EXPECT_FALSE(Window().SortAscending);
  std::vector<int> first = ListedColumn(2);
  EXPECT_EQ(first.front(), 90);
  EXPECT_TRUE(std::is_sorted(first.rbegin(), first.rend()));
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("651"));

  ClickHeader(list, 2);  // again: lowest first
  EXPECT_TRUE(Window().SortAscending);
  std::vector<int> second = ListedColumn(2);
  EXPECT_EQ(second.front(), 10);
  EXPECT_TRUE(std::is_sorted(second.begin(), second.end()));
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("652"));

  ClickHeader(list, 0);  // 编号: upward on the first click
  const std::vector<int> numbers = ListedNumbers();
  EXPECT_EQ(numbers.front(), 650);
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(OfficerListWindow, FirstClickOnNumberSortsUpwardAndNamesSortAsBytes) {
  Load(OfficerTable{});
  // Sort state starts at column 0, descending: the first click flips it.
  Window().ListView_SelPrsnColumnClick(0);
  EXPECT_TRUE(Window().SortAscending);
  EXPECT_EQ(ListedNumbers().front(), 650);

  Window().ListView_SelPrsnColumnClick(1);
  EXPECT_TRUE(Window().SortAscending);
  QTreeWidget* list = Window().ListView_SelPrsn;
  // 新武将1, 新武将10, 新武将100, 新武将101 ...: the digit 1 comes before 2.
  EXPECT_EQ(list->topLevelItem(0)->text(1), kNewOfficer + "1");
  EXPECT_EQ(list->topLevelItem(1)->text(1), kNewOfficer + "10");
  EXPECT_EQ(list->topLevelItem(2)->text(1), kNewOfficer + "100");
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "99");

  Window().ListView_SelPrsnColumnClick(1);
  EXPECT_EQ(list->topLevelItem(0)->text(1), kNewOfficer + "99");
}

TEST_F(OfficerListWindow, SortingKeepsTheSelectedRowWithoutShowingItAgain) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>(s), 0, 0, 0, 0);
  Load(table);
  QTreeWidget* list = Window().ListView_SelPrsn;
  list->setCurrentItem(list->topLevelItem(5));
  ASSERT_EQ(Window().CurrentSlot, 5);
  Window().CurrentSlot = 42;  // a re-selection would set 5 again

  Window().ListView_SelPrsnColumnClick(2);  // highest 统率 first: slot 5 moves near the end
  ASSERT_NE(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().SelectedRow()->text(0), QStringLiteral("655"));
  EXPECT_EQ(list->indexOfTopLevelItem(Window().SelectedRow()), 104);
  EXPECT_EQ(list->currentItem(), Window().SelectedRow());
  EXPECT_EQ(Window().CurrentSlot, 42);
}

TEST_F(OfficerListWindow, SelectingByMouseOrArrowKeysSetsTheCurrentSlot) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>((s * 37) % 101), 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = Window().ListView_SelPrsn;
  list->setFocus();

  ClickRow(list, list->topLevelItem(2));
  EXPECT_EQ(Window().CurrentSlot, 2);
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().CurrentSlot, 3);
  EXPECT_EQ(Window().SelectedRow(), list->topLevelItem(3));
  PressKey(list, Qt::Key_Up);
  PressKey(list, Qt::Key_Up);
  EXPECT_EQ(Window().CurrentSlot, 1);

  // Clicking the row that is already selected does nothing.
  Window().CurrentSlot = 60;
  ClickRow(list, list->topLevelItem(1));
  EXPECT_EQ(Window().CurrentSlot, 60);

  // In a sorted list the row's number names the slot, not its position.
  Window().ListView_SelPrsnColumnClick(2);
  list->setCurrentItem(list->topLevelItem(0));
  const int top = list->topLevelItem(0)->text(0).toInt() - 650;
  const int next = list->topLevelItem(1)->text(0).toInt() - 650;
  EXPECT_EQ(Window().CurrentSlot, top);
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().CurrentSlot, next);
  EXPECT_NE(top, 0);
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(OfficerListWindow, ReloadClearsTheSelectionAndKeepsTheSortStateUnapplied) {
  Load(OfficerTable{});
  Window().ListView_SelPrsnColumnClick(1);
  Window().ListView_SelPrsn->setCurrentItem(Window().ListView_SelPrsn->topLevelItem(4));
  Window().OpenOfficerFile(QString::fromStdString(path_.string()));
  EXPECT_EQ(Window().SortColumn, 1);
  EXPECT_EQ(ListedNumbers().front(), 650);  // slot order again
  EXPECT_EQ(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().CurrentSlot, 0);
}
