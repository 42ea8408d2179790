// The officer list on the real main window: filling, search, sorting, selection.
#include <gtest/gtest.h>

#include <QSignalSpy>

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

#include "core/document/OfficerListModel.h"
#include "core/editor/PanelSession.h"
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

  QTreeWidget* list = OfficerList(Window());
  ASSERT_EQ(list->topLevelItemCount(), 110);
  for (int i = 0; i < 110; ++i) EXPECT_EQ(list->topLevelItem(i)->text(0), QString::number(650 + i));
  const QStringList row0{"650", "ZhFei Yide", "85", "97", "30", "20", "45"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(list->topLevelItem(0)->text(c), row0[c]);
  EXPECT_EQ(list->topLevelItem(5)->text(1), QStringLiteral(" Zl"));
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "110");
  EXPECT_EQ(SelectedRow(Window()), nullptr);

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
  OfficerList(Window())->setCurrentItem(OfficerList(Window())->topLevelItem(20));

  Find<QLineEdit>(Window(), "Edit_STongshuai")->setText("80");
  Find<QPushButton>(Window(), "Btn_ReSearch")->click();
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653, 690, 759}));
  EXPECT_EQ(SelectedRow(Window()), nullptr);
  EXPECT_EQ(Window().Session().CurrentSlot(), 20);  // the panel keeps its officer

  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(OfficerListWindow, TextThatIsNoIntegerShowsTheErrorAndChangesNothing) {
  OfficerTable table{};
  table[3] = Officer("A", "", "", 80, 1, 1, 1, 1);
  Load(table);
  Find<QLineEdit>(Window(), "Edit_STongshuai")->setText("80");
  Find<QPushButton>(Window(), "Btn_ReSearch")->click();
  ASSERT_EQ(ListedNumbers(), (std::vector<int>{653}));

  Find<QLineEdit>(Window(), "Edit_STongshuai")->clear();  // would list everything, but a later box fails
  Find<QLineEdit>(Window(), "Edit_SMeili")->setText("abc");
  Find<QPushButton>(Window(), "Btn_ReSearch")->click();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_EQ(ListedNumbers(), (std::vector<int>{653}));
}

TEST_F(OfficerListWindow, HeaderClicksSortAndFlipTheOrder) {
  OfficerTable table{};
  const int tong[] = {50, 90, 10, 70, 30};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("X", "", "", s < 5 ? tong[s] : 40, 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = OfficerList(Window());

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
  Window().ListPanel().SortByColumn(1);
  QTreeWidget* list = OfficerList(Window());
  EXPECT_EQ(list->topLevelItem(0)->text(1), kNewOfficer + "1");
  EXPECT_EQ(list->topLevelItem(1)->text(1), kNewOfficer + "10");  // before 新武将2
  EXPECT_EQ(list->topLevelItem(109)->text(1), kNewOfficer + "99");
}

TEST_F(OfficerListWindow, SortingKeepsTheSelectedRowWithoutShowingItAgainOrScrolling) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>(s), 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = OfficerList(Window());
  list->setCurrentItem(list->topLevelItem(5));
  ASSERT_EQ(Window().Session().CurrentSlot(), 5);
  ASSERT_EQ(list->verticalScrollBar()->value(), 0);
  QSignalSpy selections(&Window().Session(), &PanelSession::currentSlotChanged);

  // The selected row goes to the bottom; the top of the new order stays in sight.
  ClickHeader(list, 2);
  ASSERT_NE(SelectedRow(Window()), nullptr);
  EXPECT_EQ(SelectedRow(Window())->text(0), QStringLiteral("655"));
  EXPECT_EQ(list->indexOfTopLevelItem(SelectedRow(Window())), 104);
  EXPECT_EQ(selections.count(), 0);  // the row is not selected (and shown) again
  EXPECT_EQ(list->verticalScrollBar()->value(), 0);
  EXPECT_EQ(list->indexAt(QPoint(5, 5)).row(), 0);
}

TEST_F(OfficerListWindow, SelectingByMouseOrArrowKeysSetsTheCurrentSlot) {
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = Officer("Z", "", "", static_cast<int>((s * 37) % 101), 0, 0, 0, 0);
  Load(table);
  Window().show();
  QTreeWidget* list = OfficerList(Window());
  list->setFocus();

  Click(list->viewport(), list->visualItemRect(list->topLevelItem(2)).center());
  EXPECT_EQ(Window().Session().CurrentSlot(), 2);
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().Session().CurrentSlot(), 3);
  EXPECT_EQ(SelectedRow(Window()), list->topLevelItem(3));

  // Clicking the row that is already selected does nothing.
  QSignalSpy selections(&Window().Session(), &PanelSession::currentSlotChanged);
  Click(list->viewport(), list->visualItemRect(list->topLevelItem(3)).center());
  EXPECT_EQ(selections.count(), 0);

  // In a sorted list the row's number names the slot, not its position.
  Window().ListPanel().SortByColumn(2);
  list->setCurrentItem(list->topLevelItem(0));
  PressKey(list, Qt::Key_Down);
  EXPECT_EQ(Window().Session().CurrentSlot(), list->topLevelItem(1)->text(0).toInt() - 650);
  EXPECT_NE(Window().Session().CurrentSlot(), 1);
}

TEST_F(OfficerListWindow, LoadListsEverySlotInSlotOrderWithoutSelection) {
  Load(OfficerTable{});
  Find<QLineEdit>(Window(), "Edit_SWuli")->setText("5");
  Find<QPushButton>(Window(), "Btn_ReSearch")->click();
  ASSERT_TRUE(ListedNumbers().empty());
  Window().ListPanel().SortByColumn(1);
  Load(OfficerTable{});
  OfficerList(Window())->setCurrentItem(OfficerList(Window())->topLevelItem(4));
  Load(OfficerTable{});
  const std::vector<int> numbers = ListedNumbers();
  EXPECT_EQ(numbers.size(), 110u);
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));  // the sort state is not applied again
  EXPECT_EQ(Window().ListModel().Sort().column, 1);
  EXPECT_EQ(SelectedRow(Window()), nullptr);
  EXPECT_EQ(Window().Session().CurrentSlot(), 0);
}
