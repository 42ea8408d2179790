// The window switched to officer texts as stored (the traditional script):
// the list, the panel and the pickers show 後 (Big5 ABE1) and 后 (A65A)
// apart, which the simplified script shows alike, an untouched confirmation
// changes nothing, and unconfirmed edits survive a switch.
#include "gui/editor/EditorPanelFixture.h"

namespace {

TEST_F(EditorPanelTest, TheTraditionalScriptShowsStoredCharactersEverywhere) {
  PutBytes(bytes, 4, kXing, "\xAB\xE1");
  PutBytes(bytes, 5, kXing, "\xA6\x5A");
  WriteBytes(file, bytes);
  TForm_Main& w = Open();
  SelectSlot(4);
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("后"));
  w.ShowOfficerTextsIn(OfficerTextScript::Traditional);
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("後"));
  const auto rowText = [&](int slot) {
    return OfficerList(w)->findItems(QString::number(650 + slot), Qt::MatchExactly, 0).first()->text(1);
  };
  EXPECT_EQ(rowText(4), U("後 "));
  EXPECT_EQ(rowText(5), U("后 "));
  EXPECT_EQ(rowText(2), U("張飛 關"));
  EXPECT_EQ(RelationshipPickers(w).front()->itemText(654), U("後"));
  EXPECT_EQ(RelationshipPickers(w).front()->itemText(655), U("后"));

  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().CurrentHead(), bytes);
  EXPECT_FALSE(w.Document().IsModified());

  // The tooltip tells what typing becomes (干部 stays, not 幹部 as in the
  // simplified script); a switch keeps the typing.
  Find<GbkLineEdit>(w, "Edit_Ming")->setText(U("干部"));
  EXPECT_TRUE(Find<GbkLineEdit>(w, "Edit_Ming")->toolTip().startsWith(U("游戏中显示为：干部\n")));
  w.ShowOfficerTextsIn(OfficerTextScript::Simplified);
  EXPECT_EQ(rowText(4), U("后 "));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("後"));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Ming")->text(), U("干部"));
  Find<QPushButton>(w, "Btn_MCancel")->click();
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("后"));
  EXPECT_EQ(w.Document().CurrentHead(), bytes);
}

}  // namespace
