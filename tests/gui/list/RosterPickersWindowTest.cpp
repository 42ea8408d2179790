// The seven relationship pickers on the real main window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <vector>

#include "core/list/OfficerRoster.h"
#include "gui/list/ListWindowFixture.h"
#include "gui/widgets/RosterPicker.h"

namespace {

const QString kNewOfficer = QStringLiteral("新武将");

using RosterPickersWindow = ListWindowFixture;

}  // namespace

TEST_F(RosterPickersWindow, LoadWritesTheNewOfficersNamesIntoAllSeven) {
  for (QComboBox* picker : RelationshipPickers(Window())) {
    EXPECT_EQ(picker->currentIndex(), -1);
    EXPECT_EQ(picker->itemText(650), QStringLiteral("650.新1"));
  }
  OfficerTable table{};
  table[0] = Officer("Zh", "Fei", "Yide", 0, 0, 0, 0, 0);
  table[5].Zi.Write("Zl");  // a courtesy name alone gives no roster name
  Load(table);
  for (QComboBox* picker : RelationshipPickers(Window())) {
    ASSERT_EQ(picker->count(), 833) << picker->objectName().toStdString();
    EXPECT_EQ(picker->itemText(650), QStringLiteral("ZhFei"));
    EXPECT_EQ(picker->itemText(655), kNewOfficer + "6");
    for (int s = 1; s < 110; ++s) {
      if (s != 5) {
        EXPECT_EQ(picker->itemText(650 + s), kNewOfficer + QString::number(s + 1));
      }
    }
    EXPECT_EQ(picker->itemText(760), QStringLiteral("760.灵帝"));
    EXPECT_EQ(picker->itemText(832), QStringLiteral("无"));
  }
}

TEST_F(RosterPickersWindow, RenamingKeepsEveryPickersSelection) {
  const std::vector<QComboBox*> pickers = RelationshipPickers(Window());
  pickers[0]->setCurrentIndex(RosterEntryForValue(653));
  pickers[6]->setCurrentIndex(RosterEntryForValue(497));
  Window().Editor().Roster().RenameRosterEntry(3, QStringLiteral("关羽"));
  for (QComboBox* picker : pickers) EXPECT_EQ(picker->itemText(653), QStringLiteral("关羽"));
  EXPECT_EQ(pickers[0]->currentIndex(), 653);
  EXPECT_EQ(pickers[0]->currentText(), QStringLiteral("关羽"));
  EXPECT_EQ(pickers[6]->currentIndex(), 497);

  Window().Editor().Roster().RenameRosterEntry(110, QStringLiteral("X"));  // outside the file: nothing
  EXPECT_EQ(pickers[0]->itemText(760), QStringLiteral("760.灵帝"));

  // A load renames the entries and leaves no selection of the officer shown before.
  Load(OfficerTable{});
  EXPECT_EQ(pickers[0]->itemText(653), kNewOfficer + "4");
  for (QComboBox* picker : pickers) EXPECT_EQ(picker->currentIndex(), -1);
}

TEST_F(RosterPickersWindow, EveryPickerIsChooseOnlyAndOpensWithThirtyRows) {
  Window().show();
  for (QComboBox* picker : RelationshipPickers(Window())) {
    SCOPED_TRACE(picker->objectName().toStdString());
    EXPECT_FALSE(picker->isEditable());
    picker->setCurrentIndex(400);
    picker->showPopup();
    QAbstractItemView* view = picker->view();
    ASSERT_GT(view->sizeHintForRow(0), 0);
    EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), 30);  // the find box takes no row
    picker->hidePopup();
    EXPECT_EQ(picker->currentIndex(), 400);
  }
}

TEST_F(RosterPickersWindow, TheFindBoxLeavesTheMatchesAndEnterChoosesOne) {
  Window().show();
  auto* picker = qobject_cast<RosterPicker*>(Find<QComboBox>(Window(), "ComboBox_Father"));
  ASSERT_NE(picker, nullptr);
  picker->setCurrentIndex(400);
  picker->showPopup();
  QLineEdit* find = picker->FindBox();
  ASSERT_NE(find, nullptr);
  auto* list = qobject_cast<QListView*>(picker->view());
  ASSERT_NE(list, nullptr);

  QTest::keyClicks(find, QStringLiteral("651"));
  EXPECT_EQ(list->currentIndex().row(), 651);
  EXPECT_TRUE(list->isRowHidden(650));
  EXPECT_TRUE(list->isRowHidden(652));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(picker->currentIndex(), 651);

  // Opened again, unfiltered; a name typed in traditional characters, Down to
  // the next match, Esc: the value stays.
  picker->showPopup();
  EXPECT_EQ(find->text(), QString());
  EXPECT_FALSE(list->isRowHidden(650));
  TypeText(find, QStringLiteral("公孫"));
  EXPECT_EQ(list->currentIndex().row(), 172);  // 公孙越
  EXPECT_TRUE(list->isRowHidden(171));
  EXPECT_FALSE(list->isRowHidden(179));
  EXPECT_TRUE(list->isRowHidden(180));
  QTest::keyClick(find, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex().row(), 173);
  QTest::keyClick(find, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(picker->currentIndex(), 651);

  // A number typed whole goes before the highlighted entry that also matches.
  picker->showPopup();
  QTest::keyClicks(find, QStringLiteral("65"));
  EXPECT_EQ(list->currentIndex().row(), 65);
  EXPECT_FALSE(list->isRowHidden(651));
  // Nothing matches: Enter chooses nothing.
  find->clear();
  QTest::keyClicks(find, QStringLiteral("zz"));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(picker->currentIndex(), 651);
  picker->hidePopup();
}
