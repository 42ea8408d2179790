// The seven relationship pickers on the real main window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <vector>

#include "list/ListWindowFixture.h"

namespace {

const QString kNewOfficer = QStringLiteral("新武将");

struct PickerPlace {
  const char* name;
  const char* label;
  int x, y, width;
};

class RosterPickers : public ListWindowFixture {
 protected:
  std::vector<QComboBox*> Pickers() {
    TForm_Main& w = Window();
    return {w.ComboBox_Father, w.ComboBox_Mother, w.ComboBox_Another, w.ComboBox_Family,
            w.ComboBox_Brother, w.ComboBox_Enemy, w.ComboBox_Xiangxing};
  }
};

}  // namespace

TEST_F(RosterPickers, StandAtTheirPlacesWithTheWholeRoster) {
  const PickerPlace places[] = {{"ComboBox_Father", "父亲", 31, 16, 80},  {"ComboBox_Mother", "母亲", 31, 40, 80},
                                {"ComboBox_Another", "配偶", 31, 64, 80}, {"ComboBox_Family", "家族", 31, 88, 80},
                                {"ComboBox_Brother", "兄弟", 31, 112, 80}, {"ComboBox_Enemy", "仇敌", 31, 136, 80},
                                {"ComboBox_Xiangxing", "相同武将", 55, 61, 60}};
  const std::vector<QComboBox*> pickers = Pickers();
  for (std::size_t i = 0; i < pickers.size(); ++i) {
    QComboBox* picker = pickers[i];
    ASSERT_NE(picker, nullptr) << places[i].name;
    EXPECT_EQ(picker->objectName(), QString::fromLatin1(places[i].name));
    EXPECT_EQ(picker->parentWidget(), static_cast<QWidget*>(i == 6 ? Window().GroupBox10 : Window().GroupBox6));
    EXPECT_EQ(picker->geometry(), QRect(places[i].x, places[i].y, places[i].width, 20)) << places[i].name;
    EXPECT_FALSE(picker->isEditable());
    EXPECT_EQ(picker->maxVisibleItems(), 30);
    EXPECT_EQ(picker->currentIndex(), -1);  // nothing chosen at start
    ASSERT_EQ(picker->count(), 833);
    EXPECT_EQ(picker->itemText(0), QStringLiteral("0.阿会喃"));
    EXPECT_EQ(picker->itemText(650), QStringLiteral("650.新1"));
    EXPECT_EQ(picker->itemText(759), QStringLiteral("759.新110"));
    EXPECT_EQ(picker->itemText(788), QStringLiteral("788.赤ん坊"));
    EXPECT_EQ(picker->itemText(832), QStringLiteral("无"));

    // The label stands left of its picker on the same line.
    bool labelled = false;
    for (QLabel* label : picker->parentWidget()->findChildren<QLabel*>()) {
      if (label->text() == QString::fromUtf8(places[i].label)) {
        labelled = label->geometry().right() < picker->x() && label->y() == picker->y();
      }
    }
    EXPECT_TRUE(labelled) << places[i].label;
  }
  // Each picker holds its own entries.
  EXPECT_NE(pickers[0]->model(), pickers[1]->model());
}

TEST_F(RosterPickers, OpenWithThirtyRows) {
  Window().show();
  QComboBox* picker = Window().ComboBox_Xiangxing;
  TForm_Main::SelectRosterEntry(picker, 400);
  picker->showPopup();
  QAbstractItemView* view = picker->view();
  ASSERT_GT(view->sizeHintForRow(0), 0);
  EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), 30);
  picker->hidePopup();
  EXPECT_EQ(picker->currentIndex(), 400);
}

