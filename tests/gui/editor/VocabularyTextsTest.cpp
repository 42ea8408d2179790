// The panel's game words follow the interface language in place: the shown
// officer's values stay and nothing counts as edited.
#include <QSignalSpy>

#include "gui/editor/EditorPanel.h"
#include "gui/editor/EditorPanelFixture.h"

TEST_F(EditorPanelTest, SwitchingTheVocabularyKeepsTheShownOfficer) {
  TForm_Main& w = Open();
  SelectSlot(2);
  QComboBox* gender = Find<QComboBox>(w, "ComboBox_Gender");
  QComboBox* han = Find<QComboBox>(w, "ComboBox_Han");
  QComboBox* mother = Find<QComboBox>(w, "ComboBox_Mother");
  QComboBox* father = Find<QComboBox>(w, "ComboBox_Father");
  const QString slotEntry = mother->itemText(652);
  Box("CB_S41")->setChecked(true);  // an edit not confirmed yet
  const PanelValues before = w.Editor().CurrentValues();
  QSignalSpy edits(&w.Editor(), &EditorPanel::editsChanged);
  const QString agriculture = U("特技：农业\n勾选则此武将拥有这项特技");

  w.Editor().ShowVocabularyIn(UiLanguage::English);
  EXPECT_EQ(gender->currentText(), U("女"));
  EXPECT_EQ(han->itemText(0), U("無視"));
  EXPECT_EQ(han->itemData(0, Qt::ToolTipRole).toString(), U("Indifferent"));
  EXPECT_EQ(Box("CB_S07")->text(), U("農業"));
  EXPECT_EQ(Box("CB_S07")->toolTip(), U("Agriculture\n") + agriculture);
  EXPECT_EQ(Box("CB_S41")->text(), U("間諜"));
  EXPECT_EQ(mother->currentText(), U("831.異民族"));
  EXPECT_EQ(father->currentText(), U("無"));
  EXPECT_EQ(mother->itemText(652), slotEntry);
  EXPECT_TRUE(w.Editor().CurrentValues() == before);
  EXPECT_TRUE(w.Editor().HasUnconfirmedEdits());  // still the player's edit, no more

  w.Editor().ShowVocabularyIn(UiLanguage::TraditionalChinese);
  EXPECT_EQ(Box("CB_S07")->toolTip(), agriculture);
  EXPECT_FALSE(han->itemData(0, Qt::ToolTipRole).isValid());
  EXPECT_EQ(han->itemText(2), U("重視"));

  w.Editor().ShowVocabularyIn(UiLanguage::SimplifiedChinese);
  EXPECT_EQ(han->itemText(0), U("无视"));
  EXPECT_EQ(Box("CB_S07")->text(), U("农业"));
  EXPECT_EQ(Box("CB_S07")->toolTip(), agriculture);
  EXPECT_EQ(mother->currentText(), U("831.异民族"));
  EXPECT_EQ(father->itemText(84), U("84.夏侯惇"));
  EXPECT_TRUE(w.Editor().CurrentValues() == before);
  EXPECT_EQ(edits.count(), 0);
}
