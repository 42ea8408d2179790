// 编辑 → 撤销 / 重做 on the real window, and what happens to unconfirmed
// edits when the player picks another officer.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <QTest>

#include "core/document/OfficerDocument.h"
#include "core/editor/PanelSession.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/list/ListWindowFixture.h"

namespace {

class HistoryWindowTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    OfficerTable table{};
    table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
    table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 71, 72, 73, 74);  // 關羽
    Load(table);
  }
  QLineEdit* Wuli() { return Find<QLineEdit>(Window(), "Edit_Wuli"); }
  void Confirm() { Find<QPushButton>(Window(), "Btn_MConfirm")->click(); }
};

TEST_F(HistoryWindowTest, UndoAndRedoTakeBackAConfirmationWithItsTitleAndCaptions) {
  TForm_Main& w = Window();
  QAction* undo = Action(w, "Menu_Undo");
  QAction* redo = Action(w, "Menu_Redo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->text(), QStringLiteral("撤销(&U)"));

  Choose(0);
  Wuli()->setText(QStringLiteral("99"));
  Confirm();
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(undo->text(), QStringLiteral("撤销(&U) 确认修改 650 张飞"));
  EXPECT_TRUE(undo->isEnabled());

  undo->trigger();
  EXPECT_EQ(w.Document().Record(0).Wuli, 81);
  EXPECT_FALSE(w.isWindowModified());  // back at the file as opened
  EXPECT_EQ(Wuli()->text(), QStringLiteral("81"));  // the panel follows
  EXPECT_EQ(Row(0)->text(3), QStringLiteral("81"));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QStringLiteral("重做(&R) 确认修改 650 张飞"));

  redo->trigger();
  EXPECT_EQ(w.Document().Record(0).Wuli, 99);
  EXPECT_EQ(Row(0)->text(3), QStringLiteral("99"));
  EXPECT_TRUE(w.isWindowModified());

  EXPECT_EQ(Action(w, "Menu_Redo")->shortcuts().size(), 2);  // Ctrl+Y and Ctrl+Shift+Z

  // A reload (不保存, the harness's answer) starts a new history.
  Action(w, "R1")->trigger();
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(HistoryWindowTest, AllOfficersConversionIsOneStep) {
  TForm_Main& w = Window();
  OfficerRecord japanese = w.Document().Record(1);
  japanese.Xing.Write("\x8A\xD6");  // 関 in Shift-JIS
  w.Document().ReplaceRecord(1, japanese);
  Find<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(Action(w, "Menu_Undo")->text(), QStringLiteral("撤销(&U) 所有武将日文-->中文（1 名）"));
  Action(w, "Menu_Undo")->trigger();
  EXPECT_EQ(w.Document().Record(1).Xing.Text(), "\x8A\xD6");
}

TEST_F(HistoryWindowTest, PickingAnotherOfficerWithPendingEditsAsksFirst) {
  TForm_Main& w = Window();
  Choose(0);
  std::vector<QStringList> offered;
  int answer = 2;
  harness.questionAnswer = [&](const QStringList& buttons) {
    offered.push_back(buttons);
    return answer;
  };

  // 取消: the officer and the edit stay.
  Wuli()->setText(QStringLiteral("5"));
  Choose(1);
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0], (QStringList{QStringLiteral("确认修改"), QStringLiteral("放弃修改"), QStringLiteral("取消")}));
  EXPECT_EQ(w.Session().CurrentSlot(), 0);
  EXPECT_EQ(OfficerList(w)->currentItem(), Row(0));
  EXPECT_EQ(Wuli()->text(), QStringLiteral("5"));
  EXPECT_EQ(w.Document().Record(0).Wuli, 81);

  // 确认修改 that is refused: the error box, and the officer stays.
  answer = 0;
  Wuli()->setText(QStringLiteral("70000"));
  Choose(1);
  EXPECT_EQ(w.Session().CurrentSlot(), 0);
  EXPECT_EQ(OfficerList(w)->currentItem(), Row(0));
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("武力：70000 超出范围 0–65535."));

  // 确认修改: stored, then the other officer.
  Wuli()->setText(QStringLiteral("5"));
  Choose(1);
  EXPECT_EQ(w.Document().Record(0).Wuli, 5);
  EXPECT_EQ(w.Session().CurrentSlot(), 1);
  EXPECT_EQ(Wuli()->text(), QStringLiteral("71"));

  // 放弃修改: dropped, the other officer shown.
  answer = 1;
  Wuli()->setText(QStringLiteral("6"));
  Choose(0);
  EXPECT_EQ(w.Document().Record(1).Wuli, 71);
  EXPECT_EQ(w.Session().CurrentSlot(), 0);
  EXPECT_EQ(Wuli()->text(), QStringLiteral("5"));

  // Without edits nothing is asked.
  const std::size_t asked = offered.size();
  Choose(1);
  EXPECT_EQ(offered.size(), asked);
}