TEST_F(RosterPickers, LoadWritesTheNewOfficersNamesIntoAllSeven) {
  OfficerTable table{};
  table[0] = Officer("Zh", "Fei", "Yide", 0, 0, 0, 0, 0);
  table[5].Zi.Write("Zl");  // a courtesy name alone gives no roster name
  table[109] = Officer("", "Ma", "", 0, 0, 0, 0, 0);
  Load(table);

  for (QComboBox* picker : Pickers()) {
    ASSERT_EQ(picker->count(), 833) << picker->objectName().toStdString();
    EXPECT_EQ(picker->itemText(650), QStringLiteral("ZhFei"));
    EXPECT_EQ(picker->itemText(651), kNewOfficer + "2");
    EXPECT_EQ(picker->itemText(655), kNewOfficer + "6");
    EXPECT_EQ(picker->itemText(759), QStringLiteral("Ma"));
    for (int s = 1; s < 109; ++s) {
      if (s != 5) {
        EXPECT_EQ(picker->itemText(650 + s), kNewOfficer + QString::number(s + 1));
      }
    }
    // Everyone else keeps number and name.
    EXPECT_EQ(picker->itemText(649), QStringLiteral("649.庐植"));
    EXPECT_EQ(picker->itemText(760), QStringLiteral("760.灵帝"));
    EXPECT_EQ(picker->itemText(832), QStringLiteral("无"));
  }

  // A second file replaces the names again.
  table[0] = OfficerRecord{};
  Load(table);
  for (QComboBox* picker : Pickers()) EXPECT_EQ(picker->itemText(650), kNewOfficer + "1");
}

TEST_F(RosterPickers, RenamingKeepsEveryPickersSelection) {
  Load(OfficerTable{});
  const std::vector<QComboBox*> pickers = Pickers();
  for (std::size_t i = 0; i < pickers.size(); ++i) {
    TForm_Main::SelectRosterEntry(pickers[i], static_cast<std::uint16_t>(i == 0 ? 653 : 100 + i));
  }
  Window().RenameRosterEntry(3, QStringLiteral("关羽"));
  EXPECT_EQ(pickers[0]->currentIndex(), 653);
  EXPECT_EQ(pickers[0]->currentText(), QStringLiteral("关羽"));
  for (std::size_t i = 0; i < pickers.size(); ++i) {
    EXPECT_EQ(pickers[i]->itemText(653), QStringLiteral("关羽"));
    if (i > 0) {
      EXPECT_EQ(pickers[i]->currentIndex(), static_cast<int>(100 + i));
    }
  }
  // An empty name is written as it is (the confirmation relies on it).
  Window().RenameRosterEntry(3, QString());
  EXPECT_EQ(pickers[0]->currentIndex(), 653);
  EXPECT_EQ(pickers[0]->itemText(653), QString());
  // A slot outside the file changes nothing.
  Window().RenameRosterEntry(-1, QStringLiteral("X"));
  Window().RenameRosterEntry(110, QStringLiteral("X"));
  EXPECT_EQ(pickers[0]->itemText(649), QStringLiteral("649.庐植"));
  EXPECT_EQ(pickers[0]->itemText(760), QStringLiteral("760.灵帝"));
  EXPECT_EQ(pickers[0]->count(), 833);

  // Reloading renames the selected entry again, and the selection stays.
  Load(OfficerTable{});
  EXPECT_EQ(pickers[0]->currentIndex(), 653);
  EXPECT_EQ(pickers[0]->currentText(), kNewOfficer + "4");
}

TEST_F(RosterPickers, StoredNumbersSelectEntriesByPosition) {
  QComboBox* picker = Window().ComboBox_Enemy;
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 0xFFFF);  // nothing selected

  TForm_Main::SelectRosterEntry(picker, 497);  // the second 马忠
  EXPECT_EQ(picker->currentIndex(), 497);
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 497);
  TForm_Main::SelectRosterEntry(picker, 496);
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 496);

  for (std::uint16_t value : {832, 900, 4000, 65535}) {
    TForm_Main::SelectRosterEntry(picker, value);
    EXPECT_EQ(picker->currentIndex(), 832) << value;
    EXPECT_EQ(picker->currentText(), QStringLiteral("无"));
    EXPECT_EQ(TForm_Main::RosterValueOf(picker), 0xFFFF);
  }
  TForm_Main::SelectRosterEntry(picker, 831);
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 831);
  TForm_Main::SelectRosterEntry(picker, 650);
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 650);
}

TEST_F(RosterPickers, EqualNamesNeverMerge) {
  OfficerTable table{};
  table[0] = Officer("Ma", "", "", 0, 0, 0, 0, 0);
  table[1] = Officer("Ma", "", "", 0, 0, 0, 0, 0);
  Load(table);
  QComboBox* picker = Window().ComboBox_Father;
  TForm_Main::SelectRosterEntry(picker, 651);
  EXPECT_EQ(TForm_Main::RosterValueOf(picker), 651);
  EXPECT_EQ(picker->findText(QStringLiteral("Ma")), 650);  // the text alone would find the other one
  EXPECT_NE(picker->itemText(592), picker->itemText(593));  // numbers keep 李丰 apart in the list
}
