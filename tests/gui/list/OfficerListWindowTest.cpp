// The officer list on the real main window: filling, search, sorting, selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "gui/list/ListWindowFixture.h"

namespace {

const QString kNewOfficer = QStringLiteral("新武将");

void Click(QWidget* viewport, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &press);
  QApplication::sendEvent(viewport, &release);
}

void ClickHeader(QTreeWidget* list, int column) {
  QHeaderView* header = list->header();
  Click(header->viewport(), {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2});
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

using OfficerListWindow = ListWindowFixture;

}  // namespace

TEST_F(OfficerListWindow, LoadListsAllSlotsReadOnly) {
  OfficerTable table{};
  table[0] = Officer("Zh", "Fei", "Yide", 85, 97, 30, 20, 45);
  table[5].Zi.Write("Zl");
  Load(table);

  QTreeWidget* list = Window().ListView_SelPrsn;
  ASSERT_EQ(list->topLevelItemCount(), 110);
  for (int i = 0; i < 110; ++i) EXPECT_EQ(list->topLevelItem(i)->text(0), QString::number(650 + i));
  const QStringList row0{"650", "ZhFei Yide", "85", "97", "30", "20", "45"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(list->topLevelItem(0)->text(c), row0[c]);
  EXPECT_EQ(list->topLevelItem(5)->text(1), QStringLiteral(" Zl"));
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "110");
  EXPECT_EQ(Window().SelectedRow(), nullptr);

  // An edited number would make the row name another slot.
  QTreeWidgetItem* row = list->topLevelItem(3);
  list->setCurrentItem(row);
  PressKey(list, Qt::Key_F2);
  list->editItem(row, 0);
  EXPECT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(OfficerListWindow, SearchListsExactlyTheMatchingSlots) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 75, 1, 1, 1);
  table[40] = Officer("B", "", "", 80, 70, 1, 1, 1);
  table[109] = Officer("C", "", "", 80, 75, 1, 1, 1);
  Load(table);
  Window().ListView_SelPrsn->setCurrentItem(Window().ListView_SelPrsn->topLevelItem(20));

  Window().Edit_STongshuai->setText("80");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 690, 759}));
  EXPECT_EQ(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().CurrentSlot, 20);  // the panel keeps its officer

  Window().Edit_SWuli->setText("75");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 759}));

  Window().Edit_STongshuai->setText("0");
  Window().Edit_SWuli->setText("-5");
  Window().Btn_ReSearch->click();
  EXPECT_EQ(ListedNumbers().size(), 110u);
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(OfficerListWindow, TextThatIsNoIntegerShowsTheErrorAndChangesNothing) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 1, 1, 1, 1);
  Load(table);
  Window().Edit_STongshuai->setText("80");
  Window().Btn_ReSearch->click();
  ASSERT_EQ(ListedNumbers(), (std::vector<int>{653}));
  const auto visibleBefore = Window().SlotVisible;

  Window().Edit_STongshuai->clear();  // would list everything, but a later box fails
  Window().Edit_SMeili->setText("abc");
  Window().Btn_ReSearch->click();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653}));
  EXPECT_EQ(Window().SlotVisible, visibleBefore);
}

TEST_F(OfficerListWindow, HeaderClicksSortAndFlipTheOrder) {
  OfficerTable table{};
  const int tong[] = {50, 90, 10, 70, 30};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("X", "", "", s < 5 ? tong[s] : 40, 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = Window().ListView_SelPrsn;

  ClickHeader(list, 2);  // 统率: highest first
  std::vector<int> values = ListedColumn(2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("651"));
  EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));

  ClickHeader(list, 2);  // again: lowest first
  values = ListedColumn(2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("652"));
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));

  ClickHeader(list, 0);  // 编号: upward on the first click
  values = ListedNumbers();
  EXPECT_EQ(values.front(), 650);
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
}

TEST_F(OfficerListWindow, NamesSortAsGbkBytes) {
  Load(OfficerTable{});
  Window().ListView_SelPrsnColumnClick(1);
  QTreeWidget* list = Window().ListView_SelPrsn;
  EXPECT_EQ(list->topLevelItem(0)->text(1), kNewOfficer + "1");
  EXPECT_EQ(list->topLevelItem(1)->text(1), kNewOfficer + "10");  // before 新武将2
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "99");
}

TEST_F(OfficerListWindow, SortingKeepsTheSelectedRowWithoutShowingItAgain) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>(s), 0, 0, 0, 0);
  Load(table);
  QTreeWidget* list = Window().ListView_SelPrsn;
  list->setCurrentItem(list->topLevelItem(5));
  ASSERT_EQ(Window().CurrentSlot, 5);
  Window().CurrentSlot = 42;  // showing the row again would set 5

  Window().ListView_SelPrsnColumnClick(2);
  ASSERT_NE(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().SelectedRow()->text(0), QStringLiteral("655"));
  EXPECT_EQ(list->indexOfTopLevelItem(Window().SelectedRow()), 104);
  EXPECT_EQ(Window().CurrentSlot, 42);
}

TEST_F(OfficerListWindow, SortingLeavesTheViewScrolledWhereItWas) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>(s), 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = Window().ListView_SelPrsn;
  list->setCurrentItem(list->topLevelItem(5));
  ASSERT_EQ(list->verticalScrollBar()->value(), 0);

  // The selected row goes to the bottom; the top of the new order stays in sight.
  ClickHeader(list, 2);
  EXPECT_EQ(list->indexOfTopLevelItem(Window().SelectedRow()), 104);
  EXPECT_EQ(list->verticalScrollBar()->value(), 0);
  EXPECT_EQ(list->indexAt(QPoint(5, 5)).row(), 0);
}

TEST_F(OfficerListWindow, SelectingByMouseOrArrowKeysSetsTheCurrentSlot) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>((s * 37) % 101), 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = Window().ListView_SelPrsn;
  list->setFocus();

  Click(list->viewport(), list->visualItemRect(list->topLevelItem(2)).center());
  EXPECT_EQ(Window().CurrentSlot, 2);
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().CurrentSlot, 3);
  EXPECT_EQ(Window().SelectedRow(), list->topLevelItem(3));

  // Clicking the row that is already selected does nothing.
  Window().CurrentSlot = 60;
  Click(list->viewport(), list->visualItemRect(list->topLevelItem(3)).center());
  EXPECT_EQ(Window().CurrentSlot, 60);

  // In a sorted list the row's number names the slot, not its position.
  Window().ListView_SelPrsnColumnClick(2);
  list->setCurrentItem(list->topLevelItem(0));
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().CurrentSlot, list->topLevelItem(1)->text(0).toInt() - 650);
  EXPECT_NE(Window().CurrentSlot, 1);
}

TEST_F(OfficerListWindow, LoadListsEverySlotInSlotOrderWithoutSelection) {
  Load(OfficerTable{});
  Window().Edit_SWuli->setText("5");
  Window().Btn_ReSearch->click();
  ASSERT_TRUE(ListedNumbers().empty());
  Window().ListView_SelPrsnColumnClick(1);
  Load(OfficerTable{});
  Window().ListView_SelPrsn->setCurrentItem(Window().ListView_SelPrsn->topLevelItem(4));
  Load(OfficerTable{});
  const std::vector<int> numbers = ListedNumbers();
  EXPECT_EQ(numbers.size(), 110u);
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));  // the sort state is not applied again
  EXPECT_EQ(Window().SortColumn, 1);
  EXPECT_EQ(Window().SelectedRow(), nullptr);
  EXPECT_EQ(Window().CurrentSlot, 0);
}