TEST_F(HistoryWindowTest, TheKeyboardReachesTheListThePanelAndThePortrait) {
  TForm_Main& w = Window();
  // Tab in reading order: list, search, then the panel's groups column by
  // column (形象, 年份, 能力, 性格, 人际, 相性, then 个人 and 特技 below), each
  // group's controls column by column, then the buttons beside them.
  const QStringList expected = QStringLiteral(
      "ListView_SelPrsn Edit_STongshuai Edit_SWuli Edit_SZhili Edit_SZhengzhi Edit_SMeili Btn_ReSearch "
      "Image_Face Edit_Face ComboBox_Gender Edit_BornYear Edit_EnterYear Edit_DeadYear "
      "Edit_Tongshuai Edit_Wuli Edit_Zhili Edit_Zhengzhi Edit_Meili Edit_Shengwang "
      "ComboBox_Type ComboBox_Desire ComboBox_Belief ComboBox_Character ComboBox_Drink ComboBox_Care ComboBox_Yili "
      "ComboBox_Qiyong ComboBox_Han ComboBox_Stratagem ComboBox_Task "
      "ComboBox_Father ComboBox_Mother ComboBox_Another ComboBox_Family ComboBox_Brother ComboBox_Enemy "
      "Edit_Xiangxing Edit_Touyuan ComboBox_Xiangxing Edit_Xing Edit_Ming Edit_Zi Edit_Yin Memo_Story Button1 Button2 "
      "CB_S07 CB_S00 CB_S11 CB_S22 CB_S33 CB_S44 CB_S06 CB_S17 CB_S10 CB_S21 CB_S32 CB_S43 "
      "CB_S05 CB_S16 CB_S27 CB_S20 CB_S31 CB_S42 CB_S04 CB_S15 CB_S26 CB_S37 CB_S30 CB_S41 "
      "CB_S03 CB_S14 CB_S25 CB_S36 CB_S47 CB_S40 CB_S02 CB_S13 CB_S24 CB_S35 CB_S46 CB_S57 "
      "CB_S01 CB_S12 CB_S23 CB_S34 CB_S45 CB_S56 Btn_BT Btn_AllSkills Btn_MConfirm Btn_MCancel")
                                   .split(QLatin1Char(' '));
  QStringList chain;
  QWidget* widget = Find<QWidget>(w, "ListView_SelPrsn");
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget->objectName() != QLatin1String("ListView_SelPrsn") && chain.size() <= expected.size());
  EXPECT_EQ(chain.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());

  // Ctrl+Enter confirms, as the button's tooltip says.
  w.show();
  QApplication::setActiveWindow(&w);
  Choose(0);
  EXPECT_TRUE(Find<QPushButton>(w, "Btn_MConfirm")->toolTip().contains(QStringLiteral("Ctrl+Enter")));
  Wuli()->setFocus();
  Wuli()->setText(QStringLiteral("42"));
  QTest::keyClick(Wuli(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(w.Document().Record(0).Wuli, 42);

  // The portrait takes the focus, and Space opens the face picker (when the
  // game's faces are there; here they are not, so nothing opens).
  auto* portrait = Find<ClickLabel>(w, "Image_Face");
  EXPECT_EQ(portrait->focusPolicy(), Qt::StrongFocus);
  int clicks = 0;
  QObject::connect(portrait, &ClickLabel::clicked, portrait, [&] { ++clicks; });
  QTest::keyClick(portrait, Qt::Key_Space);
  QTest::keyClick(portrait, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
